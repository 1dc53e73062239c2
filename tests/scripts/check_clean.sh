#!/bin/sh
# Usage: check_clean.sh LSYS FILE...  Passes when `lsys check --werror` accepts every file and
# prints nothing but notes (a file of the grower's dialect gets one, with its source line and
# caret).
lsys=$1
shift
out=$("$lsys" check --werror "$@" 2>&1)
status=$?
out=$(printf '%s\n' "$out" | awk '/:[0-9]+:[0-9]+: note: / { skip = 3 } skip > 0 { skip--; next } { print }')
if [ $status -ne 0 ] || [ -n "$out" ]; then
  printf '%s\n' "$out"
  echo "lsys check exited with $status" >&2
  exit 1
fi
