#!/usr/bin/env bash
# Start-up of the game against a bare Qt window built with the same flags: the time from
# starting the program to its first painted window, and the peak memory up to then.
#
#   bench/startup.sh [RUNS]        (default 15; BUILD names the build folder, default ./build)
#
# Each program is started RUNS times, the two taking turns (and the one that goes first taking
# turns too), so that the machine's load falls on both alike. A run is timed from the moment the
# script starts it (bash's EPOCHREALTIME) to the wall-clock time the program prints once its
# first window has been painted (ZINDREL_FIRST_PAINT_PROBE, see app/first_paint.h); it
# ends there. Peak memory is the maximum resident set that /usr/bin/time reports for that run.
# The ratios printed are game / bare window of the medians over the runs.
#
# It needs an X display: the one in DISPLAY, or else an Xvfb of its own for the time it runs.
set -euo pipefail

runs=${1:-15}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${BUILD:-$here/../build}
game=$build/Zindrel/zindrel
bare=$build/bench/bare_window
for program in "$game" "$bare"; do
    [[ -x $program ]] || { echo "not built: $program" >&2; exit 1; }
done
[[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time" >&2; exit 1; }

work=$(mktemp -d)
xvfb=
cleanup() {
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
    for number in $(seq 90 140); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb=$!
        export DISPLAY=:$number
        break
    done
    [[ -n $xvfb ]] || { echo "no free display for Xvfb" >&2; exit 1; }
    sleep 1
fi
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# One run: prints "<microseconds to the first paint> <peak kilobytes>".
run_once() {
    local program=$1 out=$work/out mem=$work/mem start painted
    start=${EPOCHREALTIME/./}
    ZINDREL_FIRST_PAINT_PROBE=1 /usr/bin/time -f %M -o "$mem" "$program" >"$out" 2>/dev/null
    painted=$(awk '/^first-paint-us/ { print $2 }' "$out")
    [[ -n $painted ]] || { echo "$program reported no painted window" >&2; exit 1; }
    echo "$((painted - start)) $(tail -n 1 "$mem")"
}

# Warm the file cache, so that the first run of neither side pays for the disk.
run_once "$bare" >/dev/null
run_once "$game" >/dev/null

: >"$work/bare" && : >"$work/game"
printf '%4s %14s %14s %12s %12s\n' run bare_ms game_ms bare_kB game_kB
for ((i = 1; i <= runs; i++)); do
    if ((i % 2)); then
        b=$(run_once "$bare") g=$(run_once "$game")
    else
        g=$(run_once "$game") b=$(run_once "$bare")
    fi
    echo "$b" >>"$work/bare"
    echo "$g" >>"$work/game"
    read -r bt bm <<<"$b"
    read -r gt gm <<<"$g"
    awk -v i="$i" -v bt="$bt" -v gt="$gt" -v bm="$bm" -v gm="$gm" \
        'BEGIN { printf "%4d %14.1f %14.1f %12d %12d\n", i, bt / 1000, gt / 1000, bm, gm }'
done

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
bt=$(cut -d' ' -f1 "$work/bare" | median)
gt=$(cut -d' ' -f1 "$work/game" | median)
bm=$(cut -d' ' -f2 "$work/bare" | median)
gm=$(cut -d' ' -f2 "$work/game" | median)
awk -v bt="$bt" -v gt="$gt" -v bm="$bm" -v gm="$gm" -v runs="$runs" 'BEGIN {
    printf "\nmedians over %d interleaved runs of each\n", runs
    printf "time to the first painted window: bare %.1f ms, game %.1f ms\n", bt / 1000, gt / 1000
    printf "peak memory:                      bare %d kB, game %d kB\n", bm, gm
    printf "time ratio   (game / bare): %.3f\n", gt / bt
    printf "memory ratio (game / bare): %.3f\n", gm / bm
}'
