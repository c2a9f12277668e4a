#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the game takes from launch until the menu is on the screen, on a
# virtual display: the median of a few runs. Usage: bench/startup.sh [build/tallowby]
set -euo pipefail
program=$(realpath "${1:-build/tallowby}")
runs=${RUNS:-5}
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    program=$0 runs=$1 times=()
    for _ in $(seq 1 "$runs"); do
        start=$(date +%s%N)
        QT_QPA_PLATFORM=xcb "$program" & pid=$!
        until xdotool search --onlyvisible --name "^Tallowby - MATH" >/dev/null 2>&1; do sleep 0.005; done
        times+=($(( ($(date +%s%N) - start) / 1000000 )))
        kill "$pid"; wait "$pid" 2>/dev/null || true
    done
    printf "%s\n" "${times[@]}" | sort -n | awk "{a[NR]=\$1} END {print \"menu on screen after\", a[int((NR+1)/2)], \"ms (median of\", NR, \"runs)\"}"
' "$program" "$runs"
