#!/bin/sh
# Installs what is missing, builds every preset and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in native sanitize win32 win64; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
