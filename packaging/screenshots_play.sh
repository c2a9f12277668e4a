# SPDX-License-Identifier: GPL-3.0-or-later
# The plays behind the screenshots, each from a fresh start of the program so
# that every activity is caught in the middle of a game. Sourced by
# screenshots.sh after the end-to-end helpers.

# The window alone, as a software centre shows it.
shot() { # window, name
    sleep 0.5
    import -window "$1" "$TALLOWBY_SHOTS/$2.png"
    echo "took $2.png ($(identify -format '%wx%h' "$TALLOWBY_SHOTS/$2.png"))"
}

finish() {
    kill "$E2E_PID"
    wait "$E2E_PID" 2>/dev/null || true
    E2E_PID=
}

e2e_start
main=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
shot "$main" menu
finish

# Number Matching: two tiles clicked, so two lights are lit.
e2e_start
main=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$main" 4200 3120
game=$(e2e_window '^Number Matching - Round 1$')
sleep 0.3
e2e_click "$game" 2025 4612
e2e_click "$game" 4185 4612
shot "$game" number-matching
finish

# Numbers Out Of Order: 1 to 6 dragged from the bubble into their slots
# (each numeral's Left, Top, Width, Height as the board's table has them).
e2e_start
main=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$main" 4200 3720
board=$(e2e_window '^Putting Numbers 1-10 In Order$')
sleep 0.3
starts=("5760 720 300 585" "5280 1320 405 600" "5520 2160 420 630" "6360 1320 480 615"
    "7200 1200 450 630" "6480 480 435 630")
for n in 1 2 3 4 5 6; do
    read -r left top width height <<<"${starts[$((n - 1))]}"
    x=$((left + width / 2)) y=$((top + height / 2))
    e2e_drag "$board" "$x" "$y" $((x + 400 + 840 * (n - 1) - left)) $((y + 4000 - top))
done
shot "$board" numbers-out-of-order
finish

# Complete The Sequence: the first question with its four numerals.
e2e_start
main=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$main" 4200 4320
game=$(e2e_window '^Complete The Sequence$')
shot "$game" complete-the-sequence
finish

# Number Picking: three apples dragged from the tree into the box.
e2e_start
main=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$main" 4200 4920
tree=$(e2e_window '^Picking Numbers!$')
sleep 0.3
for home in "5280 2520" "1800 1680" "4200 1080"; do
    read -r left top <<<"$home"
    x=$((left + 277)) y=$((top + 285))
    e2e_drag "$tree" "$x" "$y" $((x + 4000 - left)) $((y + 5700 - top))
done
shot "$tree" number-picking
finish
