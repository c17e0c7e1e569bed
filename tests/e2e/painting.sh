#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child paints in activity 4: reached from the menu by scanning to the fourth picture, it shows
# the first frame of the only picture, 1.5 times its size in the middle of the purple background;
# each press shows the next frame, one more plays the picture's own sound, and the press after
# that brings the picture back from its first frame. Esc goes back to the menu.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/gfx/menu" "$content/gfx/splash" "$content/gfx/paint" "$content/options"
for n in 1 2 3 4 5 6; do
    /usr/bin/convert -size 260x195 xc:'#30a030' "$content/gfx/menu/game0$n.png"
done
/usr/bin/convert -size 800x600 xc:'#ff0000' "$content/gfx/splash/splash.png"
# Two frames of 100 x 100, shown as 150 x 150 from (325, 225) to (475, 375).
/usr/bin/convert -size 100x100 xc:'#ff0000' "$content/gfx/paint/ball01.png"
/usr/bin/convert -size 100x100 xc:'#00ff00' "$content/gfx/paint/ball02.png"

start_x
start_game "$content"
window=$(game_window)
wait_for_pixel "$window" 400 50 2236aa 15

# Four steps reach the fourth picture, Enter opens it.
for _ in 1 2 3 4; do
    press_key "$window" space
done
press_key "$window" Return
wait_for_pixel "$window" 400 50 bc3ffd 5
wait_for_pixel "$window" 400 300 ff0000 5
[ "$(pixel "$window" 330 230)" = ff0000 ] || fail "the frame is not 1.5 times its size"
[ "$(pixel "$window" 320 300)" = bc3ffd ] || fail "the frame is not in the middle"

press_key "$window" space
wait_for_pixel "$window" 400 300 00ff00 5
sleep 0.5 # past the key time
press_key "$window" space # the picture's own sound; the last frame stays
sleep 0.5
[ "$(pixel "$window" 400 300)" = 00ff00 ] || fail "the last frame did not stay"
press_key "$window" space
wait_for_pixel "$window" 400 300 ff0000 5

press_key "$window" Escape
wait_for_pixel "$window" 400 50 2236aa 5
press_key "$window" Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"
echo "painting: passed"
