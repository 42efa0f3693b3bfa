-- Material catalog EN: European structural materials, one row per grade.
--
-- Sources:
-- - Steel: one row per quality a detailer orders, named by its product
--   standard and edition: EN 10025-2:2019 (non-alloy: JR, J0, J2, K2),
--   EN 10025-3:2019 (normalized: N, NL), EN 10025-4:2019 (thermomechanical:
--   M, ML), EN 10025-6:2019 (quenched and tempered: Q, QL, QL1), and the
--   hollow-section grades of EN 10210-1:2006 (hot-finished: JRH to K2H,
--   NH, NLH) and EN 10219-1:2006 (cold-formed: JRH to K2H, NH, NLH, MH,
--   MLH); the second name is the steel number of that standard. The
--   non-alloy H grades have the same values in both hollow-section
--   standards and one row; the N grades of EN 10219-1 have a lower fu than
--   those of EN 10210-1 and are named "S355NH (EN 10219)". EN 10219-1 makes
--   walls up to 40 mm only, so its rows give no 40 < t <= 80 mm values.
--   RE and RT are the nominal fy and fu for t <= 40 mm of EN 1993-1-1:2005
--   Table 3.1, which depend on the product standard, not on the quality
--   (S355 of EN 10025-2 has fu 510, of EN 10025-3 490, of EN 10025-4 470);
--   the description also gives the values for 40 < t <= 80 mm. E 210000,
--   nu 0.3, G 81000 N/mm2 (EN 1993-1-1:2005 3.2.6), density 7850 kg/m3, alpha 12e-6 /K.
-- - Concrete C30/37: EN 1992-1-1:2004 table 3.1: fck 30, fctm 2.9, Ecm 33000
--   N/mm2; 3.1.3: nu 0.2, alpha 10e-6 /K. Reinforced: 2500 kg/m3
--   (EN 1991-1-1:2002 table A.1, 24 kN/m3 plus 1 for the reinforcement).
--   G = Ecm / (2 (1 + nu)) = 13750 N/mm2.
-- - Aluminium EN AW-6082 T6: EN 1999-1-1:2007 table 3.2b (extruded
--   profiles, 5 < t <= 15 mm), f0 260, fu 310; 3.2.5: E 70000, nu 0.3,
--   G 27000 N/mm2, 2700 kg/m3, alpha 23e-6 /K.
-- - Timber C24 (softwood): EN 338:2016 table 1: fm,k 24, fc,0,k 21, E0,mean
--   11000, E0,05 7400, Gmean 690 N/mm2, rho k 350, rho mean 420 kg/m3.
--   Tension and shear strengths changed between editions of EN 338 and
--   are left out; timber has no single Poisson's ratio or expansion
--   coefficient here (0).
-- Checked: every steel row's RE/RT against EN 1993-1-1:2005 Table 3.1 for its
-- product standard (the bundled tests hold spot values of each standard);
-- qualities of one strength and family share fy and fu.
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

-- Steel: fy/fu for t <= 40 mm.

-- EN 10025-2:2019, non-alloy.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S235JR", "1.0038", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 235/360 (t <= 40 mm), 215/360 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 235, 360, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S235J0", "1.0114", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 235/360 (t <= 40 mm), 215/360 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 235, 360, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S235J2", "1.0117", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 235/360 (t <= 40 mm), 215/360 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 235, 360, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275JR", "1.0044", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 275/430 (t <= 40 mm), 255/410 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 430, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275J0", "1.0143", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 275/430 (t <= 40 mm), 255/410 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 430, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275J2", "1.0145", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 275/430 (t <= 40 mm), 255/410 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 430, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355JR", "1.0045", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 355/510 (t <= 40 mm), 335/470 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 510, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355J0", "1.0553", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 355/510 (t <= 40 mm), 335/470 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 510, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355J2", "1.0577", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 355/510 (t <= 40 mm), 335/470 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 510, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355K2", "1.0596", "EN 10025-2:2019 non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 355/510 (t <= 40 mm), 335/470 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 510, 81000, 81000);

-- EN 10025-3:2019, normalized.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275N", "1.0490", "EN 10025-3:2019 normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 275/390 (t <= 40 mm), 255/370 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 390, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275NL", "1.0491", "EN 10025-3:2019 normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 275/390 (t <= 40 mm), 255/370 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 390, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355N", "1.0545", "EN 10025-3:2019 normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 355/490 (t <= 40 mm), 335/470 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 490, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355NL", "1.0546", "EN 10025-3:2019 normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 355/490 (t <= 40 mm), 335/470 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 490, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S420N", "1.8902", "EN 10025-3:2019 normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 420/520 (t <= 40 mm), 390/520 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 420, 520, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S420NL", "1.8912", "EN 10025-3:2019 normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 420/520 (t <= 40 mm), 390/520 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 420, 520, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460N", "1.8901", "EN 10025-3:2019 normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 460/540 (t <= 40 mm), 430/540 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 540, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460NL", "1.8903", "EN 10025-3:2019 normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 460/540 (t <= 40 mm), 430/540 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 540, 81000, 81000);

-- EN 10025-4:2019, thermomechanical.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275M", "1.8818", "EN 10025-4:2019 thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 275/370 (t <= 40 mm), 255/360 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 370, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275ML", "1.8819", "EN 10025-4:2019 thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 275/370 (t <= 40 mm), 255/360 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 370, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355M", "1.8823", "EN 10025-4:2019 thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 355/470 (t <= 40 mm), 335/450 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 470, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355ML", "1.8834", "EN 10025-4:2019 thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 355/470 (t <= 40 mm), 335/450 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 470, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S420M", "1.8825", "EN 10025-4:2019 thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 420/520 (t <= 40 mm), 390/500 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 420, 520, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S420ML", "1.8836", "EN 10025-4:2019 thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 420/520 (t <= 40 mm), 390/500 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 420, 520, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460M", "1.8827", "EN 10025-4:2019 thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 460/540 (t <= 40 mm), 430/530 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 540, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460ML", "1.8838", "EN 10025-4:2019 thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 460/540 (t <= 40 mm), 430/530 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 540, 81000, 81000);

-- EN 10025-6:2019, quenched and tempered.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460Q", "1.8908", "EN 10025-6:2019 quenched and tempered; EN 1993-1-1:2005 Table 3.1: fy/fu 460/570 (t <= 40 mm), 440/550 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 570, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460QL", "1.8906", "EN 10025-6:2019 quenched and tempered; EN 1993-1-1:2005 Table 3.1: fy/fu 460/570 (t <= 40 mm), 440/550 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 570, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460QL1", "1.8916", "EN 10025-6:2019 quenched and tempered; EN 1993-1-1:2005 Table 3.1: fy/fu 460/570 (t <= 40 mm), 440/550 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 570, 81000, 81000);

-- EN 10210-1:2006 hot-finished and EN 10219-1:2006 cold-formed hollow
-- sections, non-alloy: the same fy/fu in both standards up to t = 40 mm.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S235JRH", "1.0039", "EN 10210-1:2006 / EN 10219-1:2006 hot-finished / cold-formed, non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 235/360 (t <= 40 mm), 215/340 (40 < t <= 80 mm, hot-finished only)", 1, 210000, 0.3, 0.000012, 7850, 235, 360, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275J0H", "1.0149", "EN 10210-1:2006 / EN 10219-1:2006 hot-finished / cold-formed, non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 275/430 (t <= 40 mm), 255/410 (40 < t <= 80 mm, hot-finished only)", 1, 210000, 0.3, 0.000012, 7850, 275, 430, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275J2H", "1.0138", "EN 10210-1:2006 / EN 10219-1:2006 hot-finished / cold-formed, non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 275/430 (t <= 40 mm), 255/410 (40 < t <= 80 mm, hot-finished only)", 1, 210000, 0.3, 0.000012, 7850, 275, 430, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355J0H", "1.0547", "EN 10210-1:2006 / EN 10219-1:2006 hot-finished / cold-formed, non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 355/510 (t <= 40 mm), 335/490 (40 < t <= 80 mm, hot-finished only)", 1, 210000, 0.3, 0.000012, 7850, 355, 510, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355J2H", "1.0576", "EN 10210-1:2006 / EN 10219-1:2006 hot-finished / cold-formed, non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 355/510 (t <= 40 mm), 335/490 (40 < t <= 80 mm, hot-finished only)", 1, 210000, 0.3, 0.000012, 7850, 355, 510, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355K2H", "1.0512", "EN 10210-1:2006 / EN 10219-1:2006 hot-finished / cold-formed, non-alloy; EN 1993-1-1:2005 Table 3.1: fy/fu 355/510 (t <= 40 mm), 335/490 (40 < t <= 80 mm, hot-finished only)", 1, 210000, 0.3, 0.000012, 7850, 355, 510, 81000, 81000);

-- EN 10210-1:2006 hot-finished hollow sections, fine grain (normalized).
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275NH", "1.0493", "EN 10210-1:2006 hot-finished, fine grain; EN 1993-1-1:2005 Table 3.1: fy/fu 275/390 (t <= 40 mm), 255/370 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 390, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275NLH", "1.0497", "EN 10210-1:2006 hot-finished, fine grain; EN 1993-1-1:2005 Table 3.1: fy/fu 275/390 (t <= 40 mm), 255/370 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 390, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355NH", "1.0539", "EN 10210-1:2006 hot-finished, fine grain; EN 1993-1-1:2005 Table 3.1: fy/fu 355/490 (t <= 40 mm), 335/470 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 490, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355NLH", "1.0549", "EN 10210-1:2006 hot-finished, fine grain; EN 1993-1-1:2005 Table 3.1: fy/fu 355/490 (t <= 40 mm), 335/470 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 490, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S420NH", "1.8750", "EN 10210-1:2006 hot-finished, fine grain; EN 1993-1-1:2005 Table 3.1: fy/fu 420/540 (t <= 40 mm), 390/520 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 420, 540, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S420NLH", "1.8751", "EN 10210-1:2006 hot-finished, fine grain; EN 1993-1-1:2005 Table 3.1: fy/fu 420/540 (t <= 40 mm), 390/520 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 420, 540, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460NH", "1.8953", "EN 10210-1:2006 hot-finished, fine grain; EN 1993-1-1:2005 Table 3.1: fy/fu 460/560 (t <= 40 mm), 430/550 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 560, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460NLH", "1.8956", "EN 10210-1:2006 hot-finished, fine grain; EN 1993-1-1:2005 Table 3.1: fy/fu 460/560 (t <= 40 mm), 430/550 (40 < t <= 80 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 560, 81000, 81000);

-- EN 10219-1:2006 cold-formed hollow sections, fine grain (walls up to
-- 40 mm). The N grades share their names with EN 10210-1 but not their fu,
-- so they carry the standard in the name.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275NH (EN 10219)", "1.0493", "EN 10219-1:2006 cold-formed, fine grain normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 275/370 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 370, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275NLH (EN 10219)", "1.0497", "EN 10219-1:2006 cold-formed, fine grain normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 275/370 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 370, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355NH (EN 10219)", "1.0539", "EN 10219-1:2006 cold-formed, fine grain normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 355/470 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 470, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355NLH (EN 10219)", "1.0549", "EN 10219-1:2006 cold-formed, fine grain normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 355/470 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 470, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460NH (EN 10219)", "1.8953", "EN 10219-1:2006 cold-formed, fine grain normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 460/550 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 550, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460NLH (EN 10219)", "1.8956", "EN 10219-1:2006 cold-formed, fine grain normalized; EN 1993-1-1:2005 Table 3.1: fy/fu 460/550 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 550, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275MH", "1.8843", "EN 10219-1:2006 cold-formed, fine grain thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 275/360 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 360, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S275MLH", "1.8844", "EN 10219-1:2006 cold-formed, fine grain thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 275/360 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 275, 360, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355MH", "1.8845", "EN 10219-1:2006 cold-formed, fine grain thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 355/470 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 470, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S355MLH", "1.8846", "EN 10219-1:2006 cold-formed, fine grain thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 355/470 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 355, 470, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S420MH", "1.8847", "EN 10219-1:2006 cold-formed, fine grain thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 420/500 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 420, 500, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S420MLH", "1.8848", "EN 10219-1:2006 cold-formed, fine grain thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 420/500 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 420, 500, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460MH", "1.8849", "EN 10219-1:2006 cold-formed, fine grain thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 460/530 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 530, 81000, 81000);
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("S460MLH", "1.8850", "EN 10219-1:2006 cold-formed, fine grain thermomechanical; EN 1993-1-1:2005 Table 3.1: fy/fu 460/530 (t <= 40 mm)", 1, 210000, 0.3, 0.000012, 7850, 460, 530, 81000, 81000);

-- Concrete, reinforced.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RE_AXCOMP, RT, KIRCHOFF, GMEAN)
  VALUES ("C30/37", "", "Reinforced concrete EN 1992-1-1:2004: fck 30, fctm 2.9, Ecm 33000 N/mm2", 2, 33000, 0.2, 0.00001, 2500, 30, 30, 2.9, 13750, 13750);

-- Aluminium alloy.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, NU, LX, RO, RE, RT, KIRCHOFF, GMEAN)
  VALUES ("EN AW-6082", "T6", "Aluminium alloy EN 1999-1-1:2007, extruded profiles 5 < t <= 15 mm: f0 260, fu 310", 3, 70000, 0.3, 0.000023, 2700, 260, 310, 27000, 27000);

-- Timber.
INSERT INTO MATERIALS (NAME, SECOND_NAME, DESCRIPTION, TYPE, E, RO, RE, RE_BENDING, RE_AXCOMP, E_5, KIRCHOFF, GMEAN)
  VALUES ("C24", "", "Softwood EN 338:2016: fm,k 24, fc,0,k 21 N/mm2; rho k 350, rho mean 420 kg/m3", 4, 11000, 420, 24, 24, 21, 7400, 690, 690);
