#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How the list editor ends when no one answers it. Without a display it says so and ends with
# status 1, not with Qt's advice to reinstall. A closed terminal (SIGHUP) ends it as SIGTERM
# does: the word typed and not yet stored is in the list. SIGTERM while the list cannot be saved
# (an unprivileged user, a list folder it may not write) ends it within two seconds with status 0,
# the list on disk byte for byte as it was and the failure said on standard error.
set -u
VIMO_GAME=$1
VIMO_EDITOR=$(cd "$(dirname "$1")" && pwd)/vimoedit
[ -x "$VIMO_EDITOR" ] || { echo "editor endings: skipped, the editor is not built"; exit 0; }
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/session_common.bash"

copy_demo_content
list=$content/data/English/animals
said=$(DISPLAY= WAYLAND_DISPLAY= "$VIMO_EDITOR" --content "$content" 2>&1)
[ $? -eq 1 ] && [[ $said == *"no display to show the editor on"* ]] && [[ $said != *einstall* ]] ||
    fail "without a display the editor said: $said"

start_x
chmod -R a+rX "$E2E_TMP"
cp "$VIMO_EDITOR" "$E2E_TMP/vimoedit" # the build folder may be closed to other users
mkdir -p -m 700 "$E2E_TMP/run" "$E2E_TMP/run-nobody"
chown nobody "$E2E_TMP/run-nobody"

# Starts the editor on the copy with runtime folder $3, through the command given after it if any;
# types $1 into the first exercise's text box of the first list without leaving it, then sends
# signal $2.
type_then_signal() {
    (cd "$content" && exec "${@:4}" env SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$3" \
        "$E2E_TMP/vimoedit") 2>"$E2E_TMP/editor.err" &
    GAME_PID=$!
    local editor
    editor=$(find_window '"Vimo! - English"') || exit 1
    sleep 1
    local place
    for place in "50 51" "224 51" "154 385"; do # the list, its first exercise, the text box
        # shellcheck disable=SC2086
        timeout 5 xdotool mousemove --window "$editor" $place click 1 || fail "could not click"
        sleep 0.5
    done
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
    sleep 0.5
    kill "-$2" "$GAME_PID"
}

type_then_signal zebu HUP "$E2E_TMP/run"
expect_exit 0
tr -d '\r' <"$list" | grep -qx zebu || fail "the word typed before SIGHUP is not in the list"

before=$(md5sum <"$list")
chmod a-w "$content/data/English"
type_then_signal gnu TERM "$E2E_TMP/run-nobody" setpriv --reuid=nobody --regid=nogroup --clear-groups
for _ in $(seq 1 20); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
done
expect_exit 0
[ "$(md5sum <"$list")" = "$before" ] || fail "the list changed on disk"
grep -q "the list on disk is as it was" "$E2E_TMP/editor.err" ||
    fail "the editor did not say on standard error that the list was not saved"
echo "editor endings: passed"
