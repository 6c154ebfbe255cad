#!/bin/sh
# Builds Yelpit.exe and shows the typical box: on your desktop when there is
# one; otherwise on a virtual display, where it saves a screenshot, presses
# Yes and prints the exit code.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Builds a preset's Yelpit.exe and the driver that presses its buttons; the
# compiler's output is shown only when the build fails.
build() {
  log=build/$1-demo.log
  mkdir -p build
  if ! { cmake --preset "$1" && cmake --build --preset "$1" --target yelpit box_driver; } >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
  echo "Built build/$1/Yelpit.exe, $(wc -c <"build/$1/Yelpit.exe") bytes"
}

build win32

# Yelpit.exe is 32-bit; where the kernel cannot run 32-bit code or 32-bit Wine
# is missing, the same program built for 64-bit stands in for it.
preset=win32 bits=32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=win64 bits=64
  echo "32-bit Wine cannot run here, so Wine shows the 64-bit build of the same sources."
  build win64
fi
build=build/$preset
wine="tests/wine/run-under-wine.sh $bits"
set -- Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  echo "Showing the box on your desktop (DISPLAY=$DISPLAY); press a button."
  status=0
  YELPIT_INSIDE_DISPLAY=1 $wine "$build/Yelpit.exe" "$@" || status=$?
  echo "Yelpit.exe exited with $status"
  exit 0
fi

echo "No desktop here, so the box goes to a virtual display (Xvfb) with a Wine desktop of 480x200."
[ -f "build/wineprefix-$bits/system.reg" ] ||
  echo "Making the Wine prefix build/wineprefix-$bits, once: about 40 seconds..."
export YELPIT_INSIDE_DISPLAY=1
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  build=$1 wine=$2
  shift 2
  # A Wine desktop of its own draws the title bar as Windows does. It is set
  # for this run only: the tests that share the prefix use the plain display.
  desktop="HKCU\\Software\\Wine\\Explorer"
  $wine reg add "$desktop\\Desktops" /v Yelpit /d 480x200 /f >/dev/null 2>&1
  $wine reg add "$desktop" /v Desktop /d Yelpit /f >/dev/null 2>&1
  # The Wine session ends before the display goes, so nothing is left to
  # complain that its display has gone.
  trap "$wine reg delete \"$desktop\" /v Desktop /f >/dev/null 2>&1; $wine --end-session" EXIT
  $wine "$build/Yelpit.exe" "$@" &
  yelpit=$!
  $wine "$build/box_driver.exe" wait Greeting
  import -window root -crop 480x200+0+0 +repage "$build/typical-box.png"
  echo "Saved a screenshot of the box to $build/typical-box.png"
  $wine "$build/box_driver.exe" press Greeting 6
  status=0
  wait $yelpit || status=$?
  echo "Pressed Yes; Yelpit.exe exited with $status (6 is Yes)."
' demo "$build" "$wine" "$@"
