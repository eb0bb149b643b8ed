#!/usr/bin/env python3
"""Generate src/io/Cp932Table.h, CP932 exactly as glibc iconv "CP932" has it.

The program converts its files with this table instead of iconv, so that the
same core builds where there is no glibc iconv (the web edition). The script
asks the iconv of the machine it runs on, through ctypes, about every byte,
every lead/trail pair and every code point, and writes:

  - the decode table: each single byte and each pair to its code point, in
    rows of trail bytes 0x40 to 0xFC per lead byte;
  - the encoding exceptions: the code points whose encoding is not the first
    byte or pair (in byte order) that decodes to them, with glibc's choice
    (the IBM extensions win over their NEC-selected copies; ¢ £ ¥ ¬ — ‖ ‾ −
    〜 encode without decoding back);
  - the code point ranges glibc drops without a trace (Unicode tag characters).

Not part of the build. Standard library only; needs Linux with glibc. Run it
from the repository's root and commit the output:

  python3 tools/cp932/generate_cp932_table.py > src/io/Cp932Table.h

tests/io/Cp932Test.cpp checks the table against iconv for every character.
"""

import ctypes
import ctypes.util
import platform
import struct
import sys

SCRIPT_PATH = "tools/cp932/generate_cp932_table.py"
FIRST_TRAIL = 0x40
LAST_TRAIL = 0xFC
NO_CODE_POINT = 0xFFFF
NO_ROW = 0xFF
NO_BYTES = 0xFFFF
CODE_POINT_END = 0x110000
SURROGATES = range(0xD800, 0xE000)
VALUES_PER_LINE = 12


class Iconv:
    """One glibc iconv conversion; converts whole inputs or nothing."""

    def __init__(self, to_code, from_code):
        self._libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
        self._libc.iconv_open.restype = ctypes.c_void_p
        self._libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        self._libc.iconv.restype = ctypes.c_size_t
        self._libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4
        self._cd = self._libc.iconv_open(to_code.encode(), from_code.encode())
        if self._cd in (None, ctypes.c_void_p(-1).value):
            sys.exit("iconv cannot convert %s to %s" % (from_code, to_code))
        self._out = ctypes.create_string_buffer(64)

    def __call__(self, data):
        """The converted bytes, or None when any part of `data` fails."""
        source = ctypes.create_string_buffer(data, len(data))
        in_ptr = ctypes.c_void_p(ctypes.addressof(source))
        in_left = ctypes.c_size_t(len(data))
        out_ptr = ctypes.c_void_p(ctypes.addressof(self._out))
        out_left = ctypes.c_size_t(len(self._out))
        rc = self._libc.iconv(self._cd, ctypes.byref(in_ptr), ctypes.byref(in_left),
                              ctypes.byref(out_ptr), ctypes.byref(out_left))
        self._libc.iconv(self._cd, None, None, None, None)
        if rc == ctypes.c_size_t(-1).value or in_left.value:
            return None
        return self._out.raw[:len(self._out) - out_left.value]


def single_code_point(utf32):
    """The one BMP code point `utf32` holds, or None when it fails to decode."""
    if utf32 is None:
        return None
    code_points = struct.unpack("<%dI" % (len(utf32) // 4), utf32)
    if len(code_points) != 1 or code_points[0] >= NO_CODE_POINT:
        sys.exit("the table cannot hold the decoding %r" % (code_points,))
    return code_points[0]


def decode_tables(decode):
    singles = [single_code_point(decode(bytes([b]))) for b in range(256)]
    rows = {}
    for lead in (b for b in range(256) if singles[b] is None):
        if any(decode(bytes([lead, trail])) is not None
               for trail in range(256) if not FIRST_TRAIL <= trail <= LAST_TRAIL):
            sys.exit("lead byte %02X has pairs outside the table's trail range" % lead)
        row = [single_code_point(decode(bytes([lead, trail])))
               for trail in range(FIRST_TRAIL, LAST_TRAIL + 1)]
        if any(cp is not None for cp in row):
            rows[lead] = row
    return singles, rows


def first_decodings(singles, rows):
    """Each code point to the first byte or pair, in byte order, decoding to it."""
    first = {}
    for byte, cp in enumerate(singles):
        if cp is not None:
            first.setdefault(cp, byte)
    for lead, row in sorted(rows.items()):
        for offset, cp in enumerate(row):
            if cp is not None:
                first.setdefault(cp, lead << 8 | (FIRST_TRAIL + offset))
    return first


def encoding_exceptions(encode, first):
    """Code points whose glibc encoding differs from `first`, and the dropped ranges."""
    exceptions = []
    dropped = []
    for cp in range(CODE_POINT_END):
        if cp in SURROGATES:
            continue
        encoded = encode(struct.pack("<I", cp))
        if encoded == b"":
            if dropped and dropped[-1][1] == cp - 1:
                dropped[-1][1] = cp
            else:
                dropped.append([cp, cp])
            continue
        value = NO_BYTES if encoded is None else int.from_bytes(encoded, "big")
        if value == first.get(cp, NO_BYTES):
            continue
        if cp >= NO_CODE_POINT or (encoded is not None and len(encoded) > 2):
            sys.exit("the table cannot hold the encoding of U+%04X" % cp)
        exceptions.append((cp, value))
    return exceptions, dropped


def hex_lines(values, digits):
    text = ["0x%0*X" % (digits, v) for v in values]
    return ["    " + ", ".join(text[i:i + VALUES_PER_LINE]) + ","
            for i in range(0, len(text), VALUES_PER_LINE)]


def code_point_lines(code_points):
    return hex_lines([NO_CODE_POINT if cp is None else cp for cp in code_points], 4)


def cpp_source(singles, rows, exceptions, dropped):
    lead_rows = [NO_ROW] * 256
    for index, lead in enumerate(sorted(rows)):
        lead_rows[lead] = index
    out = [
        "#pragma once",
        "// CP932 as glibc iconv \"CP932\" (glibc %s) converts it. Generated by"
        % platform.libc_ver()[1],
        "// %s; rerun it rather than editing by hand:" % SCRIPT_PATH,
        "//   python3 %s > src/io/Cp932Table.h" % SCRIPT_PATH,
        "",
        "#include <array>",
        "#include <cstdint>",
        "",
        "namespace nimbara::cp932 {",
        "",
        "inline constexpr char16_t kNoCodePoint = 0x%04X;" % NO_CODE_POINT,
        "inline constexpr std::uint8_t kNoRow = 0x%02X;" % NO_ROW,
        "inline constexpr std::uint16_t kNoBytes = 0x%04X;" % NO_BYTES,
        "inline constexpr unsigned kFirstTrail = 0x%02X;" % FIRST_TRAIL,
        "inline constexpr unsigned kTrailCount = %d;" % (LAST_TRAIL - FIRST_TRAIL + 1),
        "",
        "// The code point of each byte on its own, or kNoCodePoint.",
        "inline constexpr std::array<char16_t, 256> kSingleBytes = {",
    ]
    out += code_point_lines(singles)
    out += [
        "};",
        "",
        "// The row of kPairs that holds each lead byte's pairs, or kNoRow.",
        "inline constexpr std::array<std::uint8_t, 256> kLeadRows = {",
    ]
    out += hex_lines(lead_rows, 2)
    out += [
        "};",
        "",
        "// Per lead byte, the code point of each trail byte from kFirstTrail, or kNoCodePoint.",
        "inline constexpr std::array<char16_t, %d * kTrailCount> kPairs = {" % len(rows),
    ]
    for lead, row in sorted(rows.items()):
        out.append("    // 0x%02X" % lead)
        out += code_point_lines(row)
    out += [
        "};",
        "",
        "struct Encoding {",
        "  char16_t codePoint;",
        "  std::uint16_t bytes;  // a single byte, lead << 8 | trail, or kNoBytes",
        "};",
        "",
        "// The code points whose encoding is not the first byte or pair (in byte",
        "// order) that decodes to them.",
        "inline constexpr std::array<Encoding, %d> kEncodingExceptions = {{" % len(exceptions),
    ]
    pairs = ["{0x%04X, 0x%04X}" % e for e in exceptions]
    out += ["    " + ", ".join(pairs[i:i + 6]) + "," for i in range(0, len(pairs), 6)]
    out += [
        "}};",
        "",
        "struct CodePointRange {",
        "  char32_t first;",
        "  char32_t last;",
        "};",
        "",
        "// Code points the encoder drops without a trace (Unicode's tag characters).",
        "inline constexpr std::array<CodePointRange, %d> kDroppedRanges = {{" % len(dropped),
    ]
    out += ["    {0x%X, 0x%X}," % tuple(r) for r in dropped]
    out += [
        "}};",
        "",
        "}  // namespace nimbara::cp932",
        "",
    ]
    return "\n".join(out)


def main():
    decode = Iconv("UTF-32LE", "CP932")
    encode = Iconv("CP932", "UTF-32LE")
    singles, rows = decode_tables(decode)
    exceptions, dropped = encoding_exceptions(encode, first_decodings(singles, rows))
    sys.stdout.write(cpp_source(singles, rows, exceptions, dropped))


if __name__ == "__main__":
    main()
