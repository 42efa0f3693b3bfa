-- Clamping-range catalog EN 14399: grip ranges of the HV sets (EN 14399-4
-- bolts and nuts with their washers), M12 to M30.
--
-- Source: DATA-FACTS.md, "High-strength structural sets (EN 14399-4, HV)":
-- b (reference) and the grip length rule lg,max = l - b, ls,min = lg,max - 3P;
-- the bolt lengths, nut heights m and washer thicknesses h of the catalogs
-- Bolts_EN14399, Nuts_EN14399 and Washers_EN14399 (their own files state how
-- they were derived). The table gives no clamping ranges; they are derived:
--
-- Derivation rules, for each bolt length l and 1 or 2 washers (n) of h:
-- - RangeUpper = l - n h - m - P: the bolt protrudes at least one thread pitch
--   beyond the nut.
-- - RangeLower = ls,min + 3P - n h = lg,max - n h: the nut's bearing face lies
--   on complete thread even for a bolt whose plain shank and thread run-out
--   take all of lg,max; the nut engages no run-out and no plain shank.
-- - RangeLower and RangeUpper are the clamped thickness of the parts, the
--   washers not included.
-- - ShankLength = lg,max = l - b (so ShankLength + ThreadLength = l);
--   ls,min is ShankLength - 3P. ThreadLength = b.
-- - The range spans b - m - P for every length: M12 11.25, M16 13, M20 14.5,
--   M22 13.5, M24 16, M27 16, M30 16.5. Ranges of neighbouring lengths
--   overlap; the first row in the order of RangeLower is the shortest bolt.
-- - M36 is left out (no M36 washer in Washers_EN14399).
--
-- Worked examples (DATA-FACTS: M20 x 60 gives ls / lg 19.5 / 27; M20 x 80
-- 39.5 / 47; M24 x 80 32 / 41):
--   M20 x 60, 1 washer: lg,max = 60 - 33 = 27, ls,min = 27 - 3 x 2.5 = 19.5;
--     range 27 - 1 x 3 = 24 to 60 - 1 x 3 - 16 - 2.5 = 38.5; ShankLength 27, ThreadLength 33.
--   M20 x 60, 2 washers: lg,max = 60 - 33 = 27, ls,min = 27 - 3 x 2.5 = 19.5;
--     range 27 - 2 x 3 = 21 to 60 - 2 x 3 - 16 - 2.5 = 35.5; ShankLength 27, ThreadLength 33.
--   M20 x 80, 1 washer: lg,max = 80 - 33 = 47, ls,min = 47 - 3 x 2.5 = 39.5;
--     range 47 - 1 x 3 = 44 to 80 - 1 x 3 - 16 - 2.5 = 58.5; ShankLength 47, ThreadLength 33.
--   M24 x 80, 1 washer: lg,max = 80 - 39 = 41, ls,min = 41 - 3 x 3 = 32;
--     range 41 - 1 x 4 = 37 to 80 - 1 x 4 - 20 - 3 = 53; ShankLength 41, ThreadLength 39.
--
-- Built into cr_EN14399.mdb by zeptmkcat; lengths in mm.

CREATE TABLE GripLength (Id LONG, Diameter DOUBLE, WasherNum LONG, RangeLower DOUBLE, RangeUpper DOUBLE, ShankLength DOUBLE, ThreadLength DOUBLE);
CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));

-- M12, 1 washer (b 23, P 1.75, m 10, h 2.5): lengths 30..120
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (1, 12, 1, 4.5, 15.75, 7, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (2, 12, 1, 9.5, 20.75, 12, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (3, 12, 1, 14.5, 25.75, 17, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (4, 12, 1, 19.5, 30.75, 22, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (5, 12, 1, 24.5, 35.75, 27, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (6, 12, 1, 29.5, 40.75, 32, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (7, 12, 1, 34.5, 45.75, 37, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (8, 12, 1, 39.5, 50.75, 42, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (9, 12, 1, 44.5, 55.75, 47, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (10, 12, 1, 54.5, 65.75, 57, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (11, 12, 1, 64.5, 75.75, 67, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (12, 12, 1, 74.5, 85.75, 77, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (13, 12, 1, 84.5, 95.75, 87, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (14, 12, 1, 94.5, 105.75, 97, 23);

-- M12, 2 washers (b 23, P 1.75, m 10, h 2.5): lengths 30..120
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (15, 12, 2, 2, 13.25, 7, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (16, 12, 2, 7, 18.25, 12, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (17, 12, 2, 12, 23.25, 17, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (18, 12, 2, 17, 28.25, 22, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (19, 12, 2, 22, 33.25, 27, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (20, 12, 2, 27, 38.25, 32, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (21, 12, 2, 32, 43.25, 37, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (22, 12, 2, 37, 48.25, 42, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (23, 12, 2, 42, 53.25, 47, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (24, 12, 2, 52, 63.25, 57, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (25, 12, 2, 62, 73.25, 67, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (26, 12, 2, 72, 83.25, 77, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (27, 12, 2, 82, 93.25, 87, 23);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (28, 12, 2, 92, 103.25, 97, 23);

-- M16, 1 washer (b 28, P 2, m 13, h 3): lengths 40..160
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (29, 16, 1, 9, 22, 12, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (30, 16, 1, 14, 27, 17, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (31, 16, 1, 19, 32, 22, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (32, 16, 1, 24, 37, 27, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (33, 16, 1, 29, 42, 32, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (34, 16, 1, 34, 47, 37, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (35, 16, 1, 39, 52, 42, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (36, 16, 1, 49, 62, 52, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (37, 16, 1, 59, 72, 62, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (38, 16, 1, 69, 82, 72, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (39, 16, 1, 79, 92, 82, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (40, 16, 1, 89, 102, 92, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (41, 16, 1, 99, 112, 102, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (42, 16, 1, 109, 122, 112, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (43, 16, 1, 119, 132, 122, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (44, 16, 1, 129, 142, 132, 28);

-- M16, 2 washers (b 28, P 2, m 13, h 3): lengths 40..160
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (45, 16, 2, 6, 19, 12, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (46, 16, 2, 11, 24, 17, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (47, 16, 2, 16, 29, 22, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (48, 16, 2, 21, 34, 27, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (49, 16, 2, 26, 39, 32, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (50, 16, 2, 31, 44, 37, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (51, 16, 2, 36, 49, 42, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (52, 16, 2, 46, 59, 52, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (53, 16, 2, 56, 69, 62, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (54, 16, 2, 66, 79, 72, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (55, 16, 2, 76, 89, 82, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (56, 16, 2, 86, 99, 92, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (57, 16, 2, 96, 109, 102, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (58, 16, 2, 106, 119, 112, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (59, 16, 2, 116, 129, 122, 28);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (60, 16, 2, 126, 139, 132, 28);

-- M20, 1 washer (b 33, P 2.5, m 16, h 3): lengths 50..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (61, 20, 1, 14, 28.5, 17, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (62, 20, 1, 19, 33.5, 22, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (63, 20, 1, 24, 38.5, 27, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (64, 20, 1, 29, 43.5, 32, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (65, 20, 1, 34, 48.5, 37, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (66, 20, 1, 44, 58.5, 47, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (67, 20, 1, 54, 68.5, 57, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (68, 20, 1, 64, 78.5, 67, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (69, 20, 1, 74, 88.5, 77, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (70, 20, 1, 84, 98.5, 87, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (71, 20, 1, 94, 108.5, 97, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (72, 20, 1, 104, 118.5, 107, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (73, 20, 1, 114, 128.5, 117, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (74, 20, 1, 124, 138.5, 127, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (75, 20, 1, 144, 158.5, 147, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (76, 20, 1, 164, 178.5, 167, 33);

-- M20, 2 washers (b 33, P 2.5, m 16, h 3): lengths 50..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (77, 20, 2, 11, 25.5, 17, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (78, 20, 2, 16, 30.5, 22, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (79, 20, 2, 21, 35.5, 27, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (80, 20, 2, 26, 40.5, 32, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (81, 20, 2, 31, 45.5, 37, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (82, 20, 2, 41, 55.5, 47, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (83, 20, 2, 51, 65.5, 57, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (84, 20, 2, 61, 75.5, 67, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (85, 20, 2, 71, 85.5, 77, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (86, 20, 2, 81, 95.5, 87, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (87, 20, 2, 91, 105.5, 97, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (88, 20, 2, 101, 115.5, 107, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (89, 20, 2, 111, 125.5, 117, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (90, 20, 2, 121, 135.5, 127, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (91, 20, 2, 141, 155.5, 147, 33);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (92, 20, 2, 161, 175.5, 167, 33);

-- M22, 1 washer (b 34, P 2.5, m 18, h 3.5): lengths 55..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (93, 22, 1, 17.5, 31, 21, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (94, 22, 1, 22.5, 36, 26, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (95, 22, 1, 27.5, 41, 31, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (96, 22, 1, 32.5, 46, 36, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (97, 22, 1, 42.5, 56, 46, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (98, 22, 1, 52.5, 66, 56, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (99, 22, 1, 62.5, 76, 66, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (100, 22, 1, 72.5, 86, 76, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (101, 22, 1, 82.5, 96, 86, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (102, 22, 1, 92.5, 106, 96, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (103, 22, 1, 102.5, 116, 106, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (104, 22, 1, 112.5, 126, 116, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (105, 22, 1, 122.5, 136, 126, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (106, 22, 1, 142.5, 156, 146, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (107, 22, 1, 162.5, 176, 166, 34);

-- M22, 2 washers (b 34, P 2.5, m 18, h 3.5): lengths 55..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (108, 22, 2, 14, 27.5, 21, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (109, 22, 2, 19, 32.5, 26, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (110, 22, 2, 24, 37.5, 31, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (111, 22, 2, 29, 42.5, 36, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (112, 22, 2, 39, 52.5, 46, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (113, 22, 2, 49, 62.5, 56, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (114, 22, 2, 59, 72.5, 66, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (115, 22, 2, 69, 82.5, 76, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (116, 22, 2, 79, 92.5, 86, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (117, 22, 2, 89, 102.5, 96, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (118, 22, 2, 99, 112.5, 106, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (119, 22, 2, 109, 122.5, 116, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (120, 22, 2, 119, 132.5, 126, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (121, 22, 2, 139, 152.5, 146, 34);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (122, 22, 2, 159, 172.5, 166, 34);

-- M24, 1 washer (b 39, P 3, m 20, h 4): lengths 60..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (123, 24, 1, 17, 33, 21, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (124, 24, 1, 22, 38, 26, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (125, 24, 1, 27, 43, 31, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (126, 24, 1, 37, 53, 41, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (127, 24, 1, 47, 63, 51, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (128, 24, 1, 57, 73, 61, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (129, 24, 1, 67, 83, 71, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (130, 24, 1, 77, 93, 81, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (131, 24, 1, 87, 103, 91, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (132, 24, 1, 97, 113, 101, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (133, 24, 1, 107, 123, 111, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (134, 24, 1, 117, 133, 121, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (135, 24, 1, 137, 153, 141, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (136, 24, 1, 157, 173, 161, 39);

-- M24, 2 washers (b 39, P 3, m 20, h 4): lengths 60..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (137, 24, 2, 13, 29, 21, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (138, 24, 2, 18, 34, 26, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (139, 24, 2, 23, 39, 31, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (140, 24, 2, 33, 49, 41, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (141, 24, 2, 43, 59, 51, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (142, 24, 2, 53, 69, 61, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (143, 24, 2, 63, 79, 71, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (144, 24, 2, 73, 89, 81, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (145, 24, 2, 83, 99, 91, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (146, 24, 2, 93, 109, 101, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (147, 24, 2, 103, 119, 111, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (148, 24, 2, 113, 129, 121, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (149, 24, 2, 133, 149, 141, 39);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (150, 24, 2, 153, 169, 161, 39);

-- M27, 1 washer (b 41, P 3, m 22, h 4): lengths 70..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (151, 27, 1, 25, 41, 29, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (152, 27, 1, 35, 51, 39, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (153, 27, 1, 45, 61, 49, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (154, 27, 1, 55, 71, 59, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (155, 27, 1, 65, 81, 69, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (156, 27, 1, 75, 91, 79, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (157, 27, 1, 85, 101, 89, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (158, 27, 1, 95, 111, 99, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (159, 27, 1, 105, 121, 109, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (160, 27, 1, 115, 131, 119, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (161, 27, 1, 135, 151, 139, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (162, 27, 1, 155, 171, 159, 41);

-- M27, 2 washers (b 41, P 3, m 22, h 4): lengths 70..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (163, 27, 2, 21, 37, 29, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (164, 27, 2, 31, 47, 39, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (165, 27, 2, 41, 57, 49, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (166, 27, 2, 51, 67, 59, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (167, 27, 2, 61, 77, 69, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (168, 27, 2, 71, 87, 79, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (169, 27, 2, 81, 97, 89, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (170, 27, 2, 91, 107, 99, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (171, 27, 2, 101, 117, 109, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (172, 27, 2, 111, 127, 119, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (173, 27, 2, 131, 147, 139, 41);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (174, 27, 2, 151, 167, 159, 41);

-- M30, 1 washer (b 44, P 3.5, m 24, h 4): lengths 80..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (175, 30, 1, 32, 48.5, 36, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (176, 30, 1, 42, 58.5, 46, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (177, 30, 1, 52, 68.5, 56, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (178, 30, 1, 62, 78.5, 66, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (179, 30, 1, 72, 88.5, 76, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (180, 30, 1, 82, 98.5, 86, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (181, 30, 1, 92, 108.5, 96, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (182, 30, 1, 102, 118.5, 106, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (183, 30, 1, 112, 128.5, 116, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (184, 30, 1, 132, 148.5, 136, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (185, 30, 1, 152, 168.5, 156, 44);

-- M30, 2 washers (b 44, P 3.5, m 24, h 4): lengths 80..200
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (186, 30, 2, 28, 44.5, 36, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (187, 30, 2, 38, 54.5, 46, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (188, 30, 2, 48, 64.5, 56, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (189, 30, 2, 58, 74.5, 66, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (190, 30, 2, 68, 84.5, 76, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (191, 30, 2, 78, 94.5, 86, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (192, 30, 2, 88, 104.5, 96, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (193, 30, 2, 98, 114.5, 106, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (194, 30, 2, 108, 124.5, 116, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (195, 30, 2, 128, 144.5, 136, 44);
INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength) VALUES (196, 30, 2, 148, 164.5, 156, 44);

-- Units of the measured columns.
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("GripLength", "Diameter", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("GripLength", "RangeLower", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("GripLength", "RangeUpper", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("GripLength", "ShankLength", "mm");
INSERT INTO Descriptions ([Table], Field, Unit) VALUES ("GripLength", "ThreadLength", "mm");
