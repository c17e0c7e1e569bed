#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game where there is no window manager and no one at a terminal. Started full screen on a
# 1024 x 768 X server with no window manager (a kiosk), it covers the whole screen: its menu's
# blue reaches the screen's far corner. Started from its launcher by a user whose home folder may
# not be written, it shows a message window of its own that says so, wrapped to fit within
# 800 x 600, and ends with status 2 once it is answered; asked to end (SIGTERM) while such a
# window is open, it ends at once.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

# Width and height of window $1.
window_size() {
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'
}

start_x 1024x768
# A copy: the game writes its settings in the content folder it plays on.
cp -r "$(dirname "$0")/../../content" "$E2E_TMP/content"
SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software "$VIMO_GAME" \
    --content "$E2E_TMP/content" 2>"$E2E_TMP/game.err" &
GAME_PID=$!
window=$(game_window) || exit 1
read -r width height <<<"$(window_size "$window")"
[ "$width x $height" = "1024 x 768" ] || fail "the kiosk's window is $width x $height"
wait_for_pixel "$window" 512 64 2236aa 15 # the menu's blue where 800 x 600 puts (400, 50)
wait_for_pixel "$window" 1015 760 2236aa 5
press_key "$window" Escape
expect_exit 0

# The installed layout, as the launcher finds it from its own place; the user runs copies, since
# the build folder may lie where only its owner can enter.
prefix=$E2E_TMP/prefix
mkdir -p "$prefix/games" "$prefix/lib/games/vimo" "$prefix/share/games/vimo/content"
cp "$(dirname "$VIMO_GAME")/../packaging/vimo" "$prefix/games/vimo"
chmod +x "$prefix/games/vimo"
cp "$VIMO_GAME" "$prefix/lib/games/vimo/Vimo"
home=$E2E_TMP/home
mkdir -p "$home"
chmod -R a+rX "$E2E_TMP"
chmod a-w "$home"
# Runs the command as an unprivileged user in place of the shell, which is started in the
# background for it.
as_pupil() {
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups env -u XDG_DATA_HOME HOME="$home" \
        XDG_RUNTIME_DIR= SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software "$@"
}

for ending in Return SIGTERM; do
    as_pupil "$prefix/games/vimo" 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
    box=$(find_window '"Vimo": ("Vimo"') || exit 1
    read -r width height <<<"$(window_size "$box")"
    [ "$width" -le 800 ] && [ "$height" -le 600 ] || fail "the message is $width x $height"
    [ "$height" -ge 120 ] || fail "the message is $height high: not wrapped onto several lines"
    grep -q "may not write in $home\." "$E2E_TMP/game.err" || fail "the message does not say why"
    if [ "$ending" = Return ]; then
        answer_box '"Vimo": ("Vimo"' "the home folder may not be written"
    else
        kill -TERM "$GAME_PID"
    fi
    expect_exit 2
done
[ -z "$(ls -A "$home")" ] || fail "something was made in the home folder"
echo "kiosk and start failure: passed"
