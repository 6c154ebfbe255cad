#!/bin/sh
# Runs a Windows program under Wine, in a virtual X display of its own.
# Usage: run-under-wine.sh 32|64 PROGRAM.exe [ARGS...]
#        run-under-wine.sh 32|64 --end-session   (ends every Wine process of the prefix)
# The demo, the benchmarks and every test share one Wine prefix per bitness:
# build/wineprefix-32 or build/wineprefix-64.
set -eu
bits=$1
shift
root=$(cd "$(dirname "$0")/../.." && pwd)

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts
export WINEPREFIX=$root/build/wineprefix-$bits
. "$root/tests/cannot_run.sh"
if [ "$bits" = 32 ]; then
  export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
  # The kernel may have 32-bit support switched off (ia32_emulation=off), or
  # the package mirror may not have had 32-bit Wine.
  if [ -e /lib/ld-linux.so.2 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    cannot wine32 "this kernel cannot run 32-bit programs, so 32-bit Wine cannot start"
  elif [ ! -x "$WINELOADER" ]; then
    cannot wine32 "32-bit Wine (wine32:i386) is not installed"
  elif ! "$WINELOADER" --version >/dev/null 2>&1; then
    cannot wine32 "32-bit Wine is installed but does not start"
  fi
else
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
fi

if [ "$1" = --end-session ]; then
  "$WINESERVER" -k 2>/dev/null || true
  exit 0
fi
if [ "${YELPIT_INSIDE_DISPLAY:-}" != 1 ]; then
  exec env YELPIT_INSIDE_DISPLAY=1 YELPIT_OWN_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$bits" "$@"
fi
# Wine in its virtual display always has a desktop: a box row that would skip
# for want of one fails here.
export YELPIT_REQUIRE="${YELPIT_REQUIRE:+$YELPIT_REQUIRE,}desktop"

# A new prefix is made by the first program run in it; make it first, and
# wait until Wine has finished, so no test starts while it is still at work.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
fi
# Wine draws the caption buttons with the Marlett font, which Debian ships
# in a folder this Wine does not search; without it the close button is an "r".
fonts=$WINEPREFIX/drive_c/windows/Fonts
[ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/"

[ "${YELPIT_OWN_DISPLAY:-}" = 1 ] || exec "$WINELOADER" "$@"
status=0
"$WINELOADER" "$@" || status=$?
# The Wine session belongs to this display; end it before the display goes.
"$WINESERVER" -k 2>/dev/null || true
exit $status
