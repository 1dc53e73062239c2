#!/usr/bin/env bash
# Whole runs with expressions nested 100,000 to 10,000,000 levels deep, with and without a limit
# on the address space: each run either evaluates the expression or, when the stack it needs
# cannot be had, prints the stack error and exits 1. No run may die of a signal.
# Usage: deep_expression_run.sh LSYS2POV [sanitized]. Sanitized builds reserve terabytes of
# shadow memory and cannot run under an address-space limit, so there the test is skipped (77).
set -uo pipefail
binary=$1
if [ "${2:-}" = "sanitized" ]; then
  echo "skipped: the sanitizers cannot run under an address-space limit"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

describe() {  # describe DEPTH FILE: a rule whose argument is x*3 inside DEPTH parentheses
  python3 -c "import sys; d=int(sys.argv[1]); open(sys.argv[2],'w').write(
'axiom=A(2)\nsteps=1\nA(x)->F(' + '('*d + 'x*3' + ')'*d + ')\n')" "$1" "$2"
}

# run DEPTH LIMIT_KB EXPECTED: EXPECTED is "evaluated" or "no stack"
run() {
  local depth=$1 limit=$2 expected=$3
  describe "$depth" "$work/deep.ls"
  (ulimit -v "$limit"; exec "$binary" "$work/deep.ls" "$work/deep.pov") >"$work/out" 2>"$work/err"
  local code=$?
  local got
  if [ $code -eq 0 ] && grep -aq '^step 1 >>F(6.000000)$' "$work/out"; then
    got=evaluated
  elif [ $code -eq 1 ] &&
       grep -aqE '^Error: not enough memory for a stack of [0-9]+ bytes to parse the expressions$' \
         "$work/out" && ! grep -aq '^Parsing:' "$work/out"; then
    got="no stack"
  else
    got="exit $code"
  fi
  if [ "$got" = "$expected" ]; then
    echo "ok: $depth levels, limit $limit KB: $got"
  else
    echo "FAIL: $depth levels, limit $limit KB: expected $expected, got $got"
    tail -c 300 "$work/err"
    failures=$((failures + 1))
  fi
}

run 100000 unlimited evaluated
run 1000000 unlimited evaluated
run 100000 1048576 evaluated
run 1000000 786432 "no stack"
run 10000000 1048576 "no stack"
run 10000000 4194304 "no stack"
[ $failures -eq 0 ]
