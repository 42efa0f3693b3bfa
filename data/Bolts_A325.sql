-- Bolt catalog A325: heavy hex structural bolts in inches, 1/2 to 1-1/4.
--
-- Source: DATA-FACTS.md has no inch fasteners. Values are the commonly
-- published heavy hex structural bolt dimensions: UNC threads per inch
-- (1/2-13, 5/8-11, 3/4-10, 7/8-9, 1-8, 1-1/8-7, 1-1/4-7) and thread lengths
-- 1/2: 1, 5/8: 1-1/4, 3/4: 1-3/8, 7/8: 1-1/2, 1: 1-3/4, 1-1/8: 2, 1-1/4: 2.
--
-- Derivation rules:
-- - Width across flats F = 1.5d + 1/8 (heavy hex), in the comment only.
-- - Lengths in 1/4 in steps from thread length + d rounded up to 1/4 in, up
--   to 12d, at most 8 in (1/2: 1-1/2..6, 5/8: 2..7-1/2, 3/4: 2-1/4..8,
--   7/8: 2-1/2..8, 1: 2-3/4..8, 1-1/8: 3-1/4..8, 1-1/4: 3-1/4..8).
-- - Thread length as listed above, the same for every length of a diameter.
-- - Material A325.
-- - Head heights are not given.
-- Plausibility: thread length between 1.6d and 2d; each bolt keeps a grip
-- (l - thread length) of at least d.
-- Built into Bolts_A325.mdb by zeptmkcat; lengths in inches.
--
-- The column names "Lenght" and "ThreadLenght" are the catalog's own
-- spelling, which the catalog code queries; they are not typos to fix.

CREATE TABLE Bolts (Id COUNTER, Diameter DOUBLE, Symbol TEXT(20), TextComment TEXT(100));
CREATE TABLE Shanks (Id COUNTER, Lenght DOUBLE);
CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));
CREATE TABLE BoltsTypes (Id COUNTER, BoltId LONG, ShankId LONG, MaterialId LONG, ThreadLenght DOUBLE);
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- Sizes.
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (1, 0.5, '1/2"', "A325 1/2-13 UNC heavy hex: F 7/8, thread 1");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (2, 0.625, '5/8"', "A325 5/8-11 UNC heavy hex: F 1-1/16, thread 1-1/4");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (3, 0.75, '3/4"', "A325 3/4-10 UNC heavy hex: F 1-1/4, thread 1-3/8");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (4, 0.875, '7/8"', "A325 7/8-9 UNC heavy hex: F 1-7/16, thread 1-1/2");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (5, 1, '1"', "A325 1-8 UNC heavy hex: F 1-5/8, thread 1-3/4");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (6, 1.125, '1-1/8"', "A325 1-1/8-7 UNC heavy hex: F 1-13/16, thread 2");
INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES (7, 1.25, '1-1/4"', "A325 1-1/4-7 UNC heavy hex: F 2, thread 2");

-- Nominal lengths l (in).
INSERT INTO Shanks (Id, Lenght) VALUES (1, 1.5);
INSERT INTO Shanks (Id, Lenght) VALUES (2, 1.75);
INSERT INTO Shanks (Id, Lenght) VALUES (3, 2);
INSERT INTO Shanks (Id, Lenght) VALUES (4, 2.25);
INSERT INTO Shanks (Id, Lenght) VALUES (5, 2.5);
INSERT INTO Shanks (Id, Lenght) VALUES (6, 2.75);
INSERT INTO Shanks (Id, Lenght) VALUES (7, 3);
INSERT INTO Shanks (Id, Lenght) VALUES (8, 3.25);
INSERT INTO Shanks (Id, Lenght) VALUES (9, 3.5);
INSERT INTO Shanks (Id, Lenght) VALUES (10, 3.75);
INSERT INTO Shanks (Id, Lenght) VALUES (11, 4);
INSERT INTO Shanks (Id, Lenght) VALUES (12, 4.25);
INSERT INTO Shanks (Id, Lenght) VALUES (13, 4.5);
INSERT INTO Shanks (Id, Lenght) VALUES (14, 4.75);
INSERT INTO Shanks (Id, Lenght) VALUES (15, 5);
INSERT INTO Shanks (Id, Lenght) VALUES (16, 5.25);
INSERT INTO Shanks (Id, Lenght) VALUES (17, 5.5);
INSERT INTO Shanks (Id, Lenght) VALUES (18, 5.75);
INSERT INTO Shanks (Id, Lenght) VALUES (19, 6);
INSERT INTO Shanks (Id, Lenght) VALUES (20, 6.25);
INSERT INTO Shanks (Id, Lenght) VALUES (21, 6.5);
INSERT INTO Shanks (Id, Lenght) VALUES (22, 6.75);
INSERT INTO Shanks (Id, Lenght) VALUES (23, 7);
INSERT INTO Shanks (Id, Lenght) VALUES (24, 7.25);
INSERT INTO Shanks (Id, Lenght) VALUES (25, 7.5);
INSERT INTO Shanks (Id, Lenght) VALUES (26, 7.75);
INSERT INTO Shanks (Id, Lenght) VALUES (27, 8);

-- Material.
INSERT INTO Materials (Id, Symbol) VALUES (1, "A325");

-- Bolt types: one row per size, length and material, with its thread length.
-- 1/2" x 1.5..6, A325
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (1, 1, 1, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (2, 1, 2, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (3, 1, 3, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (4, 1, 4, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (5, 1, 5, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (6, 1, 6, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (7, 1, 7, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (8, 1, 8, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (9, 1, 9, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (10, 1, 10, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (11, 1, 11, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (12, 1, 12, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (13, 1, 13, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (14, 1, 14, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (15, 1, 15, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (16, 1, 16, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (17, 1, 17, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (18, 1, 18, 1, 1);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (19, 1, 19, 1, 1);
-- 5/8" x 2..7.5, A325
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (20, 2, 3, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (21, 2, 4, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (22, 2, 5, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (23, 2, 6, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (24, 2, 7, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (25, 2, 8, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (26, 2, 9, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (27, 2, 10, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (28, 2, 11, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (29, 2, 12, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (30, 2, 13, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (31, 2, 14, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (32, 2, 15, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (33, 2, 16, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (34, 2, 17, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (35, 2, 18, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (36, 2, 19, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (37, 2, 20, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (38, 2, 21, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (39, 2, 22, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (40, 2, 23, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (41, 2, 24, 1, 1.25);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (42, 2, 25, 1, 1.25);
-- 3/4" x 2.25..8, A325
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (43, 3, 4, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (44, 3, 5, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (45, 3, 6, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (46, 3, 7, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (47, 3, 8, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (48, 3, 9, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (49, 3, 10, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (50, 3, 11, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (51, 3, 12, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (52, 3, 13, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (53, 3, 14, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (54, 3, 15, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (55, 3, 16, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (56, 3, 17, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (57, 3, 18, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (58, 3, 19, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (59, 3, 20, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (60, 3, 21, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (61, 3, 22, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (62, 3, 23, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (63, 3, 24, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (64, 3, 25, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (65, 3, 26, 1, 1.375);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (66, 3, 27, 1, 1.375);
-- 7/8" x 2.5..8, A325
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (67, 4, 5, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (68, 4, 6, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (69, 4, 7, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (70, 4, 8, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (71, 4, 9, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (72, 4, 10, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (73, 4, 11, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (74, 4, 12, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (75, 4, 13, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (76, 4, 14, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (77, 4, 15, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (78, 4, 16, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (79, 4, 17, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (80, 4, 18, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (81, 4, 19, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (82, 4, 20, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (83, 4, 21, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (84, 4, 22, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (85, 4, 23, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (86, 4, 24, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (87, 4, 25, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (88, 4, 26, 1, 1.5);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (89, 4, 27, 1, 1.5);
-- 1" x 2.75..8, A325
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (90, 5, 6, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (91, 5, 7, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (92, 5, 8, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (93, 5, 9, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (94, 5, 10, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (95, 5, 11, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (96, 5, 12, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (97, 5, 13, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (98, 5, 14, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (99, 5, 15, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (100, 5, 16, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (101, 5, 17, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (102, 5, 18, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (103, 5, 19, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (104, 5, 20, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (105, 5, 21, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (106, 5, 22, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (107, 5, 23, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (108, 5, 24, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (109, 5, 25, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (110, 5, 26, 1, 1.75);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (111, 5, 27, 1, 1.75);
-- 1-1/8" x 3.25..8, A325
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (112, 6, 8, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (113, 6, 9, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (114, 6, 10, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (115, 6, 11, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (116, 6, 12, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (117, 6, 13, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (118, 6, 14, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (119, 6, 15, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (120, 6, 16, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (121, 6, 17, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (122, 6, 18, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (123, 6, 19, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (124, 6, 20, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (125, 6, 21, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (126, 6, 22, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (127, 6, 23, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (128, 6, 24, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (129, 6, 25, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (130, 6, 26, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (131, 6, 27, 1, 2);
-- 1-1/4" x 3.25..8, A325
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (132, 7, 8, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (133, 7, 9, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (134, 7, 10, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (135, 7, 11, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (136, 7, 12, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (137, 7, 13, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (138, 7, 14, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (139, 7, 15, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (140, 7, 16, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (141, 7, 17, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (142, 7, 18, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (143, 7, 19, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (144, 7, 20, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (145, 7, 21, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (146, 7, 22, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (147, 7, 23, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (148, 7, 24, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (149, 7, 25, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (150, 7, 26, 1, 2);
INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES (151, 7, 27, 1, 2);

-- Units of the measured columns.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Bolts", "Diameter", "in");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("Shanks", "Lenght", "in");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("BoltsTypes", "ThreadLenght", "in");
