#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child's session with one switch on the demo content, set up for one switch with the pointer
# stepping by itself every two seconds: the only key the child uses is Enter. In the menu the
# selection frame travels over the pictures by itself and Enter opens the activity it has reached;
# in find images it travels over the choices and Enter picks; in the other activities Enter is the
# switch. Esc leads back to the menu after each activity, and ends the game there. Nothing is
# written to standard error.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=one-switch
. "$(dirname "$0")/session_common.bash"

scan_time=2
copy_demo_content
set_setting 1 1            # one switch
set_setting 3 "$scan_time" # seconds between the pointer's steps
start_x
start_game "$content"
window=$(game_window)
wait_for_menu 15

# Nothing but time moves the frame: from activity 1 to activity 2 in one step time.
wait_for_menu_scan 1 $((scan_time + 2))
wait_for_menu_scan 2 $((scan_time + 2))

child_session
expect_only_expected_errors "$E2E_TMP/game.err" "the game"
echo "one-switch session: passed"
