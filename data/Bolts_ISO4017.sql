-- Bolt catalog ISO 4017: hexagon head bolts threaded to the head, M12 to M30.
--
-- Source: DATA-FACTS.md, "Hexagon bolts, nuts, washers (ISO 4014 / 4017 / 4032 /
-- 7089)" dimension table: pitch P, width across flats s, head height k, the
-- length range of each size, and the preferred lengths list.
--
-- Derivation rules:
-- - Lengths: the preferred lengths that lie within the ISO 4017 length range
--   of each size (M12 25-120, M16 30-150, M20 40-160, M24 50-180, M30 60-200).
-- - Thread length = nominal length l (threaded to the head).
-- - Property classes 8.8 and 10.9 for every size and length.
-- - M27 is left out (non-preferred size, values not checked).
-- Plausibility: s and k grow with d (s/d 1.5 to 1.53, k/d 0.62 to 0.63).
-- Built into Bolts_ISO4017.mdb by zeptmkcat; lengths in mm.
--
-- The column names "Lenght" and "ThreadLenght" are the catalog's own
-- spelling, which the catalog code queries; they are not typos to fix.

CREATE TABLE Bolts (Id COUNTER, Diameter DOUBLE, Symbol TEXT(20), TextComment TEXT(100));
CREATE TABLE Shanks (Id COUNTER, Lenght DOUBLE);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE BoltsTypes (Id COUNTER, BoltId LONG, ShankId LONG, MaterialId LONG, ThreadLenght DOUBLE);
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes.
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (1, 12, "M12", "ISO 4017 M12: P 1.75, s 18, k 7.5, l 25-120");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (2, 16, "M16", "ISO 4017 M16: P 2, s 24, k 10, l 30-150");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (3, 20, "M20", "ISO 4017 M20: P 2.5, s 30, k 12.5, l 40-160");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (4, 24, "M24", "ISO 4017 M24: P 3, s 36, k 15, l 50-180");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (5, 30, "M30", "ISO 4017 M30: P 3.5, s 46, k 18.7, l 60-200");

-- Nominal lengths l (mm).
INSERT INTO Shanks (Id, Lenght) VALUES (1, 25);
INSERT INTO Shanks (Id, Lenght) VALUES (2, 30);
INSERT INTO Shanks (Id, Lenght) VALUES (3, 35);
INSERT INTO Shanks (Id, Lenght) VALUES (4, 40);
INSERT INTO Shanks (Id, Lenght) VALUES (5, 45);
INSERT INTO Shanks (Id, Lenght) VALUES (6, 50);
INSERT INTO Shanks (Id, Lenght) VALUES (7, 55);
INSERT INTO Shanks (Id, Lenght) VALUES (8, 60);
INSERT INTO Shanks (Id, Lenght) VALUES (9, 65);
INSERT INTO Shanks (Id, Lenght) VALUES (10, 70);
INSERT INTO Shanks (Id, Lenght) VALUES (11, 80);
INSERT INTO Shanks (Id, Lenght) VALUES (12, 90);
INSERT INTO Shanks (Id, Lenght) VALUES (13, 100);
INSERT INTO Shanks (Id, Lenght) VALUES (14, 110);
INSERT INTO Shanks (Id, Lenght) VALUES (15, 120);
INSERT INTO Shanks (Id, Lenght) VALUES (16, 130);
INSERT INTO Shanks (Id, Lenght) VALUES (17, 140);
INSERT INTO Shanks (Id, Lenght) VALUES (18, 150);
INSERT INTO Shanks (Id, Lenght) VALUES (19, 160);
INSERT INTO Shanks (Id, Lenght) VALUES (20, 180);
INSERT INTO Shanks (Id, Lenght) VALUES (21, 200);

-- Property classes (ISO 898-1).
INSERT INTO Materials (Id, Symbol) VALUES (1, "8.8");
INSERT INTO Materials (Id, Symbol) VALUES (2, "10.9");

-- Bolt types: one row per size, length and material, with its thread length.
-- M12 x 25..120, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (1, 1, 1, 1, 25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (2, 1, 2, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (3, 1, 3, 1, 35);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (4, 1, 4, 1, 40);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (5, 1, 5, 1, 45);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (6, 1, 6, 1, 50);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (7, 1, 7, 1, 55);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (8, 1, 8, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (9, 1, 9, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (10, 1, 10, 1, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (11, 1, 11, 1, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (12, 1, 12, 1, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (13, 1, 13, 1, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (14, 1, 14, 1, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (15, 1, 15, 1, 120);
-- M12 x 25..120, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (16, 1, 1, 2, 25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (17, 1, 2, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (18, 1, 3, 2, 35);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (19, 1, 4, 2, 40);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (20, 1, 5, 2, 45);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (21, 1, 6, 2, 50);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (22, 1, 7, 2, 55);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (23, 1, 8, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (24, 1, 9, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (25, 1, 10, 2, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (26, 1, 11, 2, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (27, 1, 12, 2, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (28, 1, 13, 2, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (29, 1, 14, 2, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (30, 1, 15, 2, 120);
-- M16 x 30..150, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (31, 2, 2, 1, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (32, 2, 3, 1, 35);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (33, 2, 4, 1, 40);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (34, 2, 5, 1, 45);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (35, 2, 6, 1, 50);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (36, 2, 7, 1, 55);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (37, 2, 8, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (38, 2, 9, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (39, 2, 10, 1, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (40, 2, 11, 1, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (41, 2, 12, 1, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (42, 2, 13, 1, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (43, 2, 14, 1, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (44, 2, 15, 1, 120);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (45, 2, 16, 1, 130);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (46, 2, 17, 1, 140);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (47, 2, 18, 1, 150);
-- M16 x 30..150, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (48, 2, 2, 2, 30);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (49, 2, 3, 2, 35);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (50, 2, 4, 2, 40);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (51, 2, 5, 2, 45);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (52, 2, 6, 2, 50);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (53, 2, 7, 2, 55);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (54, 2, 8, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (55, 2, 9, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (56, 2, 10, 2, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (57, 2, 11, 2, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (58, 2, 12, 2, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (59, 2, 13, 2, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (60, 2, 14, 2, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (61, 2, 15, 2, 120);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (62, 2, 16, 2, 130);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (63, 2, 17, 2, 140);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (64, 2, 18, 2, 150);
-- M20 x 40..160, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (65, 3, 4, 1, 40);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (66, 3, 5, 1, 45);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (67, 3, 6, 1, 50);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (68, 3, 7, 1, 55);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (69, 3, 8, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (70, 3, 9, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (71, 3, 10, 1, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (72, 3, 11, 1, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (73, 3, 12, 1, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (74, 3, 13, 1, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (75, 3, 14, 1, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (76, 3, 15, 1, 120);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (77, 3, 16, 1, 130);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (78, 3, 17, 1, 140);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (79, 3, 18, 1, 150);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (80, 3, 19, 1, 160);
-- M20 x 40..160, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (81, 3, 4, 2, 40);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (82, 3, 5, 2, 45);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (83, 3, 6, 2, 50);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (84, 3, 7, 2, 55);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (85, 3, 8, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (86, 3, 9, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (87, 3, 10, 2, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (88, 3, 11, 2, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (89, 3, 12, 2, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (90, 3, 13, 2, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (91, 3, 14, 2, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (92, 3, 15, 2, 120);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (93, 3, 16, 2, 130);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (94, 3, 17, 2, 140);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (95, 3, 18, 2, 150);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (96, 3, 19, 2, 160);
-- M24 x 50..180, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (97, 4, 6, 1, 50);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (98, 4, 7, 1, 55);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (99, 4, 8, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (100, 4, 9, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (101, 4, 10, 1, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (102, 4, 11, 1, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (103, 4, 12, 1, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (104, 4, 13, 1, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (105, 4, 14, 1, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (106, 4, 15, 1, 120);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (107, 4, 16, 1, 130);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (108, 4, 17, 1, 140);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (109, 4, 18, 1, 150);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (110, 4, 19, 1, 160);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (111, 4, 20, 1, 180);
-- M24 x 50..180, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (112, 4, 6, 2, 50);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (113, 4, 7, 2, 55);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (114, 4, 8, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (115, 4, 9, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (116, 4, 10, 2, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (117, 4, 11, 2, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (118, 4, 12, 2, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (119, 4, 13, 2, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (120, 4, 14, 2, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (121, 4, 15, 2, 120);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (122, 4, 16, 2, 130);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (123, 4, 17, 2, 140);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (124, 4, 18, 2, 150);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (125, 4, 19, 2, 160);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (126, 4, 20, 2, 180);
-- M30 x 60..200, 8.8
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (127, 5, 8, 1, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (128, 5, 9, 1, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (129, 5, 10, 1, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (130, 5, 11, 1, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (131, 5, 12, 1, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (132, 5, 13, 1, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (133, 5, 14, 1, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (134, 5, 15, 1, 120);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (135, 5, 16, 1, 130);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (136, 5, 17, 1, 140);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (137, 5, 18, 1, 150);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (138, 5, 19, 1, 160);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (139, 5, 20, 1, 180);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (140, 5, 21, 1, 200);
-- M30 x 60..200, 10.9
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (141, 5, 8, 2, 60);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (142, 5, 9, 2, 65);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (143, 5, 10, 2, 70);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (144, 5, 11, 2, 80);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (145, 5, 12, 2, 90);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (146, 5, 13, 2, 100);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (147, 5, 14, 2, 110);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (148, 5, 15, 2, 120);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (149, 5, 16, 2, 130);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (150, 5, 17, 2, 140);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (151, 5, 18, 2, 150);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (152, 5, 19, 2, 160);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (153, 5, 20, 2, 180);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (154, 5, 21, 2, 200);

-- Units of the measured columns.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Bolts", "Diameter", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Shanks", "Lenght", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("BoltsTypes", "ThreadLenght", "mm");
