#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child's session with one switch on the demo content, set up for one switch with the pointer
# stepping by itself every two seconds: the only key the child uses is Enter. In the menu the
# selection frame travels over the pictures by itself and Enter opens the activity it has reached;
# in find images it travels over the choices and Enter picks; in the other activities Enter is the
# switch. Esc leads back to the menu after each activity; the system's stop request (SIGTERM)
# ends the game with status 0. Nothing is written to standard error.
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
child_session
kill -TERM "$GAME_PID"
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game"
echo "one-switch session: passed"
