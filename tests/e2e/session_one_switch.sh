#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child's session with one switch on the demo content, set up for one switch with the pointer
# stepping by itself every two seconds: the only key the child uses is Enter. In the menu the
# selection frame travels over the pictures by itself and Enter opens the activity it has reached;
# in find images it travels over the choices and Enter picks; in the other activities Enter is the
# switch. Esc leads back to the menu after each activity; the system's stop request (SIGTERM)
# ends the game with status 0. Nothing is written to standard error.
# Picture and word plays an adult's own list, written by hand in UTF-8 without a byte-order mark
# and with LF line ends: an SVG picture, a JPEG saved in printing inks (CMYK) and a portrait
# photo named with an accented letter. Each shows in its true colours and its own shape, and each
# word stands out from its exercise's colour: white on black, black on the grey of an exercise
# without a colour and on a nearly transparent white.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=one-switch
. "$(dirname "$0")/session_common.bash"

scan_time=2
copy_demo_content
set_setting 1 1            # one switch
set_setting 3 "$scan_time" # seconds between the pointer's steps
set_setting 43 0           # picture and word in list order
set_setting 45 own         # with the list own

images=$content/gfx/images
# 4:3, its left half blue and its right half gold.
cat >"$images/halves.svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 4 3">
  <rect width="2" height="3" fill="#1e90ff"/>
  <rect x="2" width="2" height="3" fill="#ffd700"/>
</svg>
SVG
/usr/bin/convert -size 400x300 xc:'#c03020' -colorspace CMYK "$images/brick.jpg"
/usr/bin/convert -size 300x800 xc:'#ff0000' "$images/äpple.png"
# Six lines an exercise (name, picture, sound, speech, text, colour). The colours: opaque black,
# none of its own, white at alpha 0x20.
printf '%s\n' sun halves.svg '' '' Sun -16777216 brick brick.jpg '' '' Brick 16777215 \
    'äpple' 'äpple.png' '' '' 'Äpple' 553648127 >"$content/data/English/own"

# Whether pixel ($1, $2) of the last screenshot is within 8 of colour $3 in each channel.
shot_near() {
    local seen i a b
    seen=$(shot_pixel "$1" "$2")
    for i in 0 2 4; do
        a=$((16#${seen:i:2})) b=$((16#${3:i:2}))
        [ $((a > b ? a - b : b - a)) -le 8 ] || return 1
    done
}

play_own() {
    # The SVG fills the 600 x 450 box at (100, 0), sharp down the middle.
    wait_for_pixel "$window" 390 200 1e90ff 10
    take_shot "$window"
    [ "$(shot_pixel 410 200)" = ffd700 ] || fail "the SVG's right half is not gold"
    [ "$(shot_pixel 50 200)" = 000000 ] || fail "the first exercise's black is not shown"
    shot_word_shows 250 460 300 130 000000 || fail "no white word on black"
    for _ in 1 2 3; do switch_press; done # speaks again, takes it away, the next one
    for _ in $(seq 1 25); do
        take_shot "$window"
        shot_near 400 200 c03020 && break
        sleep 0.2
    done
    shot_near 400 200 c03020 || fail "the CMYK picture is $(shot_pixel 400 200), not near c03020"
    [ "$(shot_pixel 50 200)" = 808080 ] || fail "the exercise without a colour is not on grey"
    shot_word_shows 250 460 300 130 808080 || fail "no black word on grey"
    # The 3:8 portrait, 169 pixels wide in the middle of the box and not stretched across it.
    for _ in 1 2 3; do switch_press; done
    wait_for_pixel "$window" 400 200 ff0000 5
    take_shot "$window"
    for x in 320 480; do
        [ "$(shot_pixel "$x" 200)" = ff0000 ] || fail "the portrait does not reach x $x"
    done
    for x in 110 300 500 690; do
        [ "$(shot_pixel "$x" 200)" = ffffff ] || fail "the portrait is stretched to x $x"
    done
    shot_word_shows 250 460 300 130 ffffff || fail "no black word on the transparent white"
}

start_x
start_game "$content"
window=$(game_window)
wait_for_menu 15

# Nothing but time moves the frame: to activity 1, then on to activity 2.
wait_for_menu_scan 1 $((scan_time * 8 + 2))
wait_for_menu_scan 2 $((scan_time * 8 + 2))

child_session play_own
kill -TERM "$GAME_PID"
expect_exit 0
expect_only_expected_errors "$E2E_TMP/game.err" "the game"
echo "one-switch session: passed"
