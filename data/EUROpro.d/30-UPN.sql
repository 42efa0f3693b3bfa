-- UPN channels completing the series of EUROpro.sql (80 to 300): 30x15 to 60
-- and 320 to 380.
--
-- Source: DIN 1026-1:2000 dimensions and section values, which EN 10365:2017
-- and the producers' section tables reprint; tolerances EN 10279:2000.
-- Flanges taper 8 % up to h = 300 (shape type 2, tf at b/2 from the back of
-- the web) and 5 % from 320 on (shape type 11): those tables give the 5 %
-- flange's thickness at the middle of its inner face, which is where their
-- published areas and moments come out.
-- Left out, because a published value lies further from the drawn section
-- than the catalog test allows (0.6 %, or half the printed step of a small
-- value): U 30 (Iz 4 % off; its dimensions could not be confirmed), U 65
-- (Iz 14.1 cm4, drawn 13.98) and UPN 400 (Iz 846 cm4, drawn 851.1; ys
-- 2.65 cm, drawn 2.68). U 50's published Iy and Iz differ from the drawn
-- section by 0.4 % and 0.3 %: the published values are kept.
--
-- Columns as in EUROpro.sql. Written by scripts/euro_sections.py (the tables
-- are typed there); VY VPY VZ VPZ are the centroid distances and SURF the
-- outline length of the section the shape script draws, MSY MSZ the elastic
-- moduli from them and MASS its area x 7850 kg/m3 to 4 significant figures,
-- as the steel tables compute the masses they print to 3.

INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3000, "UPN", 30, 0, 15, 2, 1.737, 105.7, 30, 15, 4, 4.5, 4.5, 2, 221, 25300, 3800, 9.83, 5.17, 15, 15, 1687, 386.6);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3001, "UPN", 40, 0, 20, 2, 2.870, 142.4, 40, 20, 5, 5.5, 5, 2.5, 366, 75800, 11400, 13.29, 6.71, 20, 20, 3790, 857.8);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3002, "UPN", 40, 0, 0, 2, 4.875, 197.9, 40, 35, 5, 7, 7, 3.5, 621, 141000, 66800, 21.7, 13.3, 20, 20, 7050, 3078);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3003, "UPN", 50, 0, 25, 2, 3.859, 180.5, 50, 25, 5, 6, 6, 3, 492, 168000, 24900, 16.86, 8.14, 25, 25, 6720, 1477);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3004, "UPN", 50, 0, 0, 2, 5.588, 229.5, 50, 38, 5, 7, 7, 3.5, 712, 264000, 91200, 24.31, 13.69, 25, 25, 10560, 3752);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3005, "UPN", 60, 0, 0, 2, 5.072, 217.9, 60, 30, 6, 6, 6, 3, 646, 316000, 45100, 20.91, 9.09, 30, 30, 10530, 2157);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3006, "UPN", 320, 0, 0, 11, 59.48, 983.6, 320, 100, 14, 17.5, 17.5, 8.75, 7580, 108700000, 5970000, 74.03, 25.97, 160, 160, 679400, 80640);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3007, "UPN", 350, 0, 0, 11, 60.64, 1045.3, 350, 100, 14, 16, 16, 8, 7730, 128400000, 5700000, 76.03, 23.97, 175, 175, 733700, 74970);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3008, "UPN", 380, 0, 0, 11, 63.08, 1114.1, 380, 102, 13.5, 16, 16, 8, 8040, 157600000, 6150000, 78.16, 23.84, 190, 190, 829500, 78680);
