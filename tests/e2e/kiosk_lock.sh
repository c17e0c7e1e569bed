#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lock a child cannot undo (kioskLock=1 in options/access.opt): in the menu a brief Esc
# leaves the game running; Esc held for four seconds ends it with status 0.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/gfx/menu" "$content/gfx/splash" "$content/options"
for n in 1 2 3 4 5 6; do
    /usr/bin/convert -size 260x195 xc:'#30a030' "$content/gfx/menu/game0$n.png"
done
/usr/bin/convert -size 800x600 xc:'#ff0000' "$content/gfx/splash/splash.png"
printf 'kioskLock=1\n' >"$content/options/access.opt"

start_x
start_game "$content"
window=$(game_window)
wait_for_pixel "$window" 400 300 ff0000 10
wait_for_pixel "$window" 400 50 2236aa 15

press_key "$window" Escape
sleep 1
press_key "$window" Escape
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "a brief Esc ended the locked game"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool keydown Escape
sleep 4
xdotool keyup Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

echo "kiosk lock: passed"
