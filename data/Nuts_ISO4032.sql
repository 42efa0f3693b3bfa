-- Nut catalog ISO 4032: hexagon nuts, style 1, M12 to M30.
--
-- Source: DATA-FACTS.md, "Hexagon bolts, nuts, washers (ISO 4014 / 4017 / 4032 /
-- 7089)" dimension table: nut height m and width across flats s.
--
-- Derivation rules:
-- - Width across flats s = the s of the bolt of the same size (ISO 4014/4017).
-- - Height m from the table's nut m column.
-- - Property classes 8 and 10 for every size.
-- - M27 is left out (non-preferred size, values not checked).
-- Plausibility: m/d between 0.85 (M30) and 0.93 (M16), s/d 1.5 to 1.53.
-- Built into Nuts_ISO4032.mdb by zeptmkcat; dimensions in mm.

CREATE TABLE Nuts (Id COUNTER, InnerDiam DOUBLE, OuterDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20));
CREATE TABLE NutsTypes (Id COUNTER, NutId LONG, MaterialId LONG);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes: InnerDiam = nominal thread diameter d, OuterDiam = width across flats s, Thick = height m.
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (1, 12, 18, 10.8, "M12");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (2, 16, 24, 14.8, "M16");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (3, 20, 30, 18, "M20");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (4, 24, 36, 21.5, "M24");
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (5, 30, 46, 25.6, "M30");

-- Property classes (ISO 898-2).
INSERT INTO Materials (Id, Symbol) VALUES (1, "8");
INSERT INTO Materials (Id, Symbol) VALUES (2, "10");

-- Nut types: every size in every class.
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (1, 1, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (2, 1, 2);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (3, 2, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (4, 2, 2);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (5, 3, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (6, 3, 2);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (7, 4, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (8, 4, 2);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (9, 5, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (10, 5, 2);

-- Units: the catalog code reads the row for Nuts/Diag.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "Diag", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "InnerDiam", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "OuterDiam", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "Thick", "mm");
