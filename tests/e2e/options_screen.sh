#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An adult sets up the game: from the menu the options button opens the options screen; a click
# turns the menu's music off (its picture is crossed out) and a click on the colour box gives the
# menu the palette's next colour; Esc goes back to the menu, which shows that colour at once, and
# options\vimo.opt holds both changes. Then the same as the unprivileged user "nobody" on a
# content folder it may read but not write: leaving the options screen says that the settings
# could not be saved, the file stays as it was, and the menu plays on with the changes.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

content=$E2E_TMP/content
cp -r "$(dirname "$0")/../../content" "$content"
rm -f "$content/options/vimo.opt"

# Waits up to $5 seconds for pixel ($2, $3) of window $1 to be anything but colour $4.
wait_for_pixel_change() {
    local seen
    local deadline=$(( $(date +%s) + $5 ))
    while [ "$(date +%s)" -le "$deadline" ]; do
        seen=$(pixel "$1" "$2" "$3")
        [ -n "$seen" ] && [ "$seen" != "$4" ] && return 0
        sleep 0.2
    done
    fail "pixel ($2, $3) stayed $4"
}

click_at() {
    timeout 5 xdotool mousemove --window "$1" "$2" "$3" click 1 || fail "could not click at $2, $3"
}

# Answers the message that the settings could not be saved, found by its caption, with Return
# (its default button), and waits for it to go.
answer_not_saved() {
    local box=
    for _ in $(seq 1 100); do
        box=$(xwininfo -root -tree 2>/dev/null |
            awk '/"Error - settings not saved."/ && $1 ~ /^0x/ {print $1; exit}')
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "no message said that the settings could not be saved: $1"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    sleep 0.3
    xdotool key Return
    for _ in $(seq 1 50); do
        xwininfo -root -tree 2>/dev/null | grep -q "^ *$box " || return 0
        sleep 0.1
    done
    fail "the message box stayed: $1"
}

start_x
start_game "$content"
window=$(game_window)

# After the splash, the menu on the blue of the English starting settings.
wait_for_pixel "$window" 400 50 2236aa 15

click_at "$window" 110 40 # the options button
wait_for_pixel "$window" 400 20 3fcefd 5
# The menu's tab: the colour box shows the menu's blue, the music picture is not crossed out.
wait_for_pixel "$window" 141 300 2236aa 5
wait_for_pixel "$window" 350 300 ffd23f 5

click_at "$window" 350 300 # music for the menu: off
wait_for_pixel_change "$window" 350 300 ffd23f 5
click_at "$window" 141 300 # the colour after the menu's blue
wait_for_pixel "$window" 141 300 edfdc1 5

press_key "$window" Escape
wait_for_pixel "$window" 400 50 edfdc1 10

settings=$content/options/vimo.opt
[ -f "$settings" ] || fail "no settings file was written"
[ "$(sed -n 17p "$settings" | tr -d '\r')" = 0 ] || fail "the menu's music is still on in the file"
[ "$(sed -n 19p "$settings" | tr -d '\r')" = -1180223 ] || fail "the menu's colour did not reach the file"
# Only those two lines differ from the starting settings.
diff <(tr -d '\r' <"$content/options/English.opt" | sed -e '17d' -e '19d') \
    <(tr -d '\r' <"$settings" | sed -e '17d' -e '19d') >/dev/null ||
    fail "other settings changed"

press_key "$window" Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

# The content folder belongs to root and may only be read by others.
chmod 755 "$E2E_TMP"
# The build folder may lie where only its owner can enter, so the unprivileged user runs a copy.
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
wait_for_pixel "$window" 400 50 2236aa 15
click_at "$window" 110 40
wait_for_pixel "$window" 400 20 3fcefd 5
click_at "$window" 350 300
wait_for_pixel_change "$window" 350 300 ffd23f 5
click_at "$window" 141 300
wait_for_pixel "$window" 141 300 edfdc1 5
press_key "$window" Escape

answer_not_saved "leaving the options screen"

# The menu plays on with the changed colour; the file is as it was.
wait_for_pixel "$window" 400 50 edfdc1 10
[ "$(od -An -tx1 "$locked/options/vimo.opt")" = "$before" ] || fail "the settings file changed"
[ -z "$(find "$locked/options" -mindepth 1 -name '.*')" ] || fail "a temporary file was left"
# The options screen starts from the changes too: the music picture is crossed out still.
click_at "$window" 110 40
wait_for_pixel "$window" 141 300 edfdc1 5
wait_for_pixel_change "$window" 350 300 ffd23f 5
press_key "$window" Escape
# Leaving again tries again, and says so again.
answer_not_saved "leaving the options screen again"
wait_for_pixel "$window" 400 50 edfdc1 10
press_key "$window" Escape
expect_exit 0

echo "options screen: passed"
