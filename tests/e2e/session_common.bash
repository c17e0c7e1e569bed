# SPDX-License-Identifier: GPL-3.0-or-later
# What the session_*.sh scripts share: a copy of the demo content with its English starting
# settings, the way a child reaches each activity and plays it with the input the script chose,
# and a look at each of the six activities that fails when it does not answer as it should.
# Sourced after lib.sh. The script sets SESSION_INPUT to one of
#   two-switches  Space steps and Enter picks in the menu and in find images; Space is the switch
#   one-switch    the pointer steps by itself (automatic scanning); Enter alone picks and is the
#                 switch
#   mouse         clicks on the pictures; the mouse button is the switch; the stop buttons lead
#                 back
# Returning from an activity is Esc, except with the mouse.

SESSION_INPUT=${SESSION_INPUT:-two-switches}
menu_blue=2236aa # the menu of the English starting settings
card=fffdf6      # every demo picture stands on a card of this colour
frame_yellow=ffd23f # the selection frames of the menu and of find images

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
    [ "$(sed -n "${1}p" "$file" | tr -d '\r' | sed 's/^\xef\xbb\xbf//')" = "$2" ] ||
        fail "could not set line $1 of the settings to $2"
}

# Clicks at ($2, $3) of window $1; bounded in time, since a pointer move of xdotool can hang.
click_at() {
    timeout 5 xdotool mousemove --window "$1" "$2" "$3" click 1 || fail "could not click at $2, $3"
}

# One screenshot, read at several pixels or regions with the shot_* helpers after it.
take_shot() {
    /usr/bin/import -window "$1" -depth 8 "$E2E_TMP/session-shot.png" 2>/dev/null ||
        fail "could not take a screenshot"
}
shot_pixel() {
    /usr/bin/convert "$E2E_TMP/session-shot.png" -format "%[hex:p{$1,$2}]" info: 2>/dev/null |
        cut -c1-6 | tr 'A-F' 'a-f'
}
# A fingerprint of the rectangle $3 x $4 at ($1, $2).
shot_region() {
    /usr/bin/convert "$E2E_TMP/session-shot.png" -crop "$3x$4+$1+$2" +repage -format '%#' info:
}
# The darkest grey level, 0 for black, in the rectangle $3 x $4 at ($1, $2).
shot_darkest() {
    /usr/bin/convert "$E2E_TMP/session-shot.png" -crop "$3x$4+$1+$2" +repage -colorspace gray \
        -format '%[fx:int(minima*255)]' info:
}
# Whether a word shows in the rectangle $3 x $4 at ($1, $2) in the colour picture and word
# writes on the background colour $5 (rrggbb): white on a dark background, black on a light one,
# whichever contrasts more by relative luminance.
shot_word_shows() {
    local bg=$5 white level
    white=$(awk -v r=$((16#${bg:0:2})) -v g=$((16#${bg:2:2})) -v b=$((16#${bg:4:2})) '
        function lin(v) { v /= 255; return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ^ 2.4 }
        BEGIN { l = 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b)
                print (1.05 / (l + 0.05) > (l + 0.05) / 0.05) ? 1 : 0 }')
    if [ "$white" = 1 ]; then
        level=$(/usr/bin/convert "$E2E_TMP/session-shot.png" -crop "$3x$4+$1+$2" +repage \
            -colorspace gray -format '%[fx:int(maxima*255)]' info:)
        [ "$level" = 255 ]
    else
        [ "$(shot_darkest "$1" "$2" "$3" "$4")" = 0 ]
    fi
}
# Where anything but the background colour $1 shows, as WxH+X+Y, leaving out the stop button's
# corner.
shot_box_on() {
    /usr/bin/convert "$E2E_TMP/session-shot.png" -fill "#$1" -draw 'rectangle 0,0 80,80' \
        -fill black -fuzz 3% -opaque "#$1" -format '%@' info: 2>/dev/null
}

# Waits up to $5 seconds for the fingerprint of a rectangle ($1, $2, $3 x $4) to differ from $6.
wait_for_region_change() {
    local deadline=$(($(date +%s) + $5))
    while [ "$(date +%s)" -le "$deadline" ]; do
        take_shot "$window"
        [ "$(shot_region "$1" "$2" "$3" "$4")" != "$6" ] && return 0
        sleep 0.2
    done
    fail "the region $3x$4+$1+$2 did not change"
}

# Fails on every line of standard error file $1 (of program $2) that matches none of the extended
# regular expressions after it; with none, any line fails.
expect_only_expected_errors() {
    local file=$1 what=$2 unexpected
    shift 2
    unexpected=$(cat "$file")
    for pattern in "$@"; do
        unexpected=$(printf '%s\n' "$unexpected" | grep -v -E "$pattern")
    done
    unexpected=$(printf '%s' "$unexpected" | sed '/^$/d')
    [ -z "$unexpected" ] || fail "$what wrote what was not expected to its standard error:
$unexpected"
}

# ---- The menu ---------------------------------------------------------------------------------

# The centre of activity picture $1 (1 to 6), and a point on the top edge of the selection frame
# that is drawn around it (the frame reaches 6 pixels beyond the picture).
activity_x() { echo $((137 + (($1 - 1) % 3) * 262)); }
activity_y() { [ "$1" -le 3 ] && echo 197 || echo 447; }
activity_frame_y() { [ "$1" -le 3 ] && echo 97 || echo 347; }

menu_framed() {
    [ "$(pixel "$window" "$(activity_x "$1")" "$(activity_frame_y "$1")")" = "$frame_yellow" ]
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

open_activity() {
    case "$SESSION_INPUT" in
    two-switches)
        for _ in $(seq 1 "$1"); do press_key "$window" space; done
        for _ in $(seq 1 25); do menu_framed "$1" && break; sleep 0.2; done
        menu_framed "$1" || fail "$1 steps did not bring the selection frame to activity $1"
        press_key "$window" Return
        ;;
    one-switch)
        wait_for_menu_scan "$1" $((scan_time * 16 + 2)) # a missed stop waits a round
        press_key "$window" Return
        ;;
    mouse)
        click_at "$window" "$(activity_x "$1")" "$(activity_y "$1")"
        ;;
    esac
    wait_for_activity
}

# Waits until the menu's blue has given way to an activity.
wait_for_activity() {
    local deadline=$(($(date +%s) + 5))
    while [ "$(date +%s)" -le "$deadline" ]; do
        [ "$(pixel "$window" 400 50)" != "$menu_blue" ] && return 0
        sleep 0.2
    done
    fail "no activity came after the menu"
}

leave_activity() {
    if [ "$SESSION_INPUT" = mouse ]; then
        click_at "$window" 40 40 # the stop button
    else
        press_key "$window" Escape
    fi
    wait_for_menu
}

quit_game() {
    if [ "$SESSION_INPUT" = mouse ]; then
        # A second click at the same place within the double-click time is no new press.
        sleep 0.6
        click_at "$window" 40 40 # the menu's stop button
    else
        press_key "$window" Escape
    fi
    expect_exit 0
}

# ---- The switch in the activities --------------------------------------------------------------

switch_key() { [ "$SESSION_INPUT" = one-switch ] && echo Return || echo space; }

switch_down() {
    if [ "$SESSION_INPUT" = mouse ]; then
        timeout 5 xdotool mousemove --window "$window" 400 300 mousedown 1 || fail "no mouse press"
    else
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool keydown "$(switch_key)"
    fi
}

switch_up() {
    if [ "$SESSION_INPUT" = mouse ]; then
        xdotool mouseup 1
    else
        xdotool keyup "$(switch_key)"
    fi
}

# One press, after the key time of the activities that have one (0.4 s in the English settings)
# and the double-click time (0.5 s), within which a second click is no new press.
switch_press() {
    sleep 0.6
    if [ "$SESSION_INPUT" = mouse ]; then
        click_at "$window" 400 300
    else
        press_key "$window" "$(switch_key)"
    fi
}

# ---- The six activities -------------------------------------------------------------------------

# Colour rings, in $1 (default 0: draw while held, keep the rings): the switch held for a moment
# draws rings across the black screen; in mode 1 letting go starts an empty picture.
play_rings() {
    local mode=${1:-0} first
    wait_for_pixel "$window" 400 50 000000 5
    [ "$(pixel "$window" 124 69)" = 000000 ] || fail "the rings' picture is not empty at the start"
    # A ring comes every 50 ms at best (fewer on a busy machine): the fifth reaches (124, 69) after
    # 0.25 s; the 28th completes the picture after 1.4 s, and letting go then would start a new
    # one. In mode 0 the rings are read after letting go, so that none drawn meanwhile change them.
    switch_down
    sleep 0.9
    [ "$mode" = 1 ] && take_shot "$window"
    switch_up
    [ "$mode" = 1 ] || { sleep 0.3; take_shot "$window"; }
    first=$(shot_pixel 124 69)
    [ "$first" != 000000 ] || fail "no rings while the switch was held"
    [ "$(shot_pixel 7 15)" != 000000 ] || fail "the first ring is missing"
    if [ "$mode" = 1 ]; then
        wait_for_pixel "$window" 124 69 000000 3 # letting go starts over
    else
        sleep 0.8
        [ "$(pixel "$window" 124 69)" = "$first" ] || fail "the rings did not stay after letting go"
    fi
}

# Picture steps with $1 pictures a set (4 or 8): each press shows the next picture in its place.
play_steps() {
    local count=${1:-4}
    # The first picture's lower right corner, the second's, and a point only a quarter covers.
    local x1=380 y1=280 x2=780 y2=280
    if [ "$count" = 8 ]; then x1=190 y1=240 x2=390 y2=240; fi
    [ "$(pixel "$window" "$x1" "$y1")" != "$card" ] || fail "a picture shows before any press"
    switch_press
    wait_for_pixel "$window" "$x1" "$y1" "$card" 5
    [ "$(pixel "$window" "$x2" "$y2")" != "$card" ] || fail "the second picture came with the first"
    if [ "$count" = 8 ]; then
        [ "$(pixel "$window" 380 280)" != "$card" ] || fail "the pictures are not in two rows of four"
    fi
    switch_press
    wait_for_pixel "$window" "$x2" "$y2" "$card" 5
}

# Find images with $1 choices (3 or 4): the model's right half is hidden until the child picks the
# picture that completes it; a wrong pick changes nothing to see; after the pause the next task
# hides the half again.
choice_x() { # the left edge of choice $2 of $1
    case "$1" in
    2) echo $((133 + ($2 - 1) * 333)) ;;
    3) echo $((50 + ($2 - 1) * 250)) ;;
    4) echo $((($2 - 1) * 200)) ;;
    esac
}
choice_framed() {
    [ "$(pixel "$window" $(($(choice_x "$1" "$2") + 100)) 423)" = "$frame_yellow" ]
}
# The choice (1 to $1) that the hover frame stands on, 0 for none.
framed_choice() {
    local choice
    take_shot "$window"
    for choice in $(seq 1 "$1"); do
        if [ "$(shot_pixel $(($(choice_x "$1" "$choice") + 100)) 423)" = "$frame_yellow" ]; then
            echo "$choice"
            return
        fi
    done
    echo 0
}

pick_choice() {
    local count=$1 choice=$2
    case "$SESSION_INPUT" in
    two-switches)
        # Each Space moves the frame on, except the first after a pick, which stays on the
        # picked choice; so a step that shows no change within a second is no failure.
        local framed before
        framed=$(framed_choice "$count")
        for _ in $(seq 1 $((count + 3))); do
            [ "$framed" = "$choice" ] && break
            before=$framed
            press_key "$window" space
            for _ in 1 2 3 4 5; do
                framed=$(framed_choice "$count")
                [ "$framed" != "$before" ] && break
                sleep 0.1
            done
        done
        [ "$framed" = "$choice" ] || fail "Space did not bring the frame to choice $choice"
        press_key "$window" Return
        ;;
    one-switch)
        local deadline=$(($(date +%s) + scan_time * (count + 1) * 2 + 2))
        until choice_framed "$count" "$choice"; do
            [ "$(date +%s)" -le "$deadline" ] || fail "the scanning did not reach choice $choice"
            sleep 0.1
        done
        press_key "$window" Return
        ;;
    mouse)
        click_at "$window" $(($(choice_x "$count" "$choice") + 100)) 502
        ;;
    esac
}

play_find() {
    local count=${1:-3} choice answered= x
    wait_for_pixel "$window" 210 70 "$card" 5 # the model's left half
    take_shot "$window"
    [ "$(shot_pixel 590 70)" = 000000 ] || fail "the model's right half shows before the answer"
    for choice in $(seq 1 "$count"); do
        x=$(choice_x "$count" "$choice")
        [ "$(shot_pixel $((x + 195)) 432)" = "$card" ] || fail "choice $choice's right half is missing"
        [ "$(shot_pixel $((x + 5)) 432)" = 000000 ] || fail "choice $choice's left half shows"
    done
    for choice in $(seq 1 "$count"); do
        pick_choice "$count" "$choice"
        sleep 0.6
        if [ "$(pixel "$window" 590 70)" = "$card" ]; then
            answered=$choice
            break
        fi
    done
    [ -n "$answered" ] || fail "no choice completed the model"
    x=$(choice_x "$count" 1)
    [ "$(pixel "$window" $((x + 5)) 432)" = "$card" ] || fail "the choices are not whole after the answer"
    wait_for_pixel "$window" 590 70 000000 6 # the pause is over; the next task
}

# Painting: the first frame of a picture shows at once, one and a half times its size in the
# middle of the purple (or $1) background; each press paints the next frame.
play_paint() {
    local background=${1:-bc3ffd} before
    wait_for_pixel "$window" 20 300 "$background" 5
    wait_for_pixel "$window" 110 85 ffffff 5 # inside the frame's corner at (100, 75)
    take_shot "$window"
    before=$(shot_region 100 75 600 450)
    switch_press
    wait_for_region_change 100 75 600 450 5 "$before"
    take_shot "$window"
    before=$(shot_region 100 75 600 450)
    switch_press
    wait_for_region_change 100 75 600 450 5 "$before"
}

# Picture and word: the first picture shows at once with its word below it ($1 "no-word": in the
# middle, without a word); the next press speaks again, the one after takes the picture away and
# the next shows another.
play_word() {
    local words=${1:-word}
    if [ "$words" = no-word ]; then
        wait_for_pixel "$window" 120 85 "$card" 5
        [ "$(pixel "$window" 120 20)" != "$card" ] || fail "the picture is not in the middle"
        take_shot "$window"
        [ "$(shot_darkest 100 530 600 70)" != 0 ] || fail "a word shows under the picture"
        return
    fi
    wait_for_pixel "$window" 120 20 "$card" 5
    take_shot "$window"
    shot_word_shows 250 460 300 130 "$(shot_pixel 50 300)" || fail "no word under the picture"
    switch_press # speaks again
    sleep 0.3
    [ "$(pixel "$window" 120 20)" = "$card" ] || fail "the second press took the picture away"
    switch_press # takes it away
    wait_for_pixel "$window" 120 20 "$(pixel "$window" 20 300)" 5
    switch_press # the next exercise
    wait_for_pixel "$window" 120 20 "$card" 5
}

# Moving pictures: a picture waits at an edge, glides while the switch is held and stands still
# when it is let go; with $1 "movie" one short press carries it on by itself.
play_moving() {
    local movie=${1:-held} sky=3fcefd start moved later
    wait_for_pixel "$window" 400 300 "$sky" 5
    sleep 0.3
    take_shot "$window"
    start=$(shot_box_on "$sky")
    case "$start" in 0x0* | "") fail "no picture at the start" ;; esac
    if [ "$movie" = movie ]; then
        switch_down
        sleep 0.1
        switch_up
        sleep 0.5
        take_shot "$window"
        moved=$(shot_box_on "$sky")
        sleep 0.8
        take_shot "$window"
        later=$(shot_box_on "$sky")
        [ "$moved" != "$start" ] && [ "$later" != "$moved" ] ||
            fail "one short press did not carry the picture on ($start, $moved, $later)"
        return
    fi
    switch_down
    sleep 1.2
    take_shot "$window"
    switch_up
    moved=$(shot_box_on "$sky")
    [ "$moved" != "$start" ] || fail "the picture did not move while the switch was held"
    sleep 0.4
    take_shot "$window"
    moved=$(shot_box_on "$sky")
    sleep 0.8
    take_shot "$window"
    [ "$(shot_box_on "$sky")" = "$moved" ] || fail "the picture went on moving after letting go"
}

# The whole child's session: all six activities from the menu and back; $1 plays picture and word
# (play_word unless given).
child_session() {
    open_activity 1
    play_rings
    leave_activity
    open_activity 2
    play_steps 4
    leave_activity
    open_activity 3
    play_find 3
    leave_activity
    open_activity 4
    play_paint
    leave_activity
    open_activity 5
    "${1:-play_word}"
    leave_activity
    open_activity 6
    play_moving
    leave_activity
}
