#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child's session with two switches on the demo content: in the menu the first switch (Space)
# steps the selection frame from picture to picture and the second (Enter) opens the activity
# under it. The child plays all six activities in turn, the first switch acting in each (and
# stepping over the choices in find images, where Enter picks), and each time Esc leads back to
# the menu; Esc there ends the game. Nothing is written to standard error.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=two-switches
. "$(dirname "$0")/session_common.bash"

copy_demo_content
start_x
start_game "$content"
window=$(game_window)
wait_for_menu 15

child_session
expect_only_expected_errors "$E2E_TMP/game.err" "the game"
echo "two-switch session: passed"
