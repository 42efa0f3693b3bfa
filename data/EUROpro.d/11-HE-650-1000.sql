-- EURO catalog, series HEA and HEB continued: HEA and HEB 650, 700, 800, 900
-- and 1000 (EUROpro.sql holds 100 to 600). Shape IDs 1100 to 1104 (HEA) and
-- 1200 to 1204 (HEB).
--
-- Source: EN 10365:2017 (HE A and HE B: dimensions and masses) and the
-- producer's section tables of the same sections (ArcelorMittal Europe, sales
-- programme "Sections and merchant bars"; A, Iy, Iz, Wel to 4 significant
-- figures, masses to 3). Typed from the published tables; the shape script
-- (type 1) drawn from h, b, tw, tf and r gives the published A, Iy, Iz, Wy and
-- Wz within 0.05 % and A x 7850 kg/m3 the published mass within 0.25 %.
-- MASS is that of the drawn outline, its area x 7850 kg/m3 to 4 significant
-- figures, as the tables compute the masses they print to 3.
--
-- Columns as in EUROpro.sql; MSY and MSZ are the published Wel,y and Wel,z,
-- SURF the length of the outline the script draws (the published AL, which
-- the tables give in m2/m to 3 decimals).

-- HEA
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1100, "HEA", 650, 0, 0, 1, 189.7, 2406.6, 640, 300, 13.5, 26, 27, 0, 24160, 1752000000, 117200000, 150, 150, 320, 320, 5474000, 781600);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1101, "HEA", 700, 0, 0, 1, 204.5, 2504.6, 690, 300, 14.5, 27, 27, 0, 26050, 2153000000, 121800000, 150, 150, 345, 345, 6241000, 811900);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1102, "HEA", 800, 0, 0, 1, 224.4, 2698.5, 790, 300, 15, 28, 30, 0, 28580, 3034000000, 126400000, 150, 150, 395, 395, 7682000, 842600);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1103, "HEA", 900, 0, 0, 1, 251.6, 2896.5, 890, 300, 16, 30, 30, 0, 32050, 4221000000, 135500000, 150, 150, 445, 445, 9485000, 903200);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1104, "HEA", 1000, 0, 0, 1, 272.3, 3095.5, 990, 300, 16.5, 31, 30, 0, 34680, 5538000000, 140000000, 150, 150, 495, 495, 11190000, 933600);

-- HEB
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1200, "HEB", 650, 0, 0, 1, 224.8, 2421.6, 650, 300, 16, 31, 27, 0, 28630, 2106000000, 139800000, 150, 150, 325, 325, 6480000, 932300);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1201, "HEB", 700, 0, 0, 1, 240.5, 2519.6, 700, 300, 17, 32, 27, 0, 30640, 2569000000, 144400000, 150, 150, 350, 350, 7340000, 962700);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1202, "HEB", 800, 0, 0, 1, 262.3, 2713.5, 800, 300, 17.5, 33, 30, 0, 33420, 3591000000, 149000000, 150, 150, 400, 400, 8977000, 993600);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1203, "HEB", 900, 0, 0, 1, 291.5, 2911.5, 900, 300, 18.5, 35, 30, 0, 37130, 4941000000, 158200000, 150, 150, 450, 450, 10980000, 1054000);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (1204, "HEB", 1000, 0, 0, 1, 314.0, 3110.5, 1000, 300, 19, 36, 30, 0, 40000, 6447000000, 162800000, 150, 150, 500, 500, 12890000, 1085000);
