#!/bin/sh
# Signs the built Yelpit.exe with a throwaway certificate and checks the
# signature and the signed program; then that each bad input is refused in
# one line and leaves no output behind.
# Usage: sign_check.sh SOURCE-DIR BUILD-DIR BITS
set -eu
src=$1 build=$2 bits=$3
. "$src/tests/check_setup.sh"
export YELPIT_SIGN_PFX="$work/signer.pfx" YELPIT_SIGN_PASSWORD=test
unset YELPIT_SIGN_TIMESTAMP_URL
sign="$src/scripts/sign.sh"
exe="$build/Yelpit.exe"

check "signs a copy" '"$sign" "$exe" "$work/signed.exe"'
check "osslsigncode verifies it against the CA" \
  'osslsigncode verify -CAfile "$work/ca.pem" -in "$work/signed.exe" >"$work/verified" 2>&1'
check "the signature names Yelpit and its web address" \
  'grep -q "Text description: Yelpit$" "$work/verified" && grep -q "URL description: https://" "$work/verified"'
check "the signed file passes the PE checks" 'python3 "$src/tests/pe_check.py" "$work/signed.exe" >/dev/null'
check "without its signature it is the built file, byte for byte" \
  'osslsigncode remove-signature -in "$work/signed.exe" -out "$work/unsigned.exe" >/dev/null && cmp "$work/unsigned.exe" "$exe"'
status=0
"$src/tests/wine/run-under-wine.sh" "$bits" "$build/box_driver.exe" boxes "Z:$work/signed.exe" >"$work/box" 2>&1 ||
  status=$?
if [ "$status" = 77 ]; then
  echo "skip the signed file's box: $bits-bit Wine cannot run here"
else
  check "the signed file shows the typical box and returns the button" '[ "$status" = 0 ] || ! cat "$work/box"'
fi

head -c 300 "$exe" >"$work/truncated.exe"
head -c $(($(wc -c <"$exe") - 100)) "$exe" >"$work/short.exe"
# What is wrong | the command | what its one line must say
while IFS='|' read -r what command expected; do
  message=$(eval "$command" 2>&1) && status=0 || status=$?
  check "$what: refused" '[ "$status" = 1 ] && [ "$(echo "$message" | wc -l)" = 1 ] &&
    [ ! -e "$work/out.exe" ] && [ -z "$(ls -A "$work" | grep "^[.]sign")" ] &&
    case "$message" in *"$expected"*) ;; *) ! echo "  said: $message" ;; esac'
done <<EOF
no certificate named|env -u YELPIT_SIGN_PFX "$sign" "$exe" "$work/out.exe"|YELPIT_SIGN_PFX is not set
no password given|env -u YELPIT_SIGN_PASSWORD "$sign" "$exe" "$work/out.exe"|YELPIT_SIGN_PASSWORD is not set
a program that does not exist|"$sign" "$work/none.exe" "$work/out.exe"|none.exe does not exist
a certificate that does not exist|YELPIT_SIGN_PFX="$work/none.pfx" "$sign" "$exe" "$work/out.exe"|none.pfx does not exist
a wrong password|YELPIT_SIGN_PASSWORD=wrong "$sign" "$exe" "$work/out.exe"|the password is wrong
a file that is no program|"$sign" "$src/README.md" "$work/out.exe"|no Windows program
a program cut inside its headers|"$sign" "$work/truncated.exe" "$work/out.exe"|truncated.exe is cut short
a program without its last bytes|"$sign" "$work/short.exe" "$work/out.exe"|short.exe is cut short
a timestamp server that does not answer|YELPIT_SIGN_TIMESTAMP_URL=http://127.0.0.1:9 "$sign" "$exe" "$work/out.exe"|timestamp server http://127.0.0.1:9 did not answer
EOF
exit $((failed > 0))
