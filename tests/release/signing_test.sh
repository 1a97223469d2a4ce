#!/usr/bin/env bash
# The Windows download signed with a certificate handed to the build, as a studio's application-control
# policy asks: a throwaway self-signed one, made here. Both programs in the zip and in the MSI, and the
# MSI itself, carry a signature osslsigncode verifies against that certificate, and the programs in the
# two packages are the same signed files. A certificate that cannot sign (a wrong password) fails the
# package step rather than leaving an unsigned download.
# Usage: signing_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
source "$source/tests/support/test_frame.sh"

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
  -subj "/CN=ORV Builder test signer" -addext extendedKeyUsage=codeSigning 2>"$work/openssl.log" &&
  openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.p12" \
    -passout pass:'a throwaway one' 2>>"$work/openssl.log" || {
  cat "$work/openssl.log"
  echo "FAIL: openssl could not make a certificate"
  exit 1
}
export ORV_SIGN_PKCS12=$work/signer.p12
# package PASSWORD FOLDER: CPack's zip and MSI into FOLDER, signed with the certificate and PASSWORD.
package() {
  ORV_SIGN_PASSWORD=$1 cpack --config "$build/CPackConfig.cmake" -B "$2" >"$2.log" 2>&1
}

if package 'a wrong one' "$work/refused"; then
  fail "the package step went on with a password that opens no certificate"
fi
ls "$work/refused"/*.zip "$work/refused"/*.msi 2>/dev/null && fail "a package was left by the step that could not sign"

package 'a throwaway one' "$work/signed" || {
  cat "$work/signed.log"
  echo "FAIL: the package step could not sign with the certificate"
  exit 1
}
grep 'not signed' "$work/signed.log" && fail "the signed package step says something is not signed"
msi=$work/signed/ORVBuilder-$version-x64.msi
cmake -E chdir "$work" cmake -E tar xf "$work/signed/ORVBuilder-$version-win64.zip"
msiextract -C "$work/msi" "$msi" >/dev/null || fail "msiextract cannot read $(basename "$msi")"
from_msi=$(find "$work/msi" -name ORVBuilder.exe -printf '%h')
for file in "$msi" "$work/ORVBuilder-$version-win64"/{ORVBuilder,orvtool}.exe "$from_msi"/{ORVBuilder,orvtool}.exe; do
  osslsigncode verify -in "$file" -CAfile "$work/cert.pem" >"$work/verify.log" 2>&1 ||
    fail "osslsigncode does not verify ${file#"$work"/}: $(grep -iE 'fail|error' "$work/verify.log" | head -3)"
done
for program in ORVBuilder.exe orvtool.exe; do
  cmp -s "$work/ORVBuilder-$version-win64/$program" "$from_msi/$program" ||
    fail "the zip's and the MSI's $program differ"
done

((failures == 0)) || exit 1
echo "with a certificate, both programs in the zip and in the MSI, and the MSI, are signed and verify;" \
  "a wrong password fails the package step"
