#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short smoke
# (FUZZ_SECONDS, 20 by default) on its corpus from earlier runs
# (build/fuzz/corpus/TARGET) and the seeds in tests/data and samples. A crash,
# a sanitizer report or an input running longer than 10 s fails the smoke; the
# input is kept under build/fuzz/artifacts. Skipped without clang.
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
mkdir -p build/fuzz/artifacts
for target in $targets; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  seeds=()
  for folder in tests/data samples; do [ -d "$folder" ] && seeds+=("$folder"); done
  log="build/fuzz/$target.log"
  echo "fuzz smoke: $target for ${seconds}s"
  if ! build/fuzz/fuzz/"$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="build/fuzz/artifacts/$target-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz smoke: $target failed; the input is in build/fuzz/artifacts"
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$log" || true
done
