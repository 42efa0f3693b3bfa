-- User-object catalog AnchorPlates: anchor plates with headed studs, for
-- embedding in concrete, in the category "Anchorage".
--
-- Sizes in mm: SIZEX x SIZEY the plate, SIZEZ its thickness. MASS in kg is
-- the plate's alone: SIZEX * SIZEY * SIZEZ * 7850 kg/m3 (the steel density
-- of KmatEN), rounded to 0.001 kg; the studs are named in the extra
-- parameters (count x diameter x length, mm). Stud spacing follows the
-- plate with an edge distance of 50 mm. Symbol drawings are referred to by
-- file name; the drawings themselves are not bundled.
-- Translations: 1031 German, 1036 French.
-- The catalog's category, description and unit system are database
-- properties (PROPERTY statements).
-- Built into AnchorPlates.mdb by zeptmkcat.

CREATE TABLE UserObjects (ID COUNTER, NAME TEXT(255), SIZEX DOUBLE, SIZEY DOUBLE, SIZEZ DOUBLE,
  SCALEX DOUBLE, SCALEY DOUBLE, SCALEZ DOUBLE, MASS DOUBLE, BOLTEXT DOUBLE,
  SYM3D MEMO, SYMXY MEMO, SYMXZ MEMO, SYMYZ MEMO, SYMMETRY YESNO, ISMETRIC YESNO);
CREATE TABLE ExtraParameters (NAME TEXT(255), DESCRIPTION TEXT(255), VALUE TEXT(255));
CREATE TABLE Locales (LANG LONG, CATEGORY TEXT(255), DESCRIPTION TEXT(255));

PROPERTY UserObjCategory TEXT "Anchorage";
PROPERTY UserObjDescription TEXT "Anchor plates with headed studs";
PROPERTY UserObjIsMetric YESNO True;

-- 200 x 200 x 15: 0.0006 m3, 4.710 kg.
INSERT INTO UserObjects (NAME, SIZEX, SIZEY, SIZEZ, SCALEX, SCALEY, SCALEZ, MASS, BOLTEXT, SYM3D, SYMXY, SYMXZ, SYMYZ, SYMMETRY, ISMETRIC)
  VALUES ("AP 200x200x15", 200, 200, 15, 1, 1, 1, 4.71, 0, "AP200_3D.dfn", "AP200_XY.dfn", "AP200_XZ.dfn", "AP200_XZ.dfn", True, True);
-- 300 x 300 x 20: 0.0018 m3, 14.130 kg.
INSERT INTO UserObjects (NAME, SIZEX, SIZEY, SIZEZ, SCALEX, SCALEY, SCALEZ, MASS, BOLTEXT, SYM3D, SYMXY, SYMXZ, SYMYZ, SYMMETRY, ISMETRIC)
  VALUES ("AP 300x300x20", 300, 300, 20, 1, 1, 1, 14.13, 0, "AP300_3D.dfn", "AP300_XY.dfn", "AP300_XZ.dfn", "AP300_XZ.dfn", True, True);
-- 400 x 300 x 25: 0.003 m3, 23.550 kg.
INSERT INTO UserObjects (NAME, SIZEX, SIZEY, SIZEZ, SCALEX, SCALEY, SCALEZ, MASS, BOLTEXT, SYM3D, SYMXY, SYMXZ, SYMYZ, SYMMETRY, ISMETRIC)
  VALUES ("AP 400x300x25", 400, 300, 25, 1, 1, 1, 23.55, 0, "AP400_3D.dfn", "AP400_XY.dfn", "AP400_XZ.dfn", "AP400_YZ.dfn", True, True);

INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("AP 200x200x15", "Studs", "4 x 16 x 150");
INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("AP 200x200x15", "Grade", "S235");
INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("AP 300x300x20", "Studs", "4 x 19 x 200");
INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("AP 300x300x20", "Grade", "S355");
INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("AP 400x300x25", "Studs", "6 x 22 x 200");
INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("AP 400x300x25", "Grade", "S355");

INSERT INTO Locales (LANG, CATEGORY, DESCRIPTION) VALUES (1031, "Verankerung", "Ankerplatten mit Kopfbolzen");
INSERT INTO Locales (LANG, CATEGORY, DESCRIPTION) VALUES (1036, "Ancrage", "Platines d'ancrage à goujons");
