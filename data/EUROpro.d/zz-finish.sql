-- Last script of the EURO catalog, run after EUROpro.sql and every series
-- file of this folder (names sort before "zz-"): what has to see all rows.
--
-- Section values a series file does not give become 0, texts empty and flags
-- false, never null: a reader keeps a member whose column is null from the
-- row it read before. A value a series file set is kept.
UPDATE Shape SET GAP = Nz(GAP, 0), SY = Nz(SY, 0), SZ = Nz(SZ, 0), IX = Nz(IX, 0), IOMEGA = Nz(IOMEGA, 0),
  TORS = Nz(TORS, 0), SHEAR_QY = Nz(SHEAR_QY, 0), SHEAR_QZ = Nz(SHEAR_QZ, 0), GAMMA = Nz(GAMMA, 0),
  A_1 = Nz(A_1, 0), A_2 = Nz(A_2, 0), HAS_MATS = Nz(HAS_MATS, False), MATERIALS = Nz(MATERIALS, ""),
  POINTS = Nz(POINTS, ""), IS_THIN = Nz(IS_THIN, False), B_2 = Nz(B_2, 0), ES_2 = Nz(ES_2, 0),
  P1_L = Nz(P1_L, 0), P1_T = Nz(P1_T, 0), P2_L = Nz(P2_L, 0), P2_T = Nz(P2_T, 0), P3_L = Nz(P3_L, 0),
  P3_T = Nz(P3_T, 0), P4_L = Nz(P4_L, 0), P4_T = Nz(P4_T, 0);

-- Sizes are looked up by name and dimensions, as in a created catalog.
CREATE INDEX ShapeSizes ON Shape (NAME, DIM1, DIM2, DIM3);

-- The scripts of the shape types in use, as a new catalog gets them.
SELECT DISTINCTROW PDLScripts.ID, PDLScripts.SHAPE_TYPE, PDLScripts.PDL_SCRIPT, PDLScripts.IS_SYMMETRIC
  INTO Section FROM PDLScripts INNER JOIN Shape ON PDLScripts.SHAPE_TYPE = Shape.SHAPE_TYPE
  ORDER BY PDLScripts.SHAPE_TYPE;
DROP TABLE PDLScripts;
