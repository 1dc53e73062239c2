#!/usr/bin/env bash
# Runs the program on one golden case in a scratch folder and compares stdout, the exit code and
# the scene byte for byte with the expected files worked out by hand.
# Usage: run_golden.sh BINARY CASE_FOLDER
set -u
binary=$1
case_dir=$(cd "$2" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R "$case_dir"/. "$scratch"/
rm -f "$scratch"/expected.* "$scratch"/scene.pov
cd "$scratch"

args=(input.ls scene.pov)
if [ -f "$case_dir/args" ]; then mapfile -t args <"$case_dir/args"; fi
expected_exit=0
if [ -f "$case_dir/expected.exit" ]; then expected_exit=$(tr -d '[:space:]' <"$case_dir/expected.exit"); fi

"$binary" "${args[@]}" >actual.stdout
actual_exit=$?

status=0
if [ "$actual_exit" != "$expected_exit" ]; then
  echo "exit code $actual_exit, expected $expected_exit"
  status=1
fi
if ! cmp -s "$case_dir/expected.stdout" actual.stdout; then
  echo "stdout differs:"
  diff -u "$case_dir/expected.stdout" actual.stdout | head -n 60
  status=1
fi
if [ -f "$case_dir/expected.pov" ]; then
  if [ ! -f scene.pov ]; then
    echo "no scene written"
    status=1
  elif ! cmp -s "$case_dir/expected.pov" scene.pov; then
    echo "scene differs:"
    diff -u "$case_dir/expected.pov" scene.pov | head -n 60
    status=1
  fi
elif [ -f scene.pov ]; then
  echo "a scene was written although none was expected"
  status=1
fi
exit $status
