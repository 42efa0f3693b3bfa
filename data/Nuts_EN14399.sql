-- Nut catalog EN 14399-4: HV nuts, M12 to M36.
--
-- Source: DATA-FACTS.md, "High-strength structural sets (EN 14399-4, HV)" table:
-- width across flats s.
--
-- Derivation rules:
-- - Width across flats s = the s of the HV bolt of the same size.
-- - Height m: the table gives none; m = 0.8d rounded up to a whole mm
--   (M12 10, M16 13, M20 16, M22 18, M24 20, M27 22, M30 24, M36 29).
-- - Property class 10.
-- Plausibility: m/d 0.80 to 0.83, lower than the ISO 4032 nut (0.85 to 0.93),
-- as HV nuts are; s as the bolt head.
-- Built into Nuts_EN14399.mdb by zeptmkcat; dimensions in mm.

CREATE TABLE Nuts (Id COUNTER, InnerDiam DOUBLE, OuterDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20));
CREATE TABLE NutsTypes (Id COUNTER, NutId LONG, MaterialId LONG);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes: InnerDiam = nominal thread diameter d, OuterDiam = width across flats s, Thick = height m.
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (1, 12, 22, 10, "M12");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (2, 16, 27, 13, "M16");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (3, 20, 32, 16, "M20");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (4, 22, 36, 18, "M22");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (5, 24, 41, 20, "M24");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (6, 27, 46, 22, "M27");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (7, 30, 50, 24, "M30");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (8, 36, 60, 29, "M36");

-- Property class (EN 14399-4).
INSERT INTO Materials (Id, Symbol) VALUES (1, "10");

-- Nut types: every size in every class.
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (1, 1, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (2, 2, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (3, 3, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (4, 4, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (5, 5, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (6, 6, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (7, 7, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (8, 8, 1);

-- Units: the catalog code reads the row for Nuts/Diag.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "Diag", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "InnerDiam", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "OuterDiam", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "Thick", "mm");
