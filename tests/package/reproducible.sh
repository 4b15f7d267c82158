#!/bin/sh
# Builds the packages twice, from copies of the source tree in two folders of different names and
# depths, and checks that the package and its -dbgsym package are byte-identical: no time stamp, no
# build path, no file order of the build machine may reach them. The checks of the package build
# are skipped (nocheck): the suite runs elsewhere, and what is built and installed is the same.
# usage: reproducible.sh SOURCE_DIR WORK_DIR
set -eu
here=$(CDPATH= cd -- "$(dirname -- "$0")" && pwd)
source=$1 work=$2
rm -rf "$work"
mkdir -p "$work/first" "$work/second/build/elsewhere"
TMPDIR="$work/first" "$here/build-package.sh" "$source" "$work/a" "nocheck"
TMPDIR="$work/second/build/elsewhere" "$here/build-package.sh" "$source" "$work/b" "nocheck"

status=0
count=0
for a in "$work"/a/*.deb "$work"/a/*.ddeb; do
    [ -e "$a" ] || continue
    name=$(basename "$a")
    count=$((count + 1))
    if cmp -s "$a" "$work/b/$name"; then
        echo "identical: $name"
        continue
    fi
    status=1
    echo "DIFFERENT: $name" >&2
    # Name what differs: the control and data members, then the files inside.
    for part in a b; do
        mkdir -p "$work/x/$part"
        dpkg-deb -R "$work/$part/$name" "$work/x/$part/$name"
    done
    diff -r "$work/x/a/$name" "$work/x/b/$name" >&2 || true
done
[ "$count" -ge 2 ] || { echo "expected the package and its -dbgsym package, found $count" >&2; exit 1; }
# The first build's files stay in WORK/a for a look (lintian, hardening-check); the rest goes.
[ "$status" = 0 ] && rm -rf "$work/b" "$work/x" "$work/first" "$work/second"
exit "$status"
