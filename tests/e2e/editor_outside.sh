#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A lang.txt that leads out of the content folder: the real editor says so, works in English and
# lists, writes and deletes nothing outside the content folder while an adult adds a list.
set -u
VIMO_GAME=$1
VIMO_EDITOR=$(dirname "$1")/vimoedit
[ -x "$VIMO_EDITOR" ] || { echo "editor outside: skipped, the editor is not built"; exit 0; }
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
mkdir -p "$content/data/English/Tool" "$content/gfx/images" "$content/sfx/images" \
    "$content/speech/English"
printf 'English\r\n' >"$content/data/lang.txt"
printf '\357\273\277cat\r\ncat.png\r\n\r\n\r\nCat\r\n-16777216\r\n' >"$content/data/English/animals"

# Starts the editor in the content folder, waits for its window, captioned with the language it
# uses, adds the list $1 with the keyboard, waits for its file and ends the editor with Esc.
add_list() {
    (cd "$content" && exec env SDL_AUDIODRIVER=dummy "$VIMO_EDITOR") 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
    local window=
    for _ in $(seq 1 100); do
        window=$(xwininfo -root -tree 2>/dev/null | awk '/"Vimo! - English"/ {print $1; exit}')
        [ -n "$window" ] && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "the editor ended at start"
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window titled \"Vimo! - English\" appeared"

    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 0.5
    xdotool key Tab
    sleep 0.2
    xdotool key space
    # The new-item dialog comes up with the focus in its name box.
    sleep 1
    xdotool type --delay 50 "$1"
    xdotool key Return

    list=$content/data/English/$1
    for _ in $(seq 1 50); do
        [ -f "$list" ] && break
        sleep 0.1
    done
    [ -f "$list" ] || fail "the new list's file was not made"
    [ "$(od -An -tx1 "$list" | tr -d ' \n')" = efbbbf ] || fail "the new list is not just the mark"

    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Escape
    expect_exit 0
}

start_x
# A language file that leads out of the content folder: data\..\..\x would be the folder beside
# it. The editor says so and works in English; nothing out there is listed, written or deleted.
printf '../../x\r\n' >"$content/data/lang.txt"
outside=$E2E_TMP/x
mkdir -p "$outside/Tool"
printf '\357\273\277horse\r\n\r\n\r\n\r\nHorse\r\n-1\r\n' >"$outside/barn"
snapshot() { (cd "$E2E_TMP" && find x -exec ls -ld --time-style=full-iso {} + | sort); }
before=$(snapshot)
# Were the list out there shown, a new list of its name would first ask to replace it.
add_list barn
grep -q 'names no language folder' "$E2E_TMP/game.err" ||
    fail "the editor did not say that lang.txt names no language folder"
[ "$(snapshot)" = "$before" ] || fail "the folder beside the content folder changed"

echo "editor outside: passed"
