# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program, started from its link, until the menu shows: it
# tells the desktop the name its menu entry expects, and finds its six cues
# in its own folder. Sourced by the end-to-end runner; deb.sh sets
# TALLOWBY_ROOT (the unpacked package) and TALLOWBY_OPENED (a trace file).
cues="Chime.wav startup.wav correct.wav Endlvl.wav dong.wav click.wav"
strace -f -qq -e trace=openat -o "$TALLOWBY_OPENED" "$TALLOWBY" &
tracer=$!
menu=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
E2E_PID=$(xdotool getwindowpid "$menu")

# The desktop groups the windows under the menu entry whose StartupWMClass
# matches the windows' class.
entry=$TALLOWBY_ROOT/usr/share/applications/example.tallowby.tallowby.desktop
class=$(xprop -id "$menu" WM_CLASS | sed 's/.*", "\(.*\)"$/\1/')
[ "$class" = "$(sed -n 's/^StartupWMClass=//p' "$entry")" ] || e2e_fail "window class '$class'"
icons=$(xprop -id "$menu" _NET_WM_ICON)
grep -q 'Icon (48 x 48)' <<<"$icons" || e2e_fail "the window has no icon"

# The cues load once a hand reaches for the menu, onto the sound server
# deb.sh starts.
xdotool mousemove --window "$menu" 20 20 mousemove --window "$menu" 40 40
folder=$TALLOWBY_ROOT/usr/lib/tallowby
for _ in $(seq 1 100); do
    missing=""
    for cue in $cues; do
        grep -q "\"$folder/$cue\", O_RDONLY.*= [0-9]" "$TALLOWBY_OPENED" || missing="$missing $cue"
    done
    [ -z "$missing" ] && break
    sleep 0.1
done
[ -z "$missing" ] || e2e_fail "cues not read from $folder:$missing"
e2e_shot installed-menu

kill "$E2E_PID"
wait "$tracer" || true
E2E_PID=
