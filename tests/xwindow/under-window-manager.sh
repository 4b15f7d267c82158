#!/bin/sh
# Runs PROGRAM ARGS... on the present X display under openbox, told to keep a strip of
# RESERVED pixels at the top of the screen free (where a desktop's panel would be), so the
# work area is not the whole screen. Stops openbox afterwards; the program's status is the
# script's.
# Usage: under-window-manager.sh RESERVED PROGRAM ARGS...
set -u
reserved=$1
shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Openbox's own configuration (its mouse bindings: a double click on a title bar toggles
# maximised), with the top margin set.
sed "/<margins>/,/<\/margins>/s|<top>[0-9]*</top>|<top>$reserved</top>|" /etc/xdg/openbox/rc.xml >"$dir/rc.xml"
grep -q "<top>$reserved</top>" "$dir/rc.xml" || { echo "no margins in openbox's rc.xml"; exit 2; }
openbox --config-file "$dir/rc.xml" >"$dir/openbox.log" 2>&1 &
wm=$!
# Ready once it names itself on the root window and has published the work area.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, $reserved,"; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && { echo "openbox did not start"; cat "$dir/openbox.log"; kill $wm; exit 2; }
    sleep 0.05
done
"$@"
status=$?
kill $wm 2>/dev/null
wait $wm 2>/dev/null
exit $status
