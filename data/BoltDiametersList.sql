-- Bolt diameters for the bolt commands, with the normal round clearance hole.
-- List: the metric diameters of the bundled bolt catalogs (ISO 4014,
-- ISO 4017, EN 14399-4), no more and no fewer; M14 has no bolt catalog and
-- is left out. Data: hole diameter d0 in mm, EN 1090-2:2018 Table 11 normal
-- round holes: d + 1 for M12 (and M14), d + 2 for M16 to M24, d + 3 for M27
-- and larger. The table starts at M12: M8 and M10 take the medium series of
-- ISO 273:1979, 9 and 11 (d + 1).
-- Checked: the bundled tests compare both lists with the bolt catalogs'
-- diameters and each hole with its table.
-- ListE: nominal diameter in inches; Data: standard hole, AISC 360-16 Table
-- J3.3: d + 1/16 up to 7/8, 1-1/8 for 1, d + 1/8 from 1-1/8.

CREATE TABLE List (Value DOUBLE, Data DOUBLE);
CREATE TABLE ListE (Value DOUBLE, Data DOUBLE);

INSERT INTO List (Value, Data) VALUES (8, 9);
INSERT INTO List (Value, Data) VALUES (10, 11);
INSERT INTO List (Value, Data) VALUES (12, 13);
INSERT INTO List (Value, Data) VALUES (16, 18);
INSERT INTO List (Value, Data) VALUES (20, 22);
INSERT INTO List (Value, Data) VALUES (22, 24);
INSERT INTO List (Value, Data) VALUES (24, 26);
INSERT INTO List (Value, Data) VALUES (27, 30);
INSERT INTO List (Value, Data) VALUES (30, 33);
INSERT INTO List (Value, Data) VALUES (36, 39);
INSERT INTO List (Value, Data) VALUES (42, 45);
INSERT INTO List (Value, Data) VALUES (48, 51);
INSERT INTO List (Value, Data) VALUES (56, 59);
INSERT INTO List (Value, Data) VALUES (64, 67);

INSERT INTO ListE (Value, Data) VALUES (0.5, 0.5625);
INSERT INTO ListE (Value, Data) VALUES (0.625, 0.6875);
INSERT INTO ListE (Value, Data) VALUES (0.75, 0.8125);
INSERT INTO ListE (Value, Data) VALUES (0.875, 0.9375);
INSERT INTO ListE (Value, Data) VALUES (1, 1.125);
INSERT INTO ListE (Value, Data) VALUES (1.125, 1.25);
INSERT INTO ListE (Value, Data) VALUES (1.25, 1.375);
INSERT INTO ListE (Value, Data) VALUES (1.375, 1.5);
INSERT INTO ListE (Value, Data) VALUES (1.5, 1.625);
