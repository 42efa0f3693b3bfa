-- Structural steel grades offered for members, with the standard and edition
-- that defines each one.
-- List: the qualities a detailer orders (the grades of KmatEN, with the same
-- names): EN 10025-2:2019 non-alloy (JR, J0, J2, K2), EN 10025-3:2019
-- normalized (N, NL), EN 10025-4:2019 thermomechanical (M, ML) and
-- EN 10025-6:2019 quenched and tempered (Q, QL, QL1) steels, and the
-- hollow-section grades of EN 10210-1:2006 and EN 10219-1:2006 (H suffix).
-- Data names the product standard a grade's KmatEN description starts with.
-- ListE: ASTM grades common in US practice (names only; this catalog holds
-- no values of theirs).

CREATE TABLE List (Value TEXT(50), Data TEXT(50));
CREATE TABLE ListE (Value TEXT(50), Data TEXT(50));

INSERT INTO List (Value, Data) VALUES ("S235JR", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S235J0", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S235J2", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S275JR", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S275J0", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S275J2", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S355JR", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S355J0", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S355J2", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S355K2", "EN 10025-2:2019");
INSERT INTO List (Value, Data) VALUES ("S275N", "EN 10025-3:2019");
INSERT INTO List (Value, Data) VALUES ("S275NL", "EN 10025-3:2019");
INSERT INTO List (Value, Data) VALUES ("S355N", "EN 10025-3:2019");
INSERT INTO List (Value, Data) VALUES ("S355NL", "EN 10025-3:2019");
INSERT INTO List (Value, Data) VALUES ("S420N", "EN 10025-3:2019");
INSERT INTO List (Value, Data) VALUES ("S420NL", "EN 10025-3:2019");
INSERT INTO List (Value, Data) VALUES ("S460N", "EN 10025-3:2019");
INSERT INTO List (Value, Data) VALUES ("S460NL", "EN 10025-3:2019");
INSERT INTO List (Value, Data) VALUES ("S275M", "EN 10025-4:2019");
INSERT INTO List (Value, Data) VALUES ("S275ML", "EN 10025-4:2019");
INSERT INTO List (Value, Data) VALUES ("S355M", "EN 10025-4:2019");
INSERT INTO List (Value, Data) VALUES ("S355ML", "EN 10025-4:2019");
INSERT INTO List (Value, Data) VALUES ("S420M", "EN 10025-4:2019");
INSERT INTO List (Value, Data) VALUES ("S420ML", "EN 10025-4:2019");
INSERT INTO List (Value, Data) VALUES ("S460M", "EN 10025-4:2019");
INSERT INTO List (Value, Data) VALUES ("S460ML", "EN 10025-4:2019");
INSERT INTO List (Value, Data) VALUES ("S460Q", "EN 10025-6:2019");
INSERT INTO List (Value, Data) VALUES ("S460QL", "EN 10025-6:2019");
INSERT INTO List (Value, Data) VALUES ("S460QL1", "EN 10025-6:2019");
INSERT INTO List (Value, Data) VALUES ("S235JRH", "EN 10210-1:2006 / EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S275J0H", "EN 10210-1:2006 / EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S275J2H", "EN 10210-1:2006 / EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355J0H", "EN 10210-1:2006 / EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355J2H", "EN 10210-1:2006 / EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355K2H", "EN 10210-1:2006 / EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S275NH", "EN 10210-1:2006");
INSERT INTO List (Value, Data) VALUES ("S275NLH", "EN 10210-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355NH", "EN 10210-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355NLH", "EN 10210-1:2006");
INSERT INTO List (Value, Data) VALUES ("S420NH", "EN 10210-1:2006");
INSERT INTO List (Value, Data) VALUES ("S420NLH", "EN 10210-1:2006");
INSERT INTO List (Value, Data) VALUES ("S460NH", "EN 10210-1:2006");
INSERT INTO List (Value, Data) VALUES ("S460NLH", "EN 10210-1:2006");
INSERT INTO List (Value, Data) VALUES ("S275NH (EN 10219)", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S275NLH (EN 10219)", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355NH (EN 10219)", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355NLH (EN 10219)", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S460NH (EN 10219)", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S460NLH (EN 10219)", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S275MH", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S275MLH", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355MH", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S355MLH", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S420MH", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S420MLH", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S460MH", "EN 10219-1:2006");
INSERT INTO List (Value, Data) VALUES ("S460MLH", "EN 10219-1:2006");

INSERT INTO ListE (Value, Data) VALUES ("A36", "ASTM A36");
INSERT INTO ListE (Value, Data) VALUES ("A572 Gr 50", "ASTM A572");
INSERT INTO ListE (Value, Data) VALUES ("A992", "ASTM A992");
INSERT INTO ListE (Value, Data) VALUES ("A500 Gr C", "ASTM A500");
