#!/usr/bin/env python3
"""Generate src/render/chart/ChartCoastTable.cpp, the chart style's coast.

The chart style draws the real coast at low resolution: the GSHHG "low"
shorelines (and the largest lakes), dumped as text by GMT from Debian's
`gmt` and `gmt-gshhg-low` packages. GMT gives the shore in pieces cut at the
borders of its storage bins; this script joins the pieces into lines,
projects them with the continuous form of the map's projection (the one
tools/coastline uses), bends them onto the fixed station positions as the
classic base map is bent, clips them to the 400 x 400 map and thins them to
what the map can show.

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

# Longitudes and latitudes that reach the map square (its upper-left corner
# lies near 82E 46N, its top edge near 60N).
REGION = "-R78/178/0/64"
# Shores of land (level 1) larger than this many square kilometres, and
# lakes (level 2) larger than the second figure: smaller ones would be dots.
# Wide rivers, which GSHHG keeps as lakes, are left out.
LAND_AREA_KM2 = 80
LAKE_AREA_KM2 = 5000
MAP_BOX = (0.0, 400.0, 0.0, 400.0)  # x_min, x_max, y_min, y_max
# Douglas-Peucker tolerance: a tenth of a pixel of the 800-pixel map would
# keep every wiggle; half a map unit keeps the shape of every cape.
THIN_TOLERANCE = 0.35
SHORTEST_LINE = 1.5  # map units; shorter pieces (rocks, clipped corners) are dropped
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


def length(points):
    return sum(math.dist(a, b) for a, b in zip(points, points[1:]))


def map_lines(lines, correct):
    out = []
    for line in lines:
        projected = [correct(classic.project(lon, lat)) for lon, lat in line]
        for piece in classic.clip_polyline(projected, MAP_BOX):
            piece = thin(piece, THIN_TOLERANCE)
            if length(piece) >= SHORTEST_LINE:
                out.append([(round(x, 1), round(y, 1)) for x, y in piece])
    return out


def cpp_source(lines):
    points = sum(len(line) for line in lines)
    out = [
        "// The chart style's coast: the GSHHG low-resolution shorelines and the largest",
        "// lakes (Debian's gmt-gshhg-low, dumped by `gmt coast`), in map units: projected",
        "// with the continuous form of the map's projection, bent onto the fixed station",
        "// positions and clipped to the map by " + SCRIPT_PATH + ".",
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
    runs = []
    first = 0
    for line in lines:
        runs.append((first, len(line)))
        first += len(line)
        out.extend(classic.wrap_cells([f"{{{x:g}, {y:g}}}," for x, y in line], CELLS_PER_LINE))
    out += ["}};", "", f"constexpr std::array<CoastRun, {len(runs)}> kRuns = {{{{"]
    out.extend(classic.wrap_cells([f"{{{a}, {n}}}," for a, n in runs], CELLS_PER_LINE))
    out += [
        "}};",
        "",
        "}  // namespace",
        "",
        "std::span<const PointF> CoastPoints() { return kPoints; }",
        "std::span<const CoastRun> CoastRuns() { return kRuns; }",
        "",
        "}  // namespace nimbara::chart",
    ]
    return "\n".join(out) + "\n"


def report(lines):
    print("station\tfixed\tto the chart coast", file=sys.stderr)
    for name, x, y, _, _ in classic.ANCHOR_STATIONS:
        best = min(classic.segment_distance((x, y), a, b) for line in lines for a, b in zip(line, line[1:]))
        print(f"{name}\t({x}, {y})\t{best:.1f}", file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--report", action="store_true")
    args = parser.parse_args()
    correct = classic.Correction(classic.ANCHOR_STATIONS)
    shores = join(gmt_pieces(LAND_AREA_KM2, 1)) + join(gmt_pieces(LAKE_AREA_KM2, 2, lakes_only=True))
    lines = map_lines(shores, correct)
    sys.stdout.write(cpp_source(lines))
    if args.report:
        report(lines)


if __name__ == "__main__":
    main()
