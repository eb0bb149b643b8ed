#!/usr/bin/env bash
# scripts/web-test.sh NIMBARA   builds the web edition and runs its tests in
# headless Chromium against the desktop command line NIMBARA: the same
# bulletins and data files must give the same drawing log and the same files.
# A hang fails: a test after two minutes, the whole run after ten.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh

# The test driver (puppeteer-core) comes from npm, as the lock file pins it.
if ! cmp -s web/package-lock.json web/node_modules/.nimbara-installed-lock; then
  (cd web && timeout 600 npm ci --no-audit --no-fund)
  cp web/package-lock.json web/node_modules/.nimbara-installed-lock
fi
NIMBARA_CLI="$(realpath "$1")" NIMBARA_SITE="$PWD/build/web/site" \
  timeout --kill-after=10 600 node --test --test-timeout=120000 --test-reporter=tap web/tests/page.test.mjs web/tests/practice.test.mjs
