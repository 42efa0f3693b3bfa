-- Structural steel grades offered for members, with the standard that defines them.
-- List: EN 10025-2 non-alloy and EN 10025-4 thermomechanical grades.
-- ListE: ASTM grades common in US practice.

CREATE TABLE List (Value TEXT(50), Data TEXT(50));
CREATE TABLE ListE (Value TEXT(50), Data TEXT(50));

INSERT INTO List (Value, Data) VALUES ("S235JR", "EN 10025-2");
INSERT INTO List (Value, Data) VALUES ("S275JR", "EN 10025-2");
INSERT INTO List (Value, Data) VALUES ("S355J2", "EN 10025-2");
INSERT INTO List (Value, Data) VALUES ("S355K2", "EN 10025-2");
INSERT INTO List (Value, Data) VALUES ("S460M", "EN 10025-4");

INSERT INTO ListE (Value, Data) VALUES ("A36", "ASTM A36");
INSERT INTO ListE (Value, Data) VALUES ("A572 Gr 50", "ASTM A572");
INSERT INTO ListE (Value, Data) VALUES ("A992", "ASTM A992");
INSERT INTO ListE (Value, Data) VALUES ("A500 Gr C", "ASTM A500");
