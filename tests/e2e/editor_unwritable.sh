#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real editor run as the unprivileged user "nobody" on a language folder it may read but not
# write, worked with the keyboard alone. A changed text cannot be saved: the editor says so,
# leaves the file as it was, and asks before it would end without the change; answered No, it
# stays with the change kept. Once the folder may be written, the save button writes it.
set -u
VIMO_GAME=$1
VIMO_EDITOR=$(dirname "$1")/vimoedit
[ -x "$VIMO_EDITOR" ] || { echo "editor unwritable: skipped, the editor is not built"; exit 0; }
. "$(dirname "$0")/lib.sh"

chmod 755 "$E2E_TMP"
# The build folder may lie where only its owner can enter, so the unprivileged user runs a copy.
cp "$VIMO_EDITOR" "$E2E_TMP/vimoedit"
VIMO_EDITOR=$E2E_TMP/vimoedit
content=$E2E_TMP/content
mkdir -p "$content/data/English/Tool" "$content/gfx/images" "$content/sfx/images" \
    "$content/speech/English"
printf 'English\r\n' >"$content/data/lang.txt"
list=$content/data/English/animals
printf '\357\273\277cat\r\n\r\n\r\n\r\nCat\r\n-1\r\ndog\r\n\r\n\r\n\r\nDog\r\n-1\r\n' >"$list"
chmod -R a+rX,go-w "$content"
before=$(od -An -tx1 "$list")

start_x
(cd "$content" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$E2E_TMP" XDG_RUNTIME_DIR= SDL_AUDIODRIVER=dummy "$VIMO_EDITOR") \
    2>"$E2E_TMP/game.err" &
GAME_PID=$!

# The id of the first window of the editor with this caption, waited for up to ten seconds. A
# window the user sees has a class; Qt's hidden helper window, captioned "vimoedit", has none.
window_named() {
    local id
    for _ in $(seq 1 100); do
        id=$(xwininfo -root -tree 2>/dev/null | awk -v name="\"$1\": (\"vimoedit\"" \
            'index($0, name) && $1 ~ /^0x/ {print $1; exit}')
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$GAME_PID" 2>/dev/null || fail "the editor ended"
        sleep 0.1
    done
    return 1
}

# Keys to the window with this caption.
keys_to() {
    local id
    id=$(window_named "$1") || fail "no window titled \"$1\""
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    sleep 0.3
    shift
    xdotool key --delay 80 "$@"
    sleep 0.5
}

# Answers the message box that must be showing now with Return (its default button), and waits
# for it to go.
answer_box() {
    local box
    box=$(window_named vimoedit) || fail "no message box came up: $1"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    sleep 0.3
    xdotool key Return
    for _ in $(seq 1 50); do
        xwininfo -root -tree 2>/dev/null | grep -q "^ *$box " || return 0
        sleep 0.1
    done
    fail "the message box stayed: $1"
}

# A column taking the focus marks its first entry, and Space chooses it: the list, then its first
# exercise. Twelve Tabs then lead over the buttons and media columns to the text box, which
# selects its text as it takes the focus.
keys_to "Vimo! - English" space Tab Tab Tab space
keys_to "Vimo! - English" Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 50 'Kitten'
# Leaving the box stores the text and saves the list, which cannot be written.
keys_to "Vimo! - English" Tab
answer_box "the failed save"
[ "$(od -An -tx1 "$list")" = "$before" ] || fail "the list changed although it could not be saved"

# Esc would end the editor: it tries again, says so, and asks; No keeps it open.
keys_to "Vimo! - English" Escape
answer_box "the failed save at the end"
answer_box "the question before the changes are lost"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the editor ended without the change saved"

# The folder may be written now; Tab from the colour arrow to the save button, Space.
chmod 777 "$content/data/English"
chmod 666 "$list"
keys_to "Vimo! - English" Tab Tab space
for _ in $(seq 1 50); do
    grep -q 'Kitten' "$list" && break
    sleep 0.1
done
grep -q $'\r\nKitten\r\n' "$list" || fail "the kept change was not saved: $(od -c "$list")"
grep -q $'\r\nDog\r\n' "$list" || fail "the other exercise was lost"

keys_to "Vimo! - English" Escape
expect_exit 0
echo "editor unwritable: passed"
