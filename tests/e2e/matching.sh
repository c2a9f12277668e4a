# SPDX-License-Identifier: GPL-3.0-or-later
# Number Matching with the real program and real mouse clicks: both rounds,
# each closed by the level-end window, up to the completion panel and back.
e2e_start
menu=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$menu" 4200 3120 # the "Number Matching" bar
game=$(e2e_window '^Number Matching - Round 1$')
[ "$(e2e_size "$game")" = "590 507" ] || e2e_fail "game size $(e2e_size "$game")"
e2e_shot matching-question

# Centre of the dot tile at each place of the row, in twips.
places=(2025 3105 4185 5265 6345)
row_y=4612

# Colour of one pixel of a window, as "R G B".
pixel() { # window, x and y in twips
    import -window "$1" png:- | convert png:- -format "%[fx:int(255*p{$(px "$2"),$(px "$3")}.r)] \
%[fx:int(255*p{$(px "$2"),$(px "$3")}.g)] %[fx:int(255*p{$(px "$2"),$(px "$3")}.b)]" info:
}
greenish() { read -r r g b <<<"$1"; [ "$g" -gt "$r" ] && [ "$g" -gt "$b" ]; }
bluish() { read -r r g b <<<"$1"; [ "$b" -gt "$r" ] && [ "$b" -gt "$g" ]; }

# Every click moves on, right or wrong; the fifth one ends the round.
play_round() { # label
    local k
    for k in 0 1 2 3; do
        e2e_click "$game" "${places[$(((k * 2) % 5))]}" "$row_y"
        xdotool search --onlyvisible --name '^Level End$' >/dev/null 2>&1 &&
            e2e_fail "$1: the level ended after $((k + 1)) answers"
    done
    e2e_shot "matching-$1-four-answered"
    e2e_click "$game" "${places[4]}" "$row_y"
}

play_round round1
level=$(e2e_window '^Level End$')
[ "$(e2e_size "$level")" = "482 168" ] || e2e_fail "level-end size $(e2e_size "$level")"
sleep 0.3
e2e_shot matching-level-end-1
greenish "$(pixel "$level" 1515 2092)" || e2e_fail "no green Next Level at the bottom left"

e2e_click "$level" 1515 2092 # Next Level
e2e_wait_gone '^Level End$'
[ "$(e2e_title "$game")" = "Number Matching - Round 2" ] || e2e_fail "title $(e2e_title "$game")"
e2e_shot matching-round2

play_round round2
level=$(e2e_window '^Level End$')
sleep 0.3
e2e_shot matching-level-end-2
bluish "$(pixel "$level" 1515 2092)" || e2e_fail "Next Level still offered after round 2"

e2e_click "$level" 1515 532 # Back To Menu, now at the top left
e2e_wait_gone '^Level End$'
e2e_wait_gone '^Number Matching'
xdotool search --onlyvisible --name '^Tallowby - MATH' >/dev/null || e2e_fail "the menu is gone"

e2e_click "$menu" 7515 7192 # EXIT
e2e_expect_exit 0
