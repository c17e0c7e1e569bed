#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The session log on the demo content with log=1 in options/access.opt: two Space presses and
# an Enter in the menu open find images, three Space presses there, Esc back and Esc again to
# end the game. The day's log file then starts with its header and holds the menu's and find
# images' start and end rows and every one of those presses, Space as the first switch and Enter
# as the second, in the order they were made.
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

open_activity 2 # two Space presses and Enter: activity 2 of the menu, picture steps
for _ in 1 2 3; do switch_press; done
leave_activity
quit_game

# The game writes the file of the day it is on; a run across midnight leaves two.
log_rows() { cat "$content"/log/*.csv 2>/dev/null | tr -d '\r'; }
[ -n "$(log_rows)" ] || fail "no log file in $content/log"
files=("$content"/log/*.csv)
[ "$(head -n 1 "${files[0]}" | tr -d '\r')" = "time,screen,input,event,detail" ] ||
    fail "the log file does not start with its header"
[ "$(log_rows | grep -c '^time,')" -eq "${#files[@]}" ] ||
    fail "a header is written more than once in a file"

# The screen, input and event of each row but the header, in order.
events=$(log_rows | grep -v '^time,' | cut -d, -f2-4 | tr '\n' ';')
expected="Menu,,start;Menu,first,press;Menu,first,press;Menu,second,press;Menu,second,choose;\
Menu,,end;Picture steps,,start;"
[ "${events#"$expected"}" != "$events" ] || fail "the log starts with $events"
steps=$(log_rows | grep -c '^[^,]*,Picture steps,first,press,')
[ "$steps" -eq 3 ] || fail "the log holds $steps presses in picture steps, not 3: $events"
[ "${events%"Picture steps,,end;Menu,,start;Menu,,end;"}" != "$events" ] ||
    fail "the log does not end with leaving picture steps and the menu: $events"
log_rows | grep -v '^time,' | grep -qv '^[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]T[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\.[0-9]\{3\},' &&
    fail "a row's time is not a local time with milliseconds"
expect_only_expected_errors "$E2E_TMP/game.err" "the game"
echo "session log: passed"
