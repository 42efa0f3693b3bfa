-- IPE 750, the series' largest height in four weights, completing the IPE of
-- EUROpro.sql (80 to 600). One nominal height carries four sections, so the
-- size names the weight too: IPE 750x137 is DIM1 750, DIM3 137, whose
-- dimension text is "750x137" as EN 10365:2017 designates it (a DIM2 would
-- read "750x137x0").
--
-- Source: EN 10365:2017, as reprinted in the producers' section tables
-- (h, b, tw, tf, r, mass, A, Iy, Iz). Each row's published A, Iy and Iz lie
-- within 0.6 % of the drawn outline and its published mass within 0.5 % of
-- A x 7850 kg/m3.
--
-- Columns as in EUROpro.sql. Written by scripts/euro_sections.py (the tables
-- are typed there); VY VPY VZ VPZ are the centroid distances and SURF the
-- outline length of the section the shape script draws, MSY MSZ the elastic
-- moduli from them and MASS its area x 7850 kg/m3 to 4 significant figures,
-- as the steel tables compute the masses they print to 3.

INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3400, "IPE", 750, 0, 137, 1, 137.0, 2505.8, 753, 263, 11.5, 17, 17, 0, 17460, 1599000000, 51660000, 131.5, 131.5, 376.5, 376.5, 4247000, 392900);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3401, "IPE", 750, 0, 147, 1, 147.2, 2510.4, 753, 265, 13.2, 17, 17, 0, 18750, 1661000000, 52890000, 132.5, 132.5, 376.5, 376.5, 4412000, 399200);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3402, "IPE", 750, 0, 173, 1, 173.7, 2534, 762, 267, 14.4, 21.6, 17, 0, 22130, 2058000000, 68730000, 133.5, 133.5, 381, 381, 5402000, 514800);
INSERT INTO Shape (ID, NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, SURF, H, B, EA, ES, RA, RS, SX, IY, IZ, VY, VPY, VZ, VPZ, MSY, MSZ)
  VALUES (3403, "IPE", 750, 0, 196, 1, 196.9, 2551.6, 770, 268, 15.6, 25.4, 17, 0, 25080, 2403000000, 81750000, 134, 134, 385, 385, 6242000, 610100);
