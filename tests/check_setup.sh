# Sourced by the release and signing checks: a work folder removed at exit,
# check NAME CONDITION, and a throwaway certificate authority with a
# code-signing certificate it issued, made afresh for every run:
# $work/ca.pem, and $work/signer.pfx with the password "test".
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {
  if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; failed=$((failed + 1)); fi
}

(
  cd "$work"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Yelpit test CA" -keyout ca.key -out ca.pem \
    -addext basicConstraints=critical,CA:true -addext keyUsage=critical,keyCertSign 2>/dev/null
  openssl req -newkey rsa:2048 -nodes -subj "/CN=Yelpit test signer" -keyout signer.key -out signer.csr 2>/dev/null
  printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
  openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile signer.ext \
    -out signer.pem 2>/dev/null
  openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout pass:test -out signer.pfx
)
