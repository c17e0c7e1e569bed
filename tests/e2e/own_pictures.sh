#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An adult's own content in picture and word: a list written by hand in UTF-8 without a byte-order
# mark, holding an SVG picture, a JPEG saved in printing inks (CMYK) and a portrait photo named
# with an accented letter. Each shows in its true colours and its own shape, and each word stands
# out from its exercise's colour: white on black, black on the grey of an exercise without a
# colour and on a nearly transparent white.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/gfx/images" "$content/data/English" "$content/options"
# 4:3, its left half blue and its right half gold.
cat >"$content/gfx/images/halves.svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 4 3">
  <rect width="2" height="3" fill="#1e90ff"/>
  <rect x="2" width="2" height="3" fill="#ffd700"/>
</svg>
SVG
/usr/bin/convert -size 400x300 xc:'#c03020' -colorspace CMYK "$content/gfx/images/brick.jpg"
/usr/bin/convert -size 300x800 xc:'#ff0000' "$content/gfx/images/äpple.png"
printf 'English\r\n' >"$content/data/lang.txt"
# Six lines an exercise (name, picture, sound, speech, text, colour), as a Linux editor saves
# them: UTF-8, no mark, LF. The colours: opaque black, none of its own, white at alpha 0x20.
printf '%s\n' sun halves.svg '' '' Sun -16777216 \
    brick brick.jpg '' '' Brick 16777215 \
    'äpple' 'äpple.png' '' '' 'Äpple' 553648127 >"$content/data/English/e2e"

# Two switches, no stop button, key time 0.2 s, words shown; picture and word in list order
# with the list e2e and grey, which asks for each exercise's colour; no music anywhere.
{
    printf '%s\r\n' 0 0 3 0.2 1 0 1 4 3 50 50 0 20 0 3
    printf '%s\r\n' 1 0 0 -14534998 vimo
    for screen in 1 2 3 4; do printf '%s\r\n' 1 0 1 -16777216 vimo; done
    printf '%s\r\n' 1 0 0 -8355712 e2e
    printf '%s\r\n' 1 0 1 -16777216 vimo
} >"$content/options/vimo.opt"

# The darkest and the brightest grey level in a rectangle of the last screenshot.
level() {
    /usr/bin/convert "$E2E_TMP/shot.png" -crop "$4x$5+$2+$3" +repage -colorspace gray \
        -format "%[fx:int($1*255)]" info:
}

# Whether colour $1 is within $3 of colour $2 in each channel (both rrggbb).
near() {
    local i a b
    for i in 0 2 4; do
        a=$((16#${1:i:2}))
        b=$((16#${2:i:2}))
        [ $((a > b ? a - b : b - a)) -le "$3" ] || return 1
    done
}

# Waits up to 5 seconds for pixel ($1, $2) to come near colour $3.
wait_near() {
    local seen
    for _ in $(seq 1 25); do
        seen=$(pixel "$window" "$1" "$2")
        near "$seen" "$3" 8 && return 0
        sleep 0.2
    done
    fail "pixel ($1, $2) is $seen, not near $3"
}

# Speaks again, takes the exercise away, and shows the next one.
next_exercise() {
    local press
    for press in 1 2 3; do
        sleep 0.5
        press_key "$window" space
    done
}

start_x
start_game "$content"
window=$(game_window)

wait_for_pixel "$window" 400 50 2236aa 15
for step in 1 2 3 4 5; do press_key "$window" space; done
press_key "$window" Return

# The SVG fills the 600 x 450 box at (100, 0), sharp down the middle, on black with a white word.
wait_for_pixel "$window" 390 200 1e90ff 10
[ "$(pixel "$window" 410 200)" = ffd700 ] || fail "the SVG's right half is not gold"
[ "$(pixel "$window" 50 200)" = 000000 ] || fail "the first exercise's black is not shown"
[ "$(level maxima 250 460 300 130)" = 255 ] || fail "no white word on black"

# The CMYK JPEG in its own colour, opaque over the grey; the word black.
next_exercise
wait_near 400 200 c03020
[ "$(pixel "$window" 50 200)" = 808080 ] || fail "the exercise without a colour is not on grey"
[ "$(level minima 250 460 300 130)" = 0 ] || fail "no black word on grey"

# The 3:8 portrait, found by its accented name, 169 pixels wide in the middle of the box and not
# stretched across it; its nearly transparent white shows white, with a black word.
next_exercise
wait_for_pixel "$window" 400 200 ff0000 5
for x in 320 480; do
    [ "$(pixel "$window" "$x" 200)" = ff0000 ] || fail "the portrait does not reach x $x"
done
for x in 110 300 500 690; do
    [ "$(pixel "$window" "$x" 200)" = ffffff ] || fail "the portrait is stretched to x $x"
done
[ "$(level minima 250 460 300 130)" = 0 ] || fail "no black word on the transparent white"

press_key "$window" Escape
wait_for_pixel "$window" 400 50 2236aa 5
press_key "$window" Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

echo "own pictures: passed"
