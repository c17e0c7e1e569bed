# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for end-to-end tests: a real X server (Xvfb), the real game, xdotool as the switch
# interface and screenshots read at chosen pixels. Sourced by the test scripts.

E2E_TMP=$(mktemp -d /tmp/vimo-e2e.XXXXXX)
XVFB_PID=
GAME_PID=

e2e_cleanup() {
    [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    local program
    for program in game editor; do
        [ -f "$E2E_TMP/$program.err" ] || continue
        echo "--- the $program's standard error:" >&2
        cat "$E2E_TMP/$program.err" >&2
    done
    exit 1
}

# Starts Xvfb on a free display, of size $1 (800x600 unless given); -noreset keeps it up when a
# probe disconnects. Xvfb runs no window manager.
start_x() {
    local display
    for display in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$display" ] && continue
        [ -e "/tmp/.X$display-lock" ] && continue
        Xvfb ":$display" -screen 0 "${1:-800x600}x24" -noreset -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$display"
        for _ in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    fail "no X server could be started"
}

# Starts the game windowed on content folder $1, through the command after it if any (such as
# setpriv); its standard error goes to game.err. SDL_AUDIODRIVER may name another audio driver.
start_game() {
    local folder=$1
    shift
    SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} SDL_RENDER_DRIVER=software "$@" "$VIMO_GAME" \
        --windowed --content "$folder" 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
}

# The id of the first window whose line in the window tree (xwininfo) holds $1, such as
# '"VIMO!"' for the game (its UTF-8 title is out of xdotool's reach) or '"vimoedit": ("vimoedit"'
# for the editor's message boxes (its hidden helper window of that caption has no class); waited
# for up to thirty seconds (a start on a busy machine is slow).
find_window() {
    local id
    for _ in $(seq 1 300); do
        id=$(xwininfo -root -tree 2>/dev/null | awk -v s="$1" 'index($0, s) && $1 ~ /^0x/ {print $1; exit}')
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window $1 appeared"
}
game_window() { find_window '"VIMO!"'; }

# Answers the message box found by $1 (as find_window) with key $3 (Return, its default button,
# unless given) and waits for it to go; $2 says what the box is for.
answer_box() {
    local box
    box=$(find_window "$1") || fail "no message box came up: $2"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    sleep 0.3
    xdotool key "${3:-Return}"
    for _ in $(seq 1 50); do
        xwininfo -root -tree 2>/dev/null | grep -q "^ *$box " || return 0
        sleep 0.1
    done
    fail "the message box stayed after ${3:-Return}: $2"
}

# The colour of pixel ($2, $3) of window $1, as rrggbb; only that pixel is read, which is quick.
pixel() {
    /usr/bin/import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'A-F' 'a-f'
}

# Waits up to $5 seconds for pixel ($2, $3) of window $1 to become colour $4.
wait_for_pixel() {
    local seen
    local deadline=$(( $(date +%s) + $5 ))
    while [ "$(date +%s)" -le "$deadline" ]; do
        seen=$(pixel "$1" "$2" "$3")
        [ "$seen" = "$4" ] && return 0
        sleep 0.2
    done
    fail "pixel ($2, $3) is $seen, not $4"
}

# Sends real key events to the focused game window (SDL ignores synthetic ones).
press_key() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key "$2"
}

# Every entry of folder $1 with the checksums of its files, so that a file added, removed or
# changed shows.
listing() { (cd "$1" && find . -printf '%y %p\n' | LC_ALL=C sort && find . -type f -print0 |
    LC_ALL=C sort -z | xargs -0 sha256sum); }

# Waits for the game to end and checks its exit status.
expect_exit() {
    local status
    for _ in $(seq 1 100); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"
            status=$?
            GAME_PID=
            [ "$status" -eq "$1" ] || fail "the game ended with status $status, not $1"
            return 0
        fi
        sleep 0.1
    done
    fail "the game did not end"
}
