#!/bin/sh
# Builds Yelpit.exe and shows the typical box: on your desktop when there is
# one; otherwise in a virtual display, where it saves a screenshot, presses
# Yes and prints the exit code.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32
echo "Built build/win32/Yelpit.exe"

# Yelpit.exe is 32-bit; where the kernel cannot run 32-bit code, Wine cannot
# either, and the same program built for 64-bit stands in for it.
preset=win32 bits=32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=win64 bits=64
  echo "This kernel cannot run 32-bit programs; showing the 64-bit build of the same sources."
  cmake --preset win64 >/dev/null
  cmake --build --preset win64
fi
build=build/$preset
wine="tests/wine/run-under-wine.sh $bits"
set -- Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  status=0
  YELPIT_INSIDE_DISPLAY=1 $wine "$build/Yelpit.exe" "$@" || status=$?
  echo "Yelpit.exe exited with $status"
  exit 0
fi

cat >"$build/demo-inside.sh" <<'INSIDE'
set -u
build=$1 wine=$2
shift 2
# A Wine desktop of its own draws the title bar, as Windows would.
$wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Yelpit /f >/dev/null 2>&1
$wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Yelpit /d 480x200 /f >/dev/null 2>&1
$wine "$build/Yelpit.exe" "$@" &
yelpit=$!
$wine "$build/box_driver.exe" wait Greeting
import -window root -crop 480x200+0+0 +repage "$build/typical-box.png"
$wine "$build/box_driver.exe" press Greeting 6
status=0
wait $yelpit || status=$?
$wine wineboot -e >/dev/null 2>&1 || true
echo "Saved a screenshot to $build/typical-box.png, pressed Yes; Yelpit.exe exited with $status"
INSIDE
WINEPREFIX=$PWD/$build/demo-wineprefix YELPIT_INSIDE_DISPLAY=1 \
  xvfb-run -a -s "-screen 0 1280x1024x24" sh "$build/demo-inside.sh" "$build" "$wine" "$@"
