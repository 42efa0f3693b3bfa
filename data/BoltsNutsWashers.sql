-- Bolt standards catalog: which nut, washer and clamping-range catalogs belong
-- to each bolt catalog. Every column holds a catalog FILE name ("Bolts_" +
-- standard + ".mdb" and so on); the catalog code upper-cases a name and strips
-- prefix and ".MDB" to get the standard's short name, so the case of a stored
-- name does not matter ("bolts_iso4014.mdb" is the standard ISO4014).
--
-- Source: the bundled fastener catalogs of this folder; the sets are
-- ISO 4014 / ISO 4017 bolts with ISO 4032 nuts and ISO 7089 washers, the
-- EN 14399-4 HV set with EN 14399-6 washers, and A325 and A490 bolts
-- (ASTM F3125) with A563 nuts and F436 washers; each with its clamping
-- ranges but ISO 4017, whose bolts are threaded to the head. Each
-- catalog names its standard and edition in its source_standard property.
-- EN 14399-10 (HRC) sets are not bundled.
--
-- Rules:
-- - ClampingRange is NULL where no clamping-range catalog exists (ISO 4017:
--   no plain shank; DIN931: not bundled).
-- - The DIN931 row names files that are not bundled: lists of bolt, nut and
--   washer standards leave it out, since they keep only names whose catalog
--   opens.
-- - A nut or washer file name is spelt the same way in every row that shares
--   it, so that each standard appears once in the lists (they take DISTINCT
--   file names).
-- Built into BoltsNutsWashers.mdb by zeptmkcat.

CREATE TABLE Bolts (BoltStand TEXT(100), NutStand TEXT(100), WasherStand TEXT(100), ClampingRange TEXT(100));

INSERT INTO Bolts (BoltStand, NutStand, WasherStand, ClampingRange) VALUES ("Bolts_ISO4017.mdb", "Nuts_ISO4032.mdb", "Washers_ISO7089.mdb", NULL);
INSERT INTO Bolts (BoltStand, NutStand, WasherStand, ClampingRange) VALUES ("bolts_iso4014.mdb", "Nuts_ISO4032.mdb", "Washers_ISO7089.mdb", "cr_ISO4014.mdb");
INSERT INTO Bolts (BoltStand, NutStand, WasherStand, ClampingRange) VALUES ("Bolts_EN14399.mdb", "Nuts_EN14399.mdb", "Washers_EN14399.mdb", "cr_EN14399.mdb");
INSERT INTO Bolts (BoltStand, NutStand, WasherStand, ClampingRange) VALUES ("Bolts_A325.mdb", "Nuts_A563.mdb", "washers_f436.MDB", "cr_A325.mdb");
INSERT INTO Bolts (BoltStand, NutStand, WasherStand, ClampingRange) VALUES ("Bolts_A490.mdb", "Nuts_A563.mdb", "washers_f436.MDB", "cr_A490.mdb");
INSERT INTO Bolts (BoltStand, NutStand, WasherStand, ClampingRange) VALUES ("Bolts_DIN931.mdb", "Nuts_DIN934.mdb", "Washers_DIN125.mdb", NULL);
