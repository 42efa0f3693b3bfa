-- Washer catalog EN 14399: washers of the HV sets, M12 to M30.
--
-- Source: DATA-FACTS.md gives no values for EN 14399-6 washers; the sizes
-- are taken from its ISO 4014 / 4017 / 4032 / 7089 dimension table, washer
-- d1 / d2 / h column.
--
-- Derivation rules:
-- - M12, M16, M20, M24, M30: d1, d2 and h of ISO 7089 as the table gives them.
-- - M22 and M27 (not in the table): d1 = d + 1, the rule every ISO 7089 row of
--   the table follows; d2 and h interpolated linearly in d between the
--   neighbouring sizes (M22 between M20 and M24: 23 / 40.5 / 3.5; M27 between
--   M24 and M30: 28 / 50 / 4), not rounded.
-- - M36 is left out: no larger size in the table to interpolate towards; the
--   HV bolts and nuts of M36 have no washer and no clamping ranges here.
-- - Hardness class 300 HV (hardened washers of high-strength sets).
-- Plausibility: d1 = d + 1, d2/d 1.83 to 2.0, h grows with d.
-- Built into Washers_EN14399.mdb by zeptmkcat; dimensions in mm.

CREATE TABLE Washers (Id COUNTER, InnerDiam DOUBLE, HoleDiam DOUBLE, OuterDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20));
CREATE TABLE WashersTypes (Id COUNTER, WasherId LONG, MaterialId LONG);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes: InnerDiam = the nominal bolt diameter d the washer is
--   looked up by, HoleDiam = hole diameter d1, OuterDiam = d2, Thick = h; Symbol names the bolt size.
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (1, 12, 13, 24, 2.5, "M12");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (2, 16, 17, 30, 3, "M16");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (3, 20, 21, 37, 3, "M20");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (4, 22, 23, 40.5, 3.5, "M22");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (5, 24, 25, 44, 4, "M24");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (6, 27, 28, 50, 4, "M27");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (7, 30, 31, 56, 4, "M30");

-- Hardness class.
INSERT INTO Materials (Id, Symbol) VALUES (1, "300 HV");

-- Washer types: every size in every hardness class.
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (1, 1, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (2, 2, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (3, 3, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (4, 4, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (5, 5, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (6, 6, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (7, 7, 1);

-- Units: the catalog code reads the row for Washers/InnerDiam.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "InnerDiam", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "OuterDiam", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "Thick", "mm");
