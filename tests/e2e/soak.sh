#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A long session of a child pressing everything, on the demo content: rounds through every
# activity and the options screen, each visit a batch of random keys, clicks with either button
# and pointer moves, then Esc back to the menu. The game must stay alive, come back to the menu
# after every visit, hold no more memory after later rounds than after the first, and at the end
# still end on Esc.
#
# Fixed seed, so every run sends the same events. What would end the game by design is left
# out: in the menu only pointer moves and the click that opens a screen are sent (no Esc, no
# stop button, no switch presses, whose scanner could rest on the stop button). Inside a screen
# the batch leaves out Esc and the stop button, so that the whole batch reaches that screen; on
# the options screen also the about button (its picture moves the stop button) and the box that
# switches to one-switch scanning (in the menu its pointer moves would race the test's clicks).
#
# VIMO_SOAK_EVENTS and VIMO_SOAK_ROUNDS change the number of events (20000) and of rounds (4).
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

RANDOM=4711
total_events=${VIMO_SOAK_EVENTS:-20000}
rounds=${VIMO_SOAK_ROUNDS:-4}
screens=(1 2 3 4 5 6 options)
menu_moves=20
per_visit=$(( (total_events - rounds * ${#screens[@]} * menu_moves) / (rounds * ${#screens[@]}) ))
# Allowed growth of the resident memory after the first round, in KiB: the ups and downs of a
# game that loads and frees pictures and sounds all the time. A picture or a sound kept per visit
# would pass it within a round or two.
allowed_growth_kib=$((8 * 1024))

keys=(space space space space Return Return KP_Enter a z m 1 Left Right Up Down Tab BackSpace
      shift F1 F10 Control_L)

content=$E2E_TMP/content
cp -r "$(dirname "$0")/../../content" "$content"
rm -f "$content/options/vimo.opt"

started=$(date +%s)
start_x
# The allocator otherwise raises its threshold for handing freed blocks back to the system as it
# sees large blocks come and go, and the resident memory then keeps freed pictures and sounds
# for a while: it climbs by some 20 MiB over several rounds and levels off. With a fixed
# threshold the resident memory is what the game holds.
GLIBC_TUNABLES=glibc.malloc.mmap_threshold=131072 start_game "$content"
window=$(game_window)
wait_for_pixel "$window" 400 50 2236aa 15

# Two pixels inside the menu's activity pictures tell the menu from every other screen, whatever
# background colour the options screen gives it.
menu_signature() {
    /usr/bin/import -window "$window" -depth 8 "$E2E_TMP/shot.png" 2>/dev/null || return 1
    /usr/bin/convert "$E2E_TMP/shot.png" -format '%[hex:p{137,197}]/%[hex:p{399,447}]' info: \
        2>/dev/null
}
signature=$(menu_signature)
[ -n "$signature" ] || fail "no screenshot of the menu"

alive() {
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after $sent events"
}

# Waits up to $2 seconds for the menu to show ($1 = yes) or to be gone ($1 = no).
wait_for_menu() {
    local deadline=$(( $(date +%s) + $2 ))
    while [ "$(date +%s)" -le "$deadline" ]; do
        alive
        local seen
        seen=$(menu_signature)
        if [ "$1" = yes ] && [ "$seen" = "$signature" ]; then return 0; fi
        if [ "$1" = no ] && [ -n "$seen" ] && [ "$seen" != "$signature" ]; then return 0; fi
        sleep 0.3
    done
    return 1
}

resident_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$GAME_PID/status"; }
peak_kib() { awk '/^VmHWM:/ {print $2}' "/proc/$GAME_PID/status"; }

# A random point of the window outside the areas that leave screen $1, in x and y. No
# subshell: bash seeds each one's RANDOM afresh, which would break the fixed seed.
random_point() {
    while :; do
        x=$((RANDOM % 800))
        y=$((RANDOM % 600))
        case $1 in
        options)
            [ "$x" -ge 700 ] && [ "$y" -ge 500 ] && continue # the stop button
            [ "$x" -ge 65 ] && [ "$x" -lt 155 ] && [ "$y" -ge 515 ] && continue # about
            [ "$x" -ge 14 ] && [ "$x" -lt 268 ] && [ "$y" -ge 400 ] && [ "$y" -lt 520 ] &&
                continue # one or two switches
            ;;
        *)
            [ "$x" -lt 90 ] && [ "$y" -lt 90 ] && continue # the stop button
            ;;
        esac
        return
    done
}

# Sends $2 random events to screen $1 in one run of xdotool.
send_batch() {
    local batch=() n
    for ((n = 0; n < $2; n++)); do
        case $((RANDOM % 8)) in
        0 | 1 | 2)
            batch+=(key --delay 0 "${keys[RANDOM % ${#keys[@]}]}")
            ;;
        3 | 4 | 5)
            random_point "$1"
            batch+=(mousemove --window "$window" "$x" "$y" click --delay 0 $((RANDOM % 3 == 0 ? 3 : 1)))
            ;;
        *)
            random_point "$1"
            batch+=(mousemove --window "$window" "$x" "$y")
            ;;
        esac
    done
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool "${batch[@]}" || fail "xdotool could not send the events"
    sent=$((sent + $2))
}

# Opens screen $1 from the menu with a click on its picture (or the options button).
open_screen() {
    local moves=() n
    for ((n = 0; n < menu_moves; n++)); do
        moves+=(mousemove --window "$window" $((RANDOM % 800)) $((RANDOM % 600)))
    done
    xdotool "${moves[@]}"
    sent=$((sent + menu_moves))
    case $1 in
    options) x=110 y=40 ;;
    *) x=$((137 + 262 * (($1 - 1) % 3))) y=$((197 + 250 * (($1 - 1) / 3))) ;;
    esac
    # Away first, so that the click is never taken for the second half of a double click.
    sleep 0.6
    timeout 5 xdotool mousemove --window "$window" "$x" "$y" click 1 || fail "no click at $x, $y"
    sent=$((sent + 1))
    wait_for_menu no 15 || fail "screen $1 did not open"
}

sent=0
rounds_kib=()
for ((round = 1; round <= rounds; round++)); do
    for screen in "${screens[@]}"; do
        open_screen "$screen"
        send_batch "$screen" "$per_visit"
        alive
        press_key "$window" Escape
        sent=$((sent + 1))
        wait_for_menu yes 60 || fail "screen $screen did not go back to the menu after $sent events"
    done
    rounds_kib+=("$(resident_kib)")
    echo "round $round: $sent events, resident $(( ${rounds_kib[-1]} / 1024 )) MiB"
done

first=${rounds_kib[0]}
for ((round = 2; round <= rounds; round++)); do
    kib=${rounds_kib[round - 1]}
    [ "$kib" -le $((first + allowed_growth_kib)) ] ||
        fail "resident memory grew from $((first / 1024)) MiB after round 1 to $((kib / 1024)) MiB after round $round"
done
peak=$(peak_kib)

# The child's last press: Esc in the menu ends the game.
press_key "$window" Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

echo "soak: passed: $sent events survived in $(( $(date +%s) - started )) s;" \
    "resident $((first / 1024)) MiB after round 1, $(( ${rounds_kib[-1]} / 1024 )) MiB after" \
    "round $rounds, peak $((peak / 1024)) MiB"
