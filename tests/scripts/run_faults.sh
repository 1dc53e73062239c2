#!/usr/bin/env bash
# Whole runs against a failing environment: standard output that fails (a pipe closed early,
# a full device, one ENOSPC injected part way), and memory that runs out. The run must go on,
# still write the complete scene, and end with exit code 1; running out of memory must be
# reported ("Out of memory", exit code 1).
# Usage: run_faults.sh BINARY [UNSANITIZED_BINARY]
# The out-of-memory cases need a binary without AddressSanitizer (it cannot start under a low
# address-space limit); without one they are skipped (exit 77) after the other cases passed.
set -u
binary=$(readlink -f "$1")
unsanitized=${2:+$(readlink -f "$2")}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# About 4 MB of report (generations of X), several of the output's 1 MiB pieces, before a small
# scene: the early writes to standard output all happen before the scene is opened.
printf 'axiom=FX\nsteps=21\nX->XX\n' >big.ls
"$binary" big.ls reference.pov >reference.stdout
[ $? -eq 0 ] || fail "the reference run failed"
[ "$(stat -c %s reference.stdout)" -gt 3500000 ] || fail "the reference report is too short"

# Each case: a name and a command line run by bash with the scene path s.pov.
check_case() {
  local name=$1 command=$2
  rm -f s.pov
  bash -c "$command"
  local status=$?
  [ "$status" -eq 1 ] || fail "$name: exit code $status, expected 1"
  if ! cmp -s s.pov reference.pov; then fail "$name: the scene is missing or incomplete"; fi
}

check_case "pipe closed early" "set -o pipefail; '$binary' big.ls s.pov | head -c 10 >/dev/null"
check_case "full device" "'$binary' big.ls s.pov >/dev/full"
if command -v strace >/dev/null; then
  # The third write to standard output (long before the scene) fails once. strace counts per
  # thread, and only the writes to the report file are traced. (The leak checker cannot run
  # under ptrace.)
  check_case "one ENOSPC" \
    "ASAN_OPTIONS=detect_leaks=0 strace -f -o /dev/null -P partial.stdout -e trace=write \
       -e inject=write:error=ENOSPC:when=3 '$binary' big.ls s.pov >partial.stdout 2>/dev/null"
  [ -s partial.stdout ] || fail "one ENOSPC: nothing of the report was written"
else
  fail "strace is not installed (scripts/ensure-packages installs it)"
fi

# A pipe closed early on a run whose report is short still gives exit code 0 when every write
# went through: only a failed write counts.
printf 'axiom=F\nsteps=1\n' >small.ls
"$binary" small.ls small.pov | cat >/dev/null
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "a run without failed writes did not exit 0"

if [ -z "$unsanitized" ]; then
  [ $failures -eq 0 ] || exit 1
  echo "out-of-memory cases skipped: no binary without AddressSanitizer"
  exit 77
fi
# An endless description under a 300 MB address-space limit. (An endless growth such as
# F->FF over 60 steps ends the same way, but only after printing generations for minutes.)
for description in /dev/zero; do
  prlimit --as=300000000 "$unsanitized" "$description" oom.pov >oom.stdout
  status=$?
  [ $status -eq 1 ] || fail "out of memory on $description: exit code $status, expected 1"
  # The report ends with the message (on the line of a generation cut short).
  [ "$(tail -c 14 oom.stdout)" = "Out of memory" ] ||
    fail "out of memory on $description: the report ends '$(tail -c 40 oom.stdout)'"
  [ ! -e oom.pov ] || fail "out of memory on $description: a scene was written"
done
[ $failures -eq 0 ]
