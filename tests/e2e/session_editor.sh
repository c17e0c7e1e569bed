#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An adult works in the real list editor.
# With the mouse and the keyboard on a copy of the demo content: a new list "farm", at first just
# the UTF-8 mark, with one exercise "zebu", whose own picture, sound and recorded word are copied
# in through the editor's file dialogs and chosen in their columns, a background colour of its own
# and the word typed in the text box; Enter ends the editor. The list file then holds all of it.
# The game, set to that list for find images and for picture and word, plays it with two
# switches: find images offers the new picture and takes the right half; picture and word shows
# it on the exercise's colour with its word. Neither program writes to its standard error.
# With the keyboard alone on content that speaks Swedish (lang.txt writes "Svenska"): the
# question before a new list is deleted has the buttons Ja and Nej (Alt+N keeps the list, Alt+J
# deletes it; an English box has no Alt+J); an exercise added is chosen at once, so the picture
# picked next is stored for it; with a text typed and not yet stored, the system's stop request
# (SIGTERM) ends the editor with status 0 and the text saved. With a lang.txt leading out of the
# content folder the editor works in English, touches nothing outside it and ends on Esc.
# As the unprivileged user "nobody" on a language folder it may read but not write: a changed
# text cannot be saved; the editor says so, leaves the file as it was, and asks before it would
# end without the change; answered No, it stays with the change kept, and once the folder may be
# written, the save button writes it.
set -u
VIMO_GAME=$1
VIMO_EDITOR=$(cd "$(dirname "$1")" && pwd)/vimoedit
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

# Starts the editor in $content, run through the command given after $1 (such as setpriv), and
# sets `editor` to its window, whose caption names the language $1.
start_editor() {
    local language=$1
    shift
    mkdir -p -m 700 "$E2E_TMP/run"
    (cd "$content" && exec env SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$E2E_TMP/run" "$@" \
        "$VIMO_EDITOR") 2>"$E2E_TMP/editor.err" &
    GAME_PID=$!
    editor=$(find_window "\"Vimo! - $language\"") || exit 1
    sleep 0.5
}

# Keys to the editor's window.
keys() {
    xdotool windowfocus --sync "$editor" 2>/dev/null || true
    sleep 0.3
    xdotool key --delay 80 "$@"
    sleep 0.5
}

# Waits for file $1 to hold exactly the bytes printf makes of $2; $3 says what they are.
wait_for_list() {
    # shellcheck disable=SC2059 # the bytes are given as printf escapes
    printf "$2" >"$E2E_TMP/expected"
    for _ in $(seq 1 50); do
        cmp -s "$1" "$E2E_TMP/expected" && return 0
        sleep 0.1
    done
    fail "$3: the list holds $(od -c "$1" 2>&1 | head -5)"
}
box='"vimoedit": ("vimoedit"' # the editor's message boxes and questions

start_x
start_editor English

editor_click "$add_list"
answer farm
wait_for_list "$list" '\357\273\277' "the new list"
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

# ---- The keyboard alone, in Swedish ----
content=$E2E_TMP/swedish
mkdir -p "$content/data/Swedish" "$content/gfx/images" "$content/sfx/images" \
    "$content/speech/Swedish"
cp -r "$(dirname "$0")/../../content/data/Swedish/Tool" "$content/data/Swedish/"
printf 'Svenska\r\n' >"$content/data/lang.txt"
animals=$content/data/Swedish/animals
printf '\357\273\277cat\r\ncat.png\r\n\r\n\r\nCat\r\n-16777216\r\n' >"$animals"
animals_before=$(od -An -tx1 "$animals")
/usr/bin/convert -size 4x3 xc:red "$content/gfx/images/cat.png"
list=$content/data/Swedish/farm
start_editor Swedish
keys Tab space # the add-list button
answer farm
wait_for_list "$list" '\357\273\277' "the new list"
keys Tab space # the delete button beside it; the new list is chosen
answer_box "$box" "the question before deleting the list" alt+n
[ -f "$list" ] || fail "Nej deleted the list"
keys space
answer_box "$box" "the question before deleting the list; its buttons are not Ja and Nej" alt+j
sleep 0.5
[ ! -f "$list" ] || fail "Ja did not delete the list"
keys shift+Tab space # made again
answer farm
wait_for_list "$list" '\357\273\277' "the list made again"
# On to the add-exercise button; the new exercise is chosen, so the picture column (two Tabs on)
# assigns its first picture at Space.
keys Tab Tab Tab space
answer cow
wait_for_list "$list" '\357\273\277cow\r\n\r\n\r\n\r\n\r\n-16777216\r\n' "the new exercise"
keys Tab Tab space
wait_for_list "$list" '\357\273\277cow\r\ncat.png\r\n\r\n\r\n\r\n-16777216\r\n' \
    "the picture picked at once"
# Nine Tabs on lies the text box; the typing is not stored when the stop request comes.
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 50 'Moo'
sleep 0.5
kill -TERM "$GAME_PID"
expect_exit 0
wait_for_list "$list" '\357\273\277cow\r\ncat.png\r\n\r\n\r\nMoo\r\n-16777216\r\n' \
    "the text typed before SIGTERM"
[ "$(od -An -tx1 "$animals")" = "$animals_before" ] || fail "the other list changed"

# A lang.txt that leads out of the content folder: data\..\..\x would be the folder beside it.
# Nothing out there is listed, written or deleted (were the list out there shown, a new list of
# its name would first ask to replace it).
printf '../../x\r\n' >"$content/data/lang.txt"
mkdir -p "$content/data/English" "$E2E_TMP/x/Tool"
printf '\357\273\277horse\r\n\r\n\r\n\r\nHorse\r\n-1\r\n' >"$E2E_TMP/x/barn"
snapshot() { (cd "$E2E_TMP" && find x -exec ls -ld --time-style=full-iso {} + | sort); }
before=$(snapshot)
start_editor English
keys Tab space
answer barn
wait_for_list "$content/data/English/barn" '\357\273\277' "the list made in English"
keys Escape
expect_exit 0
grep -q 'names no language folder' "$E2E_TMP/editor.err" ||
    fail "the editor did not say that lang.txt names no language folder"
[ "$(snapshot)" = "$before" ] || fail "the folder beside the content folder changed"

# ---- The unprivileged user on a folder it may not write ----
# The build folder may lie where only its owner can enter, so the unprivileged user runs a copy.
chmod 755 "$E2E_TMP"
cp "$VIMO_EDITOR" "$E2E_TMP/vimoedit"
VIMO_EDITOR=$E2E_TMP/vimoedit
content=$E2E_TMP/locked
mkdir -p "$content/data/English/Tool" "$content/gfx/images" "$content/sfx/images" \
    "$content/speech/English"
printf 'English\r\n' >"$content/data/lang.txt"
list=$content/data/English/animals
printf '\357\273\277cat\r\n\r\n\r\n\r\nCat\r\n-1\r\ndog\r\n\r\n\r\n\r\nDog\r\n-1\r\n' >"$list"
chmod -R a+rX,go-w "$content"
before=$(od -An -tx1 "$list")
start_editor English setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$E2E_TMP" \
    XDG_RUNTIME_DIR=
# A column taking the focus marks its first entry, and Space chooses it: the list, then its first
# exercise. Twelve Tabs then lead over the buttons and media columns to the text box, which
# selects its text as it takes the focus; leaving it stores the text and saves the list.
keys space Tab Tab Tab space
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 50 'Kitten'
keys Tab
answer_box "$box" "the failed save"
[ "$(od -An -tx1 "$list")" = "$before" ] || fail "the list changed although it could not be saved"
# Esc would end the editor: it tries again, says so, and asks; No keeps it open.
keys Escape
answer_box "$box" "the failed save at the end"
answer_box "$box" "the question before the changes are lost"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the editor ended without the change saved"
# The folder may be written now; Tab from the colour arrow to the save button, Space.
chmod 777 "$content/data/English"
chmod 666 "$list"
keys Tab Tab space
for _ in $(seq 1 50); do
    grep -q 'Kitten' "$list" && break
    sleep 0.1
done
grep -q $'\r\nKitten\r\n' "$list" || fail "the kept change was not saved: $(od -c "$list")"
grep -q $'\r\nDog\r\n' "$list" || fail "the other exercise was lost"
keys Escape
expect_exit 0
echo "editor session: passed (the exercise's colour $exercise_colour)"
