#!/bin/sh
# Builds Yelpit.exe and shows the typical box: on your desktop when there is
# one; otherwise on a virtual display, where it saves a screenshot, presses
# Yes and prints the exit code, and fails unless the box came and Yes gave 6.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

. scripts/wine-preset.sh
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
  # Bounded, so that a box nobody presses fails the demo instead of hanging it.
  timeout 120 $wine "$build/Yelpit.exe" "$@" &
  yelpit=$!
  fail() {
    echo "FAILED: $1" >&2
    exit 1
  }
  $wine "$build/box_driver.exe" wait Greeting || fail "no box \"Greeting\" appeared"
  import -window root -crop 480x200+0+0 +repage "$build/typical-box.png"
  echo "Saved a screenshot of the box to $build/typical-box.png"
  $wine "$build/box_driver.exe" press Greeting 6 || fail "the box was gone before Yes could be pressed"
  status=0
  wait $yelpit || status=$?
  echo "Pressed Yes; Yelpit.exe exited with $status (6 is Yes)."
  [ "$status" = 6 ] || fail "Yelpit.exe exited with $status where Yes gives 6"
' demo "$build" "$wine" "$@"
