-- Washer catalog F436: hardened circular washers in inches for the A325
-- bolts, 1/2 to 1-1/4.
--
-- Source: DATA-FACTS.md has no inch fasteners; the commonly published F436
-- circular washer dimensions are used: nominal inside diameter 1/2: 17/32,
-- 5/8: 11/16, 3/4: 13/16, 7/8: 15/16, 1: 1-1/8, 1-1/8: 1-1/4, 1-1/4: 1-3/8;
-- nominal outside diameter 1/2: 1-1/16, 5/8: 1-5/16, 3/4: 1-15/32,
-- 7/8: 1-3/4, 1: 2, 1-1/8: 2-1/4, 1-1/4: 2-1/2.
--
-- Derivation rules:
-- - Thickness: 5/32 in for every size, the nominal value commonly used for
--   grip calculations.
-- - Type 1 (carbon steel) for every size.
-- Plausibility: ID - d between 1/32 and 1/8, OD about 2d.
-- Built into Washers_F436.mdb by zeptmkcat; dimensions in inches.

CREATE TABLE Washers (Id COUNTER, InnerDiam DOUBLE, HoleDiam DOUBLE, OuterDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20));
CREATE TABLE WashersTypes (Id COUNTER, WasherId LONG, MaterialId LONG);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes: InnerDiam = the nominal bolt diameter d the washer is
--   looked up by, HoleDiam = hole diameter d1, OuterDiam = d2, Thick = h; Symbol names the bolt size.
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (1, 0.5, 0.53125, 1.0625, 0.15625, '1/2"');
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (2, 0.625, 0.6875, 1.3125, 0.15625, '5/8"');
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (3, 0.75, 0.8125, 1.46875, 0.15625, '3/4"');
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (4, 0.875, 0.9375, 1.75, 0.15625, '7/8"');
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (5, 1, 1.125, 2, 0.15625, '1"');
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (6, 1.125, 1.25, 2.25, 0.15625, '1-1/8"');
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (7, 1.25, 1.375, 2.5, 0.15625, '1-1/4"');

-- Type.
INSERT INTO Materials (Id, Symbol) VALUES (1, "Type 1");

-- Washer types: every size in every hardness class.
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (1, 1, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (2, 2, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (3, 3, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (4, 4, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (5, 5, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (6, 6, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (7, 7, 1);

-- Units: the catalog code reads the row for Washers/InnerDiam.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "InnerDiam", "in");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "OuterDiam", "in");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "Thick", "in");
