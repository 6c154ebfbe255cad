# Sourced by the scripts that show Yelpit under Wine: builds Yelpit.exe and
# the driver that presses its buttons, and sets preset, bits, build and wine
# to the build that Wine here can run.

# Builds a preset's Yelpit.exe and driver; the compiler's output is shown
# only when the build fails.
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
