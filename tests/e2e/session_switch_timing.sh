#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# With the session log on and a press counted only once held 0.4 s (acceptTime=400), in the menu
# and in every activity a 0.1 s tap changes nothing and a held press does; the log holds the held
# presses only. Nothing is written to standard error.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=two-switches
. "$(dirname "$0")/session_common.bash"

copy_demo_content
start_x
printf 'log=1\r\nacceptTime=400\r\n' >"$content/options/access.opt"
start_game "$content"
window=$(game_window)
wait_for_menu 15
hold_key space 0.1
sleep 0.5
menu_framed 1 && fail "a 0.1 s tap moved the menu's frame"
press_hold=0.7
for activity in 1 2 3 4 5 6; do
    open_activity "$activity"
    before=$(settled_screen)
    sleep 0.6
    hold_key space 0.1
    sleep 0.6
    take_shot
    [ "$(shot_region 0 0 800 600)" = "$before" ] || fail "a 0.1 s tap changed activity $activity"
    answers "$activity"
    leave
done
leave quit
expect_no_errors "$E2E_TMP/game.err" "the game"
presses=$(cat "$content"/log/*.csv | cut -d, -f4 | grep -cx press)
[ "$presses" = "$switch_presses" ] || fail "the log holds $presses presses for $switch_presses"

echo "switch timing session: passed"
