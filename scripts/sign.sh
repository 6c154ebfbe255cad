#!/bin/sh
# Signs a copy of a Windows program with Authenticode, SHA-256 digest.
# Usage: scripts/sign.sh IN OUT     (IN and OUT may be the same file)
#   YELPIT_SIGN_PFX            the certificate with its private key, a PKCS#12 file
#   YELPIT_SIGN_PASSWORD       the password of that file
#   YELPIT_SIGN_TIMESTAMP_URL  an RFC 3161 timestamp server (optional)
# The signature names the program and its web address as IN's version
# information gives them. On failure it says why in one line, exits with 1
# and leaves OUT as it was: OUT is only ever replaced by a whole signed file.
set -eu

fail() {
  echo "sign.sh: $*" >&2
  exit 1
}

# The little-endian number of $2 bytes at offset $1 of IN; 0 past its end.
number() {
  od -An -v -t u1 -j "$1" -N "$2" "$in" 2>/dev/null | awk '{ for (i = NF; i > 0; i--) n = n * 256 + $i } END { print n + 0 }'
}

# Whether the section table and every section lie inside IN.
whole_program() {
  pe=$(number 60 4)
  count=$(number $((pe + 6)) 2)
  table=$((pe + 24 + $(number $((pe + 20)) 2)))
  size=$(wc -c <"$in")
  [ $((table + 40 * count)) -le "$size" ] || return 1
  while [ "$count" -gt 0 ]; do
    count=$((count - 1))
    at=$((table + 40 * count))
    [ $(($(number $((at + 20)) 4) + $(number $((at + 16)) 4))) -le "$size" ] || return 1
  done
}

[ $# = 2 ] || fail "usage: sign.sh IN OUT"
in=$1 out=$2
[ -n "${YELPIT_SIGN_PFX:-}" ] || fail "YELPIT_SIGN_PFX is not set: name the PKCS#12 file of the certificate"
[ -n "${YELPIT_SIGN_PASSWORD+set}" ] || fail "YELPIT_SIGN_PASSWORD is not set: give the password of $YELPIT_SIGN_PFX"
[ -f "$in" ] || fail "$in does not exist"
[ -f "$YELPIT_SIGN_PFX" ] || fail "the certificate $YELPIT_SIGN_PFX does not exist"
[ "$(head -c 2 "$in")" = MZ ] && [ "$(number "$(number 60 4)" 4)" = 17744 ] ||  # "MZ", then "PE\0\0"
  fail "$in is no Windows program (PE file)"
whole_program || fail "$in is cut short: its sections run past the end of the file"
# openssl reads the password from the environment, never from its command line.
export YELPIT_SIGN_PASSWORD
openssl pkcs12 -in "$YELPIT_SIGN_PFX" -passin env:YELPIT_SIGN_PASSWORD -noout 2>/dev/null ||
  fail "cannot open $YELPIT_SIGN_PFX: the password is wrong, or it is no PKCS#12 file"

# The version strings are UTF-16: each key is followed by its value.
info=$(strings -e l "$in")
name=$(printf '%s\n' "$info" | sed -n '/^ProductName$/{n;p;q;}')
url=$(printf '%s\n' "$info" | sed -n '/^Comments$/{n;p;q;}' | grep -o 'https\{0,1\}://[^ ]*' || true)

# Signed beside OUT, timestamped in a step of its own, then renamed over OUT.
partial="" stamped="" password=""
trap 'rm -f ${partial:+"$partial"} ${stamped:+"$stamped"} ${password:+"$password"}' EXIT
partial=$(mktemp "$(dirname "$out")/.sign.XXXXXX")
stamped=$(mktemp "$(dirname "$out")/.sign.XXXXXX")
password=$(mktemp)
printf '%s' "$YELPIT_SIGN_PASSWORD" >"$password"
set -- -h sha256 -pkcs12 "$YELPIT_SIGN_PFX" -readpass "$password"
[ -z "$name" ] || set -- "$@" -n "$name"
[ -z "$url" ] || set -- "$@" -i "$url"
rm -f "$partial" "$stamped"  # osslsigncode makes its OUT itself
if ! log=$(osslsigncode sign "$@" -in "$in" -out "$partial" 2>&1); then
  fail "could not sign $in (osslsigncode: $(printf '%s\n' "$log" | grep -v '^$' | head -n 1))"
fi
if [ -n "${YELPIT_SIGN_TIMESTAMP_URL:-}" ]; then
  osslsigncode add -h sha256 -ts "$YELPIT_SIGN_TIMESTAMP_URL" -in "$partial" -out "$stamped" >/dev/null 2>&1 ||
    fail "the timestamp server $YELPIT_SIGN_TIMESTAMP_URL did not answer with a timestamp"
  mv -f "$stamped" "$partial"
fi
mv -f "$partial" "$out"
