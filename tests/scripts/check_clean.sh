#!/bin/sh
# Usage: check_clean.sh LSYS FILE...  Passes when `lsys check --werror` accepts every file and
# prints nothing at all.
lsys=$1
shift
out=$("$lsys" check --werror "$@" 2>&1)
status=$?
if [ $status -ne 0 ] || [ -n "$out" ]; then
  printf '%s\n' "$out"
  echo "lsys check exited with $status" >&2
  exit 1
fi
