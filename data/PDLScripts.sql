-- Template of the profile catalogs: PDLScripts.mdb in the data folder.
--
-- A new profile catalog takes its Shape table from ShapeTemplate (columns and
-- rows; the template has none, so a new catalog starts empty) and its Section
-- rows from PDLScripts, one per shape type in use; writing the first profile
-- of a shape type copies that type's row. The library only reads this file.
--
-- PDLScripts: one shape script per shape type, in the grammar of
-- docs/design.md ("Shape scripts (PDL)"). A script draws in the catalog's
-- section unit from the columns of the profile's Shape row:
--
--   type  shape                          columns read            symmetric
--   1     I or H, parallel flanges       H B EA ES RA            yes
--   2     channel, flanges tapered 8 %   H B EA ES RA RS VPY     no
--   3     channel, parallel flanges      H B EA ES RA VPY        no
--   4     angle, equal or unequal legs   H B EA ES RA RS VPY VPZ no
--   5     tee                            H B EA ES RA RS VPZ     yes
--   6     rectangular hollow section     H B EA ES RA RS         yes
--   7     circular hollow section        B EA                    yes
--   8     flat                           H B                     yes
--   9     round bar                      B                       yes
--   10    I, flanges tapered 14 %        H B EA ES RA RS         yes
--   11    channel, flanges tapered 5 %   H B EA ES RA RS VPY     no
--
-- H height, B width, EA web thickness (side walls of a hollow section, the
-- vertical leg of an angle), ES flange thickness (top and bottom walls, the
-- horizontal leg), RA root radius (outer corner radius of a hollow section),
-- RS toe radius (inner corner radius of a hollow section). ES of a tapered
-- flange is its mean thickness: the thickness at half the width B from the
-- back of the web, where the 8 % slope is measured from. The published UPN
-- areas bear this out; measured at the middle of the inner face instead, they
-- come out 1.2 to 1.9 % too high. Likewise the tapered I (IPN): ES at B/4
-- from the web's axis, halfway out along each half flange; measured at the
-- middle of the outstand instead, the areas come out 1 to 1.6 % too high.
--
-- Origin: the centroid. Doubly symmetric shapes are drawn about their centre.
-- The others place the outline from the row's distances to the left and lower
-- edges: the back of a channel's web at x = -VPY, the heel of an angle at
-- (-VPY, -VPZ), the web tip of a tee at y = -VPZ; the rows store those
-- distances so that the origin falls on the centroid. The web is vertical, so
-- IY (about the horizontal axis) is the strong axis.
--
-- IS_SYMMETRIC: the shape is its own mirror image about the vertical axis
-- (a channel or an angle faces one way; an equal angle's diagonal symmetry
-- does not count).
--
-- Outlines run counter-clockwise, holes clockwise. Fillets and roundings are
-- arcs tangent to both neighbours; every radius is drawn, so a zero radius
-- gives an arc of zero length, which the reader passes over.

CREATE TABLE ShapeTemplate (
  ID COUNTER, NAME TEXT(20), DIM1 DOUBLE, DIM2 DOUBLE, DIM3 DOUBLE, SHAPE_TYPE SHORT,
  MASS DOUBLE, SURF DOUBLE, H DOUBLE, B DOUBLE, EA DOUBLE, ES DOUBLE, RA DOUBLE, RS DOUBLE,
  GAP DOUBLE, SX DOUBLE, SY DOUBLE, SZ DOUBLE, IX DOUBLE, IY DOUBLE, IZ DOUBLE, IOMEGA DOUBLE,
  VY DOUBLE, VPY DOUBLE, VZ DOUBLE, VPZ DOUBLE, MSY DOUBLE, MSZ DOUBLE, TORS DOUBLE,
  SHEAR_QY DOUBLE, SHEAR_QZ DOUBLE, GAMMA DOUBLE, SYMBOL MEMO, A_1 DOUBLE, A_2 DOUBLE,
  HAS_MATS YESNO, MATERIALS TEXT(255), POINTS TEXT(255), IS_THIN YESNO, B_2 DOUBLE,
  ES_2 DOUBLE, P1_L DOUBLE, P1_T DOUBLE, P2_L DOUBLE, P2_T DOUBLE, P3_L DOUBLE, P3_T DOUBLE,
  P4_L DOUBLE, P4_T DOUBLE);
CREATE TABLE PDLScripts (ID LONG, SHAPE_TYPE SHORT, PDL_SCRIPT MEMO, IS_SYMMETRIC YESNO);

-- 1: I section.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (1, 1, "// I or H section, parallel flanges: height H, width B, web EA, flanges ES,
// root radius RA. Origin at the centre.
StartContour(-B/2,-H/2,ext);
LineTo(B/2,-H/2);
LineTo(B/2,-H/2+ES);
LineTo(EA/2+RA,-H/2+ES);
ArcTo(EA/2,-H/2+ES+RA,RA,CW);
LineTo(EA/2,H/2-ES-RA);
ArcTo(EA/2+RA,H/2-ES,RA,CW);
LineTo(B/2,H/2-ES);
LineTo(B/2,H/2);
LineTo(-B/2,H/2);
LineTo(-B/2,H/2-ES);
LineTo(-EA/2-RA,H/2-ES);
ArcTo(-EA/2,H/2-ES-RA,RA,CW);
LineTo(-EA/2,-H/2+ES+RA);
ArcTo(-EA/2-RA,-H/2+ES,RA,CW);
LineTo(-B/2,-H/2+ES);
LineTo(-B/2,-H/2);
", True);

-- 2: channel, tapered flanges.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (2, 2, "// Channel, flanges tapered 8 %: height H, width B, web EA, mean flange
// thickness ES (at B/2 from the back of the web), root radius RA, toe radius
// RS. Web back at x = -VPY, toes to the right; origin at mid-height.
StartContour(-VPY,-H/2,ext);
LineTo(-VPY+B,-H/2);
LineTo(-VPY+B,-H/2+ES-0.08*(B/2-RS)-RS*sqrt(1.0064));
ArcTo(-VPY+B-RS+RS*0.08/sqrt(1.0064),-H/2+ES-0.08*(B/2-RS)-RS*sqrt(1.0064)+RS/sqrt(1.0064),-RS,CCW);
LineTo(-VPY+EA+RA-RA*0.08/sqrt(1.0064),-H/2+ES+0.08*(B/2-EA-RA)+RA*sqrt(1.0064)-RA/sqrt(1.0064));
ArcTo(-VPY+EA,-H/2+ES+0.08*(B/2-EA-RA)+RA*sqrt(1.0064),RA,CW);
LineTo(-VPY+EA,H/2-ES-0.08*(B/2-EA-RA)-RA*sqrt(1.0064));
ArcTo(-VPY+EA+RA-RA*0.08/sqrt(1.0064),H/2-ES-0.08*(B/2-EA-RA)-RA*sqrt(1.0064)+RA/sqrt(1.0064),RA,CW);
LineTo(-VPY+B-RS+RS*0.08/sqrt(1.0064),H/2-ES+0.08*(B/2-RS)+RS*sqrt(1.0064)-RS/sqrt(1.0064));
ArcTo(-VPY+B,H/2-ES+0.08*(B/2-RS)+RS*sqrt(1.0064),-RS,CCW);
LineTo(-VPY+B,H/2);
LineTo(-VPY,H/2);
LineTo(-VPY,-H/2);
", False);

-- 3: channel, parallel flanges.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (3, 3, "// Channel, parallel flanges: height H, width B, web EA, flanges ES, root
// radius RA. Web back at x = -VPY, toes to the right; origin at mid-height.
StartContour(-VPY,-H/2,ext);
LineTo(-VPY+B,-H/2);
LineTo(-VPY+B,-H/2+ES);
LineTo(-VPY+EA+RA,-H/2+ES);
ArcTo(-VPY+EA,-H/2+ES+RA,RA,CW);
LineTo(-VPY+EA,H/2-ES-RA);
ArcTo(-VPY+EA+RA,H/2-ES,RA,CW);
LineTo(-VPY+B,H/2-ES);
LineTo(-VPY+B,H/2);
LineTo(-VPY,H/2);
LineTo(-VPY,-H/2);
", False);

-- 4: angle.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (4, 4, "// Angle, equal or unequal legs: vertical leg H thick EA, horizontal leg B
// thick ES, root radius RA, toe radius RS. Heel at (-VPY,-VPZ).
StartContour(-VPY,-VPZ,ext);
LineTo(-VPY+B,-VPZ);
LineTo(-VPY+B,-VPZ+ES-RS);
ArcTo(-VPY+B-RS,-VPZ+ES,-RS,CCW);
LineTo(-VPY+EA+RA,-VPZ+ES);
ArcTo(-VPY+EA,-VPZ+ES+RA,RA,CW);
LineTo(-VPY+EA,-VPZ+H-RS);
ArcTo(-VPY+EA-RS,-VPZ+H,-RS,CCW);
LineTo(-VPY,-VPZ+H);
LineTo(-VPY,-VPZ);
", False);

-- 5: tee.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (5, 5, "// Tee, flange on top: height H, width B, web EA, flange ES, root radius RA,
// flange toe radius RS. Web tip at y = -VPZ; origin on the web's axis.
StartContour(-EA/2,-VPZ,ext);
LineTo(EA/2,-VPZ);
LineTo(EA/2,-VPZ+H-ES-RA);
ArcTo(EA/2+RA,-VPZ+H-ES,RA,CW);
LineTo(B/2-RS,-VPZ+H-ES);
ArcTo(B/2,-VPZ+H-ES+RS,-RS,CCW);
LineTo(B/2,-VPZ+H);
LineTo(-B/2,-VPZ+H);
LineTo(-B/2,-VPZ+H-ES+RS);
ArcTo(-B/2+RS,-VPZ+H-ES,-RS,CCW);
LineTo(-EA/2-RA,-VPZ+H-ES);
ArcTo(-EA/2,-VPZ+H-ES-RA,RA,CW);
LineTo(-EA/2,-VPZ);
", True);

-- 6: rectangular hollow section.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (6, 6, "// Rectangular hollow section: height H, width B, side walls EA, top and
// bottom walls ES, outer corner radius RA, inner corner radius RS. Origin at
// the centre.
StartContour(-B/2+RA,-H/2,ext);
LineTo(B/2-RA,-H/2);
ArcTo(B/2,-H/2+RA,-RA,CCW);
LineTo(B/2,H/2-RA);
ArcTo(B/2-RA,H/2,-RA,CCW);
LineTo(-B/2+RA,H/2);
ArcTo(-B/2,H/2-RA,-RA,CCW);
LineTo(-B/2,-H/2+RA);
ArcTo(-B/2+RA,-H/2,-RA,CCW);
StartContour(-B/2+EA+RS,-H/2+ES,hole);
ArcTo(-B/2+EA,-H/2+ES+RS,RS,CW);
LineTo(-B/2+EA,H/2-ES-RS);
ArcTo(-B/2+EA+RS,H/2-ES,RS,CW);
LineTo(B/2-EA-RS,H/2-ES);
ArcTo(B/2-EA,H/2-ES-RS,RS,CW);
LineTo(B/2-EA,-H/2+ES+RS);
ArcTo(B/2-EA-RS,-H/2+ES,RS,CW);
LineTo(-B/2+EA+RS,-H/2+ES);
", True);

-- 7: circular hollow section.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (7, 7, "// Circular hollow section: outer diameter B, wall EA. Origin at the centre.
StartContour(B/2,0,ext);
ArcTo(0,B/2,-B/2,CCW);
ArcTo(-B/2,0,-B/2,CCW);
ArcTo(0,-B/2,-B/2,CCW);
ArcTo(B/2,0,-B/2,CCW);
StartContour(B/2-EA,0,hole);
ArcTo(0,-(B/2-EA),B/2-EA,CW);
ArcTo(-(B/2-EA),0,B/2-EA,CW);
ArcTo(0,B/2-EA,B/2-EA,CW);
ArcTo(B/2-EA,0,B/2-EA,CW);
", True);

-- 8: flat.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (8, 8, "// Flat: width B, thickness H. Origin at the centre.
StartContour(-B/2,-H/2,ext);
LineTo(B/2,-H/2);
LineTo(B/2,H/2);
LineTo(-B/2,H/2);
LineTo(-B/2,-H/2);
", True);

-- 9: round bar.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (9, 9, "// Round bar: diameter B. Origin at the centre.
StartContour(B/2,0,ext);
ArcTo(0,B/2,-B/2,CCW);
ArcTo(-B/2,0,-B/2,CCW);
ArcTo(0,-B/2,-B/2,CCW);
ArcTo(B/2,0,-B/2,CCW);
", True);

-- 10: I section, tapered flanges.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (10, 10, "// I section, flanges tapered 14 %: height H, width B, web EA, mean flange
// thickness ES (at B/4 from the web's axis), root radius RA, toe radius RS.
// Origin at the centre.
StartContour(-B/2,-H/2,ext);
LineTo(B/2,-H/2);
LineTo(B/2,-H/2+ES-0.14*(B/4-RS)-RS*sqrt(1.0196));
ArcTo(B/2-RS+RS*0.14/sqrt(1.0196),-H/2+ES-0.14*(B/4-RS)-RS*sqrt(1.0196)+RS/sqrt(1.0196),-RS,CCW);
LineTo(EA/2+RA-RA*0.14/sqrt(1.0196),-H/2+ES+0.14*(B/4-EA/2-RA)+RA*sqrt(1.0196)-RA/sqrt(1.0196));
ArcTo(EA/2,-H/2+ES+0.14*(B/4-EA/2-RA)+RA*sqrt(1.0196),RA,CW);
LineTo(EA/2,H/2-ES-0.14*(B/4-EA/2-RA)-RA*sqrt(1.0196));
ArcTo(EA/2+RA-RA*0.14/sqrt(1.0196),H/2-ES-0.14*(B/4-EA/2-RA)-RA*sqrt(1.0196)+RA/sqrt(1.0196),RA,CW);
LineTo(B/2-RS+RS*0.14/sqrt(1.0196),H/2-ES+0.14*(B/4-RS)+RS*sqrt(1.0196)-RS/sqrt(1.0196));
ArcTo(B/2,H/2-ES+0.14*(B/4-RS)+RS*sqrt(1.0196),-RS,CCW);
LineTo(B/2,H/2);
LineTo(-B/2,H/2);
LineTo(-B/2,H/2-ES+0.14*(B/4-RS)+RS*sqrt(1.0196));
ArcTo(-B/2+RS-RS*0.14/sqrt(1.0196),H/2-ES+0.14*(B/4-RS)+RS*sqrt(1.0196)-RS/sqrt(1.0196),-RS,CCW);
LineTo(-EA/2-RA+RA*0.14/sqrt(1.0196),H/2-ES-0.14*(B/4-EA/2-RA)-RA*sqrt(1.0196)+RA/sqrt(1.0196));
ArcTo(-EA/2,H/2-ES-0.14*(B/4-EA/2-RA)-RA*sqrt(1.0196),RA,CW);
LineTo(-EA/2,-H/2+ES+0.14*(B/4-EA/2-RA)+RA*sqrt(1.0196));
ArcTo(-EA/2-RA+RA*0.14/sqrt(1.0196),-H/2+ES+0.14*(B/4-EA/2-RA)+RA*sqrt(1.0196)-RA/sqrt(1.0196),RA,CW);
LineTo(-B/2+RS-RS*0.14/sqrt(1.0196),-H/2+ES-0.14*(B/4-RS)-RS*sqrt(1.0196)+RS/sqrt(1.0196));
ArcTo(-B/2,-H/2+ES-0.14*(B/4-RS)-RS*sqrt(1.0196),-RS,CCW);
LineTo(-B/2,-H/2);
", True);

-- 11: channel, tapered flanges 5 % (UPN deeper than 300). Their tables give
-- the flange thickness at the middle of its inner face, not at B/2 as for
-- the 8 % channels: only so do their published areas and moments come out.
INSERT INTO PDLScripts (ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (11, 11, "// Channel, flanges tapered 5 %: height H, width B, web EA, mean flange
// thickness ES (at the middle of the flange's inner face, (B+EA)/2 from the
// back of the web), root radius RA, toe radius RS. Web back at x = -VPY,
// toes to the right; origin at mid-height.
StartContour(-VPY,-H/2,ext);
LineTo(-VPY+B,-H/2);
LineTo(-VPY+B,-H/2+ES-0.05*((B-EA)/2-RS)-RS*sqrt(1.0025));
ArcTo(-VPY+B-RS+RS*0.05/sqrt(1.0025),-H/2+ES-0.05*((B-EA)/2-RS)-RS*sqrt(1.0025)+RS/sqrt(1.0025),-RS,CCW);
LineTo(-VPY+EA+RA-RA*0.05/sqrt(1.0025),-H/2+ES+0.05*((B-EA)/2-RA)+RA*sqrt(1.0025)-RA/sqrt(1.0025));
ArcTo(-VPY+EA,-H/2+ES+0.05*((B-EA)/2-RA)+RA*sqrt(1.0025),RA,CW);
LineTo(-VPY+EA,H/2-ES-0.05*((B-EA)/2-RA)-RA*sqrt(1.0025));
ArcTo(-VPY+EA+RA-RA*0.05/sqrt(1.0025),H/2-ES-0.05*((B-EA)/2-RA)-RA*sqrt(1.0025)+RA/sqrt(1.0025),RA,CW);
LineTo(-VPY+B-RS+RS*0.05/sqrt(1.0025),H/2-ES+0.05*((B-EA)/2-RS)+RS*sqrt(1.0025)-RS/sqrt(1.0025));
ArcTo(-VPY+B,H/2-ES+0.05*((B-EA)/2-RS)+RS*sqrt(1.0025),-RS,CCW);
LineTo(-VPY+B,H/2);
LineTo(-VPY,H/2);
LineTo(-VPY,-H/2);
", False);
