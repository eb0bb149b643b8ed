#!/usr/bin/env python3
"""Generate src/core/CoastlineTable.cpp, the built-in base map, from GSHHS.

The base map is a fixed table of 332 points in map units: polylines separated
by pen-up marks (0, 0), each polyline a fixed number of points. This script
reads the crude-resolution GSHHS shorelines (level 1, land/ocean), projects
them onto the map, bends them onto the fixed station positions, clips them to
the drawable part of the square, cuts the Asian mainland into stretches and
thins every coast to exactly the number of points its polyline has.

Not part of the build. Standard library only; run it and commit the output:

  python3 tools/coastline/generate_coastline.py > src/core/CoastlineTable.cpp

Options:
  --shapefile PATH   GSHHS_c_L1.shp to read (default: Debian's
                     python-cartopy-data copy)
  --report           print the station residuals to stderr
  --preview OUT.ppm  also draw the outline and the stations into a PPM image
"""

import argparse
import math
import struct
import sys

DEFAULT_SHAPEFILE = "/usr/share/cartopy/data/shapefiles/gshhs/c/GSHHS_c_L1.shp"
SCRIPT_PATH = "tools/coastline/generate_coastline.py"

# --- The table's fixed shape ------------------------------------------------

POINT_COUNT = 332
# Indices of the pen-up marks; the polylines are the runs between them.
PEN_UP_INDICES = (19, 64, 78, 89, 104, 109, 116, 123, 134, 141, 147, 217, 227,
                  256, 262, 269, 272, 275, 278, 281, 284, 287, 290, 293, 302,
                  312, 321, 328, 331)
# Rows every copy of the base map has had; they pin Hokkaido and Honshu.
FIXED_ROWS = {0: (299, 99), 1: (296, 101), 2: (297, 112), 18: (299, 99),
              20: (300, 135)}
# Drawn points stay inside this rectangle (the pen-up test is "<= 0").
X_MIN, X_MAX = 6, 386
Y_MIN, Y_MAX = 29, 399

# --- Projection (continuous form of the map's polar projection) -------------

POLE_X, POLE_Y = 263.0, -237.0
CENTRAL_MERIDIAN = 135.0
MAP_PI = 3.141592  # the constant the map was drawn with
MERIDIAN_FACTOR = 0.9
# Radius at the start of each 5-degree band; linear in between.
BAND_LATITUDES = (10, 15, 20, 25, 30, 35, 40, 45, 50)
BAND_RADII = (657, 607, 559, 511, 465, 421, 379, 339, 303)
BAND_DEGREES = 5.0
NORTHERN_BAND_STEP = 34.0  # radius lost per band north of 50N
SOUTHERN_BAND_STEP = 50.0  # radius gained per band south of 10N

# Shoreline vertices outside this box of longitude and latitude cannot reach
# the map; dropping them keeps segments of the world-wide Eurasia ring that
# run between far-away vertices from crossing it.
LON_RANGE = (95.0, 175.0)
LAT_RANGE = (0.0, 70.0)

# --- Bending the shorelines onto the station positions ----------------------

# The station positions are fixed and were placed by hand, a few map units
# off the projection in places (most around Hong Kong, Taiwan and Luzon).
# The outline must meet the stations, so each projected shoreline point is
# moved by a Gaussian-weighted mean of the stations' offsets (fixed position
# minus projected position). The damping weight makes the shift fade away
# from the stations instead of carrying one station's offset across the sea.
CORRECTION_RADIUS = 14.0  # map units, the Gaussian's standard deviation
CORRECTION_DAMPING = 0.05

# Stations used as anchors: (name, fixed x, fixed y, latitude, longitude).
# Coastal stations and islands only; 浜田 and 松山 are placed far from
# where the projection puts them, 南鳥島 lies beyond the drawable edge, and
# the inland stations need not touch a coast.
ANCHOR_STATIONS = (
    ("石垣島", 173, 270, 24.34, 124.16), ("那覇", 207, 260, 26.21, 127.69),
    ("名瀬", 221, 239, 28.38, 129.50), ("鹿児島", 231, 216, 31.56, 130.55),
    ("福江", 219, 202, 32.69, 128.84), ("厳原", 224, 189, 34.20, 129.29),
    ("足摺岬", 248, 203, 32.72, 133.02), ("室戸岬", 257, 198, 33.25, 134.18),
    ("西郷", 251, 173, 36.20, 133.33), ("大阪", 263, 187, 34.68, 135.52),
    ("潮岬", 267, 197, 33.45, 135.76), ("御前崎", 284, 187, 34.60, 138.21),
    ("銚子", 298, 177, 35.74, 140.86), ("小名浜", 300, 167, 36.95, 140.90),
    ("輪島", 275, 164, 37.39, 136.90), ("相川", 283, 159, 38.03, 138.24),
    ("仙台", 304, 151, 38.26, 140.90), ("宮古", 305, 143, 39.65, 141.97),
    ("秋田", 292, 143, 39.72, 140.10), ("函館", 291, 125, 41.82, 140.75),
    ("浦河", 306, 123, 42.16, 142.78), ("根室", 318, 111, 43.33, 145.59),
    ("稚内", 297, 97, 45.42, 141.68), ("ポロナイスク", 301, 67, 49.22, 143.10),
    ("セベロクリリスク", 360, 50, 50.68, 156.12),
    ("ルドナヤプリスタニ", 266, 107, 44.37, 135.83),
    ("ウラジオストク", 245, 117, 43.12, 131.90),
    ("ソウル", 210, 160, 37.57, 126.97), ("プサン", 226, 178, 35.10, 129.03),
    ("モッポ", 205, 183, 34.82, 126.38), ("チェジュ島", 206, 192, 33.51, 126.53),
    ("台北", 153, 259, 25.04, 121.51), ("恒春", 142, 283, 22.00, 120.74),
    ("大連", 181, 138, 38.90, 121.63), ("青島", 171, 160, 36.07, 120.33),
    ("上海", 167, 207, 31.17, 121.43), ("アモイ", 126, 257, 24.48, 118.08),
    ("香港", 85, 261, 22.30, 114.17), ("ラワーグ", 128, 324, 18.18, 120.53),
    ("マニラ", 125, 360, 14.58, 120.98),
)

# All fixed station positions, for the preview only.
PREVIEW_STATIONS = (
    (173, 270), (207, 260), (229, 260), (221, 239), (231, 216), (219, 202),
    (224, 189), (248, 203), (257, 198), (245, 185), (224, 183), (251, 173),
    (263, 187), (267, 197), (294, 195), (292, 183), (284, 187), (298, 177),
    (286, 173), (300, 167), (275, 164), (283, 159), (304, 151), (305, 143),
    (292, 143), (291, 125), (306, 123), (318, 111), (297, 97), (301, 67),
    (360, 50), (263, 72), (266, 107), (245, 117), (210, 160), (237, 161),
    (226, 178), (205, 183), (206, 192), (153, 259), (142, 283), (210, 104),
    (148, 126), (181, 138), (171, 160), (167, 207), (111, 186), (126, 257),
    (85, 261), (128, 324), (125, 360), (313, 243), (390, 260), (282, 183),
)

# --- Which coast goes into which polyline -----------------------------------

# One entry per polyline, in table order. Kinds:
#   ("island", lon, lat)       the shoreline ring around that point: closed
#                              (first point repeated last) when it lies wholly
#                              on the map, else the part that does
#   ("coast", via, start, end) the mainland coast through `via` from the
#                              vertex nearest `start` to the one nearest `end`
#                              (each a (lon, lat)); None stands for the point
#                              where that coast leaves the map
#   ("dash", lon, lat)         a small island as one stroke across its longest
#                              extent (all small rings within
#                              DASH_REACH_DEGREES; Tsushima is two rings in
#                              the source)
# The polylines' lengths are fixed, so the coasts are matched to them by how
# many vertices the source has: every coast here is thinned, none padded.
YALU_MOUTH = (124.4, 39.8)
TUMEN_MOUTH = (130.7, 42.3)
TATAR_STRAIT = (140.4, 48.97)  # the Russian coast opposite Sakhalin's middle
BOHAI_WEST = (117.7, 39.1)     # Tianjin, the west end of the Bohai Sea
PLAN = (
    ("Hokkaido", ("island", 142.8, 43.5)),
    ("Honshu", ("island", 138.5, 36.5)),
    ("Kyushu", ("island", 130.8, 32.5)),
    ("Sakhalin", ("island", 142.8, 50.0)),
    ("Luzon", ("island", 121.2, 16.5)),
    ("Iturup", ("island", 148.0, 45.0)),
    ("Taiwan", ("island", 121.0, 23.7)),
    ("Mindoro", ("island", 121.0, 12.9)),
    ("Russian coast, Sea of Okhotsk to the Tatar Strait",
     ("coast", TATAR_STRAIT, None, TATAR_STRAIT)),
    ("Samar, northern end", ("island", 125.0, 12.0)),
    ("Kunashir", ("island", 146.0, 44.1)),
    ("Chinese coast, Tianjin to Vietnam", ("coast", BOHAI_WEST, BOHAI_WEST, None)),
    ("Shikoku", ("island", 133.5, 33.7)),
    ("Korean peninsula, Tumen mouth to Yalu mouth",
     ("coast", TUMEN_MOUTH, TUMEN_MOUTH, YALU_MOUTH)),
    ("Kamchatka, southern tip", ("coast", (157.5, 51.5), None, None)),
    ("Panay, northern end", ("island", 122.5, 11.2)),
    ("Jeju", ("dash", 126.5, 33.4)),
    ("Tsushima", ("dash", 129.3, 34.4)),
    ("Fukue", ("dash", 128.7, 32.7)),
    ("Sado", ("dash", 138.4, 38.1)),
    ("Amami Oshima", ("dash", 129.4, 28.3)),
    ("Okinawa", ("dash", 127.9, 26.5)),
    ("Ishigaki", ("dash", 124.2, 24.5)),
    ("Paramushir", ("dash", 155.6, 50.4)),
    ("Russian coast, Tatar Strait to the Tumen mouth",
     ("coast", TATAR_STRAIT, TATAR_STRAIT, TUMEN_MOUTH)),
    ("Liaodong and the Bohai Sea, Yalu mouth to Tianjin",
     ("coast", YALU_MOUTH, YALU_MOUTH, BOHAI_WEST)),
    ("Hainan", ("island", 109.8, 19.2)),
    ("Palawan, northern end", ("island", 118.5, 10.0)),
    ("Urup", ("dash", 150.0, 45.9)),
)
DASH_REACH_DEGREES = 0.2
DASH_MAX_EXTENT_DEGREES = 1.5  # keeps the big rings around the point out


# --- Reading the shapefile ---------------------------------------------------

SHAPE_POLYGON = 5
FILE_HEADER_BYTES = 100
RECORD_HEADER_BYTES = 8     # record number and length, big-endian
COUNTS_OFFSET = 36          # after the shape type and the bounding box
PARTS_OFFSET = 44           # after the part and point counts
INT_BYTES, POINT_BYTES = 4, 16


def read_rings(path):
    """Every ring of a polygon shapefile as a list of (lon, lat)."""
    with open(path, "rb") as f:
        data = f.read()
    rings = []
    pos = FILE_HEADER_BYTES
    while pos < len(data):
        _, words = struct.unpack(">ii", data[pos:pos + RECORD_HEADER_BYTES])
        start = pos + RECORD_HEADER_BYTES
        record = data[start:start + 2 * words]  # the length is in 16-bit words
        pos = start + 2 * words
        (shape_type,) = struct.unpack("<i", record[:INT_BYTES])
        if shape_type != SHAPE_POLYGON:
            continue
        part_count, point_count = struct.unpack("<ii", record[COUNTS_OFFSET:PARTS_OFFSET])
        points_offset = PARTS_OFFSET + INT_BYTES * part_count
        parts = struct.unpack(f"<{part_count}i", record[PARTS_OFFSET:points_offset])
        coords = struct.unpack(f"<{2 * point_count}d",
                               record[points_offset:points_offset + POINT_BYTES * point_count])
        points = [(coords[2 * i], coords[2 * i + 1]) for i in range(point_count)]
        bounds = list(parts) + [point_count]
        for first, end in zip(bounds, bounds[1:]):
            rings.append(points[first:end])
    return rings


# --- Projection and correction ----------------------------------------------

def radius(lat):
    if lat >= BAND_LATITUDES[-1]:
        return BAND_RADII[-1] - (lat - BAND_LATITUDES[-1]) * NORTHERN_BAND_STEP / BAND_DEGREES
    if lat <= BAND_LATITUDES[0]:
        return BAND_RADII[0] + (BAND_LATITUDES[0] - lat) * SOUTHERN_BAND_STEP / BAND_DEGREES
    band = int((lat - BAND_LATITUDES[0]) // BAND_DEGREES)
    fraction = (lat - BAND_LATITUDES[band]) / BAND_DEGREES
    return BAND_RADII[band] + (BAND_RADII[band + 1] - BAND_RADII[band]) * fraction


def project(lon, lat):
    theta = (lon - CENTRAL_MERIDIAN) / 180.0 * MAP_PI * MERIDIAN_FACTOR
    r = radius(lat)
    return POLE_X + r * math.sin(theta), POLE_Y + r * math.cos(theta)


class Correction:
    def __init__(self, anchors):
        self.anchors = []
        for _, x, y, lat, lon in anchors:
            px, py = project(lon, lat)
            self.anchors.append((px, py, x - px, y - py))

    def __call__(self, p):
        total = CORRECTION_DAMPING
        dx = dy = 0.0
        for ax, ay, ox, oy in self.anchors:
            d2 = (p[0] - ax) ** 2 + (p[1] - ay) ** 2
            w = math.exp(-d2 / (2 * CORRECTION_RADIUS ** 2))
            total += w
            dx += w * ox
            dy += w * oy
        return p[0] + dx / total, p[1] + dy / total


# --- Clipping -----------------------------------------------------------------

def inside(p):
    return X_MIN <= p[0] <= X_MAX and Y_MIN <= p[1] <= Y_MAX


DRAWABLE = (X_MIN, X_MAX, Y_MIN, Y_MAX)


def clip_segment(a, b, box=DRAWABLE):
    """Liang-Barsky: the part of a-b inside the rectangle
    (x_min, x_max, y_min, y_max), or None."""
    x_min, x_max, y_min, y_max = box
    t0, t1 = 0.0, 1.0
    dx, dy = b[0] - a[0], b[1] - a[1]
    for p, q in ((-dx, a[0] - x_min), (dx, x_max - a[0]),
                 (-dy, a[1] - y_min), (dy, y_max - a[1])):
        if p == 0:
            if q < 0:
                return None
        else:
            t = q / p
            if p < 0:
                t0 = max(t0, t)
            else:
                t1 = min(t1, t)
    if t0 > t1:
        return None
    return ((a[0] + t0 * dx, a[1] + t0 * dy), (a[0] + t1 * dx, a[1] + t1 * dy))


def clip_polyline(points, box=DRAWABLE):
    pieces, current = [], []
    for a, b in zip(points, points[1:]):
        seg = clip_segment(a, b, box)
        if seg is None:
            if len(current) > 1:
                pieces.append(current)
            current = []
            continue
        if not current:
            current = [seg[0]]
        current.append(seg[1])
        if seg[1] != b:  # left the rectangle
            pieces.append(current)
            current = []
    if len(current) > 1:
        pieces.append(current)
    return pieces


def usable(q):
    return LON_RANGE[0] <= q[0] <= LON_RANGE[1] and LAT_RANGE[0] <= q[1] <= LAT_RANGE[1]


def map_ring(ring, correct):
    """A closed lon/lat ring as map-unit pieces: one closed ring when it lies
    wholly inside the rectangle, else the open pieces that do."""
    if ring[0] == ring[-1]:
        ring = ring[:-1]
    projected = [correct(project(*q)) if usable(q) else None for q in ring]
    if all(p is not None and inside(p) for p in projected):
        return [projected + [projected[0]]], True
    # Start at an unusable or outside vertex so no piece wraps around.
    start = next(i for i, p in enumerate(projected) if p is None or not inside(p))
    order = projected[start:] + projected[:start] + [projected[start]]
    pieces, run = [], []
    for p in order:
        if p is None:
            if len(run) > 1:
                pieces.extend(clip_polyline(run))
            run = []
        else:
            run.append(p)
    if len(run) > 1:
        pieces.extend(clip_polyline(run))
    return pieces, False


def to_grid(points):
    """Rounded to whole map units, consecutive repeats dropped."""
    out = []
    for p in points:
        q = (round(p[0]), round(p[1]))
        if not out or out[-1] != q:
            out.append(q)
    return out


# --- Thinning -------------------------------------------------------------------

def segment_distance(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length2 = dx * dx + dy * dy
    if length2 == 0:
        return math.hypot(p[0] - a[0], p[1] - a[1])
    t = max(0.0, min(1.0, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / length2))
    return math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy)


def thin(points, count, keep=()):
    """Douglas-Peucker run to an exact point count: starting from the ends
    and the `keep` indices, repeatedly add the vertex farthest from the
    outline chosen so far. Too few vertices are topped up by halving the
    longest segments."""
    if len(points) <= count:
        return densify(points, count)
    chosen = {0, len(points) - 1, *keep}
    if points[0] == points[-1] and len(chosen) == 2:
        # A closed ring: the farthest point from the start opens it up.
        chosen.add(max(range(len(points)),
                       key=lambda k: math.dist(points[k], points[0])))
    while len(chosen) < count:
        ordered = sorted(chosen)
        best, best_index = -1.0, None
        for i, j in zip(ordered, ordered[1:]):
            for k in range(i + 1, j):
                d = segment_distance(points[k], points[i], points[j])
                if d > best:
                    best, best_index = d, k
        chosen.add(best_index)
    return [points[k] for k in sorted(chosen)]


def densify(points, count):
    points = list(points)
    while len(points) < count:
        i = max(range(len(points) - 1),
                key=lambda k: math.dist(points[k], points[k + 1]))
        a, b = points[i], points[i + 1]
        mid = (round((a[0] + b[0]) / 2), round((a[1] + b[1]) / 2))
        if mid in (a, b):
            raise SystemExit("cannot add points to a polyline this short")
        points.insert(i + 1, mid)
    return points


# --- Building the table -------------------------------------------------------

def polyline_lengths():
    lengths, start = [], 0
    for pen_up in PEN_UP_INDICES:
        lengths.append(pen_up - start)
        start = pen_up + 1
    return lengths


def distance_to_box(ring, lon, lat):
    lons = [q[0] for q in ring]
    lats = [q[1] for q in ring]
    dx = max(min(lons) - lon, 0.0, lon - max(lons))
    dy = max(min(lats) - lat, 0.0, lat - max(lats))
    return math.hypot(dx, dy)


def extent(ring):
    lons = [q[0] for q in ring]
    lats = [q[1] for q in ring]
    return math.hypot(max(lons) - min(lons), max(lats) - min(lats))


def find_ring(rings, lon, lat):
    """The smallest ring whose bounding box lies nearest the point."""
    def key(ring):
        lons = [q[0] for q in ring]
        lats = [q[1] for q in ring]
        area = (max(lons) - min(lons)) * (max(lats) - min(lats))
        return (round(distance_to_box(ring, lon, lat), 2), area)
    return min(rings, key=key)


def nearest_index(points, target):
    return min(range(len(points)), key=lambda k: math.dist(points[k], target))


class Coasts:
    def __init__(self, rings, correct):
        self.rings = rings
        self.correct = correct
        mainland = max(rings, key=len)
        pieces, _ = map_ring(mainland, correct)
        # The mainland's longest piece runs from the Okhotsk Sea round to
        # Vietnam; the only other one is the tip of Kamchatka.
        self.mainland = [to_grid(p) for p in pieces]

    def island(self, lon, lat):
        """The island's outline and whether it is a closed ring."""
        pieces, closed = map_ring(find_ring(self.rings, lon, lat), self.correct)
        if len(pieces) != 1:
            raise SystemExit(f"island at {lon}E {lat}N falls apart when clipped")
        return to_grid(pieces[0]), closed

    def coast(self, via, start, end):
        target = self.correct(project(*via))
        piece = min(self.mainland, key=lambda p: math.dist(p[nearest_index(p, target)], target))
        i = 0 if start is None else nearest_index(piece, self.correct(project(*start)))
        j = len(piece) - 1 if end is None else nearest_index(piece, self.correct(project(*end)))
        return piece[i:j + 1] if i <= j else piece[j:i + 1][::-1]

    def dash(self, lon, lat):
        near = [r for r in self.rings
                if distance_to_box(r, lon, lat) < DASH_REACH_DEGREES
                and extent(r) < DASH_MAX_EXTENT_DEGREES]
        points = to_grid([self.correct(project(*q)) for r in near for q in r])
        a, b = max(((a, b) for a in points for b in points), key=lambda ab: math.dist(*ab))
        return [a, b]


def rotate_closed(ring, start_index):
    body = ring[:-1]
    body = body[start_index:] + body[:start_index]
    return body + [body[0]]


def start_at_extreme(ring):
    """A closed ring rotated to start at one end of its longest chord, so
    that the thinning keeps both ends of the island instead of wherever the
    source happened to start it."""
    body = ring[:-1]
    a, _ = max(((i, j) for i in range(len(body)) for j in range(len(body))),
               key=lambda ij: math.dist(body[ij[0]], body[ij[1]]))
    return rotate_closed(ring, a)


def build_hokkaido(ring, first_row, count):
    """Hokkaido starts at its north-west cape near Wakkanai and runs south
    along the Sea of Japan coast; its first three rows are fixed."""
    start, second, third = (FIXED_ROWS[first_row + k] for k in range(3))
    ring = rotate_closed(ring, nearest_index(ring[:-1], start))
    if ring[1][1] < ring[-2][1]:  # heading north: turn it round
        ring = ring[::-1]
    k = nearest_index(ring[:-1], third)
    body = [start, second, third] + ring[k + 1:-1] + [start]
    return thin(body, count, keep=(1, 2))


def build_honshu(ring, first_row, count):
    """Honshu starts on the Pacific side of its northern tip; the fixed first
    row goes in on the shore segment it lies by."""
    start = FIXED_ROWS[first_row]
    i = min(range(len(ring) - 1),
            key=lambda k: segment_distance(start, ring[k], ring[k + 1]))
    body = ring[:-1]
    ring = [start] + body[i + 1:] + body[:i + 1] + [start]
    return thin(ring, count)


def build_table(coasts):
    lengths = polyline_lengths()
    if len(lengths) != len(PLAN):
        raise SystemExit(f"{len(PLAN)} coasts planned for {len(lengths)} polylines")
    polylines = []
    first_row = 0
    for (name, recipe), length in zip(PLAN, lengths):
        kind = recipe[0]
        if name == "Hokkaido":
            points = build_hokkaido(coasts.island(*recipe[1:])[0], first_row, length)
        elif name == "Honshu":
            points = build_honshu(coasts.island(*recipe[1:])[0], first_row, length)
        elif kind == "island":
            points, closed = coasts.island(*recipe[1:])
            if closed:
                points = start_at_extreme(points)
            points = thin(points, length)
        elif kind == "coast":
            points = thin(coasts.coast(*recipe[1:]), length)
        else:
            points = coasts.dash(*recipe[1:])
        if len(points) != length:
            raise SystemExit(f"{name}: {len(points)} points for a polyline of {length}")
        polylines.append((name, points))
        first_row += length + 1  # and the pen-up mark
    rows = []
    for _, points in polylines:
        rows.extend(points)
        rows.append((0, 0))
    check_table(rows)
    return polylines, rows


def check_table(rows):
    if len(rows) != POINT_COUNT:
        raise SystemExit(f"{len(rows)} rows instead of {POINT_COUNT}")
    pen_ups = tuple(i for i, (x, y) in enumerate(rows) if x <= 0 or y <= 0)
    if pen_ups != PEN_UP_INDICES:
        raise SystemExit(f"pen-up marks at {pen_ups}")
    for index, row in FIXED_ROWS.items():
        if rows[index] != row:
            raise SystemExit(f"row {index} is {rows[index]}, not {row}")
    for i, (x, y) in enumerate(rows):
        if i in PEN_UP_INDICES:
            continue
        if not (X_MIN <= x <= X_MAX and Y_MIN <= y <= Y_MAX):
            raise SystemExit(f"row {i} ({x}, {y}) is out of bounds")
        if i + 1 not in PEN_UP_INDICES and rows[i + 1] == (x, y):
            raise SystemExit(f"rows {i} and {i + 1} repeat ({x}, {y})")


# --- Output -------------------------------------------------------------------

ROW_WRAP = 8  # points per source line


def wrap_cells(cells, per_line):
    """Table cells as indented source lines of `per_line` cells each."""
    return ["    " + " ".join(cells[k:k + per_line]) for k in range(0, len(cells), per_line)]


def cpp_source(polylines):
    out = [
        "// The built-in base map: the coasts of East Asia and the north-west Pacific in",
        "// map units. Data source: the GSHHS crude-resolution shorelines (level 1,",
        "// GSHHS_c_L1.shp, as shipped in Debian's python-cartopy-data), projected and",
        "// bent onto the fixed station positions by " + SCRIPT_PATH + ".",
        "// Generated; rerun that script rather than editing by hand.",
        "",
        '#include "core/Coastline.h"',
        "",
        "#include <array>",
        "",
        "namespace nimbara {",
        "namespace {",
        "",
        "struct Row {",
        "  float x;",
        "  float y;",
        "};",
        "",
        "// Each polyline ends with a pen-up mark (0, 0).",
        "constexpr std::array<Row, kCoastlinePointCount> kRows = {{",
    ]
    for name, points in polylines:
        out.append(f"    // {name}")
        cells = [f"{{{x}, {y}}}," for x, y in points] + ["{0, 0},"]
        out.extend(wrap_cells(cells, ROW_WRAP))
    out += [
        "}};",
        "",
        "CoastlineTable MakeCoastline() {",
        "  CoastlineTable table;  // slots past the last row stay 0",
        "  for (int i = 0; i < kCoastlinePointCount; ++i) {",
        "    table.x[i] = kRows[i].x;",
        "    table.y[i] = kRows[i].y;",
        "  }",
        "  return table;",
        "}",
        "",
        "}  // namespace",
        "",
        "const CoastlineTable& Coastline() {",
        "  static const CoastlineTable table = MakeCoastline();",
        "  return table;",
        "}",
        "",
        "}  // namespace nimbara",
    ]
    return "\n".join(out) + "\n"


def outline_distance(rows, x, y):
    best = math.inf
    for a, b in zip(rows, rows[1:]):
        if min(a + b) > 0:
            best = min(best, segment_distance((x, y), a, b))
    return best


def raw_distance(rings, x, y):
    """Distance to the unthinned, uncorrected projected shoreline."""
    best = math.inf
    for ring in rings:
        pts = [project(*q) for q in ring if usable(q)]
        for a, b in zip(pts, pts[1:]):
            if abs(a[0] - x) < 60 and abs(a[1] - y) < 60:
                best = min(best, segment_distance((x, y), a, b))
    return best


def report(rings, rows):
    """For each anchor station: where the projection puts it, and how far
    its fixed position lies from the raw projected shoreline and from the
    finished table."""
    print("station\tfixed\tprojected\toffset\tto shoreline\tto table", file=sys.stderr)
    for name, x, y, lat, lon in ANCHOR_STATIONS:
        px, py = project(lon, lat)
        print(f"{name}\t({x}, {y})\t({px:.1f}, {py:.1f})\t{math.dist((x, y), (px, py)):.1f}"
              f"\t{raw_distance(rings, x, y):.1f}\t{outline_distance(rows, x, y):.1f}",
              file=sys.stderr)


PREVIEW_SCALE = 2


def write_preview(path, rows):
    size = 400 * PREVIEW_SCALE
    pixels = bytearray(b"\xff" * (size * size * 3))

    def plot(x, y, colour):
        if 0 <= x < size and 0 <= y < size:
            i = (y * size + x) * 3
            pixels[i:i + 3] = bytes(colour)

    for a, b in zip(rows, rows[1:]):
        if min(a + b) <= 0:
            continue
        steps = int(max(abs(b[0] - a[0]), abs(b[1] - a[1])) * PREVIEW_SCALE) + 1
        for s in range(steps + 1):
            t = s / steps
            plot(round((a[0] + (b[0] - a[0]) * t) * PREVIEW_SCALE),
                 round((a[1] + (b[1] - a[1]) * t) * PREVIEW_SCALE), (0, 0, 160))
    for x, y in PREVIEW_STATIONS:
        for dx in range(-2, 3):
            for dy in range(-2, 3):
                plot(x * PREVIEW_SCALE + dx, y * PREVIEW_SCALE + dy, (220, 0, 0))
    with open(path, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (size, size) + pixels)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--shapefile", default=DEFAULT_SHAPEFILE)
    parser.add_argument("--report", action="store_true")
    parser.add_argument("--preview")
    args = parser.parse_args()

    rings = read_rings(args.shapefile)
    near = [r for r in rings if any(usable(q) for q in r)]
    coasts = Coasts(near, Correction(ANCHOR_STATIONS))
    polylines, rows = build_table(coasts)
    sys.stdout.write(cpp_source(polylines))
    if args.report:
        report(near, rows)
    if args.preview:
        write_preview(args.preview, rows)


if __name__ == "__main__":
    main()
