#!/bin/sh
# Builds the binary packages from the source package debian/, the way Debian does
# (dpkg-buildpackage -b -us -uc), in a copy of the source tree under a temporary folder, and moves
# the .deb, the -dbgsym package, the .buildinfo and the .changes into OUT (emptied first).
# usage: build-package.sh SOURCE_DIR OUT [DEB_BUILD_OPTIONS]
#   The copy holds the files git tracks or would track (with their uncommitted changes), or,
#   outside a git checkout, the whole tree but its build folders.
set -eu
source=$(CDPATH= cd -- "$1" && pwd)
out=$2
options=${3-${DEB_BUILD_OPTIONS-}}
work=$(mktemp -d "${TMPDIR:-/tmp}/vorlinde-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
tree="$work/vorlinde-${version%-*}"
mkdir -p "$tree"
if git -C "$source" rev-parse --show-toplevel >/dev/null 2>&1; then
    # (A file deleted but not yet staged is listed and skipped.)
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 sh -c 'for f; do [ ! -e "$f" ] || cp --parents -- "$f" "$0"; done' "$tree")
else
    (cd "$source" && tar -cf - --exclude='./build*' --exclude='./obj-*' .) | (cd "$tree" && tar -xf -)
fi

jobs=$(nproc 2>/dev/null || echo 1)
case " $options " in *" parallel="*) ;; *) options="$options parallel=$jobs" ;; esac
(cd "$tree" && DEB_BUILD_OPTIONS="$options" dpkg-buildpackage -b -us -uc >"$work/log" 2>&1) || {
    tail -n 60 "$work/log" >&2
    echo "build-package: dpkg-buildpackage failed (whole log above, last 60 lines)" >&2
    exit 1
}
rm -rf "$out"
mkdir -p "$out"
# The debug symbols come as a .deb on Debian, as a .ddeb elsewhere.
for f in "$work"/*.deb "$work"/*.ddeb "$work"/*.buildinfo "$work"/*.changes; do
    [ ! -e "$f" ] || mv "$f" "$out"/
done
cp "$work/log" "$out/build.log"
