#!/bin/sh
# Prints Yelpit's figures beside the limits they are measured against: its
# size beside a minimal executable's, its start-up under Wine beside the
# minimal executable's, the core's throughput and the peak memory of a run.
# Usage: bench/run.sh [RUNS]   (start-up runs per program, 41 unless given)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-41}
scripts/install-deps.sh
for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done

size() { wc -c <"$1" | tr -d ' '; }
echo "== Size (32-bit x86, what ships)"
yelpit=$(size build/win32/Yelpit.exe)
minimal=$(size build/win32/minimal_box.exe)
echo "  Yelpit.exe       $yelpit bytes ($(( (yelpit + 1023) / 1024 )) KB), icon and version resource included"
echo "  minimal_box.exe  $minimal bytes: MessageBoxA and ExitProcess, no runtime"
echo "  Yelpit.exe imports from $(i686-w64-mingw32-objdump -p build/win32/Yelpit.exe | sed -n 's/^\tDLL Name: //p' | tr '\n' ' ')"
python3 bench/map_sizes.py build/win32/Yelpit.map 12

# Start-up is measured on the build that this machine's Wine can run.
bits=32 build=build/win32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  bits=64 build=build/win64
fi
echo
echo "== Start-up under ${bits}-bit Wine, $runs runs each, the three programs in turn"
# The same exe under another name finds no manifest beside it.
cp "$build/Yelpit.exe" "$build/Yelpit-no-manifest.exe"
wine="tests/wine/run-under-wine.sh $bits"
typical="Yelpit Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO"
$wine "$build/startup_bench.exe" "$runs" Yelpit.exe "$typical" Yelpit-no-manifest.exe "$typical" \
  minimal_box.exe minimal_box >"$build/startup.times" 2>/dev/null
{ read -r y_q1 y_box y_gone y_peak && read -r n_q1 n_box n_gone n_peak &&
  read -r m_q1 m_box m_gone m_peak; } <"$build/startup.times"
awk -v yq="$y_q1" -v yb="$y_box" -v yg="$y_gone" -v nq="$n_q1" -v nb="$n_box" -v ng="$n_gone" \
  -v mq="$m_q1" -v mb="$m_box" -v mg="$m_gone" 'BEGIN {
  printf "  %-36s %13s %13s %10s %15s %15s\n", "", "with manifest", "without", "minimal", "with / without", "without / minimal"
  row("start to visible box, lower quartile", yq, nq, mq)
  row("start to visible box, median", yb, nb, mb)
  row("press to box gone, median", yg, ng, mg)
}
function row(what, y, n, m) {
  printf "  %-36s %10.1f ms %10.1f ms %7.1f ms %15.3f %15.3f\n", what, y, n, m, y / n, n / m
}'
echo
echo "== Peak memory of one run (peak working set, Wine's own share included)"
echo "  Yelpit.exe, with its manifest     $y_peak KB"
echo "  Yelpit.exe, without the manifest  $n_peak KB"
echo "  minimal_box.exe                   $m_peak KB"
echo
echo "== Core throughput (native, Google Benchmark)"
build/native/bench/core_benchmark --benchmark_min_time=0.2 2>/dev/null | sed -n '/^Benchmark/,$p'
