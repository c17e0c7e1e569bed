#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child with one switch in the picture-and-word activity: the first picture shows at once with
# its word below it in black letters; the next press speaks again, the one after takes picture and
# word away, and the next shows the following exercise. Esc leaves for the menu.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

sky=3fcefd # the activity's background
content=$E2E_TMP/content
mkdir -p "$content/gfx/images" "$content/data/English" "$content/options"
/usr/bin/convert -size 400x300 xc:'#ff0000' "$content/gfx/images/red.png"
/usr/bin/convert -size 400x300 xc:'#00ff00' "$content/gfx/images/green.png"
printf 'English\r\n' >"$content/data/lang.txt"
# The list: six lines an exercise (name, picture, sound, speech, text, colour).
for name in red green; do
    printf '%s\r\n' "$name" "$name.png" '' '' "$name" 16777215
done >"$content/data/English/e2e"

# Two switches, no stop button, key time 0.2 s, words shown; activity 5 in list order with the
# list e2e; no music anywhere.
{
    printf '%s\r\n' 0 0 3 0.2 1 0 1 4 3 50 50 0 20 0 3
    printf '%s\r\n' 1 0 0 -14534998 vimo
    for screen in 1 2 3 4; do printf '%s\r\n' 1 0 1 -16777216 vimo; done
    printf '%s\r\n' 1 0 0 -12595459 e2e
    printf '%s\r\n' 1 0 1 -16777216 vimo
} >"$content/options/vimo.opt"

# The darkest grey level (0 for black) in a rectangle of the last screenshot.
darkest() {
    /usr/bin/convert "$E2E_TMP/shot.png" -crop "$3x$4+$1+$2" +repage -colorspace gray \
        -format '%[fx:int(minima*255)]' info:
}

start_x
start_game "$content"
window=$(game_window)

wait_for_pixel "$window" 400 50 2236aa 15
for step in 1 2 3 4 5; do press_key "$window" space; done
press_key "$window" Return

# The picture at (100, 0, 600 x 450), the word below it from y 470.
wait_for_pixel "$window" 400 200 ff0000 10
[ "$(pixel "$window" 50 300)" = "$sky" ] || fail "the background is not the activity's"
[ "$(darkest 250 460 300 130)" = 0 ] || fail "no black word under the first picture"

sleep 0.5
press_key "$window" space # speaks again; the picture stays
sleep 0.5
[ "$(pixel "$window" 400 200)" = ff0000 ] || fail "the second press took the picture away"
press_key "$window" space # takes it away
wait_for_pixel "$window" 400 200 "$sky" 5
[ "$(darkest 250 460 300 130)" != 0 ] || fail "the word stayed after the take-away"

sleep 0.5
press_key "$window" space # the next exercise, with its word
wait_for_pixel "$window" 400 200 00ff00 5
[ "$(darkest 250 460 300 130)" = 0 ] || fail "no black word under the second picture"

press_key "$window" Escape
wait_for_pixel "$window" 400 50 2236aa 5
press_key "$window" Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

echo "picture and word: passed"
