#!/usr/bin/env bash
# Peak resident memory of a Release build (BUILD, build/release by default):
#   1. `nimbara render samples/20240115_06.txt -o OUT.png`, measured by /usr/bin/time -v;
#   2. the application on a virtual X display, started in a fresh folder whose
#      settings file names samples/20240115_06.txt as the last map, so it opens with
#      that map drawn; after SECONDS (8) its VmHWM is read and it is ended.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
binary="$root/${1:-build/release}/nimbara"
seconds="${SECONDS_SHOWN:-8}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/time -v -o "$work/render.time" "$binary" render samples/20240115_06.txt -o "$work/map.png" >/dev/null
echo "render: $(grep 'Maximum resident' "$work/render.time" | awk '{print $NF}') kB peak RSS"

python3 - "$work/Nimbara.ini" "$root/samples/20240115_06.txt" <<'EOF'
import sys
open(sys.argv[1], 'wb').write(('最終表示ファイル=' + sys.argv[2] + '\r\n').encode('cp932'))
EOF
(cd "$work" && xvfb-run -a -s "-screen 0 1024x768x24" \
  sh -c 'echo $$ > pid; exec "$0"' "$binary" >"$work/app.log" 2>&1 &)
sleep "$seconds"
pid=$(cat "$work/pid")
echo "application with a map: $(awk '/VmHWM/ {print $2}' "/proc/$pid/status") kB peak RSS (VmHWM)"
kill -TERM "$pid"
while kill -0 "$pid" 2>/dev/null; do sleep 0.2; done
