#!/bin/sh
# Installs what is missing, builds every preset and runs every test. Every
# preset runs even when an earlier one fails; the summary says what failed
# where, and its last line counts the tests of all presets.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
log=$(mktemp) junit=$(mktemp)
trap 'rm -f "$log" "$junit"' EXIT
passed=0 failed=0 skipped=0 summary=""
for preset in native sanitize win32 win64; do
  echo "=== $preset"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
    failed=$((failed + 1))
    summary="$summary$preset: the build failed
"
    continue
  fi
  status=0
  ctest --preset "$preset" --output-log "$log" --output-junit "$junit" || status=$?
  # ctest gives each test a line that ends in its outcome and its time.
  results=$(grep -E '^ *[0-9]+/[0-9]+ +Test +#[0-9]+: ' "$log" || true)
  ok=$(printf '%s\n' "$results" | grep -c ' Passed ' || true)
  skip=$(printf '%s\n' "$results" | grep -c '[*]Skipped ' || true)
  names=$(printf '%s\n' "$results" | grep -v -e ' Passed ' -e '[*]Skipped ' | sed -n 's/.*#[0-9]*: \([^ ]*\) .*/\1/p')
  bad=$(printf '%s' "$names" | grep -c . || true)
  [ "$status" = 0 ] || [ "$bad" != 0 ] || { bad=1 && names=ctest; }
  passed=$((passed + ok)) failed=$((failed + bad)) skipped=$((skipped + skip))
  line="$preset: $ok passed, $bad failed"
  # A test that skips says why on a line of its own, "SKIPPED: why".
  why=$(grep -o 'SKIPPED: [^<&]*' "$junit" | sed 's/^SKIPPED: //' | sort -u | paste -sd ';' | sed 's/;/; /g')
  [ "$skip" = 0 ] || line="$line, $skip skipped${why:+ ($why)}"
  [ "$bad" = 0 ] || line="$line; failed: $(echo $names | sed 's/ /, /g')"
  summary="$summary$line
"
done
echo "=== summary"
printf %s "$summary"
echo "$passed passed, $failed failed$([ "$skipped" = 0 ] || echo ", $skipped skipped")"
[ "$failed" = 0 ]
