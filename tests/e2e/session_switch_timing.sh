#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every press does what the child meant, with two switches and the session log on.
# 1. Find images: with the frame on the third choice and that choice wrong, Enter pressed three
#    times chooses it three times (the model stays incomplete, the frame stays, the log holds three
#    wrong answers in a row); Space then frames the next choice, and Enter on the right one
#    completes the model.
# 2. With a press counted only once held 0.4 s (acceptTime=400), in the menu and in every activity
#    a 0.1 s tap changes nothing and a held press does; the log holds the held presses only.
# Nothing is written to standard error.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=two-switches
. "$(dirname "$0")/session_common.bash"

model_complete() { [ "$(pixel "$window" 590 70)" = "$card" ]; }
log_events() { cat "$content"/log/*.csv | tr -d '\r' | grep -v '^time,' | cut -d, -f2-4; }

copy_demo_content
printf 'log=1\r\n' >"$content/options/access.opt"
start_x
start_game "$content"
window=$(game_window)
wait_for_menu 15

# 1. The framed choice, however often Enter comes.
open_activity 3
wait_for_pixel "$window" 210 70 "$card" 5
for task in 1 2 3 4 5 6; do
    for _ in $(seq 1 8); do
        choice_framed 3 && break
        press_key "$window" space
        sleep 0.4
    done
    choice_framed 3 || fail "the frame did not come to the third choice"
    press_key "$window" Return
    sleep 0.8
    model_complete || break
    # The third was right: the next task comes after the pause.
    wait_for_pixel "$window" 590 70 000000 10
    [ "$task" = 6 ] && fail "the third choice was right six times running"
done
press_key "$window" Return
sleep 0.5
press_key "$window" Return
sleep 0.8
model_complete && fail "Enter on a framed wrong choice completed the model"
choice_framed 3 || fail "the frame left the chosen choice"
press_key "$window" space
for _ in 1 2 3 4 5 6 7 8 9 10; do choice_framed 1 && break; sleep 0.2; done
choice_framed 1 || fail "Space after a choice did not frame the next one"
for choice in 1 2; do
    pick_choice "$choice"
    sleep 0.8
    model_complete && break
done
model_complete || fail "Enter on the framed right choice did not complete the model"
leave
leave quit
expect_no_errors "$E2E_TMP/game.err" "the game"
answers=$(log_events | grep '^Find images,' | cut -d, -f3 | grep -E '^(correct|wrong)$' | tr '\n' ';')
case "$answers" in
*"wrong;wrong;wrong;"*correct\;) ;;
*) fail "find images logged the answers $answers" ;;
esac

rm -f "$content"/log/*.csv
# 2. A tap is no press, a held press is, on every screen.
switch_presses=0
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
