# SPDX-License-Identifier: GPL-3.0-or-later
# Complete The Sequence with the real program and real mouse clicks: five
# questions answered right and wrong in turn, each banner read off the
# window's pixels for its three seconds, then the window closing by itself
# and the menu in front again.
e2e_start
menu=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$menu" 4200 4320 # the orange "Complete The Sequence" bar, then its slide
game=$(e2e_window '^Complete The Sequence$')
[ "$(e2e_size "$game")" = "590 533" ] || e2e_fail "window size $(e2e_size "$game")"
sleep 0.3

pictures=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets/pictures" && pwd)
grab() { import -window "$game" "$E2E_SHOTS/$1.png"; }
# Crop of a grab, in pixels: name, grab, width, height, left, top.
crop() { convert "$E2E_SHOTS/$2.png" -crop "$3x$4+$5+$6" +repage "$E2E_SHOTS/$1.png"; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }

# The choice row: Left of places 1 to 4 in twips, all at Top 4200.
place_lefts=(840 2640 4560 6360)
numeral_picture() { # numeral
    if [ "$1" -le 5 ]; then echo "$pictures/nummatch.big$1.bmp"; else echo "$pictures/Sequence.big$1.bmp"; fi
}
# The numerals at places 1 to 4 of a grab, pixel for pixel: "7 4 6 5".
choices() { # grab
    local place n found row=()
    for place in 0 1 2 3; do
        crop tile "$1" 97 87 "$(px "${place_lefts[$place]}")" 280
        found=0
        for n in $(seq 1 10); do
            same "$E2E_SHOTS/tile.png" "$(numeral_picture "$n")" && { found=$n; break; }
        done
        row+=("$found")
    done
    echo "${row[*]}"
}
# The right answer of the question whose choices are on screen.
right_answer() { # choices
    case "$1" in
    "7 4 6 5") echo 6 ;;
    "9 3 4 2") echo 2 ;;
    "1 10 3 8") echo 10 ;;
    "10 5 7 9") echo 7 ;;
    "4 1 2 3") echo 2 ;;
    "3 4 7 5") echo 7 ;;
    *) e2e_fail "no question offers $1" ;;
    esac
}
# Which banner a grab shows: correct, tryagain or none.
banner() { # grab
    crop banner "$1" 571 150 8 184
    if same "$E2E_SHOTS/banner.png" "$pictures/Sequence.correctimg.bmp"; then
        echo correct
    elif same "$E2E_SHOTS/banner.png" "$pictures/Sequence.tryagainimg.bmp"; then
        echo tryagain
    else
        echo none
    fi
}

# Seconds since a time taken with date +%s.%N, and a comparison of two such figures.
since() { awk -v t0="$1" -v t1="$(date +%s.%N)" 'BEGIN { printf "%.2f", t1 - t0 }'; }
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

asked=()
for k in 1 2 3 4 5; do
    grab "question$k"
    [ "$(banner "question$k")" = none ] || e2e_fail "question $k: a banner before any click"
    offered=$(choices "question$k")
    answer=$(right_answer "$offered")
    for seen in "${asked[@]}"; do
        [ "$seen" != "$offered" ] || e2e_fail "question $k: $offered asked again"
    done
    asked+=("$offered")
    [ "$k" = 1 ] && e2e_shot sequence-question

    # Right on odd questions, wrong on even ones: the first numeral that is not the answer.
    read -r -a tiles <<<"$offered"
    pick=$answer expect=correct
    if [ $((k % 2)) = 0 ]; then
        expect=tryagain
        for pick in "${tiles[@]}"; do [ "$pick" != "$answer" ] && break; done
    fi
    for place in 0 1 2 3; do [ "${tiles[$place]}" = "$pick" ] && break; done
    clicked=$(date +%s.%N)
    e2e_click "$game" $((place_lefts[place] + 727)) 4852
    grab "banner$k"
    seen=$(banner "banner$k")
    [ "$seen" = "$expect" ] || e2e_fail "question $k ($offered), $pick clicked: banner $seen, expected $expect"
    [ "$k" -le 2 ] && e2e_shot "sequence-$expect"

    if [ "$k" = 5 ]; then
        e2e_wait_gone '^Complete The Sequence$'
        break
    fi
    # The banner stays three seconds, then the next question is there without it.
    for _ in $(seq 1 40); do
        grab wait
        [ "$(banner wait)" = none ] && break
        sleep 0.2
    done
    [ "$(banner wait)" = none ] || e2e_fail "question $k: the banner is still up after 8 s"
    shown=$(since "$clicked")
    at_least "$shown" 2.5 || e2e_fail "question $k: the banner went after ${shown}s"
done
shown=$(since "$clicked")
at_least "$shown" 2.5 || e2e_fail "the window closed ${shown}s after the last click"
sleep 0.3
e2e_shot sequence-closed

# Only the menu is left, in front: EXIT is clicked without raising it.
xdotool search --onlyvisible --name '^Tallowby - MATH' >/dev/null || e2e_fail "the menu is gone"
e2e_click "$menu" 7515 7192 # EXIT
e2e_expect_exit 0
