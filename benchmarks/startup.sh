#!/bin/sh
# Start-up of the real program to its first painted frame: starts Xvfb at WIDTHxHEIGHT, then
# RUNS times launches the program (a build that ends at its first painted frame) and takes the
# time from just before the launch to the end of that paint. Prints each run and the median.
#
# usage: benchmarks/startup.sh [RUNS]
# environment: SIZE (default 1920x1080), QT_SCALE_FACTOR (passed on), BUILD (default build/)
set -eu

root=$(CDPATH= cd -- "$(dirname -- "$0")/.." && pwd)
build=${BUILD:-$root/build}
runs=${1:-11}
size=${SIZE:-1920x1080}
command -v Xvfb >/dev/null 2>&1 || { echo "needs Xvfb (apt-get install xvfb)" >&2; exit 2; }
cmake --build "$build" --target vorlinde-startup-probe >/dev/null
probe=$build/benchmarks/vorlinde-startup-probe

disp=90
while [ -e "/tmp/.X11-unix/X$disp" ] || [ -e "/tmp/.X$disp-lock" ]; do disp=$((disp + 1)); done
export DISPLAY=":$disp"
Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill "$xpid" 2>/dev/null || true; wait 2>/dev/null || true' EXIT INT TERM
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$disp" ] && break; sleep 0.1; done
unset QT_QPA_PLATFORM

"$probe" >/dev/null 2>&1 || true  # a first launch fills the file cache
times=""
for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    t1=$("$probe" 2>/dev/null)
    ms=$(( (t1 - t0) / 1000000 ))
    echo "run: $ms ms"
    times="$times$ms
"
done
median=$(printf '%s' "$times" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
echo "start-up to the first painted frame at $size, median of $runs: $median ms"
