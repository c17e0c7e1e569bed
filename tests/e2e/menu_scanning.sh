#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child with two switches in the menu: after the splash, Space moves the pointer to the first
# activity and its selection frame appears; Esc ends the game with status 0, and the settings
# file a first start writes is there.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/gfx/menu" "$content/gfx/splash" "$content/gfx/buttons" "$content/options"
for n in 1 2 3 4 5 6; do
    /usr/bin/convert -size 260x195 xc:'#30a030' "$content/gfx/menu/game0$n.png"
done
# A yellow frame 280 x 215, 8 pixels wide, open in the middle.
/usr/bin/convert -size 280x215 xc:none -fill none -stroke '#ffff00' -strokewidth 8 \
    -draw 'rectangle 4,4 275,210' "$content/gfx/menu/selFrame.png"
/usr/bin/convert -size 800x600 xc:'#ff0000' "$content/gfx/splash/splash.png"

start_x
start_game "$content"
window=$(game_window)

# The splash, then the menu on its blue background.
wait_for_pixel "$window" 400 300 ff0000 10
wait_for_pixel "$window" 400 50 2236aa 15
[ "$(pixel "$window" 137 93)" = 2236aa ] || fail "a selection frame shows before any step"

press_key "$window" space
# The frame, centred on activity 1 at (137, 197), has its top edge at y 90 to 97.
wait_for_pixel "$window" 137 93 ffff00 5

press_key "$window" Escape
expect_exit 0

# A first start in a folder without settings wrote them: the mark and 50 lines.
settings=$content/options/vimo.opt
[ -f "$settings" ] || fail "no settings file was written"
[ "$(head -c 3 "$settings" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the settings file has no mark"
[ "$(tr -cd '\n' <"$settings" | wc -c)" -eq 50 ] || fail "the settings file is not 50 lines"
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"
# The system asking the game to end (logout, SIGTERM) ends it cleanly.
start_game "$content"
window=$(game_window)
wait_for_pixel "$window" 400 50 2236aa 15
kill -TERM "$GAME_PID"
expect_exit 0

echo "menu scanning: passed"
