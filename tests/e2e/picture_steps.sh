#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child in the picture-steps activity: the menu's scanning leads there; with four pictures a
# set, each press shows the next one in its quarter, further presses take them away from the
# last, and Esc goes back to the menu.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/gfx/images" "$content/data/English" "$content/options"
printf 'English\r\n' >"$content/data/lang.txt"
# A small picture, drawn scaled to its quarter of the screen.
/usr/bin/convert -size 40x30 xc:'#ff0000' "$content/gfx/images/red.png"
printf 'red\r\nred.png\r\n\r\n\r\n\r\n16777215\r\n' >"$content/data/English/vimo"

start_x
start_game "$content"
window=$(game_window)

wait_for_pixel "$window" 400 50 2236aa 15
press_key "$window" space
press_key "$window" space
press_key "$window" Return
# The activity's black background, no picture yet.
wait_for_pixel "$window" 200 150 000000 5

press_key "$window" space
wait_for_pixel "$window" 200 150 ff0000 5
[ "$(pixel "$window" 600 150)" = 000000 ] || fail "the second picture shows after one press"
sleep 0.3 # more than the key time
press_key "$window" space
wait_for_pixel "$window" 600 150 ff0000 5
[ "$(pixel "$window" 200 450)" = 000000 ] || fail "the third picture shows after two presses"

# Two more show the rest; the next takes the last one away again.
for quarter in "200 450" "600 450"; do
    sleep 0.3
    press_key "$window" space
    wait_for_pixel "$window" $quarter ff0000 5
done
sleep 0.3
press_key "$window" space
wait_for_pixel "$window" 600 450 000000 5
[ "$(pixel "$window" 200 450)" = ff0000 ] || fail "hiding did not start with the last picture"

press_key "$window" Escape
wait_for_pixel "$window" 400 50 2236aa 5
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

echo "picture steps: passed"
