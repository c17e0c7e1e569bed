#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child's session with two switches on the demo content, with the session log on (log=1 in
# options/access.opt): in the menu the first switch (Space) steps the selection frame from
# picture to picture and the second (Enter) opens the activity under it. The child plays all six
# activities in turn, the first switch acting in each (and stepping over the choices in find
# images, where Enter picks), and each time Esc leads back to the menu; Esc there ends the game.
# The day's log file then holds those presses in the order they were made.
# A second start speaks Swedish, is locked (kioskLock=1, held 1.5 s to leave) and has no list for
# find images: a brief Esc leaves the game running, find images says in a Swedish message box that
# the list is missing and its OK leads back to the menu, a short Enter on the scanned stop button
# leaves the game running and Enter held there for two seconds ends it.
# A third start has its window destroyed by another program in the colour rings: the game ends
# as Esc would, with status 0 and the rings' end row in the log. Nothing is written to standard
# error.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=two-switches
. "$(dirname "$0")/session_common.bash"

copy_demo_content
printf 'log=1\r\n' >"$content/options/access.opt"
start_x
start_game "$content"
window=$(game_window)
wait_for_menu 15
child_session
leave quit
expect_no_errors "$E2E_TMP/game.err" "the game"

# The screen, input and event of each row, in order; a run across midnight leaves two files.
rows=$(cat "$content"/log/*.csv 2>/dev/null | tr -d '\r')
[ "$(head -n 1 <<<"$rows")" = "time,screen,input,event,detail,right" ] || fail "the log has no header"
events=$(grep -v '^time,' <<<"$rows" | cut -d, -f2-4 | tr '\n' ';')
case "$events" in
"Menu,,start;Menu,,settings;Menu,first,press;Menu,second,press;Menu,second,choose;Menu,,end;\
Colour rings,,start;Colour rings,,settings;Colour rings,,step;"*"Picture steps,first,press;"*\
"Moving pictures,,end;Menu,,start;Menu,,settings;Menu,,end;") ;;
*) fail "the log holds $events" ;;
esac

printf 'kioskLock=1\r\nlockHoldTime=1500\r\n' >"$content/options/access.opt"
printf 'Svenska\r\n' >"$content/data/lang.txt"
set_setting 35 saknas # find images' list
start_game "$content"
window=$(game_window)
wait_for_menu 15
press_key "$window" Escape
sleep 1
press_key "$window" Escape
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "a brief Esc ended the locked game"
for key in space space space Return; do press_key "$window" "$key"; done
answer_box '"Fel - en lista saknas."' "find images without its list"
wait_for_menu 5
for _ in 1 2 3 4 5 6 7; do press_key "$window" space; sleep 0.2; done
press_key "$window" Return
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "a short Enter on the stop button ended the locked game"
hold_key Return 2
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game"

printf 'log=1\r\n' >"$content/options/access.opt"
rm -f "$content"/log/*.csv
start_game "$content"
window=$(game_window)
wait_for_menu 15
open_activity 1
xdotool windowclose "$window"
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game"
events=$(cat "$content"/log/*.csv | tr -d '\r' | grep -v '^time,' | cut -d, -f2-4 | tr '\n' ';')
[ "$events" = "Menu,,start;Menu,,settings;Menu,first,press;Menu,second,press;Menu,second,choose;\
Menu,,end;Colour rings,,start;Colour rings,,settings;Colour rings,,step;Colour rings,,end;" ] ||
    fail "after the window went the log holds $events"
echo "two-switch session: passed"
