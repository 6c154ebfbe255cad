#!/bin/sh
# Builds and packs Yelpit twice more, in two other folders, and checks that
# both give the same Yelpit.exe, the published sum and the same zip bytes;
# then what the zip holds. A third pack, signed with a throwaway certificate,
# differs only in the signed file: its sums list it, and without its
# signature it is the build.
# Usage: release_check.sh SOURCE-DIR BUILD-DIR
set -eu
src=$1 build=$2
. "$src/tests/check_setup.sh"
unset YELPIT_SIGN_PFX YELPIT_SIGN_PASSWORD YELPIT_SIGN_TIMESTAMP_URL SOURCE_DATE_EPOCH
for dir in first "second elsewhere"; do
  cmake -S "$src" -B "$work/$dir" --toolchain "$src/cmake/Linux/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$work/$dir" --target package checksums -j2 >/dev/null
  sleep 1  # so that the second build's files have other times
done
first=$(ls "$work/first"/Yelpit-*.zip) second=$(ls "$work/second elsewhere"/Yelpit-*.zip)
check "two builds give the same Yelpit.exe" 'cmp "$work/first/Yelpit.exe" "$work/second elsewhere/Yelpit.exe"'
check "the tested build is the same too" 'cmp "$work/first/Yelpit.exe" "$build/Yelpit.exe"'
check "a rebuild matches the published sum" \
  '(cd "$work/first" && sha256sum -c --quiet "$build/SHA256SUMS")'
check "two packs give the same zip, and its sum beside it" \
  'cmp "$first" "$second" && (cd "$work/second elsewhere" && sha256sum -c --quiet "$first.sha256")'

# What winget and Scoop install from: the program's version and the zip's sum.
version=$(python3 -c 'import struct, sys
data = open(sys.argv[1], "rb").read()
at = data.index(struct.pack("<I", 0xFEEF04BD)) + 8  # the fixed part of the version resource
ms, ls = struct.unpack_from("<II", data, at)
print("%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))' "$work/first/Yelpit.exe")
winget="$work/first/winget/manifests/y/YelpitDevelopers/Yelpit/$version"
scoop_says() {  # DIR FIELD...
  manifest=$1/yelpit.json && shift
  python3 -c 'import json, sys; m = json.load(open(sys.argv[1])); print(*(m[k] for k in sys.argv[2:]))' "$manifest" "$@"
}
check "the winget manifests carry the program's version $version and the zip's sum" \
  '[ "$(grep -h "^PackageVersion: " "$winget"/*.yaml | uniq -c | tr -s " ")" = " 3 PackageVersion: $version" ] &&
   grep -qx "  InstallerSha256: $(sha256sum "$first" | cut -c1-64 | tr a-f A-F)" "$winget"/*.installer.yaml'
check "so does the Scoop manifest" '[ "$(scoop_says "$work/first" version hash)" = "$version $(sha256sum "$first" | cut -c1-64)" ]'
# The help box's credit line and the version resource's comment, in UTF-16.
names_home() {
  python3 -c 'import sys
data, home = open(sys.argv[1], "rb").read(), sys.argv[2]
sys.exit(not (" - %s\r\n" % home).encode() in data or not ("web site: " + home).encode("utf-16-le") in data)' "$@"
}
home=$(scoop_says "$work/first" homepage)
check "Yelpit.exe, the README and both manifests name one home, $home" \
  'names_home "$work/first/Yelpit.exe" "$home" && grep -qF "$home/releases/" "$src/README.md" &&
   grep -qx "PublisherUrl: $home" "$winget"/*.locale.en-US.yaml'
check "two packs give the same manifests" \
  'diff -r "$work/first/winget" "$work/second elsewhere/winget" && cmp "$work/first/yelpit.json" "$work/second elsewhere/yelpit.json"'

# Each entry's name, time and mode, and but for the signed ones its checksum.
entries() {
  python3 -c 'import sys, zipfile
for e in zipfile.ZipFile(sys.argv[1]).infolist():
    print(e.filename, e.date_time, oct(e.external_attr >> 16), e.CRC * (e.filename not in sys.argv[2:]))' "$@"
}
unsigned=$(entries "$second" Yelpit.exe SHA256SUMS)
listing=$(entries "$first" | cut -d' ' -f1 | grep -v / | tr '\n' ' ')
check "the zip holds Yelpit.exe, its manifest, README, LICENSE and the sums" \
  '[ "$listing" = "LICENSE README.md SHA256SUMS Yelpit.exe Yelpit.exe.manifest " ]'
check "and every example" \
  '[ "$(entries "$first" | grep -o "^examples/[^ ]*")" = "$(cd "$src" && ls examples/*.bat)" ]'
check "every relative link in its README and guides resolves inside it" \
  'python3 "$src/tests/link_check.py" "$first"'
committed=$(TZ=UTC git -C "$src" log -1 --date=format-local:"(%Y, %-m, %-d, %-H, %-M, " --format=%cd)
check "every entry has the last commit's time" '[ "$(entries "$first" | grep -vcF "$committed")" = 0 ]'
check "or SOURCE_DATE_EPOCH's, where it is set" \
  'SOURCE_DATE_EPOCH=1000000000 cmake --build "$work/first" --target package >/dev/null &&
   [ "$(entries "$first" | grep -vcF "(2001, 9, 9, 1, 46, 40)")" = 0 ]'

export YELPIT_SIGN_PFX="$work/signer.pfx" YELPIT_SIGN_PASSWORD=test
cmake --build "$work/second elsewhere" --target package >/dev/null
signed="$work/signed"
mkdir "$signed"
(cd "$signed" && cmake -E tar xf "$second")
check "the signed zip's Yelpit.exe verifies" \
  'osslsigncode verify -CAfile "$work/ca.pem" -in "$signed/Yelpit.exe" >/dev/null 2>&1'
check "the signed zip's sums list the signed file" '(cd "$signed" && sha256sum -c --quiet SHA256SUMS)'
check "without its signature it is the unsigned build" \
  'osslsigncode remove-signature -in "$signed/Yelpit.exe" -out "$work/unsigned.exe" >/dev/null &&
   cmp "$work/unsigned.exe" "$work/first/Yelpit.exe"'
check "the signed zip's Scoop manifest carries its sum" \
  '[ "$(scoop_says "$work/second elsewhere" version hash)" = "$version $(sha256sum "$second" | cut -c1-64)" ]'
check "apart from the signed file, the signed zip is the unsigned one" \
  '[ "$(entries "$second" Yelpit.exe SHA256SUMS)" = "$unsigned" ]'
exit $((failed > 0))
