#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child's session with the mouse alone on the demo content, on a machine without an audio
# device and without any font: a click on a picture of the menu opens its activity; in each
# activity the mouse button is the switch (held in the colour rings and the moving pictures,
# clicked on the chosen picture in find images); the stop button in the corner leads back to the
# menu, and the menu's stop button ends the game. Nothing is written to standard error.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=mouse
. "$(dirname "$0")/session_common.bash"

copy_demo_content
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$E2E_TMP/fonts.conf"
start_x
SDL_AUDIODRIVER=no-such-device FONTCONFIG_FILE=$E2E_TMP/fonts.conf start_game "$content"
window=$(game_window)
wait_for_menu 15
child_session
leave quit
expect_no_errors "$E2E_TMP/game.err" "the game"
echo "mouse session: passed"
