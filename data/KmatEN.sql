-- Material catalog EN: European structural materials, one row per grade.
--
-- Sources:
-- - Steel: DATA-FACTS.md, "Structural steels (EN 10025-2, EN 1993-1-1)":
--   design fy / fu for t <= 40 mm: S235 235/360, S275 275/430, S355 355/490
--   (EN 1993-1-1 editions differ on S355, 490 or 510; 490 is the table's
--   value and lies in the EN 10025-2 range 470-630); E 210000, nu 0.3,
--   G 81000 N/mm2, density 7850 kg/m3, alpha 12e-6 /K.
--   S460 (EN 10025-3 N/NL, EN 10025-4 M/ML): EN 1993-1-1 table 3.1,
--   fy 460, fu 540 for t <= 40 mm.
-- - Concrete C30/37: EN 1992-1-1 table 3.1: fck 30, fctm 2.9, Ecm 33000
--   N/mm2; 3.1.3: nu 0.2, alpha 10e-6 /K. Reinforced: 2500 kg/m3
--   (EN 1991-1-1 table A.1, 24 kN/m3 plus 1 for the reinforcement).
--   G = Ecm / (2 (1 + nu)) = 13750 N/mm2.
-- - Aluminium EN AW-6082 T6: EN 1999-1-1 table 3.2b (extruded profiles),
--   f0 260, fu 310; 3.2.5: E 70000, nu 0.3, G 27000 N/mm2, 2700 kg/m3,
--   alpha 23e-6 /K.
-- - Timber C24 (softwood): EN 338 table 1: fm,k 24, fc,0,k 21, E0,mean
--   11000, E0,05 7400, Gmean 690 N/mm2, rho k 350, rho mean 420 kg/m3.
--   Tension and shear strengths changed between editions of EN 338 and
--   are left out; timber has no single Poisson's ratio or expansion
--   coefficient here (0).
--
-- Columns: TYPE 1 steel, 2 concrete, 3 aluminium, 4 wood. RE holds the
-- yield or characteristic strength (fy, fck, f0, fm,k), RT the tensile
-- strength (fu, fctm), RE_AXCOMP and RE_BENDING the compressive and bending
-- strengths where they differ from RE's meaning, E the mean modulus, E_5
-- the 5 % fractile (timber), KIRCHOFF and GMEAN the shear modulus, RO the
-- density (timber: the mean; the characteristic value is in the
-- description), LX the expansion coefficient. Columns without a value for a
-- material stay 0.
-- Built into KmatEN.mdb by zeptmkcat.

CREATE TABLE MATERIALS (ID COUNTER, NAME TEXT(50), SECOND_NAME TEXT(50), DESCRIPTION TEXT(255),
  TYPE SHORT, THERM SHORT, DEFMAT SHORT, E DOUBLE, NU DOUBLE, LX DOUBLE, RO DOUBLE, RE DOUBLE,
  RE_AXCOMP DOUBLE, CS DOUBLE, RT DOUBLE, E_5 DOUBLE, E_TRANS DOUBLE, RE_BENDING DOUBLE,
  RE_AXTENS DOUBLE, RE_TRTENS DOUBLE, RE_TRCOMPR DOUBLE, RE_SHEAR DOUBLE, COLOR SHORT,
  DAMPCOEF DOUBLE, BC71_CTG DOUBLE, BC71_REFR DOUBLE, PN_E_TRANS DOUBLE, PN_E_ADITIONAL DOUBLE,
  BC71_NATURE DOUBLE, BC71_HUMIDITY DOUBLE, BC_OK DOUBLE, PN_OK DOUBLE, EC_OK DOUBLE,
  EC_DEFORMAT DOUBLE, PN_DEFORMAT DOUBLE, GMEAN DOUBLE, RESERVE DOUBLE, KIRCHOFF DOUBLE);

-- Steel, t <= 40 mm.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S235", "1.0038", "Structural steel EN 10025-2, fy/fu for t <= 40 mm", 1, 210000, 0.3, 0.000012, 7850, 235, 360, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275", "1.0044", "Structural steel EN 10025-2, fy/fu for t <= 40 mm", 1, 210000, 0.3, 0.000012, 7850, 275, 430, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355", "1.0045", "Structural steel EN 10025-2, fy/fu for t <= 40 mm", 1, 210000, 0.3, 0.000012, 7850, 355, 490, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460", "", "Structural steel EN 10025-3/-4, fy/fu for t <= 40 mm", 1, 210000, 0.3, 0.000012, 7850, 460, 540, 81000, 81000);

-- Concrete, reinforced.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RE_AXCOMP, RT, KIRCHOFF, GMEAN)
  VALUES ("C30/37", "", "Reinforced concrete EN 1992-1-1: fck 30, fctm 2.9, Ecm 33000 N/mm2", 2, 33000, 0.2, 0.00001, 2500, 30, 30, 2.9, 13750, 13750);

-- Aluminium alloy.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("EN AW-6082", "T6", "Aluminium alloy EN 1999-1-1, extruded profiles: f0 260, fu 310", 3, 70000, 0.3, 0.000023, 2700, 260, 310, 27000, 27000);

-- Timber.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, RO, RE, RE_BENDING, RE_AXCOMP, E_5, KIRCHOFF, GMEAN)
  VALUES ("C24", "", "Softwood EN 338: fm,k 24, fc,0,k 21 N/mm2; rho k 350, rho mean 420 kg/m3", 4, 11000, 420, 24, 24, 21, 7400, 690, 690);
