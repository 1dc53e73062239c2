#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and builds the Debian package, and checks that both
# hold the two programs, their man pages (which man renders) and the examples:
# install_layout.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
expected=(usr/bin/lsys2pov usr/bin/lsys usr/share/man/man1/lsys2pov.1 usr/share/man/man1/lsys.1
          usr/share/doc/lsys2pov/examples/bush.ls usr/share/doc/lsys2pov/examples/koch_island.ls
          usr/share/doc/lsys2pov/LICENSE)
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
for file in "${expected[@]}"; do
  [ -f "$scratch/root/$file" ] || { echo "cmake --install left out $file" >&2; exit 1; }
done
for page in lsys2pov lsys; do
  text=$(MANWIDTH=80 man -l "$scratch/root/usr/share/man/man1/$page.1" 2>&1)
  grep -q "^NAME" <<<"$text" || { echo "man -l $page.1 did not render:" >&2; echo "$text" >&2; exit 1; }
done
"$scratch/root/usr/bin/lsys2pov" --version | grep -q '^lsys2pov [0-9]'

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
fi
echo "install layout ok"
