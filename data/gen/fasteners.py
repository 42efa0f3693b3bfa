#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the SQL texts of the bundled fastener catalogs.

    python3 data/gen/fasteners.py           rewrite the files in data/
    python3 data/gen/fasteners.py --check   exit 1 when a file differs

Published dimensions are typed below from their standards, one table per
standard, and written as they stand. The script only expands them: one
BoltsTypes row per size, length and class, thread lengths from the rule the
standard states, and the clamping ranges of the HV, ISO 4014 and inch
structural sets, which no table gives and which follow from bolt, nut and
washer dimensions. Edit the tables
here and run the script; never edit the generated files by hand.

Standard library only; the output depends on nothing but this file.
"""

import math
import sys
from fractions import Fraction
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent

# The nominal lengths l of ISO 4014 / ISO 4017 / EN 14399-4 bolts: 12 to 70
# in steps of 5 (without 75), 80 to 160 in steps of 10, 180 to 500 in steps
# of 20.
PREFERRED_LENGTHS = [12, 16, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70] + list(range(80, 161, 10)) + \
    list(range(180, 501, 20))

# ISO 261:1998 coarse thread pitch P.
PITCH = {8: 1.25, 10: 1.5, 12: 1.75, 16: 2, 20: 2.5, 22: 2.5, 24: 3, 27: 3, 30: 3.5, 36: 4,
         42: 4.5, 48: 5, 56: 5.5, 64: 6}

# ISO 4014:2011 / ISO 4017:2011, product grades A and B: width across flats s
# and nominal head height k.
ISO_HEAD = {8: (13, 5.3), 10: (16, 6.4), 12: (18, 7.5), 16: (24, 10), 20: (30, 12.5), 24: (36, 15),
            30: (46, 18.7), 36: (55, 22.5), 42: (65, 26), 48: (75, 30), 56: (85, 35), 64: (95, 40)}

# Nominal length range l of each size. M12 to M30 keep the ranges of the
# table they were first checked against; the other sizes from ISO 4014:2011 /
# ISO 4017:2011 table 1.
ISO4014_LENGTHS = {8: (40, 80), 10: (45, 100), 12: (50, 150), 16: (55, 200), 20: (60, 300), 24: (80, 220),
                   30: (110, 300), 36: (140, 360), 42: (160, 440), 48: (180, 480), 56: (220, 500),
                   64: (260, 500)}
ISO4017_LENGTHS = {8: (16, 80), 10: (20, 100), 12: (25, 120), 16: (30, 150), 20: (40, 160), 24: (50, 180),
                   30: (60, 200), 36: (70, 200)}


def iso4014_thread(d, l):
    """ISO 4014 reference thread length b: 2d + 6 up to l = 125, 2d + 12 up to 200, 2d + 25 beyond."""
    return 2 * d + (6 if l <= 125 else 12 if l <= 200 else 25)


# ISO 4032:2012 style 1 nuts: height m (max); s as the bolt head.
ISO4032_HEIGHT = {8: 6.8, 10: 8.4, 12: 10.8, 16: 14.8, 20: 18, 24: 21.5, 30: 25.6, 36: 31, 42: 34, 48: 38,
                  56: 45, 64: 51}

# ISO 7089:2000 plain washers, normal series: d1 (min), d2 (max), h (nominal).
ISO7089 = {8: (8.4, 16, 1.6), 10: (10.5, 20, 2), 12: (13, 24, 2.5), 16: (17, 30, 3), 20: (21, 37, 3),
           24: (25, 44, 4), 30: (31, 56, 4), 36: (37, 66, 5), 42: (45, 78, 8), 48: (52, 92, 8),
           56: (62, 105, 10), 64: (70, 115, 10)}

# EN 14399-4:2015 HV bolts: reference thread length b, width across flats s,
# nominal head height k; HV nuts: height m (max), s as the bolt.
HV_BOLT = {12: (23, 22, 8), 16: (28, 27, 10), 20: (33, 32, 13), 22: (34, 36, 14), 24: (39, 41, 15),
           27: (41, 46, 17), 30: (44, 50, 19), 36: (52, 60, 23)}
HV_NUT_HEIGHT = {12: 10, 16: 13, 20: 16, 22: 18, 24: 20, 27: 22, 30: 24, 36: 29}

# EN 14399-6:2015 plain chamfered washers: d1 (min), d2 (max), h (nominal).
EN14399_6 = {12: (13, 24, 3), 16: (17, 30, 4), 20: (21, 37, 4), 22: (23, 39, 4), 24: (25, 44, 4),
             27: (28, 50, 5), 30: (31, 56, 5), 36: (37, 66, 6)}


def hv_lengths(d):
    """HV bolt lengths: 5 mm steps from the first nominal length >= 2.5d up to 10d, at most 200.

    HV sets are stocked in 5 mm steps over the whole range; with the 20 mm
    steps of the ISO series above 160 the grips between two lengths had no bolt.
    """
    first = next(l for l in PREFERRED_LENGTHS if l >= 2.5 * d)
    return list(range(first, min(10 * d, 200) + 1, 5))


# Heavy hex structural bolts and nuts, ASME B18.2.6-2010, inches: UNC threads
# per inch, width across flats F (bolt head and nut), thread length of the
# bolt, nut height H; F436-11 circular washers: nominal inside and outside
# diameter.
Q = Fraction
INCH = [
    # d, threads/in, F, thread length, nut H, washer ID, washer OD
    (Q(1, 2), 13, Q(7, 8), Q(1), Q(31, 64), Q(17, 32), Q(17, 16)),
    (Q(5, 8), 11, Q(17, 16), Q(5, 4), Q(39, 64), Q(11, 16), Q(21, 16)),
    (Q(3, 4), 10, Q(5, 4), Q(11, 8), Q(47, 64), Q(13, 16), Q(47, 32)),
    (Q(7, 8), 9, Q(23, 16), Q(3, 2), Q(55, 64), Q(15, 16), Q(7, 4)),
    (Q(1), 8, Q(13, 8), Q(7, 4), Q(63, 64), Q(9, 8), Q(2)),
    (Q(9, 8), 7, Q(29, 16), Q(2), Q(71, 64), Q(5, 4), Q(9, 4)),
    (Q(5, 4), 7, Q(2), Q(2), Q(39, 32), Q(11, 8), Q(5, 2)),
    (Q(11, 8), 6, Q(35, 16), Q(9, 4), Q(43, 32), Q(3, 2), Q(11, 4)),
    (Q(3, 2), 6, Q(19, 8), Q(9, 4), Q(47, 32), Q(13, 8), Q(3)),
]
F436_THICKNESS = Q(5, 32)


def inch_lengths(d, thread):
    """Quarter-inch lengths from thread length + d (rounded up) to 12d, at most 8 in."""
    first = Q(math.ceil((thread + d) * 4), 4)
    last = min(12 * d, Q(8))
    return [first + Q(i, 4) for i in range(int((last - first) * 4) + 1)]


def num(x):
    """A number as the SQL texts write it: no trailing zeros, no exponent."""
    x = float(x)
    return str(int(x)) if x == int(x) else format(x, '.10g')


def fraction(x):
    """1.125 as 1-1/8, 0.5 as 1/2."""
    x = Q(x)
    whole, rest = divmod(x, 1)
    if rest == 0:
        return str(whole)
    return (f"{whole}-" if whole else "") + f"{rest.numerator}/{rest.denominator}"


def inch_symbol(d):
    return "'" + fraction(d) + "\"'"


def header(text):
    return "".join("--" + (" " + line if line else "") + "\n" for line in text.strip("\n").split("\n"))


LENGTH_NAMES = """
The column names "Lenght" and "ThreadLenght" are the catalog's own
spelling, which the catalog code queries; they are not typos to fix.
"""


def properties(standard, comment):
    return f'PROPERTY source_standard TEXT "{standard}";\nPROPERTY catalog_comment TEXT "{comment}";\n'


def bolt_catalog(head, props, sizes, unit, class_title):
    """sizes: (diameter, symbol, comment, [(length, thread)], [class]) in order."""
    lengths = sorted({l for s in sizes for l, _ in s[3]})
    classes = []
    for s in sizes:
        classes += [c for c in s[4] if c not in classes]
    out = [header(head + LENGTH_NAMES), "\n", props, "\n"]
    out.append("CREATE TABLE Bolts (Id COUNTER, Diameter DOUBLE, Symbol TEXT(20), TextComment TEXT(100));\n"
               "CREATE TABLE Shanks (Id COUNTER, Lenght DOUBLE);\n"
               "CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));\n"
               "CREATE TABLE BoltsTypes (Id COUNTER, BoltId LONG, ShankId LONG, MaterialId LONG, "
               "ThreadLenght DOUBLE);\n"
               "CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));\n\n-- Sizes.\n")
    for i, (d, symbol, comment, _, _) in enumerate(sizes, 1):
        out.append(f"INSERT INTO Bolts (Id, Diameter, Symbol, TextComment) VALUES ({i}, {num(d)}, {symbol}, "
                   f"\"{comment}\");\n")
    out.append(f"\n-- Nominal lengths l ({unit}).\n")
    for i, l in enumerate(lengths, 1):
        out.append(f"INSERT INTO Shanks (Id, Lenght) VALUES ({i}, {num(l)});\n")
    out.append(f"\n-- {class_title}\n")
    for i, c in enumerate(classes, 1):
        out.append(f"INSERT INTO Materials (Id, Symbol) VALUES ({i}, \"{c}\");\n")
    out.append("\n-- Bolt types: one row per size, length and material, with its thread length.\n")
    row = 0
    for i, (d, symbol, _, rows, size_classes) in enumerate(sizes, 1):
        for c in size_classes:
            name = symbol.strip("'\"")
            if unit == "in":
                name += '"'
            out.append(f"-- {name} x {num(rows[0][0])}..{num(rows[-1][0])}, {c}\n")
            for l, thread in rows:
                row += 1
                out.append(f"INSERT INTO BoltsTypes (Id, BoltId, ShankId, MaterialId, ThreadLenght) VALUES "
                           f"({row}, {i}, {lengths.index(l) + 1}, {classes.index(c) + 1}, {num(thread)});\n")
    out.append("\n-- Units of the measured columns.\n")
    for table, field in (("Bolts", "Diameter"), ("Shanks", "Lenght"), ("BoltsTypes", "ThreadLenght")):
        out.append(f"INSERT INTO Descriptions ([Table], Field, Unit) VALUES (\"{table}\", \"{field}\", \"{unit}\");\n")
    return "".join(out)


def nut_catalog(head, props, sizes, classes, unit, class_title):
    """sizes: (d, symbol, s, m, [class indices] or None for all)."""
    out = [header(head), "\n", props, "\n"]
    out.append("CREATE TABLE Nuts (Id COUNTER, InnerDiam DOUBLE, OuterDiam DOUBLE, Thick DOUBLE, Symbol TEXT(20));\n"
               "CREATE TABLE NutsTypes (Id COUNTER, NutId LONG, MaterialId LONG);\n"
               "CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));\n"
               "CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));\n\n"
               "-- Sizes: InnerDiam = nominal thread diameter d, OuterDiam = width across flats s, "
               "Thick = height m.\n")
    for i, (d, symbol, s, m, _) in enumerate(sizes, 1):
        out.append(f"INSERT INTO Nuts (Id, InnerDiam, OuterDiam, Thick, Symbol) VALUES ({i}, {num(d)}, {num(s)}, "
                   f"{num(m)}, {symbol});\n")
    out.append(f"\n-- {class_title}\n")
    for i, c in enumerate(classes, 1):
        out.append(f"INSERT INTO Materials (Id, Symbol) VALUES ({i}, \"{c}\");\n")
    out.append("\n-- Nut types: each size in the classes it is made in.\n")
    row = 0
    for i, size in enumerate(sizes, 1):
        for c in size[4] or classes:
            row += 1
            out.append(f"INSERT INTO NutsTypes (Id, NutId, MaterialId) VALUES ({row}, {i}, {classes.index(c) + 1});\n")
    out.append("\n-- Units: the catalog code reads the row for Nuts/Diag.\n")
    for field in ("Diag", "InnerDiam", "OuterDiam", "Thick"):
        out.append(f"INSERT INTO Descriptions ([Table], Field, Unit) VALUES (\"Nuts\", \"{field}\", \"{unit}\");\n")
    return "".join(out)


def washer_catalog(head, props, sizes, classes, unit, class_title):
    """sizes: (d, symbol, d1, d2, h)."""
    out = [header(head), "\n", props, "\n"]
    out.append("CREATE TABLE Washers (Id COUNTER, InnerDiam DOUBLE, HoleDiam DOUBLE, OuterDiam DOUBLE, Thick DOUBLE, "
               "Symbol TEXT(20));\n"
               "CREATE TABLE WashersTypes (Id COUNTER, WasherId LONG, MaterialId LONG);\n"
               "CREATE TABLE Materials (Id COUNTER, Symbol TEXT(10));\n"
               "CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));\n\n"
               "-- Sizes: InnerDiam = the nominal bolt diameter d the washer is\n"
               "--   looked up by, HoleDiam = hole diameter d1, OuterDiam = d2, Thick = h; "
               "Symbol names the bolt size.\n")
    for i, (d, symbol, d1, d2, h) in enumerate(sizes, 1):
        out.append(f"INSERT INTO Washers (Id, InnerDiam, HoleDiam, OuterDiam, Thick, Symbol) VALUES ({i}, {num(d)}, "
                   f"{num(d1)}, {num(d2)}, {num(h)}, {symbol});\n")
    out.append(f"\n-- {class_title}\n")
    for i, c in enumerate(classes, 1):
        out.append(f"INSERT INTO Materials (Id, Symbol) VALUES ({i}, \"{c}\");\n")
    out.append("\n-- Washer types: every size in every class.\n")
    row = 0
    for i in range(1, len(sizes) + 1):
        for k in range(1, len(classes) + 1):
            row += 1
            out.append(f"INSERT INTO WashersTypes (Id, WasherId, MaterialId) VALUES ({row}, {i}, {k});\n")
    out.append("\n-- Units: the catalog code reads the row for Washers/InnerDiam.\n")
    for field in ("InnerDiam", "OuterDiam", "Thick"):
        out.append(f"INSERT INTO Descriptions ([Table], Field, Unit) VALUES (\"Washers\", \"{field}\", \"{unit}\");\n")
    return "".join(out)


# --- ISO 4014 / ISO 4017 / ISO 4032 / ISO 7089 ------------------------------

ISO_OMITTED = """
Left out: the non-preferred sizes M14, M18, M22, M27, M33 and M39 (their
values are not checked here).
"""

ISO_CLASSES = """
Property classes (ISO 898-1:2013) 8.8 and 10.9 up to M36. ISO 898-1 stops at
M39; above it the class is as agreed, and M42 to M64 are offered in 8.8 only.
"""


def iso4014():
    head = f"""
Bolt catalog ISO 4014: hexagon head bolts, partly threaded, M8 to M64.

Sources: ISO 4014:2011 (product grades A and B) for s, k and the length
ranges; ISO 261:1998 for the coarse pitch P. M12 to M30 keep the length
ranges of the table they were first checked against (M12 50-150,
M16 55-200, M20 60-300, M24 80-220, M30 110-300); the other sizes take
those of ISO 4014 table 1 (M8 40-80, M10 45-100, M36 140-360,
M42 160-440, M48 180-480, M56 220-500, M64 260-500).
{ISO_OMITTED}
Derivation rules:
- Lengths: the nominal lengths of ISO 4014 (12-70 by 5 without 75, 80-160 by
  10, 180-500 by 20) that lie within the size's range.
- Thread length: the reference b of ISO 4014, b = 2d + 6 (l <= 125),
  2d + 12 (125 < l <= 200), 2d + 25 (l > 200).
{ISO_CLASSES}
Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Bolts_ISO4014.mdb by zeptmkcat; lengths in mm.
"""
    sizes = []
    for d, (lo, hi) in ISO4014_LENGTHS.items():
        s, k = ISO_HEAD[d]
        lengths = [l for l in PREFERRED_LENGTHS if lo <= l <= hi]
        sizes.append((d, f'"M{d}"', f"ISO 4014 M{d}: P {num(PITCH[d])}, s {s}, k {num(k)}, l {lo}-{hi}",
                      [(l, iso4014_thread(d, l)) for l in lengths], ["8.8", "10.9"] if d <= 36 else ["8.8"]))
    return bolt_catalog(head, properties("ISO 4014:2011", "Hexagon head bolts, partly threaded, M8 to M64"),
                        sizes, "mm", "Property classes (ISO 898-1).")


def iso4017():
    head = f"""
Bolt catalog ISO 4017: hexagon head bolts threaded to the head, M8 to M36.

Sources: ISO 4017:2011 (product grades A and B) for s, k and the length
ranges; ISO 261:1998 for the coarse pitch P. M12 to M30 keep the length
ranges of the table they were first checked against (M12 25-120,
M16 30-150, M20 40-160, M24 50-180, M30 60-200); the other sizes take
those of ISO 4017 table 1 (M8 16-80, M10 20-100, M36 70-200).
{ISO_OMITTED.rstrip()} M42 to M64 are left out as well: fully threaded
bolts of those sizes are rare in steelwork, and their ranges are not checked.

Derivation rules:
- Lengths: the nominal lengths of ISO 4017 that lie within the size's range.
- Thread length = nominal length l (threaded to the head).
- Property classes (ISO 898-1:2013) 8.8 and 10.9 for every size and length.

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Bolts_ISO4017.mdb by zeptmkcat; lengths in mm.
"""
    sizes = []
    for d, (lo, hi) in ISO4017_LENGTHS.items():
        s, k = ISO_HEAD[d]
        lengths = [l for l in PREFERRED_LENGTHS if lo <= l <= hi]
        sizes.append((d, f'"M{d}"', f"ISO 4017 M{d}: P {num(PITCH[d])}, s {s}, k {num(k)}, l {lo}-{hi}",
                      [(l, l) for l in lengths], ["8.8", "10.9"]))
    return bolt_catalog(head, properties("ISO 4017:2011", "Hexagon head bolts, threaded to the head, M8 to M36"),
                        sizes, "mm", "Property classes (ISO 898-1).")


def iso4032():
    head = f"""
Nut catalog ISO 4032: hexagon nuts, style 1, M8 to M64.

Source: ISO 4032:2012: height m (max) and width across flats s.
{ISO_OMITTED}
Property classes (ISO 898-2:2012) 8 and 10 up to M36. ISO 898-2 stops at
M39; above it the class is as agreed, and M42 to M64 are offered in class 8
only, the nut of the 8.8 bolts of ISO 4014.
Plausibility: m/d from 0.80 (M64) to 0.93 (M16); s as the bolt head.

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Nuts_ISO4032.mdb by zeptmkcat; dimensions in mm.
"""
    sizes = [(d, f'"M{d}"', ISO_HEAD[d][0], m, None if d <= 36 else ["8"]) for d, m in ISO4032_HEIGHT.items()]
    return nut_catalog(head, properties("ISO 4032:2012", "Hexagon nuts, style 1, M8 to M64"), sizes, ["8", "10"],
                       "mm", "Property classes (ISO 898-2).")


def iso7089():
    head = f"""
Washer catalog ISO 7089: plain washers, normal series, for M8 to M64.

Source: ISO 7089:2000: hole diameter d1 (min), outside diameter d2 (max),
thickness h (nominal).
{ISO_OMITTED}
Hardness classes 200 HV and 300 HV for every size (300 HV under 10.9 bolts).
Plausibility: d2/d from 1.8 to 2.0; d1 - d from 0.4 (M8) to 6 (M64).

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Washers_ISO7089.mdb by zeptmkcat; dimensions in mm.
"""
    sizes = [(d, f'"M{d}"', d1, d2, h) for d, (d1, d2, h) in ISO7089.items()]
    return washer_catalog(head, properties("ISO 7089:2000", "Plain washers, normal series, M8 to M64"), sizes,
                          ["200 HV", "300 HV"], "mm", "Hardness classes.")


# --- EN 14399 HV sets --------------------------------------------------------

HV_OMITTED = """
EN 14399-10 (HRC sets with calibrated preload) is not bundled: its round-head
dimensions are not checked here.
"""


def en14399_bolts():
    head = f"""
Bolt catalog EN 14399-4: HV high-strength structural bolts, M12 to M36.

Sources: EN 14399-4:2015 for the reference thread length b, width across
flats s and nominal head height k; ISO 261:1998 for the coarse pitch P.
{HV_OMITTED}
Derivation rules:
- Lengths: 5 mm steps from the smallest nominal length >= 2.5d up to 10d,
  at most 200 (M12 30-120, M16 40-160, M20 50-200, M22 55-200, M24 60-200,
  M27 70-200, M30 80-200, M36 90-200); a choice of this catalog, not the
  standard's range. The steps are those HV sets are stocked in; they keep
  the clamping ranges of cr_EN14399 free of gaps.
- Thread length = b (reference) of the size, for every length.
- Property class 10.9.
Plausibility: s/d from 1.6 (M20) to 1.83 (M12), larger than the ISO 4014
head of the same size; k/d 0.62 to 0.67; l - b > 0 for every row.

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Bolts_EN14399.mdb by zeptmkcat; lengths in mm.
"""
    sizes = []
    for d, (b, s, k) in HV_BOLT.items():
        sizes.append((d, f'"M{d}"', f"EN 14399-4 HV M{d}: P {num(PITCH[d])}, s {s}, k {k}, b {b}",
                      [(l, b) for l in hv_lengths(d)], ["10.9"]))
    return bolt_catalog(head, properties("EN 14399-4:2015", "HV high-strength structural bolts, M12 to M36"),
                        sizes, "mm", "Property class (ISO 898-1).")


def en14399_nuts():
    head = """
Nut catalog EN 14399-4: HV nuts, M12 to M36.

Source: EN 14399-4:2015: height m (max); width across flats s as the HV bolt.
Property class 10.
Plausibility: m/d 0.80 to 0.83, lower than the ISO 4032 nut (0.85 to 0.93),
as HV nuts are.

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Nuts_EN14399.mdb by zeptmkcat; dimensions in mm.
"""
    sizes = [(d, f'"M{d}"', HV_BOLT[d][1], m, None) for d, m in HV_NUT_HEIGHT.items()]
    return nut_catalog(head, properties("EN 14399-4:2015", "HV nuts, M12 to M36"), sizes, ["10"], "mm",
                       "Property class (EN 14399-4).")


def en14399_washers():
    head = """
Washer catalog EN 14399: plain chamfered washers of the HV sets, M12 to M36.

Source: EN 14399-6:2015: hole diameter d1 (min), outside diameter d2 (max),
thickness h. The washers are thicker than ISO 7089's (M12 3, M16 to M24 4,
M27 and M30 5, M36 6).
Hardness 300 HV to 370 HV.

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Washers_EN14399.mdb by zeptmkcat; dimensions in mm.
"""
    sizes = [(d, f'"M{d}"', d1, d2, h) for d, (d1, d2, h) in EN14399_6.items()]
    return washer_catalog(head, properties("EN 14399-6:2015", "Plain chamfered washers of the HV sets, M12 to M36"),
                          sizes, ["300 HV"], "mm", "Hardness class.")


GRIP_RULE = """
Grip rule, for each bolt length l and 1 or 2 washers (n) of h:
  clamped thickness t from lg,max - n h up to l - m - n h - P
  (bolt length - nut height - washer thicknesses - one pitch of protrusion).
- RangeUpper = l - n h - m - P: the bolt protrudes at least one thread pitch
  beyond the nut.
- RangeLower = lg,max - n h: the nut's bearing face lies on complete thread
  even for a bolt whose plain shank and thread run-out take all of lg,max.
- RangeLower and RangeUpper are the clamped thickness of the parts, the
  washers not included.
- ShankLength = lg,max = l - b (so ShankLength + ThreadLength = l);
  ls,min is ShankLength - 3P. ThreadLength = b.
"""


def clamping(head, props, sets, unit):
    """sets: (d, label, P, m, h, [(l, b)]) per size; one range per length and washer count.

    Asserts what the catalog promises: each range starts within the one of
    the next shorter bolt, so that no thickness between the shortest bolt's
    and the longest's has none.
    """
    out = [header(head), "\n", props,
           "\nCREATE TABLE GripLength (Id LONG, Diameter DOUBLE, WasherNum LONG, RangeLower DOUBLE, RangeUpper DOUBLE, "
           "ShankLength DOUBLE, ThreadLength DOUBLE);\n"
           "CREATE TABLE Descriptions ([Table] TEXT(30), Field TEXT(30), Unit TEXT(10));\n"]
    row = 0
    for d, label, p, m, h, lengths in sets:
        threads = sorted({b for _, b in lengths})
        for n in (1, 2):
            washers = "washer" if n == 1 else "washers"
            out.append(f"\n-- {label}, {n} {washers} (b {'/'.join(num(b) for b in threads)}, P {num(p)}, m {num(m)}, "
                       f"h {num(h)}): lengths {num(lengths[0][0])}..{num(lengths[-1][0])}\n")
            previous_upper = None
            for l, b in lengths:
                row += 1
                lower, upper = l - b - n * h, l - n * h - m - p
                assert 0 < lower < upper, f"{label} x {l}: empty range"
                assert previous_upper is None or lower <= previous_upper, f"{label} x {l}: grip gap"
                previous_upper = upper
                out.append(f"INSERT INTO GripLength (Id, Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, "
                           f"ThreadLength) VALUES ({row}, {num(d)}, {n}, {num(lower)}, {num(upper)}, {num(l - b)}, "
                           f"{num(b)});\n")
    out.append("\n-- Units of the measured columns.\n")
    for field in ("Diameter", "RangeLower", "RangeUpper", "ShankLength", "ThreadLength"):
        out.append(f"INSERT INTO Descriptions ([Table], Field, Unit) VALUES (\"GripLength\", \"{field}\", \"{unit}\");\n")
    return "".join(out)


def en14399_clamping():
    """Grip ranges of the HV sets, derived from the bolt, nut and washer tables above."""
    head = f"""
Clamping-range catalog EN 14399: grip ranges of the HV sets (EN 14399-4
bolts and nuts with EN 14399-6 washers), M12 to M36.

Sources: the bolt lengths and thread lengths b of Bolts_EN14399, the nut
heights m of Nuts_EN14399, the washer thicknesses h of Washers_EN14399 and the
coarse pitch P (ISO 261:1998). The standards give no clamping ranges in the
tables used here; they are derived, with lg,max = l - b and
ls,min = lg,max - 3P:
{GRIP_RULE}- The range spans b - m - P for every length (11.25 for M12 up to 19 for
  M36). The lengths step by 5, less than every span, so the range of each
  length overlaps the next one's by b - m - P - 5 (6.25 to 14): every
  thickness from RangeLower of the shortest bolt to RangeUpper of the
  longest has a bolt, for every size and washer count. Where two lengths
  fit, the shorter is the one to take; the first row in the order of
  RangeLower is the shortest bolt.

Worked examples (ls / lg: M20 x 60 19.5 / 27; M20 x 80 39.5 / 47;
M24 x 80 32 / 41):
  M20 x 60, 1 washer: lg,max = 60 - 33 = 27, ls,min = 27 - 3 x 2.5 = 19.5;
    range 27 - 1 x 4 = 23 to 60 - 1 x 4 - 16 - 2.5 = 37.5.
  M20 x 60, 2 washers: range 27 - 2 x 4 = 19 to 60 - 2 x 4 - 16 - 2.5 = 33.5.
  M24 x 80, 1 washer: lg,max = 80 - 39 = 41, ls,min = 41 - 3 x 3 = 32;
    range 41 - 1 x 4 = 37 to 80 - 1 x 4 - 20 - 3 = 53.

Generated by data/gen/fasteners.py from the tables it writes the HV bolt,
nut and washer catalogs from; edit the script, not this file.
Built into cr_EN14399.mdb by zeptmkcat; lengths in mm.
"""
    sets = [(d, f"M{d}", PITCH[d], HV_NUT_HEIGHT[d], EN14399_6[d][2], [(l, b) for l in hv_lengths(d)])
            for d, (b, _, _) in HV_BOLT.items()]
    return clamping(head, properties("EN 14399-4:2015, EN 14399-6:2015",
                                     "Clamping ranges of the HV sets, derived, M12 to M36"), sets, "mm")


def iso4014_clamping():
    """Grip ranges of ISO 4014 bolts with ISO 4032 nuts and ISO 7089 washers."""
    head = f"""
Clamping-range catalog ISO 4014: grip ranges of the partly threaded hexagon
head bolts of Bolts_ISO4014 with the ISO 4032 nuts and ISO 7089 washers, M8
to M64.

Sources: the bolt lengths and thread lengths b of Bolts_ISO4014 (b = 2d + 6,
2d + 12 or 2d + 25 by length), the nut heights m of Nuts_ISO4032, the washer
thicknesses h of Washers_ISO7089 and the coarse pitch P (ISO 261:1998). The
standards give no clamping ranges; they are derived as for the HV sets:
{GRIP_RULE}- The range spans b - m - P (13.95 for M8 up to 96 for M64 beyond 200),
  more than the steps between lengths (5, 10, 20), so that every thickness
  from the shortest bolt's RangeLower to the longest's RangeUpper has a bolt,
  also where b grows with the length.
Example: M20 x 60, 1 washer: b = 46, lg,max = 14, range 14 - 3 = 11 to
  60 - 3 - 18 - 2.5 = 36.5.
ISO 4017 bolts are threaded to the head: they have no plain shank and no
clamping-range catalog.

Generated by data/gen/fasteners.py from the tables it writes those bolt, nut
and washer catalogs from; edit the script, not this file.
Built into cr_ISO4014.mdb by zeptmkcat; lengths in mm.
"""
    sets = []
    for d, (lo, hi) in ISO4014_LENGTHS.items():
        lengths = [(l, iso4014_thread(d, l)) for l in PREFERRED_LENGTHS if lo <= l <= hi]
        sets.append((d, f"M{d}", PITCH[d], ISO4032_HEIGHT[d], ISO7089[d][2], lengths))
    return clamping(head, properties("ISO 4014:2011, ISO 4032:2012, ISO 7089:2000",
                                     "Clamping ranges of ISO 4014 bolts, derived, M8 to M64"), sets, "mm")


def structural_clamping(grade):
    """Grip ranges of the inch structural sets: A325 or A490 bolts, A563 nuts, F436 washers."""
    head = f"""
Clamping-range catalog {grade}: grip ranges of the {grade} heavy hex
structural bolts of Bolts_{grade} with A563 nuts and F436 washers, 1/2 to
1-1/2 in.

Sources: the bolt lengths and thread lengths of Bolts_{grade}, the nut heights
H of Nuts_A563 (m below), the nominal F436 washer thickness 5/32 (h) and the
UNC pitch P = 1 / threads per inch. No table gives clamping ranges; they are
derived as for the metric sets, with b the thread length:
{GRIP_RULE}- The range spans b - H - P (0.44 in for 1/2 up to 0.75 in for 1-1/8), more
  than the 1/4 in steps between lengths, so that no thickness between the
  shortest bolt's and the longest's is without one.
Example: 3/4 x 2-1/2, 1 washer: b = 1-3/8, lg,max = 1-1/8, range
  1-1/8 - 5/32 = 0.96875 to 2-1/2 - 5/32 - 47/64 - 1/10 = 1.509375.

Generated by data/gen/fasteners.py from the tables it writes those bolt, nut
and washer catalogs from; edit the script, not this file.
Built into cr_{grade}.mdb by zeptmkcat; lengths in inches.
"""
    sets = [(d, fraction(d) + '"', Q(1, tpi), nut, F436_THICKNESS, [(l, thread) for l in inch_lengths(d, thread)])
            for d, tpi, _, thread, nut, _, _ in INCH]
    return clamping(head, properties("ASTM F3125/F3125M-15a, ASTM A563-15, ASTM F436-11",
                                     f"Clamping ranges of {grade} bolts, derived, 1/2 to 1-1/2 in"), sets, "in")


# --- Inch structural sets ----------------------------------------------------

INCH_SOURCES = """
Sources: ASME B18.2.6-2010 (fasteners for structural applications) for the
UNC threads per inch, the width across flats F = 1.5d + 1/8 of heavy hex
heads and nuts, the bolt thread lengths and the heavy hex nut heights;
ASTM F436-11 for the washers.
"""


def structural_bolts(grade, standard):
    head = f"""
Bolt catalog {grade}: heavy hex structural bolts in inches, 1/2 to 1-1/2.
{INCH_SOURCES}
Grade {grade} of {standard}, which replaces ASTM {grade}.
Thread lengths 1/2: 1, 5/8: 1-1/4, 3/4: 1-3/8, 7/8: 1-1/2, 1: 1-3/4,
1-1/8 and 1-1/4: 2, 1-3/8 and 1-1/2: 2-1/4.

Derivation rules:
- Lengths in 1/4 in steps from thread length + d rounded up to 1/4 in, up
  to 12d, at most 8 in; a choice of this catalog, not the standard's range.
- Thread length as listed above, the same for every length of a diameter.
- Head heights are not given.
Plausibility: thread length between 1.5d and 2d; each bolt keeps a grip
(l - thread length) of at least d.

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Bolts_{grade}.mdb by zeptmkcat; lengths in inches.
"""
    sizes = []
    for d, tpi, f, thread, *_ in INCH:
        sizes.append((d, inch_symbol(d),
                      f"{grade} {fraction(d)}-{tpi} UNC heavy hex: F {fraction(f)}, thread {fraction(thread)}",
                      [(l, thread) for l in inch_lengths(d, thread)], [grade]))
    return bolt_catalog(head, properties(f"{standard}; ASME B18.2.6-2010",
                                         f"{grade} heavy hex structural bolts, 1/2 to 1-1/2 in"),
                        sizes, "in", "Material.")


def a563():
    head = f"""
Nut catalog A563: heavy hex nuts in inches for the A325 and A490 bolts,
1/2 to 1-1/2.
{INCH_SOURCES}
Nut height H: d - 1/64 up to 1-1/8, d - 1/32 above (1-1/4: 1-7/32).
Grades C and DH of ASTM A563-15 for every size; DH is the nut of A490
bolts, C and DH both serve A325.

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Nuts_A563.mdb by zeptmkcat; dimensions in inches.
"""
    sizes = [(d, inch_symbol(d), f, nut, None) for d, _, f, _, nut, _, _ in INCH]
    return nut_catalog(head, properties("ASTM A563-15; ASME B18.2.6-2010", "Heavy hex nuts, 1/2 to 1-1/2 in"), sizes,
                       ["C", "DH"], "in", "Grades.")


def f436():
    head = """
Washer catalog F436: hardened circular washers in inches for the A325 and
A490 bolts, 1/2 to 1-1/2.

Source: ASTM F436-11: nominal inside and outside diameter.
- Thickness: 5/32 in for every size, the nominal value used for grip
  calculations (the standard gives 0.097 to 0.177 in).
- Type 1 (carbon steel) for every size.
Plausibility: ID - d between 1/32 and 1/8, OD about 2d.

Generated by data/gen/fasteners.py from its typed tables; edit the script,
not this file. Built into Washers_F436.mdb by zeptmkcat; dimensions in inches.
"""
    sizes = [(d, inch_symbol(d), wid, wod, F436_THICKNESS) for d, _, _, _, _, wid, wod in INCH]
    return washer_catalog(head, properties("ASTM F436-11", "Hardened circular washers, 1/2 to 1-1/2 in"), sizes,
                          ["Type 1"], "in", "Type.")


FILES = {
    "Bolts_ISO4014.sql": iso4014,
    "Bolts_ISO4017.sql": iso4017,
    "Nuts_ISO4032.sql": iso4032,
    "Washers_ISO7089.sql": iso7089,
    "Bolts_EN14399.sql": en14399_bolts,
    "Nuts_EN14399.sql": en14399_nuts,
    "Washers_EN14399.sql": en14399_washers,
    "cr_EN14399.sql": en14399_clamping,
    "cr_ISO4014.sql": iso4014_clamping,
    "cr_A325.sql": lambda: structural_clamping("A325"),
    "cr_A490.sql": lambda: structural_clamping("A490"),
    "Bolts_A325.sql": lambda: structural_bolts("A325", "ASTM F3125/F3125M-15a"),
    "Bolts_A490.sql": lambda: structural_bolts("A490", "ASTM F3125/F3125M-15a"),
    "Nuts_A563.sql": a563,
    "Washers_F436.sql": f436,
}


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    differing = []
    for name, make in FILES.items():
        text = make()
        path = DATA / name
        if check:
            if not path.exists() or path.read_text(encoding="utf-8") != text:
                differing.append(name)
        else:
            path.write_text(text, encoding="utf-8")
    for name in differing:
        print(f"{name} differs from what data/gen/fasteners.py writes", file=sys.stderr)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
