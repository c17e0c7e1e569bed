#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An adult works in the real list editor with the mouse and the keyboard on a copy of the demo
# content: a new list "farm", at first just the UTF-8 mark, with one exercise "zebu", whose own
# picture, sound (OGG) and recorded word (MP3) are copied in through the editor's file dialogs and
# chosen in their columns, a background colour of its own and the word typed in the text box; the
# system's stop request (SIGTERM) then ends the editor with status 0, and the list file holds all
# of it. The game, set to that list for find images and for picture and word, plays it with two
# switches: find images offers the new picture and takes the right half; picture and word shows
# it on the exercise's colour with its word, and is heard saying it (the MP3) and, with speech
# off, sounding it (the OGG). Neither program writes to its standard error.
set -u
VIMO_GAME=$1
VIMO_EDITOR=$(cd "$(dirname "$1")" && pwd)/vimoedit
[ -x "$VIMO_EDITOR" ] || { echo "editor session: skipped, the editor is not built"; exit 0; }
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=two-switches
. "$(dirname "$0")/session_common.bash"

copy_demo_content
list=$content/data/English/farm

# The command line prints help and version without a display, and refuses what it does not know
# with status 2, naming what it knows.
DISPLAY= "$VIMO_EDITOR" --help | grep -q '^Usage: vimoedit \[--content DIR\]' ||
    fail "vimoedit --help printed no usage"
DISPLAY= "$VIMO_EDITOR" --version | grep -qx 'vimoedit [0-9][0-9.]*' ||
    fail "vimoedit --version printed no version"
refused=$("$VIMO_EDITOR" --windowed 2>&1)
[ $? -eq 2 ] && [[ $refused == *"unknown argument: --windowed (known: --content DIR"* ]] ||
    fail "vimoedit --windowed: $refused"

# The adult's own files, outside the content folder: a picture whose halves tell which half
# shows, and the demo's recorded "cat" as an OGG sound and an MP3 recorded word.
own=$E2E_TMP/own
mkdir -p "$own"
/usr/bin/convert -size 200x300 xc:'#ff00ff' -size 200x300 xc:'#00ff00' +append "$own/zebu.png"
oggenc -Q -o "$own/zebu.ogg" "$content/speech/English/cat.wav" || fail "oggenc failed"
lame --quiet "$content/speech/English/cat.wav" "$own/zebu.mp3" || fail "lame failed"

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
    sleep 1
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
mkdir -p -m 700 "$E2E_TMP/run"
(cd "$content" && exec env SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$E2E_TMP/run" "$VIMO_EDITOR") \
    2>"$E2E_TMP/editor.err" &
GAME_PID=$!
editor=$(find_window '"Vimo! - English"') || exit 1
sleep 0.5
editor_click "$add_list"
answer farm
editor_click "$add_exercise"
answer zebu
editor_click "$first_exercise"
copy_in "$add_image" "$own/zebu.png" "$content/gfx/images/zebu.png"
copy_in "$add_sound" "$own/zebu.ogg" "$content/sfx/images/zebu.ogg"
copy_in "$add_speech" "$own/zebu.mp3" "$content/speech/English/zebu.mp3"
choose_last "$first_image"
choose_last "$first_sound"
choose_last "$first_speech"
editor_click "$next_colour"
editor_click "$text_box"
xdotool type --delay 20 zebu
sleep 0.5
kill -TERM "$GAME_PID" # the word typed and not yet stored
expect_exit 0
expect_no_errors "$E2E_TMP/editor.err" "the editor"

# The list: the UTF-8 mark, then name, picture, sound, speech, word and an opaque colour.
[ "$(head -c 3 "$list" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the list has no UTF-8 mark"
lines=$(tail -c +4 "$list" | tr -d '\r' | head -5 | tr '\n' ' ')
[ "$lines" = "zebu zebu.png zebu.ogg zebu.mp3 zebu " ] || fail "the list holds $lines"
colour=$(tr -d '\r' <"$list" | sed -n 6p)
[ -n "$colour" ] && [ "$colour" != -16777216 ] || fail "the exercise did not get a colour: $colour"
[ $((colour & 0xFF000000)) = $((0xFF000000)) ] || fail "the exercise's colour $colour is not opaque"
exercise_colour=$(printf '%06x' $((colour & 0xFFFFFF)))

# The game on that list in find images (line 35) and picture and word (line 45), which shows each
# exercise's own colour in the English settings. In find images the model's left half is the new
# picture's magenta; its green right half shows once the right one of the three copies is picked.
set_setting 35 farm
set_setting 45 farm
start_game "$content"
window=$(game_window)
wait_for_menu 15
open_activity 3
play_find "300 200 ff00ff" "500 200 00ff00"
leave
open_activity 5
wait_for_pixel "$window" 300 200 ff00ff 5
take_shot
[ "$(shot_pixel 500 200)" = 00ff00 ] || fail "the picture's right half is missing"
[ "$(shot_pixel 50 300)" = "$exercise_colour" ] ||
    fail "the background is $(shot_pixel 50 300), not the exercise's $exercise_colour"
[ "$(/usr/bin/convert "$E2E_TMP/shot.png" -crop 300x130+250+460 -format %k info:)" -gt 1 ] ||
    fail "no word under the picture"
leave
leave quit
expect_no_errors "$E2E_TMP/game.err" "the game"

# What picture and word says of the exercise, written by SDL's disk audio driver with the demo's
# own sounds gone: the recorded word, then with speech off (line 7) the sound. Its start music is
# off (line 42): asked for, even missing, it would cut the first word off.
find "$content" -name '*.wav' -delete
set_setting 42 0
for speech in 1 0; do
    set_setting 7 "$speech"
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$E2E_TMP/heard.raw start_game "$content"
    window=$(game_window)
    wait_for_menu 15
    open_activity 5
    wait_for_pixel "$window" 300 200 ff00ff 5
    sleep 1
    [ -n "$(tr -d '\0' <"$E2E_TMP/heard.raw" | head -c 1)" ] || fail "silence with speech $speech"
    kill -TERM "$GAME_PID"
    expect_exit 0
    sed -i '/SDL disk i\/o audio driver\|Writing to file \[/d' "$E2E_TMP/game.err"
    expect_no_errors "$E2E_TMP/game.err" "the game"
done
echo "editor session: passed (the exercise's colour $exercise_colour)"
