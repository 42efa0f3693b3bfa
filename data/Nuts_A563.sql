-- Nut catalog A563: heavy hex nuts in inches for the A325 bolts, 1/2 to 1-1/4.
--
-- Source: DATA-FACTS.md has no inch fasteners; the commonly published heavy
-- hex nut proportions are used.
--
-- Derivation rules:
-- - Width across flats F = 1.5d + 1/8 (heavy hex), as the bolt head.
-- - Thickness = d - 1/64 (1/2: 31/64 ... 1-1/4: 1-15/64).
-- - Grades C and DH for every size.
-- Plausibility: thickness/d 0.97 to 0.99, F/d 1.6 to 1.75.
-- Built into Nuts_A563.mdb by zeptmkcat; dimensions in inches.

CREATE TABLE Nuts (Id COUNTER, InnerDiam DOUBLE, OuterDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20));
CREATE TABLE NutsTypes (Id COUNTER, NutId LONG, MaterialId LONG);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes: InnerDiam = nominal thread diameter d, OuterDiam = width across flats s, Thick = height m.
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (1, 0.5, 0.875, 0.484375, '1/2"');
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (2, 0.625, 1.0625, 0.609375, '5/8"');
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (3, 0.75, 1.25, 0.734375, '3/4"');
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (4, 0.875, 1.4375, 0.859375, '7/8"');
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (5, 1, 1.625, 0.984375, '1"');
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (6, 1.125, 1.8125, 1.109375, '1-1/8"');
INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES (7, 1.25, 2, 1.234375, '1-1/4"');

-- Grades.
INSERT INTO Materials (Id, Symbol) VALUES (1, "C");
INSERT INTO Materials (Id, Symbol) VALUES (2, "DH");

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
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (11, 6, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (12, 6, 2);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (13, 7, 1);
INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES (14, 7, 2);

-- Units: the catalog code reads the row for Nuts/Diag.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "Diag", "in");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "InnerDiam", "in");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "OuterDiam", "in");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Nuts", "Thick", "in");
