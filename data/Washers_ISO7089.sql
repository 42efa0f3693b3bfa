-- Washer catalog ISO 7089: plain washers, normal series, M12 to M30.
--
-- Source: DATA-FACTS.md, "Hexagon bolts, nuts, washers (ISO 4014 / 4017 / 4032 /
-- 7089)" dimension table: washer d1 / d2 / h column.
--
-- Derivation rules:
-- - InnerDiam = the nominal bolt diameter d (washers are looked up by the bolt),
--   HoleDiam = hole diameter d1, OuterDiam = outside diameter d2, Thick = h,
--   as the table gives them; Symbol is the bolt size the washer belongs to.
-- - Hardness classes 200 HV and 300 HV for every size.
-- - M27 is left out (non-preferred size, values not checked).
-- Plausibility: d1 = d + 1 for every size, d2/d 1.83 to 2.0.
-- Built into Washers_ISO7089.mdb by zeptmkcat; dimensions in mm.

CREATE TABLE Washers (Id COUNTER, InnerDiam DOUBLE, HoleDiam DOUBLE, OuterDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20));
CREATE TABLE WashersTypes (Id COUNTER, WasherId LONG, MaterialId LONG);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes: InnerDiam = the nominal bolt diameter d the washer is
--   looked up by, HoleDiam = hole diameter d1, OuterDiam = d2, Thick = h; Symbol names the bolt size.
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (1, 12, 13, 24, 2.5, "M12");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (2, 16, 17, 30, 3, "M16");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (3, 20, 21, 37, 3, "M20");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (4, 24, 25, 44, 4, "M24");
INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES (5, 30, 31, 56, 4, "M30");

-- Hardness classes.
INSERT INTO Materials (Id, Symbol) VALUES (1, "200 HV");
INSERT INTO Materials (Id, Symbol) VALUES (2, "300 HV");

-- Washer types: every size in every hardness class.
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (1, 1, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (2, 1, 2);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (3, 2, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (4, 2, 2);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (5, 3, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (6, 3, 2);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (7, 4, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (8, 4, 2);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (9, 5, 1);
INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES (10, 5, 2);

-- Units: the catalog code reads the row for Washers/InnerDiam.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "InnerDiam", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "OuterDiam", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Washers", "Thick", "mm");
