#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The privacy and safety audit of one play: the real program under Xvfb and
# strace, played with real mouse events by an end-to-end script, beside a
# sound server of its own or with none; then the trace is read against the
# rules (read_trace.py) and the program must have printed nothing at all.
#
#   audit.sh with|without PLAY_SCRIPT PATH/TO/tallowby
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mode=$1 play=$2 program=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# A desktop session's own folders, fresh, so that what lands in them is seen.
mkdir -m 700 "$out/home" "$out/runtime"
export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime
export AUDIT_PROGRAM=$program AUDIT_OUT=$out
case $mode in
with) server=(bash "$here/../faults/with_sound_server.sh") ;;
without)
    server=()
    export PULSE_SERVER=unix:$out/runtime/no-sound-server # a desktop's own server stays out of it
    ;;
*) echo "usage: audit.sh with|without PLAY_SCRIPT PROGRAM" >&2; exit 2 ;;
esac
"${server[@]}" bash "$here/../e2e/run.sh" "$play" "$here/traced.sh"

python3 "$here/read_trace.py" "$out/trace" "$out/surroundings" "$(dirname "$(readlink -f "$program")")" \
    "$here/../../menu/web_addresses.h" ${AUDIT_EXPECT_EVERY_ADDRESS:+--every-address}
for stream in stdout stderr; do
    if [ -s "$out/$stream" ]; then
        echo "FAIL: the program wrote on its $stream:" >&2
        cat "$out/$stream" >&2
        exit 1
    fi
done
echo "audit passed ($mode a sound server): nothing printed"
