#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command beside a private PulseAudio server of its own, with one
# null sink: the program under test finds a working audio output, and no
# sound reaches a loudspeaker. Usage: with_sound_server.sh COMMAND...
set -euo pipefail
dir=$(mktemp -d)
server=
stop() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$dir"
}
trap stop EXIT
mkdir -m 700 "$dir/runtime"
export XDG_RUNTIME_DIR=$dir/runtime HOME=$dir PULSE_RUNTIME_PATH=$dir/runtime/pulse
export PULSE_SERVER=unix:$dir/runtime/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
    --load="module-null-sink sink_name=speaker" \
    --load="module-native-protocol-unix socket=$dir/runtime/native auth-anonymous=1" \
    >"$dir/server.log" 2>&1 &
server=$!
for _ in $(seq 1 100); do
    [ -S "$dir/runtime/native" ] && break
    sleep 0.05
done
[ -S "$dir/runtime/native" ] || { cat "$dir/server.log" >&2; echo "the sound server did not start" >&2; exit 1; }
"$@"
