#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An adult sets the game up on the options screen with the mouse, one setting on each of its seven
# tabs: colour rings start over when let go, picture steps show eight pictures a set, find images
# offers four, painting is grey, picture and word shows no words, moving pictures glide on after
# one press, and the menu has one switch, no music and the palette's colour after its blue, which
# it shows at once. Leaving the options screen, the selection frame steps over the menu by itself,
# and the settings file differs from the starting settings in those nine lines alone.
# Then as the unprivileged user "nobody" on a content folder it may read but not write: leaving
# the options screen says that the settings could not be saved, in a message wrapped within the
# 800 x 600 window; the file stays as it was, no temporary file is left, and the menu plays on
# with the change. A SIGTERM while that message is up ends the game with status 0. Nothing is
# written to standard error.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=mouse
. "$(dirname "$0")/session_common.bash"

open_options() {
    sleep 0.6 # no double click with the click that brought the menu back
    click_at "$window" 110 40
    wait_for_pixel "$window" 400 20 3fcefd 5
}

# Opens tab $1 (0 the menu, 1 to 6 the activities) and presses the box whose centre is ($2, $3),
# which must then look different. The boxes' centres: first row y 300, second row y 460; left x
# 141, middle 399, right 657; the menu's music is at (350, 300).
change_setting() {
    local tab=$1 x=$2 y=$3 before
    click_at "$window" $((80 + 108 * tab)) 87
    sleep 0.6
    take_shot
    before=$(shot_region $((x - 105)) $((y - 38)) 210 76)
    click_at "$window" "$x" "$y"
    wait_for_region_change $((x - 105)) $((y - 38)) 210 76 "$before"
}

copy_demo_content
start_x
start_game "$content"
window=$(game_window)
wait_for_menu 15
open_options
change_setting 1 657 460 # colour rings: the switch mode
change_setting 2 399 460 # picture steps: pictures a set
change_setting 3 399 460 # find images: pictures to choose from
change_setting 4 141 300 # painting: the background colour
change_setting 5 657 460 # picture and word: the words
change_setting 6 657 460 # moving pictures: one press is enough
change_setting 0 141 460 # the menu: one switch
change_setting 0 350 300 # the menu's music
change_setting 0 141 300 # the menu's colour
wait_for_pixel "$window" 141 300 edfdc1 5
press_key "$window" Escape
menu_blue=edfdc1
wait_for_menu
wait_for_menu_scan 1 5 # the starting settings step every three seconds
wait_for_menu_scan 2 5
press_key "$window" Escape
expect_exit 0
# oneContact, textOn, numPatterns, numFinds, movie, contactMode, the menu's music and colour
# and the painting's colour.
changed=$(paste -d '\n' "$content/options/English.opt" "$content/options/vimo.opt" |
    awk 'NR % 2 { line = $0; next } $0 != line { printf "%d ", NR / 2 }')
[ "$changed" = "1 5 8 9 12 14 17 19 39 " ] || fail "the settings file changed in the lines $changed"
expect_no_errors "$E2E_TMP/game.err" "the game"

# The build folder may lie where only its owner can enter, so the unprivileged user runs a copy.
chmod 755 "$E2E_TMP"
cp "$VIMO_GAME" "$E2E_TMP/Vimo"
VIMO_GAME=$E2E_TMP/Vimo
locked=$E2E_TMP/locked
cp -r "$(dirname "$0")/../../content" "$locked"
cp "$locked/options/English.opt" "$locked/options/vimo.opt"
chmod -R a+rX,go-w "$locked"
before=$(od -An -tx1 "$locked/options/vimo.opt")
start_game "$locked" setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$E2E_TMP" XDG_RUNTIME_DIR=
window=$(game_window)
menu_blue=2236aa
wait_for_menu 15
open_options
change_setting 0 141 300
press_key "$window" Escape
box=$(find_window '"Error - settings not saved."') || exit 1
size=$(xwininfo -id "$box" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
read -r width height <<<"$size"
[ "$width" -le 800 ] && [ "$height" -le 600 ] && [ "$height" -ge 120 ] ||
    fail "the message is $width x $height, not wrapped within the 800 x 600 window"
answer_box '"Error - settings not saved."' "leaving the options screen"
menu_blue=edfdc1
wait_for_menu
[ "$(od -An -tx1 "$locked/options/vimo.opt")" = "$before" ] || fail "the settings file changed"
[ -z "$(find "$locked/options" -mindepth 1 -name '.*')" ] || fail "a temporary file was left"
# Asked to end while the message is up, the game ends as it always does.
open_options
change_setting 0 141 300
press_key "$window" Escape
find_window '"Error - settings not saved."' >/dev/null || exit 1
kill -TERM "$GAME_PID"
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game"
echo "adult's options session: passed"
