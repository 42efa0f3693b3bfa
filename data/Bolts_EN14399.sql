-- Bolt catalog EN 14399-4: HV high-strength structural bolts, M12 to M36.
--
-- Source: DATA-FACTS.md, "High-strength structural sets (EN 14399-4, HV)" table:
-- thread length b (reference), width across flats s, nominal head height k;
-- the preferred lengths list of the ISO table of DATA-FACTS.md. Thread
-- pitches of the ISO coarse series, as the ISO table gives them for M12, M16,
-- M20, M24 and M30: M12 1.75, M16 2, M20 2.5, M22 2.5, M24 3, M27 3, M30 3.5,
-- M36 4.
--
-- Derivation rules:
-- - Lengths: the preferred lengths from the smallest one >= 2.5d up to
--   10d, at most 200 (M12 30-120, M16 40-160, M20 50-200, M22 55-200,
--   M24 60-200, M27 70-200, M30 80-200, M36 90-200).
-- - Thread length = b (reference) of the size, for every length.
-- - Property class 10.9.
-- Plausibility: s/d from 1.6 (M20) to 1.83 (M12), larger than the ISO 4014
-- head of the same size (1.5); k/d 0.62 to 0.67; l - b > 0 for every row.
-- Built into Bolts_EN14399.mdb by zeptmkcat; lengths in mm.
--
-- The column names "Lenght" and "ThreadLenght" are the catalog's own
-- spelling, which the catalog code queries; they are not typos to fix.

CREATE TABLE Bolts (Id COUNTER, Diameter DOUBLE, Symbol TEXT(20), TextComment TEXT(100));
CREATE TABLE Shanks (Id COUNTER, Lenght DOUBLE);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE BoltsTypes (Id COUNTER, BoltId LONG, ShankId LONG, MaterialId LONG, ThreadLenght DOUBLE);
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes.
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (1, 12, "M12", "EN 14399-4 HV M12: P 1.75, s 22, k 8, b 23");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (2, 16, "M16", "EN 14399-4 HV M16: P 2, s 27, k 10, b 28");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (3, 20, "M20", "EN 14399-4 HV M20: P 2.5, s 32, k 13, b 33");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (4, 22, "M22", "EN 14399-4 HV M22: P 2.5, s 36, k 14, b 34");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (5, 24, "M24", "EN 14399-4 HV M24: P 3, s 41, k 15, b 39");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (6, 27, "M27", "EN 14399-4 HV M27: P 3, s 46, k 17, b 41");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (7, 30, "M30", "EN 14399-4 HV M30: P 3.5, s 50, k 19, b 44");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (8, 36, "M36", "EN 14399-4 HV M36: P 4, s 60, k 23, b 52");

-- Nominal lengths l (mm).
INSERT INTO Shanks (Id, Lenght) VALUES (1, 30);
INSERT INTO Shanks (Id, Lenght) VALUES (2, 35);
INSERT INTO Shanks (Id, Lenght) VALUES (3, 40);
INSERT INTO Shanks (Id, Lenght) VALUES (4, 45);
INSERT INTO Shanks (Id, Lenght) VALUES (5, 50);
INSERT INTO Shanks (Id, Lenght) VALUES (6, 55);
INSERT INTO Shanks (Id, Lenght) VALUES (7, 60);
INSERT INTO Shanks (Id, Lenght) VALUES (8, 65);
INSERT INTO Shanks (Id, Lenght) VALUES (9, 70);
INSERT INTO Shanks (Id, Lenght) VALUES (10, 80);
INSERT INTO Shanks (Id, Lenght) VALUES (11, 90);
INSERT INTO Shanks (Id, Lenght) VALUES (12, 100);
INSERT INTO Shanks (Id, Lenght) VALUES (13, 110);
INSERT INTO Shanks (Id, Lenght) VALUES (14, 120);
INSERT INTO Shanks (Id, Lenght) VALUES (15, 130);
INSERT INTO Shanks (Id, Lenght) VALUES (16, 140);
INSERT INTO Shanks (Id, Lenght) VALUES (17, 150);
INSERT INTO Shanks (Id, Lenght) VALUES (18, 160);
INSERT INTO Shanks (Id, Lenght) VALUES (19, 180);
INSERT INTO Shanks (Id, Lenght) VALUES (20, 200);

-- Property class (ISO 898-1).
INSERT INTO Materials (Id, Symbol) VALUES (1, "10.9");

-- Bolt types: one row per size, length and material, with its thread length.
-- M12 x 30..120, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (1, 1, 1, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (2, 1, 2, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (3, 1, 3, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (4, 1, 4, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (5, 1, 5, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (6, 1, 6, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (7, 1, 7, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (8, 1, 8, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (9, 1, 9, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (10, 1, 10, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (11, 1, 11, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (12, 1, 12, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (13, 1, 13, 1, 23);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (14, 1, 14, 1, 23);
-- M16 x 40..160, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (15, 2, 3, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (16, 2, 4, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (17, 2, 5, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (18, 2, 6, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (19, 2, 7, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (20, 2, 8, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (21, 2, 9, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (22, 2, 10, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (23, 2, 11, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (24, 2, 12, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (25, 2, 13, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (26, 2, 14, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (27, 2, 15, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (28, 2, 16, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (29, 2, 17, 1, 28);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (30, 2, 18, 1, 28);
-- M20 x 50..200, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (31, 3, 5, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (32, 3, 6, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (33, 3, 7, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (34, 3, 8, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (35, 3, 9, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (36, 3, 10, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (37, 3, 11, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (38, 3, 12, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (39, 3, 13, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (40, 3, 14, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (41, 3, 15, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (42, 3, 16, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (43, 3, 17, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (44, 3, 18, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (45, 3, 19, 1, 33);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (46, 3, 20, 1, 33);
-- M22 x 55..200, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (47, 4, 6, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (48, 4, 7, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (49, 4, 8, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (50, 4, 9, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (51, 4, 10, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (52, 4, 11, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (53, 4, 12, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (54, 4, 13, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (55, 4, 14, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (56, 4, 15, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (57, 4, 16, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (58, 4, 17, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (59, 4, 18, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (60, 4, 19, 1, 34);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (61, 4, 20, 1, 34);
-- M24 x 60..200, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (62, 5, 7, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (63, 5, 8, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (64, 5, 9, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (65, 5, 10, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (66, 5, 11, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (67, 5, 12, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (68, 5, 13, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (69, 5, 14, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (70, 5, 15, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (71, 5, 16, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (72, 5, 17, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (73, 5, 18, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (74, 5, 19, 1, 39);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (75, 5, 20, 1, 39);
-- M27 x 70..200, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (76, 6, 9, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (77, 6, 10, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (78, 6, 11, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (79, 6, 12, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (80, 6, 13, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (81, 6, 14, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (82, 6, 15, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (83, 6, 16, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (84, 6, 17, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (85, 6, 18, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (86, 6, 19, 1, 41);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (87, 6, 20, 1, 41);
-- M30 x 80..200, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (88, 7, 10, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (89, 7, 11, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (90, 7, 12, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (91, 7, 13, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (92, 7, 14, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (93, 7, 15, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (94, 7, 16, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (95, 7, 17, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (96, 7, 18, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (97, 7, 19, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (98, 7, 20, 1, 44);
-- M36 x 90..200, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (99, 8, 11, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (100, 8, 12, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (101, 8, 13, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (102, 8, 14, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (103, 8, 15, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (104, 8, 16, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (105, 8, 17, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (106, 8, 18, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (107, 8, 19, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (108, 8, 20, 1, 52);

-- Units of the measured columns.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Bolts", "Diameter", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Shanks", "Lenght", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("BoltsTypes", "ThreadLenght", "mm");
