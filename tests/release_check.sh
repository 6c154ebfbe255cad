#!/bin/sh
# Builds Yelpit.exe twice more, in two other folders, and checks that every
# build gives the same bytes and the published sum; then checks what the
# release zip holds. The second zip is signed with a throwaway certificate:
# its sums list the signed file, which without its signature is the build.
# Usage: release_check.sh SOURCE-DIR BUILD-DIR
set -eu
src=$1 build=$2
. "$src/tests/check_setup.sh"
unset YELPIT_SIGN_PFX YELPIT_SIGN_PASSWORD YELPIT_SIGN_TIMESTAMP_URL  # the first zip stays unsigned
for dir in first "second elsewhere"; do
  cmake -S "$src" -B "$work/$dir" --toolchain "$src/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF >/dev/null
  [ "$dir" = first ] || export YELPIT_SIGN_PFX="$work/signer.pfx" YELPIT_SIGN_PASSWORD=test
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

signed="$work/signed"
mkdir "$signed"
(cd "$signed" && cmake -E tar xf "$work/second elsewhere"/Yelpit-*.zip)
check "the signed zip's Yelpit.exe verifies" \
  'osslsigncode verify -CAfile "$work/ca.pem" -in "$signed/Yelpit.exe" >/dev/null 2>&1'
check "the signed zip's sums list the signed file" '(cd "$signed" && sha256sum -c --quiet SHA256SUMS)'
check "without its signature it is the unsigned build" \
  'osslsigncode remove-signature -in "$signed/Yelpit.exe" -out "$work/unsigned.exe" >/dev/null &&
   cmp "$work/unsigned.exe" "$work/first/Yelpit.exe"'
exit $((failed > 0))
