#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child holds a switch in the colour rings: from the menu Enter opens activity 1; while Space is
# held rings appear on the black background; they stay when it is let go; held again until the
# picture is complete and let go, the picture starts over empty. Esc goes back to the menu.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/gfx/menu" "$content/gfx/splash" "$content/options" "$content/sfx/sounds"
for n in 1 2 3 4 5 6; do
    /usr/bin/convert -size 260x195 xc:'#30a030' "$content/gfx/menu/game0$n.png"
done
/usr/bin/convert -size 800x600 xc:'#ff0000' "$content/gfx/splash/splash.png"
# A tenth of a second of 8-bit mono silence at 8000 Hz, looped while the rings are drawn.
{
    printf 'RIFF\x44\x03\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00'
    printf '\x40\x1f\x00\x00\x40\x1f\x00\x00\x01\x00\x08\x00data\x20\x03\x00\x00'
    head -c 800 /dev/zero | tr '\0' '\200'
} >"$content/sfx/sounds/hum.wav"

# Any colour but the black background.
expect_ring() {
    local seen
    seen=$(pixel "$window" "$1" "$2")
    [ -n "$seen" ] && [ "$seen" != 000000 ] || fail "no ring at ($1, $2): $seen $3"
}

start_x
start_game "$content"
window=$(game_window)
wait_for_pixel "$window" 400 50 2236aa 15

press_key "$window" Return # before any step Enter selects the first picture: activity 1
wait_for_pixel "$window" 400 50 000000 5
[ "$(pixel "$window" 7 15)" = 000000 ] || fail "the new picture is not empty"

# About twenty rings in a second: the first (10, 10, 10 x 10, pen 20) covers (7, 15), the
# fifteenth (164, 94, 220 x 220) reaches (384, 204); only the 28th reaches (722, 380).
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool keydown space
sleep 1
xdotool keyup space
sleep 0.3
first=$(pixel "$window" 7 15)
expect_ring 7 15 "after holding Space for a second"
expect_ring 384 204 "after holding Space for a second"
[ "$(pixel "$window" 722 380)" = 000000 ] || fail "the last ring came too soon"

sleep 1
[ "$(pixel "$window" 7 15)" = "$first" ] || fail "the rings did not stay after the release"

# Held past the 28th ring the picture is complete; the release starts an empty one.
xdotool keydown space
sleep 2.5
expect_ring 722 380 "after the whole picture" # the 28th ring: (307, 172, 415 x 415)
xdotool keyup space
wait_for_pixel "$window" 7 15 000000 5
[ "$(pixel "$window" 722 380)" = 000000 ] || fail "the complete picture was not erased"

press_key "$window" Escape
wait_for_pixel "$window" 400 50 2236aa 5
press_key "$window" Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"
echo "colour rings: passed"
