#!/bin/sh
# The program started where there is no graphical display: no DISPLAY at all, a DISPLAY no X
# server answers, a platform plugin that does not exist. Each time it must say so in one short
# line (French and English) and exit with status 1, not abort.
# Usage: without-display.sh PROGRAM
set -u
program=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0

check() {  # check WHAT ENV-ARGS...
    what=$1
    shift
    # A program that did find a display would run on: it is stopped after a while.
    timeout 20 env -u WAYLAND_DISPLAY "$@" "$program" >"$out/stdout" 2>"$out/stderr" </dev/null
    status=$?
    lines=$(wc -l <"$out/stderr")
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q 'affichage' "$out/stderr" ||
        ! grep -q 'display' "$out/stderr"; then
        echo "FAIL $what: status $status, $lines line(s) on stderr:"
        cat "$out/stderr"
        failed=1
    else
        echo "ok   $what: $(cat "$out/stderr")"
    fi
}

check "DISPLAY unset" -u DISPLAY -u QT_QPA_PLATFORM
check "DISPLAY pointing at nothing" -u QT_QPA_PLATFORM DISPLAY=:97
check "QT_QPA_PLATFORM naming a missing plugin" QT_QPA_PLATFORM=nosuch
exit $failed
