#!/usr/bin/env bash
# The fault tries of docs/reliability.md, run against a built nimbara:
#  - a full disk at many sizes from nothing to the size of the output
#    (RLIMIT_FSIZE, SIGXFSZ ignored) during each kind of save;
#  - kill -9 at a random moment of each kind of save, then the left-overs;
#  - special files (FIFOs, devices) where files are read or written.
# Each kind of save replaces an earlier set of outputs (made from the winter
# sample) with a new one (from the summer sample). Prints the counts; exits 1
# when a try broke a rule. Usage: scripts/fault-tries.sh [NIMBARA] [KILLS]
set -uo pipefail
cd "$(dirname "$0")/.."
bin="$(realpath "${1:-build/dev/nimbara}")"
kills="${2:-100}"
earlier="$PWD/samples/20240115_06.txt"
newer="$PWD/samples/20240820_12.txt"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
export QT_QPA_PLATFORM=offscreen
broken=0
fail() { echo "BROKEN: $*"; broken=1; }

kinds="render import grid"
outputs() {
  case "$1" in
    render) echo out/map.png out/map.ops ;;
    import) echo out/map.cnt out/map.txt ;;  # the data file is renamed last
    grid) echo out/map.cnt ;;
  esac
}
# Replaces the (sub)shell it runs in, so that kill -9 hits nimbara itself.
save() {
  case "$1" in
    render) exec "$bin" render "$2" -o out/map.png --ops out/map.ops ;;
    import) exec "$bin" import --full --load "$2" -o out/map.txt ;;
    grid) exec "$bin" grid "$2" -o out/map.cnt ;;
  esac
}
now() { date +%s%3N; }
# The earlier and the newer outputs of a kind, kept in ref-KIND-earlier and
# ref-KIND-newer, and how many milliseconds the newer save takes.
declare -A duration
reference() {
  for source in earlier newer; do
    rm -rf out && mkdir out
    local start
    start=$(now)
    (save "$1" "${!source}" 2>/dev/null) || fail "$1 without faults"
    duration[$1]=$(( $(now) - start ))
    mkdir -p "ref-$1-$source" && cp out/* "ref-$1-$source/"
  done
}
restore() { mkdir -p out && cp "ref-$1-earlier"/* out/; }
# Which version each output holds: earlier, newer or torn.
versions() {
  local file name
  for file in $(outputs "$1"); do
    name="$(basename "$file")"
    if cmp -s "$file" "ref-$1-earlier/$name"; then echo -n "earlier "
    elif cmp -s "$file" "ref-$1-newer/$name"; then echo -n "newer "
    else echo -n "torn "; fi
  done
}
temporaries() { find out -name '.*.nimbara-save.*' | wc -l; }

for kind in $kinds; do reference "$kind"; done

echo "== full disk"
for kind in $kinds; do
  largest=$(du -k --apparent-size "ref-$kind-newer"/* | sort -n | tail -1 | cut -f1)
  step=$(( largest / 40 + 1 ))
  tries=0 refused=0
  for ((size = 0; size <= largest + step; size += step)); do
    restore "$kind"
    ( trap '' XFSZ; ulimit -f "$size"; save "$kind" "$newer" >/dev/null 2>&1 )
    code=$?
    got="$(versions "$kind")"
    tries=$((tries + 1))
    if [ "$code" = 2 ]; then
      refused=$((refused + 1))
      [[ "$got" =~ ^(earlier )+$ ]] || fail "$kind at $size KiB: exit 2 but $got"
    elif [ "$code" = 0 ]; then
      [[ "$got" =~ ^(newer )+$ ]] || fail "$kind at $size KiB: exit 0 but $got"
    else
      fail "$kind at $size KiB: exit $code"
    fi
    [ "$(temporaries)" = 0 ] || fail "$kind at $size KiB: temporary files left"
  done
  echo "$kind: $tries sizes (0 to $((size - step)) KiB by $step), $refused refused with exit 2 and the earlier files intact, the rest complete"
done

echo "== kill -9"
for kind in $kinds; do
  restore "$kind"
  declare -A seen=()
  for ((k = 0; k < kills; k++)); do
    save "$kind" "$newer" >/dev/null 2>&1 &
    delay=$((RANDOM % (duration[$kind] * 6 / 5 + 1)))  # ms, past the end of a save
    sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
    kill -9 $! 2>/dev/null
    wait $! 2>/dev/null
    got="$(versions "$kind")"
    seen["$got"]=$(( ${seen["$got"]:-0} + 1 ))
    [[ "$got" == *torn* ]] && fail "$kind: a torn file after kill -9 ($got)"
    [ "$kind" = import ] && [ "$got" = "earlier newer " ] && fail "import: a new data file beside an old isobar file"
    restore "$kind"
  done
  left=$(temporaries)
  find out -name '.*.nimbara-save.*' -exec touch -d '2 minutes ago' {} +
  (save "$kind" "$newer" >/dev/null 2>&1) || fail "$kind: save after the kills"
  summary=""
  for got in "${!seen[@]}"; do summary+="${seen[$got]} × ${got% }; "; done
  echo "$kind ($((duration[$kind])) ms): $kills kills: ${summary}$left temporaries left, $(temporaries) after the next save"
  [ "$(temporaries)" = 0 ] || fail "$kind: left-overs not removed"
  unset seen
done

echo "== special files"
mkdir -p special && cp "$earlier" special/map.txt
mkfifo special/fifo.txt special/map.bmp special/fifo.ops
ln -s /dev/zero special/map.gif
tries=0
expect() {  # expected exit code, command...
  local want=$1 code
  shift
  timeout 20 "$@" >/dev/null 2>&1
  code=$?
  tries=$((tries + 1))
  [ "$code" = "$want" ] || fail "$* exited $code, not $want"
}
expect 2 "$bin" render special/fifo.txt -o special/a.png
expect 2 "$bin" render /dev/zero -o special/a.png
expect 2 "$bin" grid special/fifo.txt -o special/a.cnt
expect 2 "$bin" import --load special/fifo.txt -o special/a.txt
expect 0 "$bin" render special/map.txt -o special/map.png
expect 2 "$bin" render special/map.txt -o special/b.png --ops special/fifo.ops
echo "$tries tries, none waited"

exit "$broken"
