#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop finds there: the program,
# the launcher entry and the metainfo (both accepted by their validators, both naming the same
# identifier), the icon at every size with the right dimensions, the manual page, the
# copyright and the licence of the typeface the program carries; and that the screenshots the metainfo shows are in the source tree.
# usage: check-install.sh CMAKE BUILD_DIR SOURCE_DIR APP_ID
set -eu
cmake=$1 build=$2 source=$3 id=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install tree: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/vorlinde" ] || fail "no executable bin/vorlinde"
for f in "share/man/man1/vorlinde.1.gz" "share/doc/vorlinde/copyright" "share/doc/vorlinde/changelog.Debian.gz" \
         "share/doc/vorlinde/LiberationSans-copyright" \
         "share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$prefix/$f" ] || fail "missing $f"
done
for px in 16 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${px}x$px/apps/$id.png"
    [ -f "$png" ] || fail "missing icon $png"
    # The width and height are the big-endian words at bytes 16 and 20 of a PNG.
    dims=$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')
    [ "$dims" = "$(printf '%08x%08x' "$px" "$px")" ] || fail "$png is not $px x $px ($dims)"
done

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$desktop" ] && [ -f "$metainfo" ] || fail "missing launcher entry or metainfo for $id"
grep -qx "Icon=$id" "$desktop" || fail "the launcher entry does not name the icon $id"
grep -qx "Exec=vorlinde" "$desktop" || fail "the launcher entry does not start vorlinde"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null || {
    appstreamcli validate --no-net "$metainfo" >&2
    fail "appstreamcli refused $metainfo"
}

# Each screenshot URL is the project page followed by a path of the source tree.
grep -o '<image>[^<]*' "$metainfo" | sed 's|<image>https://[^/]*/||' | while read -r shot; do
    [ -f "$source/$shot" ] || fail "screenshot $shot is not in the source tree"
done
