#!/bin/bash
# usage: render.sh file.ls...
for f in "$@"; do
  b=$(basename $f .ls)
  python3 -c "
import sim,sys
L=sim.load('$f'); s,g=sim.derive(L); r=sim.turtle(L,s); sim.pov(r,'$b.pov')"
  povray +I$b.pov +O$b.png +W640 +H480 -D +A0.3 2>/dev/null >/dev/null || echo fail $b
done
