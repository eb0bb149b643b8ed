#!/usr/bin/env bash
# Every quoted #include names the library folder it comes from
# ("canvas/Canvas.h", "render/chart/ChartMap.h", "support/TestApp.h") and never
# climbs with "..": the include roots of CMakeLists.txt then decide what a
# file may see, and a path that only works from one folder cannot slip in.
# Prints each offending line and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# The library folders of src/ (every folder: canvas, core, io, …), the tests'
# shared support, the benchmarks' helpers and the web edition's own sources.
folders="$(cd src && find . -mindepth 1 -maxdepth 1 -type d -printf '%f|')support|bench|web"

offenders=$(grep -rnE --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' \
              src tests bench fuzz web/src |
            grep -vE "#[[:space:]]*include[[:space:]]+\"(${folders})/" ; true)
climbing=$(grep -rnE --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]*/)?\.\./' \
             src tests bench fuzz web/src ; true)
if [ -n "$offenders$climbing" ]; then
  echo "Quoted includes must start with a library folder (${folders//|/, }) and never use ..:" >&2
  printf '%s\n' "$offenders" "$climbing" | sed '/^$/d' | sort -u >&2
  exit 1
fi
