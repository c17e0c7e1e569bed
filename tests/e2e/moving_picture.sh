#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child in the moving-pictures activity: the menu's scanning leads there with Space and Enter;
# a red picture waits at an edge of the screen, glides on while the switch is held down and
# stands still once it is let go.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/gfx/images" "$content/data/English" "$content/options"
printf 'English\r\n' >"$content/data/lang.txt"
/usr/bin/convert -size 200x200 xc:'#ff0000' "$content/gfx/images/ball.png"
# One exercise: name, picture, sound (none), speech, text, colour (none of its own).
printf 'ball\r\nball.png\r\n\r\n\r\n\r\n16777215\r\n' >"$content/data/English/vimo"

# Where the red picture shows on the screen, as its visible box WxH+X+Y.
red_box() {
    /usr/bin/import -window "$1" -depth 8 "$E2E_TMP/box.png" 2>/dev/null || return 1
    /usr/bin/convert "$E2E_TMP/box.png" -fill black -fuzz 10% +opaque '#ff0000' \
        -format '%@' info: 2>/dev/null
}

start_x
start_game "$content"
window=$(game_window)

# The menu after the splash; six steps bring the scanning to the sixth activity.
wait_for_pixel "$window" 400 50 2236aa 15
for _ in 1 2 3 4 5 6; do
    press_key "$window" space
done
press_key "$window" Return
# The activity's own background; at the start only a strip of the picture shows at an edge.
wait_for_pixel "$window" 400 300 3fcefd 5

start=$(red_box "$window")
case "$start" in
    0x0*|"") fail "no picture shows at the start" ;;
esac
sleep 0.5
[ "$(red_box "$window")" = "$start" ] || fail "the picture moved before any press"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool keydown space
sleep 0.8
held_early=$(red_box "$window")
sleep 0.8
held_late=$(red_box "$window")
xdotool keyup space
[ "$held_early" != "$start" ] || fail "the picture did not move while the switch was held ($start)"
[ "$held_late" != "$held_early" ] || fail "the picture stopped while the switch was still held"

sleep 0.3
released=$(red_box "$window")
sleep 1.2
[ "$(red_box "$window")" = "$released" ] || fail "the picture went on moving after release"
case "$released" in
    0x0*|"") fail "the picture left the screen too soon" ;;
esac

press_key "$window" Escape
wait_for_pixel "$window" 400 50 2236aa 5
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

echo "moving picture: passed ($start, held $held_early then $held_late, released $released)"
