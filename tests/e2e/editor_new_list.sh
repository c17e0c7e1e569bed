#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An adult adds a list in the real editor with the keyboard alone: Tab to the add button under
# the List column, Space, the name, Enter. The new list's file holds only the UTF-8 mark. The
# content speaks Swedish (lang.txt writes "Svenska"), so the question before the new list is
# deleted has the buttons Ja and Nej: Alt+N keeps the list, Alt+J deletes it (an English box has
# no Alt+J); the list is then made again. An exercise added the same way is chosen at once, so
# the picture picked next is stored for it. Then, with a text typed and not yet stored, the
# system's stop request (SIGTERM) ends the editor with status 0 and the text saved. A second run
# ends on Esc with status 0, and the game then shows the exercise's picture. Last, with a
# lang.txt leading out of the content folder, the editor works in English and touches nothing
# outside it.
set -u
VIMO_GAME=$1
VIMO_EDITOR=$(dirname "$1")/vimoedit
[ -x "$VIMO_EDITOR" ] || { echo "editor new list: skipped, the editor is not built"; exit 0; }
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/data/Swedish" "$content/gfx/images" "$content/sfx/images" \
    "$content/speech/Swedish"
cp -r "$(dirname "$0")/../../content/data/Swedish/Tool" "$content/data/Swedish/"
printf 'Svenska\r\n' >"$content/data/lang.txt"
printf '\357\273\277cat\r\ncat.png\r\n\r\n\r\nCat\r\n-16777216\r\n' >"$content/data/Swedish/animals"
convert -size 4x3 xc:red "$content/gfx/images/cat.png" 2>/dev/null ||
    printf 'not a picture' >"$content/gfx/images/cat.png"

# Starts the editor in the content folder and sets `window` to its window, found by its caption,
# which names the language it uses ($1, Swedish unless given).
start_editor() {
    local caption="Vimo! - ${1:-Swedish}"
    (cd "$content" && exec env SDL_AUDIODRIVER=dummy "$VIMO_EDITOR") 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
    window=
    for _ in $(seq 1 100); do
        window=$(xwininfo -root -tree 2>/dev/null | awk -v c="\"$caption\"" 'index($0, c) {print $1; exit}')
        [ -n "$window" ] && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "the editor ended at start"
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window titled \"$caption\" appeared"
}

# Waits for the list file $1 to hold exactly the bytes printf makes of $2.
wait_for_list() {
    # shellcheck disable=SC2059 # the bytes are given as printf escapes
    printf "$2" >"$E2E_TMP/expected"
    for _ in $(seq 1 50); do
        cmp -s "$1" "$E2E_TMP/expected" && return 0
        sleep 0.1
    done
    fail "$3: the list holds $(od -c "$1" | head -5)"
}

start_x
start_editor

xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5
xdotool key Tab
sleep 0.2
xdotool key space
# The new-item dialog comes up with the focus in its name box.
sleep 1
xdotool type --delay 50 'farm'
xdotool key Return

list=$content/data/Swedish/farm
for _ in $(seq 1 50); do
    [ -f "$list" ] && break
    sleep 0.1
done
[ -f "$list" ] || fail "the new list's file was not made"
[ "$(od -An -tx1 "$list" | tr -d ' \n')" = efbbbf ] || fail "the new list is not just the mark"

# The question box, captioned "vimoedit", answered with the shortcut of one of its buttons.
answer_delete_question() {
    local box=
    for _ in $(seq 1 50); do
        box=$(xwininfo -root -tree 2>/dev/null |
            awk '/"vimoedit": \("vimoedit"/ && $1 ~ /^0x/ {print $1; exit}')
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "no question came up before deleting the list"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    sleep 0.3
    xdotool key "$1"
    for _ in $(seq 1 30); do
        xwininfo -root -tree 2>/dev/null | grep -q "^ *$box " || return 0
        sleep 0.1
    done
    fail "the question stayed after $1: its buttons are not Ja and Nej"
}

# Tab from the add-list button to the delete button beside it; the new list is chosen.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Tab
sleep 0.2
xdotool key space
answer_delete_question alt+n
sleep 0.5
[ -f "$list" ] || fail "Nej deleted the list"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key space
answer_delete_question alt+j
for _ in $(seq 1 30); do
    [ -f "$list" ] || break
    sleep 0.1
done
[ ! -f "$list" ] || fail "Ja did not delete the list"
# Back to the add-list button, and the list made again.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key shift+Tab
sleep 0.2
xdotool key space
sleep 1
xdotool type --delay 50 'farm'
xdotool key Return
for _ in $(seq 1 50); do
    [ -f "$list" ] && break
    sleep 0.1
done
[ -f "$list" ] || fail "the list made again was not made"


# From the add-list button on to the add-exercise button; the new exercise is chosen, so the
# picture column (two Tabs on) assigns its first picture at Space.
sleep 0.5
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Tab Tab Tab
sleep 0.2
xdotool key space
sleep 1
xdotool type --delay 50 'cow'
xdotool key Return
wait_for_list "$list" '\357\273\277cow\r\n\r\n\r\n\r\n\r\n-16777216\r\n' "the new exercise"
sleep 0.5
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Tab Tab
sleep 0.2
xdotool key space
wait_for_list "$list" '\357\273\277cow\r\ncat.png\r\n\r\n\r\n\r\n-16777216\r\n' \
    "the picture picked at once"

# Nine Tabs on lies the text box; the typing is not stored when the stop request comes.
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab
sleep 0.2
xdotool type --delay 50 'Moo'
sleep 0.5
kill -TERM "$GAME_PID"
expect_exit 0
wait_for_list "$list" '\357\273\277cow\r\ncat.png\r\n\r\n\r\nMoo\r\n-16777216\r\n' \
    "the text typed before SIGTERM"

start_editor
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Escape
expect_exit 0
# The list the editor had not touched is as it was.
[ "$(od -An -tx1 "$content/data/Swedish/animals" | tr -d ' \n' | head -c 6)" = efbbbf ] ||
    fail "the other list changed"

# The game plays the list as the editor wrote it: picture and word in list order with the list
# farm shows the picture picked at once, the red cat.png, filling the picture's box.
mkdir -p "$content/options"
{
    printf '%s\r\n' 0 0 3 0.2 1 0 1 4 3 50 50 0 20 0 3
    printf '%s\r\n' 1 0 0 -14534998 vimo
    for screen in 1 2 3 4; do printf '%s\r\n' 1 0 1 -16777216 vimo; done
    printf '%s\r\n' 1 0 0 -8355712 farm
    printf '%s\r\n' 1 0 1 -16777216 vimo
} >"$content/options/vimo.opt"
start_game "$content"
game=$(game_window)
wait_for_pixel "$game" 400 50 2236aa 15
for step in 1 2 3 4 5; do press_key "$game" space; done
press_key "$game" Return
wait_for_pixel "$game" 400 200 ff0000 10
press_key "$game" Escape
wait_for_pixel "$game" 400 50 2236aa 5
press_key "$game" Escape
expect_exit 0

# A lang.txt that leads out of the content folder: data\..\..\x would be the folder beside it.
# The editor says so and works in English; nothing out there is listed, written or deleted (were
# the list out there shown, a new list of its name would first ask to replace it).
printf '../../x\r\n' >"$content/data/lang.txt"
mkdir -p "$content/data/English" "$E2E_TMP/x/Tool"
printf '\357\273\277horse\r\n\r\n\r\n\r\nHorse\r\n-1\r\n' >"$E2E_TMP/x/barn"
snapshot() { (cd "$E2E_TMP" && find x -exec ls -ld --time-style=full-iso {} + | sort); }
before=$(snapshot)
start_editor English
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5
xdotool key Tab
sleep 0.2
xdotool key space
sleep 1
xdotool type --delay 50 barn
xdotool key Return
wait_for_list "$content/data/English/barn" '\357\273\277' "the list made in English"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Escape
expect_exit 0
grep -q 'names no language folder' "$E2E_TMP/game.err" ||
    fail "the editor did not say that lang.txt names no language folder"
[ "$(snapshot)" = "$before" ] || fail "the folder beside the content folder changed"

echo "editor new list: passed"
