# SPDX-License-Identifier: GPL-3.0-or-later
# What the session_*.sh scripts share, sourced after lib.sh: a copy of the demo content, the way a
# child reaches each activity with the input the script chose, and a look at each of the six
# activities that fails when it does not answer. SESSION_INPUT is one of
#   two-switches  Space steps and Enter picks in the menu and in find images; Space is the switch
#   one-switch    the frame steps by itself (scanning); Enter picks and is the switch
#   mouse         clicks on the pictures; the mouse button is the switch; the stop buttons lead back
# Returning from an activity is Esc, except with the mouse.

SESSION_INPUT=${SESSION_INPUT:-two-switches}
menu_blue=2236aa    # the menu of the English starting settings
card=fffdf6         # every demo picture stands on a card of this colour
frame_yellow=ffd23f # the selection frames of the menu and of find images
press_hold=         # how long open_activity holds each key with two switches; unset: a tap

# A fresh copy of the demo content in $content; settings are written at the first start.
copy_demo_content() {
    content=$E2E_TMP/content
    cp -r "$(dirname "${BASH_SOURCE[0]}")/../../content" "$content"
    rm -f "$content/options/vimo.opt"
}

# Sets line $1 of the settings file (made from the English starting settings when missing) to
# $2, keeping the byte-order mark and the CR LF line ends.
set_setting() {
    local file=$content/options/vimo.opt
    [ -f "$file" ] || cp "$content/options/English.opt" "$file"
    sed -i "${1}s/^\(\xef\xbb\xbf\)\{0,1\}.*\r\$/\1${2}\r/" "$file"
}

# Clicks at ($2, $3) of window $1; bounded in time, since a pointer move of xdotool can hang.
click_at() {
    timeout 5 xdotool mousemove --window "$1" "$2" "$3" click 1 || fail "could not click at $2, $3"
}

# One screenshot of the game, read with shot_pixel (x, y) and shot_region (a fingerprint of the
# rectangle $3 x $4 at ($1, $2)).
take_shot() {
    /usr/bin/import -window "$window" -depth 8 "$E2E_TMP/shot.png" 2>/dev/null ||
        fail "could not take a screenshot"
}
shot_pixel() {
    /usr/bin/convert "$E2E_TMP/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6 | tr A-F a-f
}
shot_region() {
    /usr/bin/convert "$E2E_TMP/shot.png" -crop "$3x$4+$1+$2" +repage -format '%#' info:
}

# Takes screenshots until the rectangle ($1, $2, $3 x $4) differs from fingerprint $5, for up to
# five seconds.
wait_for_region_change() {
    for _ in $(seq 1 20); do
        take_shot
        [ "$(shot_region "$1" "$2" "$3" "$4")" != "$5" ] && return 0
        sleep 0.2
    done
    fail "the region $3x$4+$1+$2 did not change"
}

# Fails when program $2 wrote anything to its standard error file $1.
expect_no_errors() { [ ! -s "$1" ] || fail "$2 wrote to its standard error"; }

# Whether the selection frame stands on activity picture $1 (1 to 6), seen on its top edge.
menu_framed() {
    local x=$((137 + (($1 - 1) % 3) * 262)) y=97
    [ "$1" -le 3 ] || y=347
    [ "$(pixel "$window" "$x" "$y")" = "$frame_yellow" ]
}

wait_for_menu() {
    wait_for_pixel "$window" 400 50 "$menu_blue" "${1:-10}"
}

# Waits up to $2 seconds for the scanning to bring the frame to activity $1 after it was
# elsewhere: the frame follows the pointer, which may still stand where the last pick left it.
wait_for_menu_scan() {
    local deadline=$(($(date +%s) + $2)) left=
    while [ "$(date +%s)" -le "$deadline" ]; do
        if menu_framed "$1"; then
            [ -n "$left" ] && return 0
        else
            left=yes
        fi
        sleep 0.1
    done
    fail "the scanning did not reach activity $1 in $2 seconds"
}

# A press of key $1 in the menu: a tap, or held for press_hold seconds and counted when that is set.
menu_press() {
    if [ -n "$press_hold" ]; then press_switch "$press_hold" "$1"; else press_key "$window" "$1"; fi
}

# Opens activity $1 with the session's input and waits until the menu's blue has given way.
open_activity() {
    case "$SESSION_INPUT" in
    two-switches)
        for _ in $(seq 1 "$1"); do menu_press space; done
        for _ in $(seq 1 25); do menu_framed "$1" && break; sleep 0.2; done
        menu_framed "$1" || fail "$1 steps did not bring the selection frame to activity $1"
        menu_press Return
        ;;
    one-switch)
        wait_for_menu_scan "$1" $((scan_time * 16 + 2)) # a missed stop waits a round
        press_key "$window" Return
        ;;
    mouse)
        click_at "$window" $((137 + (($1 - 1) % 3) * 262)) $(($1 <= 3 ? 197 : 447))
        ;;
    esac
    for _ in $(seq 1 25); do
        [ "$(pixel "$window" 400 50)" != "$menu_blue" ] && return 0
        sleep 0.2
    done
    fail "activity $1 did not come after the menu"
}

# Back to the menu from an activity ($1 unset), or out of the game from the menu ($1 "quit"): with
# the mouse the stop button, else Esc.
leave() {
    if [ "$SESSION_INPUT" = mouse ]; then
        sleep 0.6 # a second click within the double-click time is no new press
        click_at "$window" 40 40
    else
        press_key "$window" Escape
    fi
    if [ "${1:-}" = quit ]; then expect_exit 0; else wait_for_menu; fi
}

switch_key() { [ "$SESSION_INPUT" = one-switch ] && echo Return || echo space; }

# The fingerprint of the whole game window once what shows has settled.
settled_screen() {
    local before='' now
    for _ in $(seq 1 25); do
        take_shot
        now=$(shot_region 0 0 800 600)
        [ "$now" = "$before" ] && break
        before=$now
        sleep 0.2
    done
    echo "$before"
}

# Holds key $1 down for $2 seconds in the game window.
hold_key() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool keydown "$1" && sleep "$2" && xdotool keyup "$1"
}

# One press of the session's switch, or of key $2, held for $1 seconds (0.5 unless given);
# counted in switch_presses.
switch_presses=0
press_switch() {
    switch_presses=$((switch_presses + 1))
    if [ "$SESSION_INPUT" = mouse ]; then
        xdotool mousedown 1 && sleep "${1:-0.5}" && xdotool mouseup 1
    else
        hold_key "${2:-$(switch_key)}" "${1:-0.5}"
    fi
}

# The activity answers the switch: once what shows has settled, up to three presses, each held
# for a moment, change it (picture and word speaks again at the first press, and only its second
# takes the picture away). Presses come after the key time (0.4 s) and the double-click time.
answers() {
    local before
    [ "$SESSION_INPUT" = mouse ] && timeout 5 xdotool mousemove --window "$window" 400 300
    before=$(settled_screen)
    for _ in 1 2 3; do
        sleep 0.6
        press_switch
        sleep 0.3
        take_shot
        [ "$(shot_region 0 0 800 600)" != "$before" ] && return 0
    done
    fail "activity $1 did not answer the switch"
}

# Find images: the model's right half is hidden until the child picks, with the session's input,
# the one of three choices that completes it. $1 and $2 are a point of the model's left and right
# half and its colour ("x y rrggbb"), the cards of the demo pictures unless given.
choice_framed() {
    [ "$(pixel "$window" $((150 + ($1 - 1) * 250)) 423)" = "$frame_yellow" ]
}
pick_choice() {
    if [ "$SESSION_INPUT" = mouse ]; then
        click_at "$window" $((150 + ($1 - 1) * 250)) 502
        return
    fi
    # Space moves the frame on, also right after a pick; with one switch the frame travels by
    # itself.
    for _ in $(seq 1 $((${scan_time:-1} * 40))); do
        choice_framed "$1" && break
        [ "$SESSION_INPUT" = two-switches ] && press_key "$window" space
        sleep 0.5
    done
    choice_framed "$1" || fail "the frame did not come to choice $1"
    press_key "$window" Return
}
play_find() {
    local left=(${1:-210 70 $card}) right=(${2:-590 70 $card}) choice
    wait_for_pixel "$window" "${left[@]}" 5
    [ "$(pixel "$window" "${right[0]}" "${right[1]}")" = 000000 ] ||
        fail "the model's right half shows before the answer"
    for choice in 1 2 3; do
        pick_choice "$choice"
        sleep 0.6
        [ "$(pixel "$window" "${right[0]}" "${right[1]}")" = "${right[2]}" ] && return 0
    done
    fail "no choice completed the model"
}

# The whole child's session: all six activities from the menu and back.
child_session() {
    for activity in 1 2 3 4 5 6; do
        open_activity "$activity"
        if [ "$activity" = 3 ]; then play_find; else answers "$activity"; fi
        leave
    done
}
