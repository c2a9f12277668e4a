#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots that the AppStream data and the README show: the real
# program on a virtual screen, played with real mouse events, one picture of
# the menu and one of each activity, into docs/screenshots/.
# Usage: packaging/screenshots.sh [build/tallowby]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$top/build/tallowby}")
export TALLOWBY_SHOTS=$top/docs/screenshots QT_QPA_PLATFORM=xcb
mkdir -p "$TALLOWBY_SHOTS"
# The end-to-end helpers find windows, click and drag in twips.
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'source "$0"; source "$1"' \
    "$top/tests/e2e/lib.sh" "$top/packaging/screenshots_play.sh" "$program"
