#!/bin/sh
# Installs what building and testing Yelpit needs on Debian 12; installs
# nothing that is already there.
set -eu
packages="cmake g++ make python3 libgtest-dev libbenchmark-dev clang libclang-rt-14-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth imagemagick"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
  *" i386 "*) ;;
  *) $sudo dpkg --add-architecture i386 ;;
esac
echo "Installing:$missing"
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
