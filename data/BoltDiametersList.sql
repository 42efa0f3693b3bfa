-- Bolt diameters for the bolt commands, with the normal round clearance hole.
-- List: nominal diameter d in mm; Data: hole diameter d0 in mm (EN 1090-2 normal holes:
-- d + 1 for M12 and M14, d + 2 for M16 to M24, d + 3 for M27 and larger).
-- ListE: nominal diameter in inches; Data: standard hole d + 1/16 in (AISC 360 Table J3.3).

CREATE TABLE List (Value DOUBLE, Data DOUBLE);
CREATE TABLE ListE (Value DOUBLE, Data DOUBLE);

INSERT INTO List (Value, Data) VALUES (12, 13);
INSERT INTO List (Value, Data) VALUES (14, 15);
INSERT INTO List (Value, Data) VALUES (16, 18);
INSERT INTO List (Value, Data) VALUES (20, 22);
INSERT INTO List (Value, Data) VALUES (22, 24);
INSERT INTO List (Value, Data) VALUES (24, 26);
INSERT INTO List (Value, Data) VALUES (27, 30);
INSERT INTO List (Value, Data) VALUES (30, 33);
INSERT INTO List (Value, Data) VALUES (36, 39);

INSERT INTO ListE (Value, Data) VALUES (0.5, 0.5625);
INSERT INTO ListE (Value, Data) VALUES (0.625, 0.6875);
INSERT INTO ListE (Value, Data) VALUES (0.75, 0.8125);
INSERT INTO ListE (Value, Data) VALUES (0.875, 0.9375);
INSERT INTO ListE (Value, Data) VALUES (1, 1.0625);
INSERT INTO ListE (Value, Data) VALUES (1.125, 1.1875);
INSERT INTO ListE (Value, Data) VALUES (1.25, 1.3125);
INSERT INTO ListE (Value, Data) VALUES (1.5, 1.5625);
