#!/usr/bin/env bash
# Checks the built man pages as a reader meets them: man_pages.sh MAN_DIR LSYS2POV LSYS
# - every page renders with `man -l` on an 80-column terminal without a warning from man or
#   groff, and has a NAME line "name - what it is" (what apropos reads);
# - the page source is ASCII (pandoc writes every other character as a roff escape), and the
#   ASCII rendering has no more '?' than the UTF-8 one: no character is lost to a '?';
# - nothing of the markdown is left: no table rows or rules, fences, emphasis stars, links,
#   comments or unfilled @MARKERS@;
# - lsys2pov(1) names every option of `lsys2pov --help`; lsys(1) has a section for every
#   subcommand of `lsys --help` that names every option of `lsys COMMAND --help`.
set -euo pipefail
man_dir=$1
lsys2pov=$2
lsys=$3
warnings=$(mktemp)
trap 'rm -f "$warnings"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

render() { # LOCALE PAGE: the page as man shows it, groff's and man's warnings on stderr
  LC_ALL=$1 MANWIDTH=80 man --warnings -l "$2"
}

# Markdown that pandoc would have turned into roff: pattern, then what it is.
leftovers=(
  '^[[:space:]]*\|.*\|[[:space:]]*$' 'a table row'
  '\|[[:space:]]*:?-{3,}'            'a table rule'
  '^[[:space:]]*```'                 'a code fence'
  '\*\*[^*]+\*\*'                    'bold stars'
  '\]\([^)]*\)'                      'a link'
  '<!--'                             'an HTML comment'
  '@[A-Z_]+@'                        'a marker left in the source'
)

for expected in lsys2pov.1 lsys.1 lsys2pov.ls.5; do
  [ -f "$man_dir/$expected.gz" ] || fail "$man_dir has no $expected.gz"
done
pages=("$man_dir"/*.gz)
for page in "${pages[@]}"; do
  name=$(basename "$page" .gz)
  name=${name%.*}
  if ! text=$(render C.UTF-8 "$page" 2>"$warnings"); then
    fail "man -l $page failed: $(cat "$warnings")"
    continue
  fi
  [ -s "$warnings" ] && fail "$name: man warns: $(cat "$warnings")"
  grep -A1 '^NAME' <<<"$text" | grep -qE "^ +${name//./\\.} - [[:alnum:]]" ||
    fail "$name: no NAME line '$name - ...'"
  non_ascii=$(zcat "$page" | LC_ALL=C grep -n '[^[:print:][:space:]]' || true)
  [ -z "$non_ascii" ] || fail "$name: the page source holds raw non-ASCII bytes: $non_ascii"
  ascii=$(render C "$page" 2>/dev/null)
  utf8_marks=$(tr -cd '?' <<<"$text" | wc -c)
  ascii_marks=$(tr -cd '?' <<<"$ascii" | wc -c)
  [ "$utf8_marks" -eq "$ascii_marks" ] ||
    fail "$name: $ascii_marks '?' in ASCII against $utf8_marks in UTF-8: characters are lost"
  grep -q '??' <<<"$text$ascii" && fail "$name: '??' in the page: $(grep -m1 '??' <<<"$text$ascii")"
  for ((i = 0; i < ${#leftovers[@]}; i += 2)); do
    line=$(grep -m1 -E -- "${leftovers[i]}" <<<"$text" || true)
    [ -z "$line" ] || fail "$name: ${leftovers[i + 1]} is left: $line"
  done
done

# The options each help text lists, one per line: --long and -s names.
options_of() {
  grep -oE '(^|[ ,])--?[a-z][a-z-]*' | sed 's/^[ ,]*//' | sort -u
}

program_page=$(render C.UTF-8 "$man_dir/lsys2pov.1.gz" 2>/dev/null)
for option in $("$lsys2pov" --help | options_of); do
  grep -qF -- "$option" <<<"$program_page" || fail "lsys2pov(1) does not name $option"
done

companion_page=$(render C.UTF-8 "$man_dir/lsys.1.gz" 2>/dev/null)
commands=$("$lsys" --help | sed -n '/^Subcommands:/,$p' | grep -oE '^  [a-z]+' || true)
[ -n "$commands" ] || fail "lsys --help lists no subcommands"
for command in $commands; do
  section=$(sed -n "/^   lsys $command\$/,/^   lsys [a-z]*\$\|^[A-Z]/p" <<<"$companion_page")
  if [ -z "$section" ]; then
    fail "lsys(1) has no section 'lsys $command'"
    continue
  fi
  for option in $("$lsys" "$command" --help | options_of); do
    grep -qF -- "$option" <<<"$section" || fail "lsys(1), section lsys $command, lacks $option"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "man pages ok: ${pages[*]##*/}"
