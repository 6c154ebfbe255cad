#!/bin/sh
# Makes a throwaway certificate authority and a code-signing certificate it
# issued, for the signing tests: DIR/ca.pem, and DIR/signer.pfx with the
# password "test". Made afresh for every run and never kept.
# Usage: make_certificate.sh DIR
set -eu
cd "$1"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Yelpit test CA" -keyout ca.key -out ca.pem \
  -addext basicConstraints=critical,CA:true -addext keyUsage=critical,keyCertSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=Yelpit test signer" -keyout signer.key -out signer.csr 2>/dev/null
printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile signer.ext \
  -out signer.pem 2>/dev/null
openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout pass:test -out signer.pfx
