#!/bin/sh
# The real program on the present X display with QT_SCALE_FACTOR=0.5, or a screen's factor of
# 0.5 in QT_SCREEN_SCALE_FACTORS, shows what it shows with no factor: Qt paints no widget below ratio 1, so a factor below 1 would draw everything twice
# too large and cut off (the instruments fit the screen by their own view scale anyway).
# Usage: scale-factor-below-one.sh PROGRAM
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
shot() {  # shot NAME ENV...
    name=$1
    shift
    env "$@" "$program" >"$dir/$name.log" 2>&1 &
    pid=$!
    sleep 3
    import -window root "$dir/$name.png"
    kill "$pid"
    wait "$pid" 2>/dev/null
}
shot plain -u QT_SCALE_FACTOR
shot half QT_SCALE_FACTOR=0.5
shot screen QT_SCREEN_SCALE_FACTORS=0.5
# The clock in the status bar may have moved on: a few hundred pixels may differ, not more.
status=0
for name in half screen; do
    differ=$(compare -metric AE -fuzz 5% "$dir/plain.png" "$dir/$name.png" /dev/null 2>&1)
    echo "$name: pixels that differ: $differ"
    [ "${differ%%.*}" -lt 2000 ] 2>/dev/null || status=1
done
exit $status
