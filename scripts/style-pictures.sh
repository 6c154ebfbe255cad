#!/bin/sh
# Retakes the pictures in docs/styles.md: the button sets and the icons as
# the real Yelpit.exe draws them, under Wine on a virtual display.
set -euf  # no file names from the messages' question marks
cd "$(dirname "$0")/.."
if [ "${1:-}" != --inside ]; then
  scripts/install-deps.sh
  . scripts/wine-preset.sh
  [ -f "build/wineprefix-$bits/system.reg" ] || echo "Making the Wine prefix build/wineprefix-$bits, once..."
  exec env YELPIT_INSIDE_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$build" "$bits"
fi
build=$2 wine="tests/wine/run-under-wine.sh $3"
shots=$(mktemp -d)
# A Wine desktop of its own draws the title bars as Windows does; it is set
# for this run only, as in the demo.
desktop="HKCU\\Software\\Wine\\Explorer"
$wine reg add "$desktop\\Desktops" /v Yelpit /d 520x200 /f >/dev/null 2>&1
$wine reg add "$desktop" /v Desktop /d Yelpit /f >/dev/null 2>&1
trap '$wine reg delete "$desktop" /v Desktop /f >/dev/null 2>&1; $wine --end-session; rm -rf "$shots"' EXIT

# Shows each box, keeps a picture of it alone and presses a button; then
# puts the pictures side by side, two to a row, into docs/NAME.png.
# Reads lines of: style | the button to press | message
take() {
  count=0
  while IFS='|' read -r style press message; do
    count=$((count + 1))
    # shellcheck disable=SC2086  # the message goes as words, as from a batch file
    $wine "$build/Yelpit.exe" $message /c:$style /t:$style &
    $wine "$build/box_driver.exe" wait "$style"
    import -window root -crop 520x200+0+0 +repage -trim +repage "$shots/$1-$(printf %02d $count).png"
    $wine "$build/box_driver.exe" press "$style" "$press"
    wait
  done
  set +f
  montage "$shots/$1"-*.png -tile 2x -geometry +6+6 -background white "docs/$1.png"
  set -f
  echo "Saved docs/$1.png"
}

take styles-buttons <<'EOF'
MB_OK|1|OK gives 1.
MB_OKCANCEL|1|OK gives 1, Cancel 2.
MB_YESNO|6|Yes gives 6, No 7.
MB_YESNOCANCEL|6|Yes gives 6, No 7, Cancel 2.
MB_RETRYCANCEL|4|Retry gives 4, Cancel 2.
MB_ABORTRETRYIGNORE|3|Abort gives 3, Retry 4, Ignore 5.
MB_CANCELTRYCONTINUE|2|Cancel gives 2, Try Again 10, Continue 11.
EOF
take styles-icons <<'EOF'
MB_ICONINFORMATION|1|Also MB_ICONASTERISK.
MB_ICONQUESTION|1|For a question to the user.
MB_ICONWARNING|1|Also MB_ICONEXCLAMATION.
MB_ICONERROR|1|Also MB_ICONSTOP and MB_ICONHAND.
EOF
