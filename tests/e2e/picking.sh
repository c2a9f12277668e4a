# SPDX-License-Identifier: GPL-3.0-or-later
# Number Picking with the real program and real mouse events: three apples
# dragged from the tree into the box, Check My Answer, the crate and the
# results panel read off the window's pixels, then Play Again.
e2e_start
menu=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$menu" 4200 4920 # the "Number Picking" bar, then its slide
tree=$(e2e_window '^Picking Numbers!$')
[ "$(e2e_size "$tree")" = "588 610" ] || e2e_fail "tree size $(e2e_size "$tree")"
sleep 0.3

pictures=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets/pictures" && pwd)
grab() { import -window "$tree" "$E2E_SHOTS/$1.png"; }
# Crop of a grab, in pixels: name, grab, width, height, left, top.
crop() { convert "$E2E_SHOTS/$2.png" -crop "$3x$4+$5+$6" +repage "$E2E_SHOTS/$1.png"; }
differs() { # pixels that differ between two images
    compare -metric AE "$1" "$2" null: 2>&1 || true
}
# The same region of two grabs: name, grab, grab, width, height, left, top.
same_region() {
    crop "$1-a" "$2" "$4" "$5" "$6" "$7"
    crop "$1-b" "$3" "$4" "$5" "$6" "$7"
    [ "$(differs "$E2E_SHOTS/$1-a.png" "$E2E_SHOTS/$1-b.png")" = 0 ]
}

# The numeral on the trunk, found pixel for pixel among the ten tiles.
tiles=(NumberPicking.small1 nummatch.twoa nummatch.threea nummatch.foura nummatch.fivea nummatch.sixa
    nummatch.sevena nummatch.eighta nummatch.ninea NumberPicking.small10)
trunk_number() { # grab
    local n
    crop trunk "$1" 46 39 253 296
    for n in $(seq 1 10); do
        if [ "$(differs "$E2E_SHOTS/trunk.png" "$pictures/${tiles[$((n - 1))]}.bmp")" = 0 ]; then
            echo "$n"
            return
        fi
    done
    e2e_fail "no numeral tile on the trunk"
}

# The white text of a crop as a number: each candidate is drawn in the same
# typeface and size, both are reduced to their white strokes, and the one
# that differs in the fewest pixels wins. Empty when the crop holds no text.
read_number() { # crop, pixel size
    local strokes="-fuzz 30% -fill black +opaque white -threshold 50%" best='' best_diff='' t d
    # shellcheck disable=SC2086
    convert "$1" $strokes -trim +repage "$E2E_SHOTS/glyph.png"
    # shellcheck disable=SC2086
    [ "$(convert "$1" $strokes -format '%[fx:mean>0]' info:)" = 1 ] || return 0
    for t in $(seq 0 10); do
        convert -background black -fill white -font Liberation-Sans-Bold -pointsize "$2" "label:$t" \
            -threshold 50% -trim +repage "$E2E_SHOTS/candidate.png"
        d=$(convert "$E2E_SHOTS/glyph.png" "$E2E_SHOTS/candidate.png" -background black -gravity northwest \
            -extent 40x30 -compose difference -composite -threshold 50% -format '%[fx:int(mean*w*h+0.5)]' info:)
        if [ -z "$best_diff" ] || [ "$d" -lt "$best_diff" ]; then
            best=$t best_diff=$d
        fi
    done
    echo "$best"
}

grab fresh
e2e_shot picking-fresh
number=$(trunk_number fresh)
echo "trunk number $number"
# The instruction's last word stands on its one line, dark on the sky.
crop last-word fresh 30 17 532 40
[ "$(convert "$E2E_SHOTS/last-word.png" -colorspace gray -threshold 50% -negate -format '%[fx:mean>0.05]' info:)" = 1 ] ||
    e2e_fail "the instruction is cut off before \"box.\""

# Apples 1, 2 and 3 (home Left, Top), grabbed at their middle and let go
# with their top-left corner well inside the box's drop area.
homes=("5280 2520" "1800 1680" "4200 1080")
for home in "${homes[@]}"; do
    read -r left top <<<"$home"
    x=$((left + 277)) y=$((top + 285))
    e2e_drag "$tree" "$x" "$y" $((x + 4000 - left)) $((y + 5700 - top))
done
grab three
e2e_shot picking-three

# Compartments 1 to 3 of the crate hold an apple now, 4 to 10 are empty.
compartments=("24 456" "88 456" "152 456" "216 456" "272 456" "24 520" "88 520" "152 520" "216 520" "272 520")
for k in $(seq 1 10); do
    read -r cx cy <<<"${compartments[$((k - 1))]}"
    if [ "$k" -le 3 ]; then
        same_region "c$k" fresh three 37 38 "$cx" "$cy" && e2e_fail "no apple in compartment $k"
    else
        same_region "c$k" fresh three 37 38 "$cx" "$cy" || e2e_fail "an apple in compartment $k"
    fi
done
# The three apples have left the tree; the others hang where they were.
same_region crown-left fresh three 100 60 108 170 || e2e_fail "apple 4 moved"
for home in "${homes[@]}"; do
    read -r left top <<<"$home"
    same_region "home" fresh three 37 38 $((left / 15)) $((top / 15)) && e2e_fail "an apple left at $home"
done
# Nothing shows in the results panel yet.
same_region panel fresh three 217 65 344 464 || e2e_fail "the panel shows before the check"

e2e_click "$tree" 6817 6592 # Check My Answer
grab checked
e2e_shot picking-checked
crop count checked 33 17 352 480
crop drawn checked 33 25 496 480
same_region play-again fresh checked 170 39 368 544 && e2e_fail "no Play Again after the check"
got=$(read_number "$E2E_SHOTS/count.png" 15)
[ "$got" = 3 ] || e2e_fail "the panel counts '$got' apples, expected 3"
got=$(read_number "$E2E_SHOTS/drawn.png" 16)
[ "$got" = "$number" ] || e2e_fail "the panel names '$got' for the trunk's $number"

e2e_click "$tree" 6795 8452 # Play Again
sleep 0.5
tree=$(e2e_window '^Picking Numbers!$')
grab again
e2e_shot picking-again
again=$(trunk_number again)
echo "next trunk number $again"
same_region crate fresh again 320 129 8 440 || e2e_fail "the crate is not empty again"
same_region crown fresh again 420 160 60 60 || e2e_fail "the apples are not all back in the tree"
same_region panel fresh again 217 140 344 464 || e2e_fail "the panel or Play Again still shows"

e2e_click "$tree" 7515 5452 # Back To Menu
e2e_wait_gone '^Picking Numbers!$'
e2e_raise "$menu"
e2e_click "$menu" 7515 7192 # EXIT
e2e_expect_exit 0
