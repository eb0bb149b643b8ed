#!/usr/bin/env python3
"""Generate src/render/chart/ChartCoastTable.cpp, the chart style's coast.

The chart style draws the real coast at low resolution and tints the land:
the GSHHG "low" shorelines (and the largest lakes), dumped as text by GMT from
Debian's `gmt` and `gmt-gshhg-low` packages. GMT gives the shore in pieces cut
at the borders of its storage bins; this script joins the pieces into closed
rings, projects them with the continuous form of the map's projection (the
one tools/coastline uses), bends them onto the fixed station positions as the
classic base map is bent, thins them to what the map can show and clips each
ring, as a polygon, to the 400 x 400 map: a ring the map's edge cuts comes out
closed along that edge, so it can be filled.

Not part of the build. Run it and commit the output:

  python3 tools/chart-coastline/generate_chart_coastline.py > src/render/chart/ChartCoastTable.cpp

Options:
  --report  print, for every anchor station, its distance to the drawn coast
"""

import argparse
import math
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "coastline"))
import generate_coastline as classic  # noqa: E402  (projection, bending, clipping)

SCRIPT_PATH = "tools/chart-coastline/generate_chart_coastline.py"

# The whole world but Antarctica, so that every shore comes out as a closed
# ring (a region round the map would cut the mainland open at its border).
# The longitudes run from 30W eastward, a meridian that crosses no land that
# reaches the map: the map's projection is not periodic in longitude, and its
# fan of meridians stays one sheet over these 360 degrees.
REGION = "-R-30/330/-58/90"
# Shores of land (level 1) larger than this many square kilometres, and
# lakes (level 2) larger than the second figure: smaller ones would be dots.
# Wide rivers, which GSHHG keeps as lakes, are left out.
LAND_AREA_KM2 = 80
LAKE_AREA_KM2 = 5000
MAP_BOX = (0.0, 400.0, 0.0, 400.0)  # x_min, x_max, y_min, y_max
# Douglas-Peucker tolerance: a tenth of a pixel of the 800-pixel map would
# keep every wiggle; half a map unit keeps the shape of every cape.
THIN_TOLERANCE = 0.35
SHORTEST_SHORE = 1.5  # map units; rings with less shore inside the map (rocks, clipped corners) are dropped
JOIN_DIGITS = 6      # coordinates agreeing to this many decimals are one point
CELLS_PER_LINE = 6   # of the generated source


def gmt_pieces(area, level, lakes_only=False):
    """The shoreline pieces GMT dumps, as lists of (lon, lat)."""
    with tempfile.TemporaryDirectory() as scratch:  # where GMT leaves its history file
        text = subprocess.run(
            ["gmt", "coast", REGION, "-Dl", "-W", "-M", f"-A{area}/{level}/{level}" + ("+l" if lakes_only else "")],
            check=True, capture_output=True, text=True, cwd=scratch).stdout
    pieces, current = [], []
    for line in text.splitlines():
        if line.startswith(">"):
            if len(current) > 1:
                pieces.append(current)
            current = []
            continue
        lon, lat = (float(v) for v in line.split()[:2])
        current.append((lon, lat))
    if len(current) > 1:
        pieces.append(current)
    return pieces


def key(point):
    return (round(point[0], JOIN_DIGITS), round(point[1], JOIN_DIGITS))


def join(pieces):
    """Pieces that share an end point joined into one line (turned round
    where needed); a line whose ends meet is closed."""
    ends = {}
    for i, piece in enumerate(pieces):
        for end in (0, -1):
            ends.setdefault(key(piece[end]), []).append(i)
    used = [False] * len(pieces)

    def partner(point):
        for j in ends.get(key(point), []):
            if not used[j]:
                return j
        return None

    def closed(line):
        return len(line) > 2 and key(line[0]) == key(line[-1])

    lines = []
    for i in range(len(pieces)):
        if used[i]:
            continue
        used[i] = True
        line = list(pieces[i])
        for forward in (True, False):
            while not closed(line):
                tip = line[-1] if forward else line[0]
                j = partner(tip)
                if j is None:
                    break
                used[j] = True
                piece = pieces[j]
                if forward:
                    line = line + (piece if key(piece[0]) == key(tip) else piece[::-1])[1:]
                else:
                    line = (piece if key(piece[-1]) == key(tip) else piece[::-1])[:-1] + line
        lines.append(line)
    return lines


def thin(points, tolerance):
    """Douglas-Peucker, keeping both ends."""
    if len(points) < 3:
        return points
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        i, j = stack.pop()
        best, best_k = 0.0, None
        for k in range(i + 1, j):
            d = classic.segment_distance(points[k], points[i], points[j])
            if d > best:
                best, best_k = d, k
        if best_k is not None and best > tolerance:
            keep[best_k] = True
            stack += [(i, best_k), (best_k, j)]
    return [p for p, kept in zip(points, keep) if kept]


def thin_ring(ring, tolerance):
    """A closed ring (first point repeated last) thinned as two halves, split
    at the point farthest from its first."""
    far = max(range(len(ring)), key=lambda k: math.dist(ring[0], ring[k]))
    return thin(ring[:far + 1], tolerance)[:-1] + thin(ring[far:], tolerance)


def clip_ring(ring, box):
    """Sutherland-Hodgman: the part of a closed ring inside the box, closed
    along the box's sides where the ring leaves it (a ring the box cuts into
    several parts gives one ring joining them along the sides, which fills as
    they do)."""
    x_min, x_max, y_min, y_max = box
    edges = (  # (inside test, crossing point on the side)
        (lambda p: p[0] >= x_min, lambda a, b: (x_min, a[1] + (b[1] - a[1]) * (x_min - a[0]) / (b[0] - a[0]))),
        (lambda p: p[0] <= x_max, lambda a, b: (x_max, a[1] + (b[1] - a[1]) * (x_max - a[0]) / (b[0] - a[0]))),
        (lambda p: p[1] >= y_min, lambda a, b: (a[0] + (b[0] - a[0]) * (y_min - a[1]) / (b[1] - a[1]), y_min)),
        (lambda p: p[1] <= y_max, lambda a, b: (a[0] + (b[0] - a[0]) * (y_max - a[1]) / (b[1] - a[1]), y_max)),
    )
    points = ring[:-1]
    for inside, crossing in edges:
        if not points:
            break
        out = []
        for a, b in zip([points[-1]] + points[:-1], points):
            if inside(b):
                if not inside(a):
                    out.append(crossing(a, b))
                out.append(b)
            elif inside(a):
                out.append(crossing(a, b))
        points = out
    return points + points[:1]


def on_box_side(a, b, box):
    """Whether the segment runs along a side of the box (a clipped ring's
    closing edge, not a shore)."""
    x_min, x_max, y_min, y_max = box
    return any(a[0] == b[0] == x for x in (x_min, x_max)) or any(a[1] == b[1] == y for y in (y_min, y_max))


def shore_length(ring):
    return sum(math.dist(a, b) for a, b in zip(ring, ring[1:]) if not on_box_side(a, b, MAP_BOX))


def rounded(points):
    """To the table's tenth of a map unit, repeats dropped."""
    out = []
    for x, y in points:
        p = (round(x, 1), round(y, 1))
        if not out or out[-1] != p:
            out.append(p)
    return out


def reaches_map(points):
    x_min, x_max, y_min, y_max = MAP_BOX
    return any(x_min <= x <= x_max and y_min <= y <= y_max for x, y in points)


def map_rings(lines, correct):
    out = []
    for line in lines:
        projected = [correct(classic.project(lon, lat)) for lon, lat in line]
        if key(line[0]) != key(line[-1]):
            if reaches_map(projected):
                sys.exit(f"an open shore reaches the map, from {line[0]} to {line[-1]}")
            continue
        ring = rounded(clip_ring(thin_ring(projected, THIN_TOLERANCE), MAP_BOX))
        if len(ring) > 3 and shore_length(ring) >= SHORTEST_SHORE:
            out.append(ring)
    return out


def cpp_source(land, lakes):
    rings = [(ring, "CoastKind::Land") for ring in land] + [(ring, "CoastKind::Lake") for ring in lakes]
    points = sum(len(ring) for ring, _ in rings)
    out = [
        "// The chart style's coast: the GSHHG low-resolution shorelines and the largest",
        "// lakes (Debian's gmt-gshhg-low, dumped by `gmt coast`), in map units: closed",
        "// rings projected with the continuous form of the map's projection, bent onto",
        "// the fixed station positions and clipped to the map, as polygons, by",
        "// " + SCRIPT_PATH + ".",
        "// Generated; rerun that script rather than editing by hand.",
        "",
        '#include "render/chart/ChartCoast.h"',
        "",
        "#include <array>",
        "",
        "namespace nimbara::chart {",
        "namespace {",
        "",
        f"constexpr std::array<PointF, {points}> kPoints = {{{{",
    ]
    table = []
    first = 0
    for ring, kind in rings:
        table.append(f"{{{first}, {len(ring)}, {kind}}},")
        first += len(ring)
        out.extend(classic.wrap_cells([f"{{{x:g}, {y:g}}}," for x, y in ring], CELLS_PER_LINE))
    out += ["}};", "", f"constexpr std::array<CoastRing, {len(table)}> kRings = {{{{"]
    out.extend(classic.wrap_cells(table, CELLS_PER_LINE // 2))
    out += [
        "}};",
        "",
        "}  // namespace",
        "",
        "std::span<const PointF> CoastPoints() { return kPoints; }",
        "std::span<const CoastRing> CoastRings() { return kRings; }",
        "",
        "}  // namespace nimbara::chart",
    ]
    return "\n".join(out) + "\n"


def report(rings):
    print("station\tfixed\tto the chart coast", file=sys.stderr)
    for name, x, y, _, _ in classic.ANCHOR_STATIONS:
        best = min(classic.segment_distance((x, y), a, b) for ring in rings for a, b in zip(ring, ring[1:])
                   if not on_box_side(a, b, MAP_BOX))
        print(f"{name}\t({x}, {y})\t{best:.1f}", file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--report", action="store_true")
    args = parser.parse_args()
    correct = classic.Correction(classic.ANCHOR_STATIONS)
    land = map_rings(join(gmt_pieces(LAND_AREA_KM2, 1)), correct)
    lakes = map_rings(join(gmt_pieces(LAKE_AREA_KM2, 2, lakes_only=True)), correct)
    sys.stdout.write(cpp_source(land, lakes))
    if args.report:
        report(land + lakes)


if __name__ == "__main__":
    main()
