#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop finds there: the program,
# the launcher entry and the metainfo (accepted by their validators without a remark, both naming
# the same identifier), the icon at every size with the right dimensions, the English and French
# manual pages with the project's version, the licence of the typeface the program carries; that
# no Debian packaging file is installed (the package build adds those); and that the screenshots
# the metainfo shows are in the source tree.
# usage: check-install.sh CMAKE BUILD_DIR SOURCE_DIR APP_ID
set -eu
cmake=$1 build=$2 source=$3 id=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install tree: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/vorlinde" ] || fail "no executable bin/vorlinde"
for f in "share/man/man1/vorlinde.1.gz" "share/man/fr/man1/vorlinde.1.gz" \
         "share/doc/vorlinde/LiberationSans-copyright" \
         "share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$prefix/$f" ] || fail "missing $f"
done
version=$(sed -n 's/^project(Vorlinde VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
for page in "share/man/man1/vorlinde.1.gz" "share/man/fr/man1/vorlinde.1.gz"; do
    gzip -dc "$prefix/$page" | head -n 1 | grep -q "\"Vorlinde $version\"" ||
        fail "$page does not carry the version $version"
done
left=$(cd "$prefix" && find . \( -path '*/doc/*' -type f ! -name LiberationSans-copyright \) -o -path '*lintian*' -o -name '*changelog*' -o -name copyright)
[ -z "$left" ] || fail "Debian packaging files installed: $left"
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
# Hints count too: two main categories, for one, put the program in two menus.
remarks=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$remarks" ] ||
    fail "desktop-file-validate: $remarks"
appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null || {
    appstreamcli validate --pedantic --no-net "$metainfo" >&2
    fail "appstreamcli refused $metainfo"
}
# The second validator checks what the first does not, such as captions of at most 50 characters.
appstream-util validate --nonet "$metainfo" >/dev/null || {
    appstream-util validate --nonet "$metainfo" >&2
    fail "appstream-util refused $metainfo"
}

# Each screenshot URL is the project page followed by a path of the source tree.
grep -o '<image>[^<]*' "$metainfo" | sed 's|<image>https://[^/]*/||' | while read -r shot; do
    [ -f "$source/$shot" ] || fail "screenshot $shot is not in the source tree"
done
