#!/bin/sh
# Usage: dialect_contract.sh LSYS2POV LSYS STOCHASTIC FILE...
# The contract of the grower's dialect on real files:
# - lsys2pov prints and writes the same bytes for each file (STOCHASTIC included) as for the
#   same file with its dialect lines removed (the marker, seed=, tropism=, elasticity= and
#   "=>" lines);
# - lsys exports the same final generation of STOCHASTIC twice for one seed, and another one
#   for another seed.
lsys2pov=$1
lsys=$2
stochastic=$3
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/marked" "$work/plain"
failed=0
for file in "$@"; do
  cp "$file" "$work/marked/input.ls"
  grep -v -E '^[[:space:]]*(#lsys dialect=|seed=|tropism=|elasticity=)|=>' "$file" >"$work/plain/input.ls"
  if cmp -s "$work/marked/input.ls" "$work/plain/input.ls"; then
    echo "$file: has no dialect lines" >&2
    failed=1
    continue
  fi
  for side in marked plain; do
    (cd "$work/$side" && "$lsys2pov" input.ls scene.pov >stdout.txt)
  done
  for output in stdout.txt scene.pov; do
    if ! cmp -s "$work/marked/$output" "$work/plain/$output"; then
      echo "$file: lsys2pov's $output differs without the dialect lines:" >&2
      diff "$work/plain/$output" "$work/marked/$output" | head -20 >&2
      failed=1
    fi
  done
done
"$lsys" export "$stochastic" --seed 1 -o "$work/first.txt" --quiet || failed=1
"$lsys" export "$stochastic" --seed 1 -o "$work/again.txt" --quiet || failed=1
"$lsys" export "$stochastic" --seed 2 -o "$work/other.txt" --quiet || failed=1
if ! cmp -s "$work/first.txt" "$work/again.txt"; then
  echo "$stochastic: two exports with seed 1 differ" >&2
  failed=1
fi
if cmp -s "$work/first.txt" "$work/other.txt"; then
  echo "$stochastic: seeds 1 and 2 export the same generation" >&2
  failed=1
fi
exit $failed
