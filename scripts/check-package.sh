#!/usr/bin/env bash
# Builds the Debian package from a Release build, checks its metadata and
# contents (the copyright file, the icon in every hicolor size, an AppStream
# release date taken from the last commit, so that two builds are alike),
# validates the desktop and AppStream files, unpacks it into a scratch root
# and draws a sample with the unpacked program. Called by ./test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DNIMBARA_BUILD_TESTS=OFF -DNIMBARA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target nimbara nimbara_icons
rm -f "$build"/nimbara_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/nimbara_*_amd64.deb)
echo "package: $deb"

fail() { echo "package check: $*" >&2; exit 1; }
info=$(dpkg-deb --info "$deb")
for field in "Package: nimbara" "Depends:.*libqt6widgets6" "Depends:.*qt6-qpa-plugins" \
             "Depends:.*fonts-ipafont-gothic"; do
  grep -q "$field" <<<"$info" || fail "control lacks '$field'"
done
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/nimbara ./usr/share/applications/org.nimbara.Nimbara.desktop \
            ./usr/share/icons/hicolor/scalable/apps/org.nimbara.Nimbara.svg \
            ./usr/share/metainfo/org.nimbara.Nimbara.metainfo.xml \
            ./usr/share/man/man1/nimbara.1 ./usr/share/nimbara/samples/20240115_06.txt \
            ./usr/share/doc/nimbara/copyright; do
  grep -q " $path\$" <<<"$contents" || fail "package lacks $path"
done

desktop-file-validate packaging/org.nimbara.Nimbara.desktop
appstreamcli validate --no-net --pedantic "$build"/org.nimbara.Nimbara.metainfo.xml >/dev/null

# Every option of --help is described in the man page.
for option in $(timeout 60 "$build"/nimbara --help | grep -oE -- '--[a-z][a-z-]+' | sort -u); do
  grep -qF -- "${option//-/\\-}" packaging/nimbara.1 || fail "man page lacks $option"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
QT_QPA_PLATFORM=offscreen timeout 60 "$root"/usr/bin/nimbara render \
  "$root"/usr/share/nimbara/samples/20240115_06.txt -o "$root/map.png"
[ -s "$root/map.png" ] || fail "the unpacked program drew nothing"

grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root"/usr/share/doc/nimbara/copyright || fail "the copyright file is not in the machine-readable format"
for size in 16 24 32 48 64 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/org.nimbara.Nimbara.png"
  [ -f "$icon" ] || fail "package lacks the ${size}x${size} icon"
  python3 - "$icon" "$size" <<'PY' || fail "the ${size}x${size} icon is not a PNG of that size"
import struct, sys
head = open(sys.argv[1], 'rb').read(24)
size = int(sys.argv[2])
sys.exit(0 if head[:8] == b'\x89PNG\r\n\x1a\n' and struct.unpack('>II', head[16:24]) == (size, size) else 1)
PY
done
released=$(grep -oE 'date="[0-9-]+"' "$root"/usr/share/metainfo/org.nimbara.Nimbara.metainfo.xml)
expected="date=\"$(date -u -d "@${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}" +%Y-%m-%d)\""
[ "$released" = "$expected" ] || fail "AppStream release $released is not the last commit's $expected"
echo "package check: passed"
