#!/usr/bin/env python3
"""Writes the sample bulletins of samples/bulletins/ and their expected records.

Station lines are laid out in the bulletin's columns: the name padded so that
the wind direction starts at character 15 - (name length), the direction in
three characters and seven more, "風力" with a three-character force field,
the weather in five characters, the pressure before "ｈＰａ" and the
temperature before "度". A calm station has "風弱く" in the direction column.
Long names stand in a line of their own, the data line then starting with
fourteen full-width spaces (a half-width indent would be skipped by the
reader).

The winter day is also written as the radio broadcast's manuscript would
give it: its station part (各地の天気) in the reading shape, every station a
sentence, and in the listing shape for a few stations, and its systems part
(漁業気象). Pressures above 1000 hPa are read by their last two digits, and
the lines are cut at a fixed width, inside words and numbers as the
manuscript's lines are.

Usage: make_bulletins.py REPO_ROOT
Writes samples/bulletins/*.txt (CP932, CR LF) and
tests/data/bulletin_*_expected.txt (one record per line, for the tests).
"""
import os
import sys

DIRECTIONS = ["北", "北北西", "北西", "西北西", "西", "西南西", "南西", "南南西",
              "南", "南南東", "南東", "東南東", "東", "東北東", "北東", "北北東"]
WEATHER = ["快晴", "晴れ", "くもり", "雨", "雪", "みぞれ", "あられ", "ひょう", "雷", "霧", "不明"]
REDUCED = {"にわか雪": "雪", "にわか雨": "雨", "天気不明": "不明"}
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
LONG_NAMES = {"セベロクリリスク", "ルドナヤプリスタニ"}

STATION_NAMES = [
    "石垣島", "那覇", "南大東島", "名瀬", "鹿児島", "福江", "厳原", "足摺岬", "室戸岬", "松山",
    "浜田", "西郷", "大阪", "潮岬", "八丈島", "大島", "御前崎", "銚子", "前橋", "小名浜",
    "輪島", "相川", "仙台", "宮古", "秋田", "函館", "浦河", "根室", "稚内", "ポロナイスク",
    "セベロクリリスク", "ハバロフスク", "ルドナヤプリスタニ", "ウラジオストク", "ソウル", "ウルルン島",
    "プサン", "モッポ", "チェジュ島", "台北", "恒春", "長春", "北京", "大連", "青島", "上海",
    "武漢", "アモイ", "香港", "ラワーグ", "マニラ", "父島", "南鳥島"]


def full(n):
    return str(n).translate(FULL)


def station_line(name, direction, force, weather, pressure, temperature):
    """name "" gives the data line of a long name."""
    prefix = name + " " * (14 - 2 * len(name)) if name else "　" * 14
    if direction is None:
        wind = "風弱く" + " " * 12
    else:
        wind = direction.ljust(3) + " " * 7 + "風力" + full(force).rjust(2) + " "
    return (prefix + wind + weather.ljust(5) + " " + full(pressure).rjust(4, "　") + "ｈＰａ" +
            " " + full(temperature).rjust(3) + "度")


def expected_station(direction, force, weather, pressure, temperature):
    d = 0 if direction is None else DIRECTIONS.index(direction)
    f = 0 if direction is None else force
    w = REDUCED.get(weather, weather)
    w = WEATHER.index(w) if w in WEATHER else 11
    return [d, f, w, pressure, temperature]


def ship_lines(call, lat, lon, direction, force, weather, pressure):
    a = "%s　北緯%s度 東経%s度 %s 風力%s" % (call, full(lat), full(lon), direction.ljust(3), full(force))
    b = "天気 %s 気圧 %s" % (weather.ljust(4), full(pressure) + "ｈＰａ" if pressure else "不明")
    return a, b


def station_bulletin(header, stations, ships, layout_a):
    lines = [header, "地点　風向　風力　天気　気圧　気温"]
    expected = []
    for slot, (name, obs) in enumerate(zip(STATION_NAMES, stations)):
        expected.append(["station", slot] + expected_station(*obs))
        if name in LONG_NAMES and (layout_a or name != "セベロクリリスク"):
            lines.append(name)
            lines.append(station_line("", *obs))
        elif name == "セベロクリリスク":
            lines.append(station_line("オゼルナヤ", *obs))
        else:
            lines.append(station_line(name, *obs))
    lines.append("")
    lines.append("海上の観測（船舶・ブイ）")
    for ship in ships:
        lines.extend(ship_lines(*ship))
        call, lat, lon, direction, force, weather, pressure = ship
        if pressure:
            w = REDUCED.get(weather, weather)
            expected.append(["ship", lat, lon, DIRECTIONS.index(direction), force,
                             WEATHER.index(w) if w in WEATHER else 11, pressure])
    return lines, expected


# Winter monsoon: a 1050 hPa high over Mongolia, a deep low east of Hokkaido.
WINTER_STATIONS = [
    ("北北東", 4, "くもり", 1022, 17), ("北", 5, "くもり", 1021, 15), ("北", 4, "晴れ", 1021, 16),
    ("北西", 4, "にわか雨", 1020, 12), ("北西", 4, "くもり", 1020, 6), ("北西", 6, "にわか雪", 1021, 3),
    ("北西", 6, "雪", 1020, 1), ("西北西", 4, "晴れ", 1018, 5), ("西北西", 5, "晴れ", 1017, 4),
    ("北西", 2, "晴れ", 1018, 2), ("西北西", 5, "雪", 1018, 0), ("西北西", 7, "雪", 1016, -1),
    ("北西", 3, "晴れ", 1016, 3), ("西北西", 6, "晴れ", 1014, 6), ("西", 7, "晴れ", 1012, 9),
    ("西", 6, "快晴", 1012, 5), ("西", 5, "快晴", 1013, 4), ("西北西", 6, "晴れ", 1010, 3),
    ("北西", 5, "快晴", 1012, -2), ("北西", 4, "晴れ", 1008, 1), ("西北西", 7, "雪", 1010, -2),
    ("西北西", 8, "雪", 1008, -3), ("西北西", 5, "くもり", 1004, -2), ("西", 6, "晴れ", 1000, -3),
    ("西北西", 7, "雪", 1004, -4), ("西北西", 6, "雪", 998, -5), ("西", 6, "くもり", 994, -4),
    ("北西", 9, "雪", 982, -6), ("北西", 7, "雪", 994, -9), ("北西", 5, "雪", 996, -16),
    ("北", 8, "雪", 986, -8), ("西", 3, "快晴", 1036, -25), ("北西", 4, "晴れ", 1028, -14),
    ("北西", 5, "快晴", 1030, -13), ("西北西", 4, "快晴", 1030, -9), ("北西", 6, "雪", 1024, -3),
    ("北西", 5, "くもり", 1026, 0), ("北北西", 4, "雪", 1027, -1), ("北西", 5, "にわか雪", 1024, 2),
    ("北東", 4, "くもり", 1024, 16), ("北東", 5, "くもり", 1019, 21), ("西", 3, "快晴", 1042, -20),
    ("北西", 2, "煙霧", 1040, -5), ("北", 4, "晴れ", 1034, -6), ("北", 4, "晴れ", 1032, -2),
    ("北", 3, "くもり", 1028, 4), (None, 0, "くもり", 1030, 3), ("北東", 3, "くもり", 1024, 12),
    ("東", 2, "晴れ", 1021, 15), ("東北東", 3, "天気不明", 1016, 24), ("北", 2, "晴れ", 1014, 25),
    ("北北東", 4, "くもり", 1018, 21), ("東北東", 4, "晴れ", 1016, 23),
]
WINTER_SHIPS = [
    ("ＪＧＱＨ", 38, 145, "西北西", 8, "雪", 988),
    ("ＪＤＷＸ", 34, 142, "西", 6, "晴れ", 1008),
    ("ＪＮＳＲ", 30, 136, "北西", 5, "くもり", 1016),
    ("ＢＵＯＹ２１", 42, 153, "北西", 10, "雪", 978),
    ("ＪＰＢＸ", 41, 138, "西北西", 7, "雪", 0),
]

# Summer: a typhoon south-west of Okinawa, the Pacific high to the east.
SUMMER_STATIONS = [
    ("北東", 8, "雨", 986, 27), ("東", 10, "雨", 982, 26), ("南東", 6, "くもり", 1000, 28),
    ("東", 6, "にわか雨", 1002, 29), ("東南東", 3, "くもり", 1006, 31), ("東", 4, "くもり", 1006, 28),
    ("東北東", 3, "くもり", 1007, 28), ("東", 5, "くもり", 1008, 29), ("東", 4, "晴れ", 1009, 30),
    ("南東", 2, "晴れ", 1009, 32), ("東北東", 2, "晴れ", 1009, 31), ("北東", 2, "くもり", 1009, 29),
    ("南西", 3, "晴れ", 1009, 34), ("東", 4, "晴れ", 1010, 29), ("南", 4, "晴れ", 1013, 29),
    ("南南西", 3, "晴れ", 1011, 30), ("南西", 4, "晴れ", 1011, 30), ("南", 3, "晴れ", 1012, 28),
    (None, 0, "晴れ", 1009, 35), ("南", 2, "くもり", 1011, 29), ("南西", 2, "くもり", 1009, 30),
    ("南西", 3, "くもり", 1009, 28), ("南東", 2, "くもり", 1010, 26), ("南東", 3, "霧", 1011, 21),
    ("南西", 3, "くもり", 1008, 29), ("東", 2, "霧", 1010, 22), ("東", 3, "霧", 1011, 18),
    ("東", 3, "霧", 1012, 16), ("南西", 2, "くもり", 1008, 20), ("南", 2, "くもり", 1006, 22),
    ("南東", 3, "霧", 1010, 13), ("南西", 2, "雷", 1002, 27), ("南", 3, "くもり", 1004, 21),
    ("南", 3, "霧", 1004, 22), ("西南西", 2, "にわか雨", 1004, 31), ("南西", 3, "くもり", 1006, 27),
    ("南西", 4, "くもり", 1006, 28), ("南", 3, "晴れ", 1004, 30), ("東", 5, "くもり", 1002, 29),
    ("東南東", 6, "雨", 996, 28), ("南", 7, "雨", 994, 27), ("南西", 2, "くもり", 1002, 28),
    ("南", 2, "晴れ", 1002, 34), ("南", 3, "晴れ", 1003, 30), ("南", 3, "くもり", 1004, 29),
    ("東", 4, "くもり", 1004, 32), ("南", 2, "雷", 1004, 35), ("北東", 5, "にわか雨", 1000, 30),
    ("東", 3, "くもり", 1004, 31), ("南西", 5, "雨", 1002, 29), ("西南西", 6, "雨", 1002, 26),
    ("東", 3, "快晴", 1016, 30), ("東", 4, "晴れ", 1018, 29),
]
SUMMER_SHIPS = [
    ("ＪＧＱＨ", 23, 129, "東北東", 12, "雨", 968),
    ("ＪＤＷＸ", 28, 134, "東", 5, "くもり", 1008),
    ("ＪＮＳＲ", 33, 150, "南西", 3, "霧", 1016),
    ("ＢＵＯＹ２２", 21, 135, "南南東", 7, "にわか雨", 1004),
    ("ＪＰＢＸ", 26, 140, "南", 4, "晴れ", 0),
]

WINTER_SYSTEMS = [
    "２０２４年０１月１５日０６時の低気圧や前線の位置",
    "低気圧 976hPa (44N,151E) 北東 30km/h",
    "低気圧 1008hPa (30N,138E) 東北東 40km/h",
    "高気圧 1052hPa (46N,108E) ほとんど停滞",
    "高気圧 1024hPa (26N,128E) 東 15km/h",
    "閉塞前線 (44N,151E) (46N,155E) (46N,158E)",
    "温暖前線 (46N,158E) (45N,162E) (43N,165E)",
    "寒冷前線 (46N,158E) (42N,157E) (38N,154E)",
    " (34N,150E) (31N,145E)",
    "停滞前線 (31N,145E) (30N,138E) (28N,132E) (27N,126E)",
    "等圧線 1040hPa (52N,115E) (47N,120E) (42N,122E) (38N,118E)",
]
SUMMER_SYSTEMS = [
    "２０２４年０８月２０日１２時の低気圧や前線の位置",
    "熱帯低気圧 1004hPa (17N,135E) 西北西 15km/h",
    "台風第１０号 965hPa (24.3N,125.6E) 北北西 15km/h",
    "高気圧 1020hPa (32N,160E) ほとんど停滞",
    "低気圧 1000hPa (48N,128E) 東 20km/h",
    "停滞前線 (50N,120E) (48N,128E) (47N,136E) (45N,143E)",
    " (44N,150E) (42N,158E)",
]


def systems_expected(season):
    """Entries the bulletins above must give, written out by hand."""
    return {
        "winter": [
            ("低気圧", 44, 151, 976), ("低気圧", 30, 138, 1008), ("高気圧", 46, 108, 1052),
            ("高気圧", 26, 128, 1024), ("閉塞前線", 44, 151, 0), ("閉塞前線", 46, 155, 0),
            ("閉塞前線", 46, 158, 0), ("温暖前線", 46, 158, 0), ("温暖前線", 45, 162, 0),
            ("温暖前線", 43, 165, 0), ("寒冷前線", 46, 158, 0), ("寒冷前線", 42, 157, 0),
            ("寒冷前線", 38, 154, 0), ("寒冷前線", 34, 150, 0), ("寒冷前線", 31, 145, 0),
            ("停滞前線", 31, 145, 0), ("停滞前線", 30, 138, 0), ("停滞前線", 28, 132, 0),
            ("停滞前線", 27, 126, 0), ("等圧線", 52, 115, 1040), ("等圧線", 47, 120, 1040),
            ("等圧線", 42, 122, 1040), ("等圧線", 38, 118, 1040)],
        "summer": [
            ("熱帯低気圧", 17, 135, 1004), ("台風", 24, 126, 965), ("高気圧", 32, 160, 1020),
            ("低気圧", 48, 128, 1000), ("停滞前線", 50, 120, 0), ("停滞前線", 48, 128, 0),
            ("停滞前線", 47, 136, 0), ("停滞前線", 45, 143, 0), ("停滞前線", 44, 150, 0),
            ("停滞前線", 42, 158, 0)],
    }[season]


BROADCAST_HEADER = "２０２４年０１月１５日０６時"
MANUSCRIPT_WIDTH = 30
# The listing shape: a few stations as a pupil copies them, names spaced,
# the unit letters sometimes left out, one station without a report.
LISTING_SLOTS = [0, 1, 4, 7, 12, 17, 20, 22, 25, 27, 28, 33, 34, 42]
NO_REPORT_SLOT = 28


def broadcast_pressure(pressure):
    """Above 1000 hPa the broadcast reads only the last two digits."""
    return str(pressure % 100) if pressure > 1000 else str(pressure)


def broadcast_temperature(temperature):
    return ("マイナス%d" % -temperature if temperature < 0 else str(temperature)) + "度"


def reading_sentence(first, name, direction, force, weather, pressure, temperature):
    wind = "風弱く" if direction is None else "%sの風、風力%d" % (direction, force)
    labels = ("天気 ", "気圧 ", "気温 ") if first else ("", "", "")
    return "%sでは、%s、%s%s、%s%sヘクトパスカル、%s%s。" % (
        name, wind, labels[0], weather, labels[1], broadcast_pressure(pressure), labels[2],
        broadcast_temperature(temperature))


def listing_line(slot, name, direction, force, weather, pressure, temperature):
    spaced = " ".join(name)
    if slot == NO_REPORT_SLOT:
        return spaced + "　入電がありません"
    wind = "風弱く" if direction is None else "%s　風力 %d" % (direction, force)
    unit = "mb" if slot % 2 == 0 else ""
    return "%s　%s　%s　%s%s　%s" % (spaced, wind, weather, broadcast_pressure(pressure), unit,
                                   "%d度" % temperature)


def cut(text):
    return [text[i:i + MANUSCRIPT_WIDTH] for i in range(0, len(text), MANUSCRIPT_WIDTH)]


WINTER_MANUSCRIPT_SYSTEMS = (
    "北緯44度10分、東経151度には、976ヘクトパスカルの発達中の低気圧があって、北東へ毎時30キロで進んでいます。"
    "中心から閉塞前線が北緯46度、東経155度を通って、北緯46度、東経158度に達し、そこから温暖前線が北緯45度、"
    "東経162度を通って、北緯43度、東経165度にのびています。"
    "また、寒冷前線が北緯46度、東経158度、北緯42度、東経157度、北緯38度、東経154度を通って、北緯34度、"
    "東経150度、北緯31度、東経145度に達し、そこから停滞前線が北緯30度、東経138度、北緯28度、東経132度を通って、"
    "北緯27度、東経126度にのびています。"
    "北緯30度、東経138度には、1008ヘクトパスカルの低気圧があって、東北東へ毎時40キロで進んでいます。"
    "この低気圧は、24時間後には北緯33度、東経147度を中心とする半径300キロの円内に進む見込みです。"
    "北緯46度、東経108度には、1052ヘクトパスカルの高気圧があって、ほとんど停滞しています。"
    "北緯26度、東経128度には、1024ヘクトパスカルの高気圧があって、東へ毎時15キロで進んでいます。"
    "1040ヘクトパスカルの等圧線が北緯52度、東経115度、北緯47度、東経120度、北緯42度、東経122度を通って、"
    "北緯38度、東経118度に達しています。"
    "(46、150)(46、160)(40、160)(40、150)の各点で囲まれた海域では、北西の風が強く、最大風速は25メー"
    "トルです。海上暴風警報が発表されています。")


def broadcast_manuscripts(stations):
    reading = "".join(reading_sentence(slot == 0, name, *obs)
                      for slot, (name, obs) in enumerate(zip(STATION_NAMES, stations)))
    listing = [listing_line(slot, STATION_NAMES[slot], *stations[slot]) for slot in LISTING_SLOTS]
    return {
        "broadcast_station_part.txt": ["気象通報原稿　各地の天気　" + BROADCAST_HEADER] + cut(reading),
        "broadcast_station_part_listing.txt": ["各地の天気　" + BROADCAST_HEADER] + listing,
        "broadcast_systems_part.txt": ["気象通報原稿　漁業気象　" + BROADCAST_HEADER] + cut(WINTER_MANUSCRIPT_SYSTEMS),
    }


def write(path, lines):
    with open(path, "wb") as f:
        f.write("\r\n".join(lines).encode("cp932") + b"\r\n")


def main(root):
    samples = os.path.join(root, "samples", "bulletins")
    data = os.path.join(root, "tests", "data")
    os.makedirs(samples, exist_ok=True)
    for season, stations, ships, layout_a, header in [
            ("winter", WINTER_STATIONS, WINTER_SHIPS, True, "２０２４年０１月１５日０６時の各地の観測値"),
            ("summer", SUMMER_STATIONS, SUMMER_SHIPS, False, "２０２４年０８月２０日１２時の各地の観測値")]:
        assert len(stations) == len(STATION_NAMES)
        lines, expected = station_bulletin(header, stations, ships, layout_a)
        write(os.path.join(samples, season + "_stations.txt"), lines)
        write(os.path.join(data, "bulletin_%s_stations_expected.txt" % season),
              [" ".join(str(v) for v in row) for row in expected])
    for season, lines in [("winter", WINTER_SYSTEMS), ("summer", SUMMER_SYSTEMS)]:
        write(os.path.join(samples, season + "_systems.txt"), lines)
        write(os.path.join(data, "bulletin_%s_systems_expected.txt" % season),
              ["%s %d %d %d" % e for e in systems_expected(season)])
    for name, lines in broadcast_manuscripts(WINTER_STATIONS).items():
        write(os.path.join(samples, name), lines)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", ".."))
