# SPDX-License-Identifier: GPL-3.0-or-later
# Numbers Out Of Order with the real program and real mouse events: every
# numeral dragged from the bubble into its own slot, Check My Answer, then the
# score and the revealed row read off the window's pixels.
e2e_start
menu=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$menu" 4200 3720 # the "Numbers Out Of Order" bar, then its slide
board=$(e2e_window '^Putting Numbers 1-10 In Order$')
[ "$(e2e_size "$board")" = "589 532" ] || e2e_fail "board size $(e2e_size "$board")"
sleep 0.3

pictures=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets/pictures" && pwd)
grab() { import -window "$board" "$E2E_SHOTS/$1.png"; }
# Crop of the last grab, in pixels: name, width, height, left, top.
crop() { convert "$E2E_SHOTS/$2.png" -crop "$3x$4+$5+$6" +repage "$E2E_SHOTS/$1.png"; }
# Width in pixels of the white text inside an image, 0 when there is none.
text_width() {
    local white="-fuzz 25% -fill black +opaque white"
    # shellcheck disable=SC2086
    if [ "$(convert "$1" $white -format '%[fx:mean>0]' info:)" = 0 ]; then
        echo 0
    else
        convert "$1" $white -trim -format '%w' info:
    fi
}

# Each numeral's start (Left, Top, Width, Height) from the board's table.
starts=(
    "5760 720 300 585" "5280 1320 405 600" "5520 2160 420 630" "6360 1320 480 615" "7200 1200 450 630"
    "6480 480 435 630" "4920 1920 480 615" "7800 1800 435 630" "7920 960 450 615" "6480 2160 825 615"
)
grab fresh
for n in $(seq 1 10); do
    read -r left top width height <<<"${starts[$((n - 1))]}"
    # Grabbed at its middle, let go with its top-left corner well inside slot n.
    x=$((left + width / 2)) y=$((top + height / 2))
    to_left=$((400 + 840 * (n - 1))) to_top=4000
    e2e_drag "$board" "$x" "$y" $((x + to_left - left)) $((y + to_top - top))
done
grab placed
e2e_shot ordering-placed
crop score-before placed 33 17 16 480
[ "$(text_width "$E2E_SHOTS/score-before.png")" = 0 ] || e2e_fail "a score before the check"

e2e_click "$board" 4417 5872 # Check My Answer
sleep 3 # the reveal takes 2.5 s
grab revealed
e2e_shot ordering-revealed
if xdotool search --onlyvisible --name '^Message$' >/dev/null 2>&1; then
    e2e_fail "the message window opened: some numeral missed its slot"
fi

# The score: "10" is the only two-digit score, twice a digit's width.
crop score revealed 33 17 16 480
w=$(text_width "$E2E_SHOTS/score.png")
[ "$w" -ge 12 ] || e2e_fail "score text ${w}px wide, expected the two digits of 10"

# The answer row shows the tiles 1 to 10, pixel for pixel.
for k in $(seq 1 10); do
    crop "tile$k" revealed 56 42 $((8 + 56 * (k - 1))) 304
    diff=$(compare -metric AE "$E2E_SHOTS/tile$k.png" "$pictures/MissingNum.answer$k.bmp" null: 2>&1 || true)
    [ "$diff" = 0 ] || e2e_fail "answer tile $k differs in $diff pixels"
done

e2e_click "$board" 7515 7612 # Back To Menu
e2e_wait_gone '^Putting Numbers'
e2e_raise "$menu"
e2e_click "$menu" 7515 7192 # EXIT
e2e_expect_exit 0
