#!/bin/sh
# Builds Yelpit.exe twice more, in two other folders, and checks that every
# build gives the same bytes and the published sum; then checks what the
# release zip holds.
# Usage: release_check.sh SOURCE-DIR BUILD-DIR
set -eu
src=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {
  if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; failed=$((failed + 1)); fi
}

for dir in first "second elsewhere"; do
  cmake -S "$src" -B "$work/$dir" --toolchain "$src/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$work/$dir" --target package -j2 >/dev/null
done
check "two builds give the same Yelpit.exe" 'cmp "$work/first/Yelpit.exe" "$work/second elsewhere/Yelpit.exe"'
check "the tested build is the same too" 'cmp "$work/first/Yelpit.exe" "$build/Yelpit.exe"'
check "a rebuild matches the published sum" \
  '(cd "$work/first" && sha256sum -c --quiet "$build/SHA256SUMS")'

zip=$(ls "$work/first"/Yelpit-*.zip)
listing=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
expected="LICENSE README.md SHA256SUMS Yelpit.exe Yelpit.exe.manifest examples/ examples/abort-retry-ignore.bat examples/accents.bat examples/confirm.bat examples/in-a-block.bat examples/install.bat examples/line-break.bat examples/notice.bat examples/one-liner.bat examples/retry.bat examples/special-characters.bat examples/start-wait.bat "
check "the zip holds Yelpit.exe and its manifest, README, LICENSE, the examples and the sums" '[ "$listing" = "$expected" ]'
[ "$failed" = 0 ] || echo "zip holds: $listing"
exit $((failed > 0))
