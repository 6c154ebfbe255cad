#!/bin/sh
# Usage: none_match.sh PATTERN COMMAND...
# Passes when COMMAND succeeds and prints something, none of it matching the
# extended regular expression PATTERN; a command that fails or prints
# nothing has shown nothing, and fails the check.
pattern=$1
shift
out=$("$@") || { echo "FAILED: $* exited with $?" && exit 1; }
[ -n "$out" ] || { echo "FAILED: $* printed nothing" && exit 1; }
if printf '%s\n' "$out" | grep -E -- "$pattern"; then
  echo "FAILED: the lines above match $pattern"
  exit 1
fi
