#!/usr/bin/env bash
# `lsys` under hostile paths, interrupts and runaway growth. Each row runs one command in a
# scratch folder and asserts what the user gets: the exit code, a piece of standard error, and
# what is (or is not) left on disk. A fake `povray` stands in where POV-Ray must fail or be
# interrupted; the real one renders the rows that need a picture (skipped without it).
# Usage: lsys_faults.sh LSYS LSYS2POV sanitized|plain
# Memory runs out under an address-space limit for a plain build; AddressSanitizer cannot start
# under one, so a sanitized build has its allocator refuse large allocations instead.
set -u
lsys=$(readlink -f "$1")
lsys2pov=$(readlink -f "$2")
mode=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# row NAME EXIT PIECE COMMAND...: runs the command and checks its exit code and that its
# standard error holds the piece (any standard error when the piece is empty).
row() {
  local name=$1 expected=$2 piece=$3
  shift 3
  "$@" >row.stdout 2>row.stderr
  local status=$?
  [ "$status" -eq "$expected" ] ||
    fail "$name: exit code $status, expected $expected; stderr: $(head -c 400 row.stderr)"
  [ -z "$piece" ] || grep -qF -- "$piece" row.stderr ||
    fail "$name: standard error lacks '$piece': $(head -c 400 row.stderr)"
}
# absent NAME PATH...: none of the paths exists.
absent() {
  local name=$1
  shift
  for path in "$@"; do [ ! -e "$path" ] || fail "$name: $path exists"; done
}
# leftovers NAME FOLDER: no working folder, temporary scene or POV-Ray state is left there.
leftovers() {
  local found
  found=$(find "$2" -maxdepth 2 \( -name '.lsys-render-*' -o -name 'lsys-render-*' \
    -o -name '*lsys-animate-*' -o -name '*.pov-state' \) 2>/dev/null)
  [ -z "$found" ] || fail "$1: left behind: $found"
}
# binary NAME FILE: standard error holds no raw control byte other than tab and line feed.
no_controls() {
  if LC_ALL=C grep -q $'[\x01-\x08\x0b-\x1f\x7f]' "$2"; then fail "$1: raw control bytes in $2"; fi
}

printf 'axiom=F\nsteps=2\nF->F[+F]F[-F]F\n' >plant.ls
cp plant.ls plant.copy

# 1. Paths that POV-Ray would split or read as options: the picture still lands where named,
#    and no file named by the text after a blank appears.
if command -v povray >/dev/null; then
  mkdir -p "out dir" tmp\ dir
  cp plant.ls "plant +GAx.txt.ls"
  row "blank and +option in the description's name" 0 "" \
    "$lsys" render -q --size 64x48 "plant +GAx.txt.ls"
  [ -s "plant +GAx.txt.png" ] || fail "name with +GA: no picture 'plant +GAx.txt.png'"
  absent "name with +GA" x.txt "x.txt.png"
  for name in "out dir/-leading.png" "out dir/+Iquote\"d;semi.png" $'out dir/\xc3\xa9t\xe9.png' \
    "out dir/'single' +O.png"; do
    row "output $name" 0 "" "$lsys" render -q --size 64x48 plant.ls -o "$name"
    [ -s "$name" ] || fail "output $name: no picture"
  done
  TMPDIR="$scratch/tmp dir" row "blank in TMPDIR" 0 "" \
    "$lsys" render -q --size 64x48 plant.ls -o tmpdir.png
  [ -s tmpdir.png ] || fail "blank in TMPDIR: no picture"
  leftovers "hostile paths" .
  leftovers "hostile paths" "out dir"
fi

# 2. A line feed in the description's name starts no directive or statement in the files.
evil=$'evil\n#fopen F "pwn.txt" write #write(F,"x") #fclose F\n\x1b[31m'
cp plant.ls "$evil.ls"
row "line feed in the name (scene)" 0 "" \
  "$lsys" render -q --size 64x48 "$evil.ls" --scene evil.pov -o evil.png
row "line feed in the name (OBJ)" 0 "" "$lsys" export -q "$evil.ls" -o evil.obj
row "line feed in the name (SVG)" 0 "" "$lsys" export -q "$evil.ls" -o evil.svg
for file in evil.pov evil.obj evil.svg; do
  [ -e "$file" ] || continue
  if grep -q '^#fopen\|^#write' "$file"; then fail "name in $file: a line starts with the directive"; fi
  # The scene and the mesh show it; the SVG's title drops it.
  [ "$file" = evil.svg ] || grep -q '\^J#fopen' "$file" || fail "name in $file: no ^J"
  no_controls "name in $file" "$file"
done
absent "line feed in the name" pwn.txt
# Progress, shown on a terminal only, names the file without obeying its escape sequence.
if command -v script >/dev/null; then
  script -qec "'$lsys' export plant.ls -o \"\$(printf 'tty\\033[31m.svg')\"" /dev/null >tty.out 2>&1
  grep -q 'tty\^\[\[31m' tty.out || fail "progress on a terminal: no ^[ in: $(head -c 300 tty.out)"
  if LC_ALL=C grep -q $'\x1b' tty.out; then fail "progress on a terminal: a raw escape"; fi
fi

# 3. Outputs that name the description, or a link to it, are refused; the description stays.
ln -s plant.ls link.obj
ln -s plant.ls link.png
row "--scene names the description" 1 "is the description" \
  "$lsys" render -q plant.ls --scene plant.ls -o p.png
row "export -o a link to the description" 1 "is the description" \
  "$lsys" export -q plant.ls -o link.obj
row "render -o a link to the description" 1 "is the description" \
  "$lsys" render -q plant.ls -o link.png
cmp -s plant.ls plant.copy || fail "an output overwrote the description"

# 4. A failed or interrupted render keeps the earlier picture, leaves nothing behind and ends
#    POV-Ray. The fake POV-Ray writes a state file and a partial picture in its folder, then
#    fails, or waits to be interrupted.
mkdir fake
cat >fake/povray <<'EOF'
#!/bin/sh
echo partial >picture.png
echo state >scene.pov-state
echo $$ >>"$FAKE_PID"
case "$FAKE_MODE" in
  fail) echo "Parse Error: something"; exit 1 ;;
  wait) exec sleep 60 ;;
esac
EOF
chmod +x fake/povray
echo earlier >pic.png
FAKE_PID=$scratch/fake.pid FAKE_MODE=fail PATH="$scratch/fake:$PATH" \
  row "POV-Ray fails" 1 "povray could not render the scene of plant.ls" \
  "$lsys" render -q plant.ls -o pic.png
grep -q "lsys-render-\|\.pov-state" row.stderr && fail "POV-Ray fails: a deleted file is named"
[ "$(cat pic.png)" = earlier ] || fail "POV-Ray fails: the earlier picture is lost"
leftovers "POV-Ray fails" .
for signal in INT:130 TERM:143; do
  rm -f fake.pid
  FAKE_PID=$scratch/fake.pid FAKE_MODE=wait PATH="$scratch/fake:$PATH" \
    "$lsys" render -q plant.ls -o pic.png 2>interrupt.stderr &
  pid=$!
  for _ in $(seq 100); do [ -s fake.pid ] && break; sleep 0.1; done
  kill -"${signal%:*}" "$pid"
  wait "$pid"
  status=$?
  [ "$status" -eq "${signal#*:}" ] || fail "SIG${signal%:*}: exit code $status"
  [ "$(cat pic.png)" = earlier ] || fail "SIG${signal%:*}: the earlier picture is lost"
  leftovers "SIG${signal%:*}" .
  if [ -s fake.pid ] && kill -0 "$(cat fake.pid)" 2>/dev/null; then
    fail "SIG${signal%:*}: POV-Ray still runs"
  fi
done
# The same for an animation: every POV-Ray of its frames is ended, the frames are removed.
echo earlier >growth.gif
mkdir -p animate-tmp
rm -f fake.pid
FAKE_PID=$scratch/fake.pid FAKE_MODE=wait PATH="$scratch/fake:$PATH" TMPDIR=$scratch/animate-tmp \
  "$lsys" animate -q plant.ls -o growth.gif 2>interrupt.stderr &
pid=$!
for _ in $(seq 100); do [ -s fake.pid ] && break; sleep 0.1; done
sleep 0.3  # the other workers start their frames
kill -TERM "$pid"
wait "$pid"
status=$?
[ "$status" -eq 143 ] || fail "animate SIGTERM: exit code $status"
[ "$(cat growth.gif)" = earlier ] || fail "animate SIGTERM: the earlier animation is lost"
leftovers "animate SIGTERM" .
leftovers "animate SIGTERM" animate-tmp
while read -r frame_pid; do
  if kill -0 "$frame_pid" 2>/dev/null; then fail "animate SIGTERM: POV-Ray $frame_pid still runs"; fi
done <fake.pid

# 5. Runaway growth is refused before the step that would pass the module budget, naming it.
printf 'axiom=F\nsteps=60\nF->FF\n' >runaway.ls
row "info runs away (the default budget)" 1 \
  "step 26 could grow the word to 67108864 modules, more than the budget of 50000000" \
  "$lsys" info runaway.ls
row "render runs away" 1 "step 17 could grow the word to 131072 modules" \
  "$lsys" render -q runaway.ls --max-modules 100000
row "export runs away" 1 "more than the budget of 100000" \
  "$lsys" export -q runaway.ls -o runaway.svg --max-modules 100000
absent "export runs away" runaway.svg
printf 'axiom=A(1,2,3)\nsteps=30\nA(x,y,z)->A(x,y,z)A(x,y,z)\n' >values.ls
row "values count against the budget" 1 \
  "step 14 could grow the word to 16384 modules and 49152 values" \
  "$lsys" info values.ls --max-modules 50000
row "--max-modules" 1 "step 10 could grow the word to 1024 modules, more than the budget of 1000" \
  "$lsys" info runaway.ls --steps 12 --max-modules 1000
row "--max-modules 0" 2 "" "$lsys" info runaway.ls --max-modules 0
# Memory that runs out: under an address-space limit, where AddressSanitizer cannot start (its
# allocator aborts instead of throwing), so only for a plain build.
if [ "$mode" = plain ]; then
  printf 'axiom=F\nsteps=40\nF->FF\n' >memory.ls
  row "info out of memory" 1 "lsys: out of memory" \
    prlimit --as=400000000 "$lsys" info memory.ls --max-modules 10000000000
  # The dry run's own bound (a million modules and their segments) does not fit 40 MB.
  printf 'axiom=F\nsteps=20\nF->FF\n' >dry.ls
  row "check's dry run out of memory" 1 "lsys: out of memory" prlimit --as=40000000 "$lsys" check dry.ls
else
  echo "out-of-memory rows skipped: AddressSanitizer cannot run under an address-space limit"
fi

# 6. Drawings far too small or large for six decimals: the scene's numbers stay within the
#    range that the drawing is scaled into, and the segments print apart.
printf 'axiom=F(0.0000001)+F(0.0000001)+F(0.0000001)\n' >tiny.ls
printf 'axiom=F(10000000000)+F(10000000000)\nangle=90\n' >huge.ls
for scale in tiny huge; do
  if command -v povray >/dev/null; then
    row "$scale drawing" 0 "" "$lsys" render -q --size 64x48 "$scale.ls" --scene "$scale.pov"
    [ -s "$scale.png" ] || fail "$scale drawing: no picture"
  else
    row "$scale drawing" 1 "cannot run povray" "$lsys" render -q "$scale.ls" --scene "$scale.pov"
  fi
  # a segment is a cone, or a strip of the mesh when thin in the picture
  grep -Eq '(cone|cylinder|mesh2) \{' "$scale.pov" || fail "$scale drawing: no segment in the scene"
  if grep -Eq '[0-9]{5}\.[0-9]' "$scale.pov"; then fail "$scale drawing: numbers beyond the range"; fi
done

# 7. Messages say what happens.
row "-o pic.jpg" 1 "name a file ending in .png" "$lsys" render -q plant.ls -o pic.jpg
absent "-o pic.jpg" pic.jpg pic.jpg.png
row "-o -" 1 "standard output" "$lsys" render -q plant.ls -o -
row "info to a full device" 1 "cannot write to standard output" \
  sh -c "'$lsys' info plant.ls >/dev/full"
row "--size 16384x16384" 1 "choose a smaller --size" \
  "$lsys" render -q plant.ls --size 16384x16384 -o big.png
absent "--size 16384x16384" big.png

# 8. check shows the file's control characters instead of sending them to the terminal.
printf 'axiom=F\ngamma=\x1b[2J\x07\n' >escape.ls
row "escape sequences in a checked line" 1 "^[[2J^G" "$lsys" check escape.ls
no_controls "escape sequences in a checked line" row.stderr

# 9. check's dry run is bounded by work: a heavy file gets the same verdict every time.
printf 'axiom=A(1)\nsteps=30\nA(x)->A(x+1)A(x*2)B(x)\nB(x):(x>3)->B(x-1)\n' >heavy.ls
"$lsys" check heavy.ls >/dev/null 2>first.stderr
first=$?
for _ in 1 2 3; do
  "$lsys" check heavy.ls >/dev/null 2>again.stderr
  [ $? -eq $first ] && cmp -s first.stderr again.stderr || fail "check's verdict changed between runs"
done

# 10. info counts the lsys2pov scene's bytes without writing it: no TMPDIR needed.
TMPDIR=/nonexistent row "info without a temporary folder" 0 "" "$lsys" info plant.ls
"$lsys2pov" plant.ls reference.pov >/dev/null
grep -qx "lsys2pov scene: $(stat -c %s reference.pov) bytes" row.stdout ||
  fail "info: the scene's size is not the lsys2pov scene's: $(tail -1 row.stdout)"

[ $failures -eq 0 ]
