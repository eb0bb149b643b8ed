#!/usr/bin/env bash
# Builds the Debian package from a Release build, checks its metadata and
# contents, validates the desktop and AppStream files, unpacks it into a
# scratch root and draws a sample with the unpacked program. Called by ./test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DNIMBARA_BUILD_TESTS=OFF -DNIMBARA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target nimbara
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
            ./usr/share/man/man1/nimbara.1 ./usr/share/nimbara/samples/20240115_06.txt; do
  grep -q " $path\$" <<<"$contents" || fail "package lacks $path"
done

desktop-file-validate packaging/org.nimbara.Nimbara.desktop
appstreamcli validate --no-net --pedantic packaging/org.nimbara.Nimbara.metainfo.xml >/dev/null

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
echo "package check: passed"
