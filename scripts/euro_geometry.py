# SPDX-License-Identifier: MIT
"""Section values of a profile row drawn by its shape script.

The template's shape scripts (data/PDLScripts.sql) are read and evaluated
here the way the library's script reader does, so that the centroid
distances, outline lengths and section values written into the catalog come
from the very outline a reader draws.
"""
import math
import pathlib
import re

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"

_SCRIPT = re.compile(r'VALUES \((\d+), (\d+), "(.*?)", (True|False)\);', re.S)
_STATEMENT = re.compile(r"(StartContour|LineTo|ArcTo)\((.*)\)$", re.S)
_NAMES = {"sqrt": math.sqrt, "PI": math.pi, "abs": abs, "min": min, "max": max,
          "sin": math.sin, "cos": math.cos, "tan": math.tan, "atan": math.atan}


def shape_scripts():
    text = (DATA / "PDLScripts.sql").read_text()
    return {int(m.group(2)): m.group(3) for m in _SCRIPT.finditer(text)}


def _split_args(args):
    parts, depth, start = [], 0, 0
    for i, ch in enumerate(args):
        if ch == "(":
            depth += 1
        elif ch == ")":
            depth -= 1
        elif ch == "," and depth == 0:
            parts.append(args[start:i])
            start = i + 1
    parts.append(args[start:])
    return [p.strip() for p in parts]


def contours(script, row):
    """The script's contours: lists of segments (kind, start, end, arc)."""
    env = dict(_NAMES)
    env.update(row)
    body = "\n".join(line.split("//")[0] for line in script.splitlines())
    result, current, point = [], None, None
    for statement in body.split(";"):
        statement = statement.strip()
        if not statement:
            continue
        m = _STATEMENT.match(statement)
        if not m:
            raise ValueError("bad statement: " + statement)
        verb, args = m.group(1), _split_args(m.group(2))
        if verb == "StartContour":
            point = (eval(args[0], {}, env), eval(args[1], {}, env))
            current = {"hole": args[2].lower() == "hole", "start": point, "segments": []}
            result.append(current)
            continue
        end = (eval(args[0], {}, env), eval(args[1], {}, env))
        if math.dist(point, end) <= 1e-12 * max(1.0, abs(end[0]), abs(end[1])):
            continue
        if verb == "LineTo":
            current["segments"].append(("line", point, end, None))
        else:
            r = eval(args[2], {}, env)
            cw = args[3].upper() == "CW"
            current["segments"].append(("arc", point, end, _arc(point, end, r, cw)))
        point = end
    for c in result:  # closed straight back to the start if not already there
        last = c["segments"][-1][2] if c["segments"] else c["start"]
        if math.dist(last, c["start"]) > 1e-9:
            c["segments"].append(("line", last, c["start"], None))
    return result


def _arc(p0, p1, r, cw):
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    chord = math.hypot(dx, dy)
    radius = abs(r)
    h = math.sqrt(max(0.0, radius * radius - chord * chord / 4))
    left = (-dy / chord, dx / chord)
    side = 1 if r < 0 else -1
    cx = (p0[0] + p1[0]) / 2 + side * h * left[0]
    cy = (p0[1] + p1[1]) / 2 + side * h * left[1]
    a0 = math.atan2(p0[1] - cy, p0[0] - cx)
    a1 = math.atan2(p1[1] - cy, p1[0] - cx)
    if cw:
        sweep = -((a0 - a1) % (2 * math.pi))
    else:
        sweep = (a1 - a0) % (2 * math.pi)
    return (cx, cy, radius, a0, sweep)


def _points(contour, steps=2000):
    pts = [contour["start"]]
    for kind, p0, p1, arc in contour["segments"]:
        if kind == "line":
            pts.append(p1)
        else:
            cx, cy, radius, a0, sweep = arc
            n = max(8, int(steps * abs(sweep) / (math.pi / 2)))
            for i in range(1, n + 1):
                a = a0 + sweep * i / n
                pts.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
            pts[-1] = p1
    return pts


def _length(contour):
    total = 0.0
    for kind, p0, p1, arc in contour["segments"]:
        total += math.dist(p0, p1) if kind == "line" else arc[2] * abs(arc[4])
    return total


def properties(script, row):
    """Area, centroid, second moments about the centroid's axes, outline length."""
    a = sx = sy = ixx = iyy = 0.0
    outline = 0.0
    for c in contours(script, row):
        pts = _points(c)
        ca = csx = csy = cxx = cyy = 0.0
        for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
            cross = x0 * y1 - x1 * y0
            ca += cross
            csx += (x0 + x1) * cross
            csy += (y0 + y1) * cross
            cyy += (x0 * x0 + x0 * x1 + x1 * x1) * cross
            cxx += (y0 * y0 + y0 * y1 + y1 * y1) * cross
        sign = -1 if c["hole"] else 1
        if ca < 0:  # outlines are counted by their kind, whichever way they run
            ca, csx, csy, cxx, cyy = -ca, -csx, -csy, -cxx, -cyy
        a += sign * ca / 2
        sx += sign * csx / 6
        sy += sign * csy / 6
        ixx += sign * cxx / 12
        iyy += sign * cyy / 12
        if not c["hole"]:
            outline += _length(c)
    xc, yc = sx / a, sy / a
    return {"A": a, "xc": xc, "yc": yc,
            "Iy": ixx - a * yc * yc, "Iz": iyy - a * xc * xc, "outline": outline}
