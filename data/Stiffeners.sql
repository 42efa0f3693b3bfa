-- User-object catalog Stiffeners: web stiffeners and rib plates, in the
-- category "Stiffening".
--
-- Sizes in mm: SIZEX the width, SIZEY the height, SIZEZ the thickness; a rib
-- is a right triangle with legs SIZEX and SIZEY. MASS in kg: the plate's
-- volume times 7850 kg/m3 (the steel density of KmatEN), rounded to
-- 0.001 kg; a rib's chamfer is neglected. BOLTEXT is 0 (no bolts).
-- Symbol drawings are referred to by file name; the drawings themselves are
-- not bundled.
-- Translations: 1031 German, 1036 French.
-- The catalog's category, description and unit system are database
-- properties (PROPERTY statements).
-- Built into Stiffeners.mdb by zeptmkcat.

CREATE TABLE UserObjects (ID COUNTER, NAME TEXT(255), SIZEX DOUBLE, SIZEY DOUBLE, SIZEZ DOUBLE,
  SCALEX DOUBLE, SCALEY DOUBLE, SCALEZ DOUBLE, MASS DOUBLE, BOLTEXT DOUBLE,
  SYM3D MEMO, SYMXY MEMO, SYMXZ MEMO, SYMYZ MEMO, SYMMETRY YESNO, ISMETRIC YESNO);
CREATE TABLE ExtraParameters (NAME TEXT(255), DESCRIPTION TEXT(255), VALUE TEXT(255));
CREATE TABLE Locales (LANG LONG, CATEGORY TEXT(255), DESCRIPTION TEXT(255));

PROPERTY UserObjCategory TEXT "Stiffening";
PROPERTY UserObjDescription TEXT "Web stiffeners and rib plates";
PROPERTY UserObjIsMetric YESNO True;

-- 100 x 280 x 10: 0.00028 m3, 2.198 kg.
INSERT INTO UserObjects (NAME, SIZEX, SIZEY, SIZEZ, SCALEX, SCALEY, SCALEZ, MASS, BOLTEXT, SYM3D, SYMXY, SYMXZ, SYMYZ, SYMMETRY, ISMETRIC)
  VALUES ("Stiffener 100x280x10", 100, 280, 10, 1, 1, 1, 2.198, 0, "STF_3D.dfn", "STF_XY.dfn", "STF_XZ.dfn", "STF_YZ.dfn", True, True);
-- Rib 150 x 150 x 12: 0.5 * 150 * 150 * 12 = 0.000135 m3, 1.060 kg.
INSERT INTO UserObjects (NAME, SIZEX, SIZEY, SIZEZ, SCALEX, SCALEY, SCALEZ, MASS, BOLTEXT, SYM3D, SYMXY, SYMXZ, SYMYZ, SYMMETRY, ISMETRIC)
  VALUES ("Rib 150x150x12", 150, 150, 12, 1, 1, 1, 1.06, 0, "RIB_3D.dfn", "RIB_XY.dfn", "RIB_XZ.dfn", "RIB_YZ.dfn", False, True);

INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("Stiffener 100x280x10", "Chamfer", "20");
INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("Stiffener 100x280x10", "Weld", "a4 both sides");
INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("Rib 150x150x12", "Chamfer", "15");
INSERT INTO ExtraParameters (NAME, DESCRIPTION, VALUE) VALUES ("Rib 150x150x12", "Weld", "a5 both sides");

INSERT INTO Locales (LANG, CATEGORY, DESCRIPTION) VALUES (1031, "Aussteifung", "Stegsteifen und Rippenbleche");
INSERT INTO Locales (LANG, CATEGORY, DESCRIPTION) VALUES (1036, "Raidissage", "Raidisseurs d'âme et goussets");
