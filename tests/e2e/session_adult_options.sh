#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An adult sets the game up on the options screen, one setting on each of its seven tabs, and sees
# each setting at work where it belongs, on the demo content with the mouse:
#   colour rings       the switch mode "start over when let go": the rings vanish on release
#   picture steps      eight pictures a set: two rows of four smaller pictures
#   find images        four pictures to choose from
#   painting           the grey background
#   picture and word   no words: the picture stands in the middle, nothing written below it
#   moving pictures    one press carries the picture across by itself
#   menu (all screens) one switch: the selection frame steps over the menu by itself; the menu's
#                      music off (its picture is crossed out) and the palette's next colour,
#                      which the menu shows at once
# The settings file then differs from the starting settings in those nine lines alone. Then the
# same as the unprivileged user "nobody" on a content folder it may read but not write: leaving
# the options screen says, each time, that the settings could not be saved; the file stays as it
# was, and the menu and the options screen play on with the changes. Nothing is written to
# standard error.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=mouse
. "$(dirname "$0")/session_common.bash"

sky=3fcefd # the options screen's background

open_options() {
    sleep 0.6 # no double click with the click that brought the menu back
    click_at "$window" 110 40
    wait_for_pixel "$window" 400 20 "$sky" 5
}

# Opens tab $1 (0 the menu, 1 to 6 the activities) and presses the box whose centre is ($2, $3),
# which must then look different. The menu's tab has its colour box at (141, 300) and its music
# at (350, 300).
change_setting() {
    local tab=$1 x=$2 y=$3 before
    click_at "$window" $((80 + 108 * tab)) 87
    sleep 0.6
    take_shot "$window"
    before=$(shot_region $((x - 105)) $((y - 38)) 210 76)
    click_at "$window" "$x" "$y"
    wait_for_region_change $((x - 105)) $((y - 38)) 210 76 5 "$before"
}

# The boxes' centres: first row y 300, second row y 460; left x 141, middle 399, right 657.
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
press_key "$window" Escape
wait_for_menu

open_activity 1
play_rings 1
leave_activity
open_activity 2
play_steps 8
leave_activity
open_activity 3
play_find 4
leave_activity
open_activity 4
play_paint 808080
leave_activity
open_activity 5
play_word no-word
leave_activity
open_activity 6
play_moving movie
leave_activity

open_options
change_setting 0 141 460 # the menu's tab: one switch
change_setting 0 350 300 # the menu's music: off
change_setting 0 141 300 # the colour after the menu's blue
wait_for_pixel "$window" 141 300 edfdc1 5
press_key "$window" Escape
menu_blue=edfdc1
wait_for_menu
# The frame comes to the first picture, then to the second, with no input at all (the starting
# settings step every three seconds).
wait_for_menu_scan 1 5
wait_for_menu_scan 2 5
press_key "$window" Escape
expect_exit 0

# oneContact, textOn, numPatterns, numFinds, movie, contactMode, the menu's music and colour
# and the painting's colour.
changed=$(paste -d '\n' "$content/options/English.opt" "$content/options/vimo.opt" |
    awk 'NR % 2 { line = $0; next } $0 != line { printf "%d ", NR / 2 }')
[ "$changed" = "1 5 8 9 12 14 17 19 39 " ] || fail "the settings file changed in the lines $changed"
[ "$(head -c 3 "$content/options/vimo.opt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "the settings file has no byte-order mark"
expect_only_expected_errors "$E2E_TMP/game.err" "the game"

# The content folder belongs to root and may only be read by others; the build folder may lie
# where only its owner can enter, so the unprivileged user runs a copy.
chmod 755 "$E2E_TMP"
cp "$VIMO_GAME" "$E2E_TMP/Vimo"
locked=$E2E_TMP/locked
cp -r "$(dirname "$0")/../../content" "$locked"
cp "$locked/options/English.opt" "$locked/options/vimo.opt"
chmod -R a+rX,go-w "$locked"
before=$(od -An -tx1 "$locked/options/vimo.opt")
(exec setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$E2E_TMP" \
    XDG_RUNTIME_DIR= SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software "$E2E_TMP/Vimo" \
    --windowed --content "$locked") 2>"$E2E_TMP/game.err" &
GAME_PID=$!
window=$(game_window)
menu_blue=2236aa
wait_for_menu 15
open_options
change_setting 0 350 300
change_setting 0 141 300
wait_for_pixel "$window" 141 300 edfdc1 5
take_shot "$window"
music=$(shot_region 245 262 210 76)
press_key "$window" Escape
answer_box '"Error - settings not saved."' "leaving the options screen"
menu_blue=edfdc1
wait_for_menu
[ "$(od -An -tx1 "$locked/options/vimo.opt")" = "$before" ] || fail "the settings file changed"
[ -z "$(find "$locked/options" -mindepth 1 -name '.*')" ] || fail "a temporary file was left"
# The options screen starts from the changes; leaving again tries again, and says so again.
open_options
wait_for_pixel "$window" 141 300 edfdc1 5
take_shot "$window"
[ "$(shot_region 245 262 210 76)" = "$music" ] || fail "the menu's music is on again"
press_key "$window" Escape
answer_box '"Error - settings not saved."' "leaving the options screen again"
wait_for_menu
press_key "$window" Escape
expect_exit 0
expect_only_expected_errors "$E2E_TMP/game.err" "the game"
echo "adult's options session: passed"
