#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An adult makes a list in the real list editor on a copy of the demo content, with the mouse and
# the keyboard: a new list "farm" with one exercise "zebu", whose own picture, sound and recorded
# word are copied in through the editor's file dialogs and chosen in their columns, a background
# colour of its own and the word typed in the text box; Enter ends the editor. The list file then
# holds all of it. The game, set to that list for find images and for picture and word, plays it
# with two switches: find images offers the new picture and takes the right half; picture and
# word shows it on the exercise's colour with its word. Neither program writes to its standard
# error.
set -u
VIMO_GAME=$1
VIMO_EDITOR=$(dirname "$1")/vimoedit
[ -x "$VIMO_EDITOR" ] || { echo "editor session: skipped, the editor is not built"; exit 0; }
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=two-switches
. "$(dirname "$0")/session_common.bash"

copy_demo_content
list=$content/data/English/farm

# The adult's own files, outside the content folder: a picture whose halves tell which half
# shows, and a tenth of a second of silence as the sound and as the recorded word.
own=$E2E_TMP/own
mkdir -p "$own"
/usr/bin/convert -size 200x300 xc:'#ff00ff' -size 200x300 xc:'#00ff00' +append "$own/zebu.png"
{
    printf 'RIFF\x44\x03\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00'
    printf '\x40\x1f\x00\x00\x40\x1f\x00\x00\x01\x00\x08\x00data\x20\x03\x00\x00'
    head -c 800 /dev/zero | tr '\0' '\200'
} >"$own/zebu.wav"

# Places in the editor's window: the add buttons under the columns, the first entry of each
# column, the text box and the colour's forward arrow.
add_list="51 306" add_exercise="204 306" add_image="357 306" add_sound="510 306"
add_speech="663 306"
first_exercise="224 51" first_image="374 78" first_sound="527 78" first_speech="680 78"
text_box="154 385" next_colour="407 470"

editor_click() {
    # shellcheck disable=SC2086
    timeout 5 xdotool mousemove --window "$editor" $1 click 1 || fail "could not click at $1"
    sleep 0.5
}

# Types $1 into the window that has the focus (a dialog the last click opened), then Enter.
answer() {
    sleep 0.5
    xdotool type --delay 20 "$1"
    xdotool key Return
    sleep 0.5
}

# Copies $2 in with the add button $1 and the file dialog; the copy must then be at $3.
copy_in() {
    editor_click "$1"
    answer "$2"
    [ -f "$3" ] || fail "the editor did not copy $2 to $3"
}

# Chooses the last entry of a column (the adult's files sort last) by clicking its first entry
# and pressing End.
choose_last() {
    editor_click "$1"
    xdotool key End
    sleep 0.5
}

start_x
mkdir -m 700 "$E2E_TMP/run"
(cd "$content" && exec env SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$E2E_TMP/run" "$VIMO_EDITOR") \
    2>"$E2E_TMP/editor.err" &
GAME_PID=$!
editor=
for _ in $(seq 1 100); do
    editor=$(xwininfo -root -tree 2>/dev/null | awk '/"Vimo! - English"/ {print $1; exit}')
    [ -n "$editor" ] && break
    sleep 0.1
done
[ -n "$editor" ] || fail "the editor's window did not appear"
sleep 0.5

editor_click "$add_list"
answer farm
[ -f "$list" ] || fail "the new list was not written"
editor_click "$add_exercise"
answer zebu
editor_click "$first_exercise"
copy_in "$add_image" "$own/zebu.png" "$content/gfx/images/zebu.png"
copy_in "$add_sound" "$own/zebu.wav" "$content/sfx/images/zebu.wav"
copy_in "$add_speech" "$own/zebu.wav" "$content/speech/English/zebu.wav"
choose_last "$first_image"
choose_last "$first_sound"
choose_last "$first_speech"
editor_click "$next_colour"
editor_click "$text_box"
xdotool type --delay 20 zebu
xdotool key Return # ends the editor, keeping the word
expect_exit 0
expect_only_expected_errors "$E2E_TMP/editor.err" "the editor"

# The list: the UTF-8 mark, then name, picture, sound, speech, word and colour.
[ "$(head -c 3 "$list" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the list has no UTF-8 mark"
lines=$(tail -c +4 "$list" | tr -d '\r' | head -5 | tr '\n' ' ')
[ "$lines" = "zebu zebu.png zebu.wav zebu.wav zebu " ] || fail "the list holds $lines"
colour=$(tr -d '\r' <"$list" | sed -n 6p)
[ -n "$colour" ] && [ "$colour" != -16777216 ] || fail "the exercise did not get a colour: $colour"
[ $((colour & 0xFF000000)) = $((0xFF000000)) ] || fail "the exercise's colour $colour is not opaque"
exercise_colour=$(printf '%06x' $((colour & 0xFFFFFF)))

# The game on that list in find images (line 35) and picture and word (line 45); picture and
# word shows each exercise's own colour in the English settings.
set_setting 35 farm
set_setting 45 farm
start_game "$content"
window=$(game_window)
wait_for_menu 15

# Find images: the model's left half is the new picture's magenta; its green right half shows
# once the right one of the three copies offered is picked.
open_activity 3
wait_for_pixel "$window" 300 200 ff00ff 5
[ "$(pixel "$window" 500 200)" = 000000 ] || fail "the model's right half shows before the answer"
answered=
for choice in 1 2 3; do
    pick_choice 3 "$choice"
    sleep 0.6
    if [ "$(pixel "$window" 500 200)" = 00ff00 ]; then
        answered=yes
        break
    fi
done
[ -n "$answered" ] || fail "no choice completed the new picture"
leave_activity

# Picture and word: the picture at once, on the exercise's colour, with its word below it.
open_activity 5
wait_for_pixel "$window" 300 200 ff00ff 5
take_shot "$window"
[ "$(shot_pixel 500 200)" = 00ff00 ] || fail "the picture's right half is missing"
[ "$(shot_pixel 50 300)" = "$exercise_colour" ] ||
    fail "the background is $(shot_pixel 50 300), not the exercise's $exercise_colour"
shot_word_shows 250 460 300 130 "$exercise_colour" || fail "no word under the picture"
leave_activity
quit_game
expect_only_expected_errors "$E2E_TMP/game.err" "the game"

echo "editor session: passed (the exercise's colour $exercise_colour)"
