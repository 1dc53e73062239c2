#!/usr/bin/env bash
# Grows a description into a scene and renders it with POV-Ray at a small size; fails when the
# program fails or POV-Ray reports a parse error; exit 77 (skipped) without POV-Ray.
# Usage: render_scene.sh BINARY DESCRIPTION
set -u
# Without POV-Ray there is nothing to render with: skipped, not failed.
if ! command -v povray >/dev/null; then
  echo "POV-Ray is not installed: skipped"
  exit 77
fi
binary=$1
description=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! "$binary" "$description" "$scratch/scene.pov" >"$scratch/stdout"; then
  echo "the program failed on $description"
  tail -n 5 "$scratch/stdout"
  exit 1
fi
if ! povray -D +W80 +H60 +I"$scratch/scene.pov" +O"$scratch/scene.png" +FN >"$scratch/povray.log" 2>&1 ||
   grep 'Parse Error' "$scratch/povray.log" | grep -qv 'Possible Parse Error'; then
  echo "POV-Ray failed on the scene of $description:"
  tail -n 20 "$scratch/povray.log"
  exit 1
fi
[ -s "$scratch/scene.png" ] || { echo "POV-Ray wrote no picture"; exit 1; }
