#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts the game.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here: starting the game on a virtual one (xvfb-run)." >&2
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$top/build/tallowby"
fi
exec "$top/build/tallowby"
