#!/usr/bin/env bash
# Times `nimbara render` against the matplotlib/scipy peer on the same data
# file, whole process each, alternating runs, and prints the medians and their
# ratio. Usage: bench/peer/compare.sh [DATA.txt] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
data="${1:-tests/data/data_realistic.txt}"
runs="${2:-15}"

for package in python3-matplotlib python3-scipy; do
  dpkg -s "$package" >/dev/null 2>&1 || { apt-get update -qq && apt-get install -y --no-install-recommends "$package"; }
done
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DNIMBARA_BUILD_TESTS=OFF \
  -DNIMBARA_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --target nimbara >/dev/null

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen

seconds() {  # runs the command once, prints its wall time in seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}

nimbara_times=()
peer_times=()
for ((i = 0; i < runs; i++)); do
  nimbara_times+=("$(seconds build/release/nimbara render "$data" -o "$out/nimbara.png")")
  peer_times+=("$(seconds /usr/bin/python3 bench/peer/peer_map.py "$data" "$out/peer.png")")
done

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
n=$(median "${nimbara_times[@]}")
p=$(median "${peer_times[@]}")
printf 'runs: %d each, alternating\nnimbara render: median %.3f s\npeer (matplotlib + scipy): median %.3f s\nratio peer / nimbara: %.1f\n' \
  "$runs" "$n" "$p" "$(awk -v p="$p" -v n="$n" 'BEGIN { print p / n }')"
