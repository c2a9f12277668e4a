# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for end-to-end scripts: start the real program, find its windows by
# title, click and drag in twips relative to a window's client area, take
# screenshots. Sourced by run.sh inside Xvfb; the program is "$2" there.
set -euo pipefail

TALLOWBY=${2:?path to the tallowby program}
E2E_SHOTS=${E2E_SHOTS:-${TMPDIR:-/tmp}/tallowby-e2e}
mkdir -p "$E2E_SHOTS"
# Nothing may open a real browser during a test.
export BROWSER=true
E2E_PID=

e2e_fail() {
    echo "FAIL: $*" >&2
    e2e_shot failure || true
    [ -n "$E2E_PID" ] && kill "$E2E_PID" 2>/dev/null || true
    exit 1
}

e2e_start() {
    "$TALLOWBY" &
    E2E_PID=$!
}

# Window id of the visible window whose title matches the regular expression.
e2e_window() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    e2e_fail "no window titled /$1/"
}

e2e_wait_gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    e2e_fail "window /$1/ is still there"
}

# Client size in pixels: "W H".
e2e_size() {
    xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}

e2e_title() { xdotool getwindowname "$1"; }

e2e_raise() { xdotool windowraise "$1"; sleep 0.2; }

px() { echo $(($1 / 15)); }

e2e_click() { # window, x and y in twips
    xdotool mousemove --window "$1" "$(px "$2")" "$(px "$3")" click 1
    sleep 0.15
}

e2e_drag() { # window, from x y, to x y, in twips
    local w=$1 x1=$(px "$2") y1=$(px "$3") x2=$(px "$4") y2=$(px "$5") i
    xdotool mousemove --window "$w" "$x1" "$y1" mousedown 1
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove --window "$w" $((x1 + (x2 - x1) * i / 8)) $((y1 + (y2 - y1) * i / 8))
        sleep 0.02
    done
    xdotool mouseup 1
    sleep 0.15
}

e2e_shot() { import -window root "$E2E_SHOTS/$1.png"; }

# The program must end by itself with this status.
e2e_expect_exit() {
    local status
    for _ in $(seq 1 100); do
        kill -0 "$E2E_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$E2E_PID" 2>/dev/null && e2e_fail "the program is still running"
    set +e
    wait "$E2E_PID"
    status=$?
    set -e
    E2E_PID=
    [ "$status" = "$1" ] || e2e_fail "exit status $status, expected $1"
}

e2e_finish() {
    [ -n "$E2E_PID" ] && kill "$E2E_PID" 2>/dev/null || true
    echo "e2e passed; screenshots in $E2E_SHOTS"
}
