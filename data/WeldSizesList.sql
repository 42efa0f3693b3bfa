-- Fillet weld sizes for the weld commands.
-- List: throat thickness a in mm (EN 1993-1-8 practice, a >= 3 mm); Data: leg length z = a x sqrt(2) in mm.
-- ListE: leg size w in inches (AISC practice); Data: effective throat 0.707 x w in inches.

CREATE TABLE List (Value DOUBLE, Data DOUBLE);
CREATE TABLE ListE (Value DOUBLE, Data DOUBLE);

INSERT INTO List (Value, Data) VALUES (3, 4.2426);
INSERT INTO List (Value, Data) VALUES (4, 5.6569);
INSERT INTO List (Value, Data) VALUES (5, 7.0711);
INSERT INTO List (Value, Data) VALUES (6, 8.4853);
INSERT INTO List (Value, Data) VALUES (7, 9.8995);
INSERT INTO List (Value, Data) VALUES (8, 11.3137);
INSERT INTO List (Value, Data) VALUES (10, 14.1421);
INSERT INTO List (Value, Data) VALUES (12, 16.9706);
INSERT INTO List (Value, Data) VALUES (15, 21.2132);

INSERT INTO ListE (Value, Data) VALUES (0.125, 0.0884);
INSERT INTO ListE (Value, Data) VALUES (0.1875, 0.1326);
INSERT INTO ListE (Value, Data) VALUES (0.25, 0.1768);
INSERT INTO ListE (Value, Data) VALUES (0.3125, 0.221);
INSERT INTO ListE (Value, Data) VALUES (0.375, 0.2652);
INSERT INTO ListE (Value, Data) VALUES (0.4375, 0.3094);
INSERT INTO ListE (Value, Data) VALUES (0.5, 0.3535);
INSERT INTO ListE (Value, Data) VALUES (0.625, 0.4419);
INSERT INTO ListE (Value, Data) VALUES (0.75, 0.5303);
