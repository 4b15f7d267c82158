#!/bin/sh
# CPU cost of the running spot in the real program: starts Xvfb at WIDTHxHEIGHT, starts the
# program on it, and drives it as a student would with xdotool (generator on, oscilloscope
# opened and switched on, TIME/DIV turned from 1 ms to 20 ms/div, where the spot moves every
# 10 ms). Then it samples the whole-process CPU time (user + system, from /proc/PID/stat) of
# the program and of the X server over RUNS windows of SECONDS each and prints each window's
# shares of one core and their medians, and the program's peak resident memory.
#
# usage: benchmarks/running-spot-cpu.sh [RUNS [SECONDS]]
# environment: SIZE (default 1920x1080), QT_SCALE_FACTOR (passed on), SHOT=FILE.png (a
# screenshot once the spot runs), BUILD (default build/ of this tree), PROGRAM (another build
# of the program to measure, e.g. an older one kept for comparison; then nothing is built),
# PERF=FILE.data (a call-graph profile of the program over the first window; its CPU share
# then includes the profiler's cost).
set -eu

root=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
build=${BUILD:-$root/build}
runs=${1:-3}
seconds=${2:-20}
size=${SIZE:-1920x1080}

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "needs $tool (apt-get install xvfb xdotool)" >&2; exit 2; }
done
program=${PROGRAM:-}
if [ -z "$program" ]; then
    cmake --build "$build" --target vorlinde vorlinde-locate >/dev/null
    program=$build/runtime/qt/vorlinde
fi

# A free display number.
disp=90
while [ -e "/tmp/.X11-unix/X$disp" ] || [ -e "/tmp/.X$disp-lock" ]; do disp=$((disp + 1)); done
export DISPLAY=":$disp"
Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xpid=$!
vpid=""
cleanup() {
    [ -n "$vpid" ] && kill "$vpid" 2>/dev/null || true
    kill "$xpid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT INT TERM
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$disp" ] && break; sleep 0.1; done
unset QT_QPA_PLATFORM

# Where to click, through the program's own mapping of window twips to screen pixels.
spots=$("${LOCATE:-$build/benchmarks/vorlinde-locate}" Chargedecharge.powerctl Chargedecharge.Oscilloaffich \
    Oscillo.Powerclick "Oscillo.Tdivcontrol@0.25,0.5")
at() { printf '%s\n' "$spots" | awk -v t="$1" '$1 == t { print $2, $3 }'; }

"$program" >/dev/null 2>&1 &
vpid=$!
timeout 30 xdotool search --sync --onlyvisible --name Vorlinde >/dev/null
sleep 2

click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$1")
    sleep 0.3
    xdotool click 1
    sleep 0.7
}
click Chargedecharge.powerctl
click Chargedecharge.Oscilloaffich
sleep 1
click Oscillo.Powerclick
# Four steps anticlockwise, one press each: the first step comes 200 ms after the press, the
# second 200 ms later. One xdotool process keeps the timing.
# shellcheck disable=SC2046
xdotool mousemove $(at "Oscillo.Tdivcontrol@0.25,0.5") sleep 0.3 \
    mousedown 1 sleep 0.3 mouseup 1 sleep 0.3 mousedown 1 sleep 0.3 mouseup 1 sleep 0.3 \
    mousedown 1 sleep 0.3 mouseup 1 sleep 0.3 mousedown 1 sleep 0.3 mouseup 1
sleep 2
[ -n "${SHOT:-}" ] && command -v import >/dev/null 2>&1 && import -window root "$SHOT"

# Time on the processor in nanoseconds, summed over the process's threads, as the scheduler
# keeps it: exact, where the user and system times of /proc/PID/stat are sampled at the clock
# tick, which for a program that wakes for a tenth of a millisecond a hundred times a second
# charges whole ticks to it or to nothing.
cpu() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }
shares=""
for _ in $(seq "$runs"); do
    v0=$(cpu "$vpid"); x0=$(cpu "$xpid"); t0=$(date +%s.%N)
    if [ -n "${PERF:-}" ]; then
        perf record -q --call-graph dwarf,16384 -F 2000 -o "$PERF" -p "$vpid" -- sleep "$seconds" >/dev/null 2>&1
        PERF=""
    else
        sleep "$seconds"
    fi
    v1=$(cpu "$vpid"); x1=$(cpu "$xpid"); t1=$(date +%s.%N)
    line=$(awk -v v0="$v0" -v v1="$v1" -v x0="$x0" -v x1="$x1" -v t0="$t0" -v t1="$t1" \
        'BEGIN { t = (t1 - t0) * 1e9; printf "%.2f %.2f", 100 * (v1 - v0) / t, 100 * (x1 - x0) / t }')
    echo "window: program ${line% *} %, X server ${line#* } % of one core"
    shares="$shares$line
"
done
med() { printf '%s' "$shares" | awk -v c="$1" '{ print $c }' | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
echo "median over $runs x ${seconds}s at $size: program $(med 1) %, X server $(med 2) %"
echo "peak resident memory of the program: $(awk '/^VmHWM:/ { printf "%.1f MB", $2 / 1024 }' "/proc/$vpid/status")"
