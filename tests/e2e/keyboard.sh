# SPDX-License-Identifier: GPL-3.0-or-later
# The real program by keys alone: Number Matching opened from the menu with
# Tab and Enter, both rounds answered, back to the menu and EXIT; on the way
# a numeral of Numbers Out Of Order carried with Space and the arrows. The
# focus ring is read off the pixels around the focused widget.
# Real key presses (XTEST), as a keyboard makes them: they go to the window
# with the keyboard focus, which must be the one the game brought forward.
keys() { # window, keys...
    local w=$1 focus
    shift
    focus=$(xdotool getwindowfocus)
    [ "$focus" = "$w" ] || e2e_fail "keys for $(e2e_title "$w") but $(e2e_title "$focus" 2>/dev/null) has the focus"
    xdotool key --delay 60 "$@"
    sleep 0.25
}
# Colour of one pixel of a window, as "R G B".
pixel() { # window, x and y in pixels
    import -window "$1" png:- | convert png:- -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] \
%[fx:int(255*p{$2,$3}.b)]" info:
}
ring_at() { # window, x and y in pixels of the ring's dark band
    [ "$(pixel "$1" "$2" "$3")" = "20 24 82" ] || e2e_fail "no focus ring at $2,$3 ($4)"
}

e2e_start
menu=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
sleep 0.3
keys "$menu" Tab
e2e_shot keyboard-menu-ring
ring_at "$menu" 117 208 "left of the Number Matching bar"
keys "$menu" Return # the slide, then the game
game=$(e2e_window '^Number Matching - Round 1$')
sleep 0.3
keys "$game" Tab
e2e_shot keyboard-dot-ring
ring_at "$game" 108 310 "left of the first dot tile"
# The focus stays on its tile wherever the row puts it: five answers.
for _ in 1 2 3 4 5; do keys "$game" Return; done
level=$(e2e_window '^Level End$')
sleep 0.3
keys "$level" Tab Tab Return # Back To Menu first (top right), then Next Level
e2e_wait_gone '^Level End$'
[ "$(e2e_title "$game")" = "Number Matching - Round 2" ] || e2e_fail "title $(e2e_title "$game")"
for _ in 1 2 3 4 5; do keys "$game" Return; done
level=$(e2e_window '^Level End$')
sleep 0.3
keys "$level" Tab Return # only Back To Menu is left
e2e_wait_gone '^Number Matching'

# Numbers Out Of Order: the second bar, then "1" carried into the first slot.
keys "$menu" Tab Return
board=$(e2e_window '^Putting Numbers 1-10 In Order$')
sleep 0.3
keys "$board" Tab # "6" is the topmost numeral (Top 480)
keys "$board" Tab  # then "1" (Top 720)
keys "$board" space Left Left Left Left Left Left Left Left Left Left Left Left Left Left Left Left Left Left Left \
    Left Left Left Down Down Down Down Down Down Down Down Down Down Down Down Down Down
e2e_shot keyboard-numeral-held
keys "$board" space
e2e_shot keyboard-numeral-placed
# Placed, "1" comes after the numerals in the bubble: then Check My Answer,
# Start Over and Back To Menu.
keys "$board" Tab Tab Tab Return
e2e_wait_gone '^Putting Numbers'

keys "$menu" shift+Tab shift+Tab Return # back past the first bar, round to EXIT
e2e_expect_exit 0
