#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one end-to-end script against the real program on its own Xvfb screen.
# Usage: run.sh SCRIPT PATH/TO/tallowby
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'source "$0"; source "$1"; e2e_finish' \
    "$here/lib.sh" "$1" "$2"
