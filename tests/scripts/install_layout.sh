#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and builds the Debian package, and checks that both
# hold the two programs, their man pages (which man renders), the examples, the copyright file
# and the changelog; that every link and picture of the installed markdown leads to an
# installed file; and that lintian finds no error in the package (exit 77 when lintian is
# missing). Usage: install_layout.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
doc=usr/share/doc/lsys2pov
expected=(usr/bin/lsys2pov usr/bin/lsys usr/share/man/man1/lsys2pov.1.gz
          usr/share/man/man1/lsys.1.gz usr/share/man/man5/lsys2pov.ls.5.gz
          $doc/examples/bush.ls $doc/examples/koch_island.ls $doc/copyright $doc/changelog.gz
          $doc/README.md $doc/docs/format.md $doc/docs/gallery/bush.png
          usr/share/lsys2pov/view/index.html usr/share/lsys2pov/view/three/build/three.module.js)
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
for file in "${expected[@]}"; do
  [ -f "$scratch/root/$file" ] || { echo "cmake --install left out $file" >&2; exit 1; }
done
for page in man1/lsys2pov.1 man1/lsys.1 man5/lsys2pov.ls.5; do
  text=$(MANWIDTH=80 man -l "$scratch/root/usr/share/man/$page.gz" 2>&1)
  grep -q "^NAME" <<<"$text" || { echo "man -l $page.gz did not render:" >&2; echo "$text" >&2; exit 1; }
done
# man finds each page by the name a reader types.
for name in lsys2pov lsys lsys2pov.ls; do
  man -M "$scratch/root/usr/share/man" -w "$name" >/dev/null ||
    { echo "man $name finds no page in the installation" >&2; exit 1; }
done
# Markdown links [text](target) and HTML pictures src="target" that point into the tree.
while IFS= read -r markdown; do
  folder=$(dirname "$markdown")
  targets=$(grep -oE '\]\([^)#]+|src="[^"]+' "$markdown" | sed -E 's/^(\]\(|src=")//' || true)
  for target in $targets; do
    case $target in http://* | https://* | mailto:*) continue ;; esac
    [ -e "$folder/$target" ] ||
      { echo "${markdown#"$scratch/root/"} links to $target, which is not installed" >&2; exit 1; }
  done
done < <(find "$scratch/root/$doc" -name '*.md')
"$scratch/root/usr/bin/lsys2pov" --version | grep -q '^lsys2pov [0-9]'
# The installed lsys view finds its page in share/lsys2pov/view.
"$scratch/root/usr/bin/lsys" view "$scratch/root/usr/share/doc/lsys2pov/examples/bush.ls" \
  --port 0 >"$scratch/view.out" 2>/dev/null &
view=$!
for _ in $(seq 100); do grep -q '^http' "$scratch/view.out" && break; sleep 0.1; done
port=$(sed -n 's|^http://127.0.0.1:\([0-9]*\)/$|\1|p' "$scratch/view.out")
[ -n "$port" ] || { kill "$view"; echo "the installed lsys view printed no address" >&2; exit 1; }
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'GET / HTTP/1.1\r\nHost: 127.0.0.1:%s\r\nConnection: close\r\n\r\n' "$port" >&3
answer=$(cat <&3)
exec 3<&-
kill "$view"
wait "$view" || true
grep -q '^HTTP/1.1 200' <<<"$answer" || { echo "the installed page: $answer" >&2; exit 1; }

if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" >cpack.log 2>&1) ||
    { cat "$scratch/cpack.log" >&2; exit 1; }
  deb=$(ls "$scratch"/*.deb)
  listing=$(dpkg-deb -c "$deb")
  for file in "${expected[@]}"; do
    grep -q "\./$file\$" <<<"$listing" || { echo "the package lacks $file" >&2; exit 1; }
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  for package in libfparser4 povray; do
    grep -q "$package" <<<"$depends" || { echo "the package does not depend on $package: $depends" >&2; exit 1; }
  done
  if ! command -v lintian >/dev/null; then
    echo "install layout ok; lintian is not installed (scripts/ensure-packages installs it)"
    exit 77
  fi
  # Warnings are listed, errors fail.
  status=0
  report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
  grep -v '^running with root privileges' <<<"$report" || true
  [ "$status" -eq 0 ] || { echo "lintian finds errors in the package (exit $status)" >&2; exit 1; }
fi
echo "install layout ok"
