#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A child with two switches plays one task of the find-images activity: Space steps the pointer
# over the choices, Enter picks the one under it. Before the answer only the model's left half
# and the choices' right halves show; after it every picture shows whole, and when the pause is
# over the next task covers the halves again. Esc leaves for the menu, and Esc there ends the game.
# Then the same content speaks Swedish (lang.txt writes "Svenska") and the list is gone: the
# activity says so in a message box in the language's words, and its OK leads back to the menu.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"

navy=000080 # the activity's background
content=$E2E_TMP/content
mkdir -p "$content/gfx/images" "$content/gfx/findimages" "$content/data/English" \
    "$content/options"

# Each picture has halves of two colours, so a screenshot tells which half shows.
picture() {
    /usr/bin/convert -size 200x300 "xc:#$2" -size 200x300 "xc:#$3" +append \
        "$content/gfx/images/$1.png"
}
picture red ff0000 ffff00
picture green 00ff00 00ffff
picture blue 0000ff ff8000
/usr/bin/convert -size 800x10 xc:'#ffffff' "$content/gfx/findimages/hDivider.png"
# The hover frame: a magenta border 214 x 164, open in the middle.
/usr/bin/convert -size 214x164 xc:none -fill none -stroke '#ff00ff' -strokewidth 6 \
    -draw 'rectangle 3,3 210,160' "$content/gfx/findimages/selFrame.png"
printf 'English\r\n' >"$content/data/lang.txt"
# The list: six lines an exercise (name, picture, sound, speech, text, colour).
for name in red green blue; do
    printf '%s\r\n' "$name" "$name.png" '' '' '' 16777215
done >"$content/data/English/e2e"

# Two switches, no stop button, two pictures to choose from, a pause of six seconds; activity 3
# in list order on navy (-16777088) with the list e2e; no music anywhere.
{
    printf '%s\r\n' 0 0 3 0.2 1 0 1 4 2 50 50 0 20 0 6
    printf '%s\r\n' 1 0 0 -14534998 vimo
    for screen in 1 2; do printf '%s\r\n' 1 0 1 -16777216 vimo; done
    printf '%s\r\n' 1 0 0 -16777088 e2e
    for screen in 4 5 6; do printf '%s\r\n' 1 0 1 -16777216 vimo; done
} >"$content/options/vimo.opt"

start_x
start_game "$content"
window=$(game_window)

# The menu, then the third activity with the menu's own scanner.
wait_for_pixel "$window" 400 50 2236aa 15
press_key "$window" space
press_key "$window" space
press_key "$window" space
press_key "$window" Return

# The model (200, 60, 400 x 300): red's left half shows, its right half is covered.
wait_for_pixel "$window" 400 30 "$navy" 10
wait_for_pixel "$window" 300 200 ff0000 5
[ "$(pixel "$window" 500 200)" = "$navy" ] || fail "the model's right half shows before the answer"

# The choices at x 133 and 466, y 427, 200 x 150: left halves covered, right halves showing.
[ "$(pixel "$window" 183 500)" = "$navy" ] || fail "the first choice's left half shows"
[ "$(pixel "$window" 516 500)" = "$navy" ] || fail "the second choice's left half shows"
first=$(pixel "$window" 283 500)
second=$(pixel "$window" 616 500)
case "$first$second" in
ffff0000ffff) right_is_first=1 ;;
00ffffffff00) right_is_first=0 ;;
*) fail "the choices' right halves are $first and $second" ;;
esac
[ "$(pixel "$window" 128 500)" = "$navy" ] || fail "a hover frame shows before any step"

# The first switch steps to the first choice, and its frame appears 7 pixels outside it.
press_key "$window" space
wait_for_pixel "$window" 128 500 ff00ff 5
if [ "$right_is_first" = 0 ]; then
    press_key "$window" space
    wait_for_pixel "$window" 461 500 ff00ff 5
fi

# The second switch picks it: every picture shows whole, without hover frames.
press_key "$window" Return
wait_for_pixel "$window" 500 200 ffff00 5
[ "$(pixel "$window" 300 200)" = ff0000 ] || fail "the model's left half is gone after the answer"
left_halves="$(pixel "$window" 183 500)$(pixel "$window" 516 500)"
case "$left_halves" in
ff000000ff00 | 00ff00ff0000) ;;
*) fail "the choices' left halves are $left_halves after the answer" ;;
esac
[ "$(pixel "$window" 128 500)" = "$navy" ] || fail "a hover frame shows during the pause"

# After the pause the next task begins with the next exercise, its right half covered again.
wait_for_pixel "$window" 300 200 0000ff 15
[ "$(pixel "$window" 500 200)" = "$navy" ] || fail "the next model's right half shows"

press_key "$window" Escape
wait_for_pixel "$window" 400 50 2236aa 5
press_key "$window" Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

mv "$content/data/English" "$content/data/Swedish"
rm "$content/data/Swedish/e2e"
mkdir -p "$content/data/Swedish/Options"
cp "$(dirname "$0")/../../content/data/Swedish/Options/vimo.txt" "$content/data/Swedish/Options/"
printf 'Svenska\r\n' >"$content/data/lang.txt"
start_game "$content"
window=$(game_window)
wait_for_pixel "$window" 400 50 2236aa 15
for key in space space space Return; do press_key "$window" "$key"; done
box=
for _ in $(seq 1 50); do
    box=$(xwininfo -root -tree 2>/dev/null | awk '/"Fel - en lista saknas\."/ {print $1; exit}')
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no message box captioned in Swedish said that the list is missing"
xdotool windowfocus --sync "$box" 2>/dev/null || true
sleep 0.3
xdotool key Return
wait_for_pixel "$window" 400 50 2236aa 5
press_key "$window" Escape
expect_exit 0
[ ! -s "$E2E_TMP/game.err" ] || fail "the game wrote to its standard error"

echo "find images: passed"
