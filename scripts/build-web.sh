#!/usr/bin/env bash
# Builds the web edition with emscripten into build/web/site: the static files
# to publish (the page, the module and the sample bulletins).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/web/build.ninja ]; then
  emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
fi
cmake --build build/web
