#!/bin/sh
# Installs what building and testing Yelpit needs on Debian 12, and generates
# the locales whose code pages the Wine tests run under. Installs nothing that
# is already there: once everything is in place, a run takes a second.
set -eu

packages="cmake ninja-build g++ make python3 libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth imagemagick locales
  osslsigncode openssl"
locales="de_DE ru_RU ja_JP zh_CN el_GR"

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
apt="env DEBIAN_FRONTEND=noninteractive $sudo apt-get -o Dpkg::Use-Pty=0"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

missing() {
  for p; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || printf ' %s' "$p"
  done
}

# Runs one stage on a line of its own, its output kept aside. When the stage
# fails, that output's last lines are shown, or with -q only its errors.
stage() {
  lines=25
  [ "$1" != -q ] || { lines=0 && shift; }
  printf '%s... ' "$1"
  shift
  start=$(date +%s)
  if "$@" >"$log" 2>&1; then
    echo "done in $(($(date +%s) - start)) s"
    return 0
  fi
  echo "failed"
  if [ "$lines" = 0 ]; then grep '^E:' "$log" | head -n 3; else tail -n "$lines" "$log"; fi
  return 1
}

updated=""
update_lists() {
  [ -z "$updated" ] || return 0
  updated=1
  # A mirror in the middle of a sync can fail one list; the others still serve.
  stage -q "Reading Debian's package lists" $apt update ||
    echo "Going on with the lists that could be read."
}

need=$(missing $packages)
if [ -n "$need" ]; then
  update_lists
  # shellcheck disable=SC2086
  count=$($apt install -s $need 2>/dev/null | grep -c '^Inst ' || true)
  # shellcheck disable=SC2086
  bytes=$($apt install -qq --print-uris $need 2>/dev/null | awk '{ sum += $3 } END { print sum + 0 }')
  echo "Installing$need"
  echo "  ($count packages with what they need, $((bytes / 1000000)) MB to download;" \
    "on a two-core machine with nothing installed yet, one and a half to four minutes)"
  # shellcheck disable=SC2086
  stage "  Downloading" $apt install -y --download-only $need
  # shellcheck disable=SC2086
  stage "  Unpacking and setting up" $apt install -y $need
fi

# 32-bit Wine runs the shipped Yelpit.exe itself. Where it cannot be had, the
# 32-bit Wine tests skip and the 64-bit build of the same sources stands in.
# Some kernels run no 32-bit programs at all (ia32_emulation=off): the 32-bit
# C library, a few megabytes, tells before 32-bit Wine is fetched for nothing.
case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
  *" i386 "*) ;;
  *) $sudo dpkg --add-architecture i386 && updated="" ;;
esac
if [ -n "$(missing libc6:i386)" ]; then
  update_lists
  stage -q "Installing the 32-bit C library (libc6:i386)" $apt install -y libc6:i386 || true
fi
if [ -n "$(missing wine32:i386)" ]; then
  if [ -e /lib/ld-linux.so.2 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "This kernel runs no 32-bit programs (32-bit emulation is off), so 32-bit Wine is not installed;"
    echo "the win32 Wine tests will skip themselves and the win64 build stands in."
  else
    update_lists
    stage -q "Installing 32-bit Wine (wine32:i386)" $apt install -y wine32:i386 ||
      echo "32-bit Wine is not available; the win32 Wine tests will skip themselves."
  fi
fi

for name in $locales; do
  locale -a 2>/dev/null | grep -qx "$name.utf8" ||
    stage "Generating the locale $name.UTF-8" $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
