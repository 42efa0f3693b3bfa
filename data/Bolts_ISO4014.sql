-- Bolt catalog ISO 4014: hexagon head bolts, partly threaded, M12 to M30.
--
-- Source: DATA-FACTS.md, "Hexagon bolts, nuts, washers (ISO 4014 / 4017 / 4032 /
-- 7089)" dimension table: pitch P, width across flats s, head height k, the
-- length range of each size, and the preferred lengths list.
--
-- Derivation rules:
-- - Lengths: the preferred lengths that lie within the ISO 4014 length range
--   of each size (M12 50-150, M16 55-200, M20 60-300, M24 80-220, M30 110-300).
-- - Thread length b = 2d + 6 (l <= 125), 2d + 12 (125 < l <= 200),
--   2d + 25 (l > 200); the rule gives the table's b columns for every size.
-- - Property classes 8.8 and 10.9 for every size and length.
-- - M27 is left out (non-preferred size, values not checked).
-- Plausibility: b < l for every row; the shortest bolt of each size keeps
-- l - b of at least 14 mm (M20 x 60).
-- Built into Bolts_ISO4014.mdb by zeptmkcat; lengths in mm.
--
-- The column names "Lenght" and "ThreadLenght" are the catalog's own
-- spelling, which the catalog code queries; they are not typos to fix.

CREATE TABLE Bolts (Id COUNTER, Diameter DOUBLE, Symbol TEXT(20), TextComment TEXT(100));
CREATE TABLE Shanks (Id COUNTER, Lenght DOUBLE);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE BoltsTypes (Id COUNTER, BoltId LONG, ShankId LONG, MaterialId LONG, ThreadLenght DOUBLE);
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes.
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (1, 12, "M12", "ISO 4014 M12: P 1.75, s 18, k 7.5, l 50-150");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (2, 16, "M16", "ISO 4014 M16: P 2, s 24, k 10, l 55-200");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (3, 20, "M20", "ISO 4014 M20: P 2.5, s 30, k 12.5, l 60-300");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (4, 24, "M24", "ISO 4014 M24: P 3, s 36, k 15, l 80-220");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (5, 30, "M30", "ISO 4014 M30: P 3.5, s 46, k 18.7, l 110-300");

-- Nominal lengths l (mm).
INSERT INTO Shanks (Id, Lenght) VALUES (1, 50);
INSERT INTO Shanks (Id, Lenght) VALUES (2, 55);
INSERT INTO Shanks (Id, Lenght) VALUES (3, 60);
INSERT INTO Shanks (Id, Lenght) VALUES (4, 65);
INSERT INTO Shanks (Id, Lenght) VALUES (5, 70);
INSERT INTO Shanks (Id, Lenght) VALUES (6, 80);
INSERT INTO Shanks (Id, Lenght) VALUES (7, 90);
INSERT INTO Shanks (Id, Lenght) VALUES (8, 100);
INSERT INTO Shanks (Id, Lenght) VALUES (9, 110);
INSERT INTO Shanks (Id, Lenght) VALUES (10, 120);
INSERT INTO Shanks (Id, Lenght) VALUES (11, 130);
INSERT INTO Shanks (Id, Lenght) VALUES (12, 140);
INSERT INTO Shanks (Id, Lenght) VALUES (13, 150);
INSERT INTO Shanks (Id, Lenght) VALUES (14, 160);
INSERT INTO Shanks (Id, Lenght) VALUES (15, 180);
INSERT INTO Shanks (Id, Lenght) VALUES (16, 200);
INSERT INTO Shanks (Id, Lenght) VALUES (17, 220);
INSERT INTO Shanks (Id, Lenght) VALUES (18, 240);
INSERT INTO Shanks (Id, Lenght) VALUES (19, 260);
INSERT INTO Shanks (Id, Lenght) VALUES (20, 280);
INSERT INTO Shanks (Id, Lenght) VALUES (21, 300);

-- Property classes (ISO 898-1).
INSERT INTO Materials (Id, Symbol) VALUES (1, "8.8");
INSERT INTO Materials (Id, Symbol) VALUES (2, "10.9");

-- Bolt types: one row per size, length and material, with its thread length.
-- M12 x 50..150, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (1, 1, 1, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (2, 1, 2, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (3, 1, 3, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (4, 1, 4, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (5, 1, 5, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (6, 1, 6, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (7, 1, 7, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (8, 1, 8, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (9, 1, 9, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (10, 1, 10, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (11, 1, 11, 1, 36);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (12, 1, 12, 1, 36);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (13, 1, 13, 1, 36);
-- M12 x 50..150, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (14, 1, 1, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (15, 1, 2, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (16, 1, 3, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (17, 1, 4, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (18, 1, 5, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (19, 1, 6, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (20, 1, 7, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (21, 1, 8, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (22, 1, 9, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (23, 1, 10, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (24, 1, 11, 2, 36);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (25, 1, 12, 2, 36);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (26, 1, 13, 2, 36);
-- M16 x 55..200, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (27, 2, 2, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (28, 2, 3, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (29, 2, 4, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (30, 2, 5, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (31, 2, 6, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (32, 2, 7, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (33, 2, 8, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (34, 2, 9, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (35, 2, 10, 1, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (36, 2, 11, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (37, 2, 12, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (38, 2, 13, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (39, 2, 14, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (40, 2, 15, 1, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (41, 2, 16, 1, 44);
-- M16 x 55..200, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (42, 2, 2, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (43, 2, 3, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (44, 2, 4, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (45, 2, 5, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (46, 2, 6, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (47, 2, 7, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (48, 2, 8, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (49, 2, 9, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (50, 2, 10, 2, 38);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (51, 2, 11, 2, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (52, 2, 12, 2, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (53, 2, 13, 2, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (54, 2, 14, 2, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (55, 2, 15, 2, 44);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (56, 2, 16, 2, 44);
-- M20 x 60..300, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (57, 3, 3, 1, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (58, 3, 4, 1, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (59, 3, 5, 1, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (60, 3, 6, 1, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (61, 3, 7, 1, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (62, 3, 8, 1, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (63, 3, 9, 1, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (64, 3, 10, 1, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (65, 3, 11, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (66, 3, 12, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (67, 3, 13, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (68, 3, 14, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (69, 3, 15, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (70, 3, 16, 1, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (71, 3, 17, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (72, 3, 18, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (73, 3, 19, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (74, 3, 20, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (75, 3, 21, 1, 65);
-- M20 x 60..300, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (76, 3, 3, 2, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (77, 3, 4, 2, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (78, 3, 5, 2, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (79, 3, 6, 2, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (80, 3, 7, 2, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (81, 3, 8, 2, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (82, 3, 9, 2, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (83, 3, 10, 2, 46);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (84, 3, 11, 2, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (85, 3, 12, 2, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (86, 3, 13, 2, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (87, 3, 14, 2, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (88, 3, 15, 2, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (89, 3, 16, 2, 52);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (90, 3, 17, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (91, 3, 18, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (92, 3, 19, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (93, 3, 20, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (94, 3, 21, 2, 65);
-- M24 x 80..220, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (95, 4, 6, 1, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (96, 4, 7, 1, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (97, 4, 8, 1, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (98, 4, 9, 1, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (99, 4, 10, 1, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (100, 4, 11, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (101, 4, 12, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (102, 4, 13, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (103, 4, 14, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (104, 4, 15, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (105, 4, 16, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (106, 4, 17, 1, 73);
-- M24 x 80..220, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (107, 4, 6, 2, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (108, 4, 7, 2, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (109, 4, 8, 2, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (110, 4, 9, 2, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (111, 4, 10, 2, 54);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (112, 4, 11, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (113, 4, 12, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (114, 4, 13, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (115, 4, 14, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (116, 4, 15, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (117, 4, 16, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (118, 4, 17, 2, 73);
-- M30 x 110..300, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (119, 5, 9, 1, 66);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (120, 5, 10, 1, 66);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (121, 5, 11, 1, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (122, 5, 12, 1, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (123, 5, 13, 1, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (124, 5, 14, 1, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (125, 5, 15, 1, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (126, 5, 16, 1, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (127, 5, 17, 1, 85);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (128, 5, 18, 1, 85);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (129, 5, 19, 1, 85);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (130, 5, 20, 1, 85);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (131, 5, 21, 1, 85);
-- M30 x 110..300, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (132, 5, 9, 2, 66);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (133, 5, 10, 2, 66);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (134, 5, 11, 2, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (135, 5, 12, 2, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (136, 5, 13, 2, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (137, 5, 14, 2, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (138, 5, 15, 2, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (139, 5, 16, 2, 72);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (140, 5, 17, 2, 85);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (141, 5, 18, 2, 85);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (142, 5, 19, 2, 85);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (143, 5, 20, 2, 85);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (144, 5, 21, 2, 85);

-- Units of the measured columns.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Bolts", "Diameter", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Shanks", "Lenght", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("BoltsTypes", "ThreadLenght", "mm");
