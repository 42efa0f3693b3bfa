-- Plate thicknesses for the plate commands.
-- List: thickness in mm; Data: mass per area in kg/m2 (t x 7.85, steel at 7850 kg/m3).
-- ListE: thickness in inches; Data: weight per area in lb/ft2 (t x 490 / 12, steel at 490 lb/ft3).
-- Metric thicknesses: EN 10029 hot-rolled plate, commonly stocked sizes; inch sizes: common US plate gauges.

CREATE TABLE List (Value DOUBLE, Data DOUBLE);
CREATE TABLE ListE (Value DOUBLE, Data DOUBLE);

INSERT INTO List (Value, Data) VALUES (3, 23.55);
INSERT INTO List (Value, Data) VALUES (4, 31.4);
INSERT INTO List (Value, Data) VALUES (5, 39.25);
INSERT INTO List (Value, Data) VALUES (6, 47.1);
INSERT INTO List (Value, Data) VALUES (8, 62.8);
INSERT INTO List (Value, Data) VALUES (10, 78.5);
INSERT INTO List (Value, Data) VALUES (12, 94.2);
INSERT INTO List (Value, Data) VALUES (15, 117.75);
INSERT INTO List (Value, Data) VALUES (20, 157);
INSERT INTO List (Value, Data) VALUES (25, 196.25);
INSERT INTO List (Value, Data) VALUES (30, 235.5);
INSERT INTO List (Value, Data) VALUES (35, 274.75);
INSERT INTO List (Value, Data) VALUES (40, 314);
INSERT INTO List (Value, Data) VALUES (45, 353.25);
INSERT INTO List (Value, Data) VALUES (50, 392.5);
INSERT INTO List (Value, Data) VALUES (60, 471);
INSERT INTO List (Value, Data) VALUES (70, 549.5);
INSERT INTO List (Value, Data) VALUES (80, 628);
INSERT INTO List (Value, Data) VALUES (100, 785);

INSERT INTO ListE (Value, Data) VALUES (0.125, 5.1042);
INSERT INTO ListE (Value, Data) VALUES (0.1875, 7.6562);
INSERT INTO ListE (Value, Data) VALUES (0.25, 10.2083);
INSERT INTO ListE (Value, Data) VALUES (0.3125, 12.7604);
INSERT INTO ListE (Value, Data) VALUES (0.375, 15.3125);
INSERT INTO ListE (Value, Data) VALUES (0.5, 20.4167);
INSERT INTO ListE (Value, Data) VALUES (0.625, 25.5208);
INSERT INTO ListE (Value, Data) VALUES (0.75, 30.625);
INSERT INTO ListE (Value, Data) VALUES (0.875, 35.7292);
INSERT INTO ListE (Value, Data) VALUES (1, 40.8333);
INSERT INTO ListE (Value, Data) VALUES (1.25, 51.0417);
INSERT INTO ListE (Value, Data) VALUES (1.5, 61.25);
INSERT INTO ListE (Value, Data) VALUES (1.75, 71.4583);
INSERT INTO ListE (Value, Data) VALUES (2, 81.6667);
INSERT INTO ListE (Value, Data) VALUES (2.5, 102.0833);
INSERT INTO ListE (Value, Data) VALUES (3, 122.5);
