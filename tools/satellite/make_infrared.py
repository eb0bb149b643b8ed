#!/usr/bin/env python3
"""Writes samples/20240115_06.bmp, the companion picture of samples/20240115_06.txt: a synthetic infrared satellite picture
for trying the map overlay, the cloud cross-section and the picture slide show
without downloading anything.

The scene matches samples/bulletins/winter_systems.txt: a deep low at 44N 151E
with its cloud spiral, the occluded and cold fronts trailing south-west as a
band of high cloud, a weaker low at 30N 138E on the stationary front, and
winter-monsoon cloud streaks over the Sea of Japan and the East China Sea.
In infrared, cold high cloud tops are white, low cloud grey, land grey and the
warm sea dark.

The picture is drawn at its own pixel size in the top-left corner of the map,
so it lines up with the map in the default view when the map is drawn SIZE
pixels square: 800 (the command line's default) unless --size says otherwise.
Land comes from the built-in base map (src/core/CoastlineTable.cpp) and
positions from the map projection (src/core/Projection.cpp), both mirrored
here. Standard library only.

    python3 tools/satellite/make_infrared.py [--size 800] [--output samples/20240115_06.bmp]
"""

import argparse
import math
import random
import re
import struct
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
MAP_SIZE = 400.0

# --- projection (mirrors src/core/Projection.cpp) ---------------------------
MAP_PI = 3.141592
POLE_X, POLE_Y = 263.0, -237.0
CENTRAL_MERIDIAN, MERIDIAN_FACTOR = 135.0, 0.9
BANDS = [(50, 34), (45, 38), (40, 40), (35, 42), (30, 44), (25, 46), (20, 48), (15, 50)]


def polar_radius(lat):
    r = 265.0
    for threshold, step in BANDS:
        if lat < threshold:
            r += step
    band = 5.0 * math.floor(lat / 5.0)
    b = next((step for threshold, step in BANDS if band > threshold), 50.0)
    return r + b - b * (lat - band) / 5.0


def project(lat, lon):
    r = polar_radius(lat)
    theta = (lon - CENTRAL_MERIDIAN) / 180.0 * MAP_PI * MERIDIAN_FACTOR
    return POLE_X + r * math.sin(theta), r * math.cos(theta) + POLE_Y


# --- the weather of the sample bulletin -------------------------------------
DEEP_LOW = (44, 151)
WEAK_LOW = (30, 138)
OCCLUDED_FRONT = [(44, 151), (46, 155), (46, 158)]
COLD_FRONT = [(46, 158), (42, 157), (38, 154), (34, 150), (31, 145)]
STATIONARY_FRONT = [(31, 145), (30, 138), (28, 132), (27, 126)]
# Where the monsoon streaks form: the Sea of Japan and the East China Sea.
STREAK_AREAS = [((40, 133), 7.0), ((31, 125), 6.0)]

# Brightness (0 black .. 255 white) of the surfaces.
SEA = 38
LAND = 105
HIGH_CLOUD = 245
FRONT_CLOUD = 225
LOW_CLOUD = 150


# --- land from the built-in base map -----------------------------------------
def coastline_polylines():
    text = (ROOT / "src/core/CoastlineTable.cpp").read_text(encoding="utf-8")
    body = text[text.index("kRows = {{"):]
    body = body[: body.index("}};")]
    lines, current = [], []
    for x, y in re.findall(r"\{(-?[\d.]+), (-?[\d.]+)\}", body):
        x, y = float(x), float(y)
        if x <= 0 or y <= 0:
            if current:
                lines.append(current)
            current = []
        else:
            current.append((x, y))
    if current:
        lines.append(current)
    return lines


def land_polygons():
    """Closed islands as they are; open coasts joined end to end and closed
    along the map's edges (the mainland lies north and west of its coast)."""
    polylines = coastline_polylines()
    closed = [p for p in polylines if p[0] == p[-1] and len(p) > 2]
    open_lines = [p for p in polylines if p[0] != p[-1]]
    by_start = {p[0]: p for p in open_lines}
    starts_used = set()
    chains = []
    ends = {p[-1] for p in open_lines}
    for line in open_lines:
        if line[0] in ends:
            continue  # not the start of a chain
        chain = list(line)
        starts_used.add(line[0])
        while chain[-1] in by_start and chain[-1] not in starts_used:
            starts_used.add(chain[-1])
            chain.extend(by_start[chain[-1]][1:])
        chains.append(chain)
    polygons = list(closed)
    dots = []
    for chain in chains:
        if len(chain) <= 2:
            dots.append(((chain[0][0] + chain[-1][0]) / 2, (chain[0][1] + chain[-1][1]) / 2))
            continue
        (x0, y0), (x1, y1) = chain[0], chain[-1]
        if x1 < 20:  # the mainland: round by the west and north edges
            chain = chain + [(0.0, y1), (0.0, 0.0), (x0, 0.0)]
        elif y0 < 35 and y1 < 35:  # a coast reaching the north edge
            chain = chain + [(x1, 0.0), (x0, 0.0)]
        polygons.append(chain)
    return polygons, dots


def fill_land(size, scale):
    land = bytearray(size * size)
    polygons, dots = land_polygons()
    for polygon in polygons:
        edges = list(zip(polygon, polygon[1:] + polygon[:1]))
        for py in range(size):
            y = (py + 0.5) / scale
            xs = sorted(
                x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                for (x0, y0), (x1, y1) in edges
                if (y0 <= y < y1) or (y1 <= y < y0)
            )
            for left, right in zip(xs[::2], xs[1::2]):
                for px in range(max(0, int(left * scale)), min(size, int(right * scale) + 1)):
                    land[py * size + px] ^= 1
    for cx, cy in dots:
        radius = 2.5 * scale
        for py in range(int(cy * scale - radius), int(cy * scale + radius) + 1):
            for px in range(int(cx * scale - radius), int(cx * scale + radius) + 1):
                if 0 <= px < size and 0 <= py < size and math.hypot(px - cx * scale, py - cy * scale) <= radius:
                    land[py * size + px] = 1
    return land


# --- clouds, in map units -----------------------------------------------------
def segment_distance(p, a, b):
    (px, py), (ax, ay), (bx, by) = p, a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy or 1.0)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def polyline_distance(p, points):
    return min(segment_distance(p, a, b) for a, b in zip(points, points[1:]))


def smooth_step(edge0, edge1, x):
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


class ValueNoise:
    """Smooth deterministic noise on a lattice, for cloud texture."""

    def __init__(self, seed, cell):
        self.random = random.Random(seed)
        self.cell = cell
        self.values = {}

    def lattice(self, i, j):
        if (i, j) not in self.values:
            self.values[(i, j)] = self.random.random()
        return self.values[(i, j)]

    def __call__(self, x, y):
        fx, fy = x / self.cell, y / self.cell
        i, j = math.floor(fx), math.floor(fy)
        tx, ty = smooth_step(0, 1, fx - i), smooth_step(0, 1, fy - j)
        top = self.lattice(i, j) * (1 - tx) + self.lattice(i + 1, j) * tx
        bottom = self.lattice(i, j + 1) * (1 - tx) + self.lattice(i + 1, j + 1) * tx
        return top * (1 - ty) + bottom * ty


def cloud_cover(x, y, scene):
    """(brightness, opacity) of the cloud at map point (x, y)."""
    texture = 0.65 * scene["coarse"](x, y) + 0.35 * scene["fine"](x, y)
    cover, tone = 0.0, HIGH_CLOUD

    # The deep low: a comma of high cloud winding in to the centre.
    cx, cy = scene["deep_low"]
    r = math.hypot(x - cx, y - cy)
    if r < 50:
        angle = math.atan2(y - cy, x - cx)
        spiral = math.cos(angle - 0.09 * r * 2.2 + 0.5)
        arm = smooth_step(0.1, 0.8, spiral) * (1 - smooth_step(28, 50, r))
        eye = smooth_step(2, 7, r)
        cover = max(cover, arm * eye * (0.6 + 0.5 * texture))

    # The fronts: a band of cloud, widest near the low.
    for points, width, band_tone in scene["fronts"]:
        d = polyline_distance((x, y), points)
        band = 1 - smooth_step(width * 0.4, width, d)
        if band > 0:
            strength = band * (0.55 + 0.6 * texture)
            if strength > cover:
                cover, tone = strength, band_tone

    # The weak low on the stationary front: a round cluster.
    wx, wy = scene["weak_low"]
    cluster = 1 - smooth_step(6, 22, math.hypot(x - wx, y - wy))
    if cluster * (0.7 + 0.4 * texture) > cover:
        cover, tone = cluster * (0.7 + 0.4 * texture), HIGH_CLOUD

    # Monsoon streaks: low cloud in lines from north-west to south-east.
    for (ax, ay), radius in scene["streak_areas"]:
        inside = 1 - smooth_step(radius * 0.5, radius, math.hypot(x - ax, y - ay))
        if inside > 0:
            # Lines of constant x - y run from north-west to south-east, along the wind.
            streak = 0.5 + 0.5 * math.sin((x - y) * 0.8 + 4 * scene["fine"](x * 2, y * 2))
            over_sea = 0.4 if scene["land_at"](x, y) else 1.0
            strength = over_sea * inside * smooth_step(0.45, 0.9, streak) * (0.5 + 0.5 * texture)
            if strength > cover:
                cover, tone = strength, LOW_CLOUD
    return tone, min(1.0, cover)


def render(size):
    scale = size / MAP_SIZE
    land = fill_land(size, scale)

    def map_point(latlon):
        return project(*latlon)

    scene = {
        "deep_low": map_point(DEEP_LOW),
        "weak_low": map_point(WEAK_LOW),
        "fronts": [
            ([map_point(p) for p in OCCLUDED_FRONT], 14.0, HIGH_CLOUD),
            ([map_point(p) for p in COLD_FRONT], 12.0, FRONT_CLOUD),
            ([map_point(p) for p in STATIONARY_FRONT], 9.0, 200),
        ],
        "streak_areas": [(map_point(c), radius_degrees * 8.0) for c, radius_degrees in STREAK_AREAS],
        "land_at": lambda x, y: land[min(size - 1, int(y * scale)) * size + min(size - 1, int(x * scale))],
        "coarse": ValueNoise(1, 18.0),
        "fine": ValueNoise(2, 4.0),
    }
    # Clouds on a map-unit lattice, interpolated to pixels.
    grid_step = 1.0
    n = int(MAP_SIZE / grid_step) + 2
    tones = [[cloud_cover(i * grid_step, j * grid_step, scene) for i in range(n)] for j in range(n)]
    grain = random.Random(3)
    pixels = bytearray(size * size)
    for py in range(size):
        gy = py / scale / grid_step
        j = min(int(gy), n - 2)
        ty = gy - j
        for px in range(size):
            gx = px / scale / grid_step
            i = min(int(gx), n - 2)
            tx = gx - i
            (t00, c00), (t10, c10) = tones[j][i], tones[j][i + 1]
            (t01, c01), (t11, c11) = tones[j + 1][i], tones[j + 1][i + 1]
            cover = (c00 * (1 - tx) + c10 * tx) * (1 - ty) + (c01 * (1 - tx) + c11 * tx) * ty
            tone = (t00 * (1 - tx) + t10 * tx) * (1 - ty) + (t01 * (1 - tx) + t11 * tx) * ty
            ground = LAND if land[py * size + px] else SEA
            value = ground * (1 - cover) + tone * cover + grain.uniform(-4, 4)
            pixels[py * size + px] = max(0, min(255, int(round(value))))
    return pixels


def write_bmp(path, size, grey):
    """A 24-bit bottom-up Windows bitmap."""
    row_bytes = (size * 3 + 3) & ~3
    image_size = row_bytes * size
    header = b"BM" + struct.pack("<IHHI", 14 + 40 + image_size, 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    rows = []
    padding = bytes(row_bytes - size * 3)
    for py in range(size - 1, -1, -1):
        row = bytearray()
        for value in grey[py * size:(py + 1) * size]:
            row += bytes((value, value, value))
        rows.append(bytes(row) + padding)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(header + info + b"".join(rows))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--size", type=int, default=800, help="pixels of the square map (default 800)")
    parser.add_argument("--output", type=Path, default=ROOT / "samples/20240115_06.bmp")
    args = parser.parse_args()
    write_bmp(args.output, args.size, render(args.size))
    print(f"wrote {args.output} ({args.size} x {args.size})")


if __name__ == "__main__":
    main()
