#!/usr/bin/python3
"""The same kind of map drawn with a general plotting stack: the station,
ship and system pressures of a Nimbara data file gridded with scipy's
griddata, 4 hPa contours and station dots with matplotlib, an 800 x 800 PNG.
It is the yardstick for bench/peer/compare.sh.

Usage: /usr/bin/python3 peer_map.py DATA.txt OUT.png
"""
import math
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from scipy.interpolate import griddata  # noqa: E402

MAP_SIZE = 400
GRID_STEP = 12
CONTOUR_STEP_HPA = 4
PICTURE_INCHES = 8
PICTURE_DPI = 100
PI = 3.141592
BANDS = [(50, 34), (45, 38), (40, 40), (35, 42), (30, 44), (25, 46), (20, 48), (15, 50)]

STATIONS = {
    "石垣島": (173, 270),
    "那覇": (207, 260),
    "南大東島": (229, 260),
    "名瀬": (221, 239),
    "鹿児島": (231, 216),
    "福江": (219, 202),
    "厳原": (224, 189),
    "足摺岬": (248, 203),
    "室戸岬": (257, 198),
    "松山": (245, 185),
    "浜田": (224, 183),
    "西郷": (251, 173),
    "大阪": (263, 187),
    "潮岬": (267, 197),
    "八丈島": (294, 195),
    "大島": (292, 183),
    "御前崎": (284, 187),
    "銚子": (298, 177),
    "前橋": (286, 173),
    "小名浜": (300, 167),
    "輪島": (275, 164),
    "相川": (283, 159),
    "仙台": (304, 151),
    "宮古": (305, 143),
    "秋田": (292, 143),
    "函館": (291, 125),
    "浦河": (306, 123),
    "根室": (318, 111),
    "稚内": (297, 97),
    "ポロナイスク": (301, 67),
    "セベロクリリスク": (360, 50),
    "ハバロフスク": (263, 72),
    "ルドナヤプリスタニ": (266, 107),
    "ウラジオストク": (245, 117),
    "ソウル": (210, 160),
    "ウルルン島": (237, 161),
    "プサン": (226, 178),
    "モッポ": (205, 183),
    "チェジュ島": (206, 192),
    "台北": (153, 259),
    "恒春": (142, 283),
    "長春": (210, 104),
    "北京": (148, 126),
    "大連": (181, 138),
    "青島": (171, 160),
    "上海": (167, 207),
    "武漢": (111, 186),
    "アモイ": (126, 257),
    "香港": (85, 261),
    "ラワーグ": (128, 324),
    "マニラ": (125, 360),
    "父島": (313, 243),
    "南鳥島": (390, 260),
    "富士山": (282, 183)
}


def polar_radius(lat):
    if lat < 10 or lat > 56:
        return 0.0
    r = 265.0 + sum(step for threshold, step in BANDS if lat < threshold)
    band = 5 * math.floor(lat / 5)
    b = next((step for threshold, step in BANDS if band > threshold), 50)
    return r + b - b * (lat - band) / 5


def project(lat, lon):
    r = polar_radius(lat)
    if r == 0:
        return None
    theta = (lon - 135) / 180 * PI * 0.9
    return 263 + r * math.sin(theta), r * math.cos(theta) - 237


def number(field):
    try:
        return float(field.strip() or 0)
    except ValueError:
        return 0.0


def read_points(path):
    with open(path, encoding="cp932", errors="replace") as f:
        lines = [line.rstrip("\r\n") for line in f]
    points = []
    i = 1
    while i < len(lines):
        head = lines[i].split(",")
        if len(head) < 2 or not head[1].strip().lstrip("-").isdigit():
            i += 1
            continue
        section, count = head[0].strip(), int(head[1])
        rows = lines[i + 2 : i + 2 + count]
        for row in rows:
            f = row.split(",")
            if section == "各地の天気" and len(f) >= 5 and f[0].strip() in STATIONS:
                xy, p = STATIONS[f[0].strip()], number(f[4])
            elif section == "船舶の報告" and len(f) >= 6:
                xy, p = project(number(f[0]), number(f[1])), number(f[5])
            elif section == "漁業気象" and len(f) >= 4:
                xy, p = project(number(f[1]), number(f[2])), number(f[3])
            else:
                continue
            if xy and p > 0:
                points.append((xy[0], xy[1], p))
        i += 2 + count
    return points


def main():
    data, out = sys.argv[1], sys.argv[2]
    points = np.array(read_points(data))
    nodes = np.arange(0, MAP_SIZE, GRID_STEP)
    gx, gy = np.meshgrid(nodes, nodes)
    field = griddata(points[:, :2], points[:, 2], (gx, gy), method="linear")
    nearest = griddata(points[:, :2], points[:, 2], (gx, gy), method="nearest")
    field = np.where(np.isnan(field), nearest, field)
    low = CONTOUR_STEP_HPA * math.floor(np.nanmin(field) / CONTOUR_STEP_HPA)
    high = CONTOUR_STEP_HPA * math.ceil(np.nanmax(field) / CONTOUR_STEP_HPA)
    fig = plt.figure(figsize=(PICTURE_INCHES, PICTURE_INCHES), dpi=PICTURE_DPI)
    ax = fig.add_axes([0, 0, 1, 1])
    ax.contour(gx, gy, field, levels=np.arange(low, high + 1, CONTOUR_STEP_HPA), colors="blue", linewidths=1)
    ax.scatter(points[:, 0], points[:, 1], s=6, c="black")
    ax.set_xlim(0, MAP_SIZE)
    ax.set_ylim(MAP_SIZE, 0)
    ax.axis("off")
    fig.savefig(out, dpi=PICTURE_DPI)


if __name__ == "__main__":
    main()
