#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short smoke
# (FUZZ_SECONDS, 20 by default) on its seed corpus. Skipped without clang.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ >/dev/null; then
  echo "fuzz smoke skipped: clang++ not installed"
  exit 0
fi
seconds="${FUZZ_SECONDS:-20}"
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNIMBARA_BUILD_TESTS=OFF -DNIMBARA_BUILD_BENCH=OFF >/dev/null
targets=$(cd fuzz && ls *.cpp 2>/dev/null | sed 's/\.cpp$//')
[ -n "$targets" ] || exit 0
cmake --build build/fuzz --target $targets
for target in $targets; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  seeds=()
  for folder in tests/data samples; do [ -d "$folder" ] && seeds+=("$folder"); done
  log="build/fuzz/$target.log"
  echo "fuzz smoke: $target for ${seconds}s"
  if ! build/fuzz/fuzz/"$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
      "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz smoke: $target failed"
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$log" || true
done
