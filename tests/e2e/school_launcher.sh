#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher as installed. An account that played before profiles came has its settings (a
# light green menu) and log moved into the one profile its first start makes. A fresh account at
# a school whose system file names a shared folder, Swedish, the options lock and a lock hold of
# one second starts in Swedish on that folder, which stays as it was and is not copied; a click
# on the options button does not open the options screen, a hold does.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=mouse
. "$(dirname "$0")/session_common.bash"

source_content=$(dirname "$0")/../../content
# The installed tree, as the package lays it out.
root=$E2E_TMP/usr
mkdir -p "$root/share/games/vimo"
install -D "$(dirname "$VIMO_GAME")/../packaging/vimo" "$root/games/vimo"
install -D "$VIMO_GAME" "$root/lib/games/vimo/Vimo"
cp -r "$source_content" "$root/share/games/vimo/content"
rm -f "$root/share/games/vimo/content/options/vimo.opt"

# Starts the installed game as an account whose home is $1, with the system file $2.
start_launcher() {
    env HOME="$1" XDG_DATA_HOME= VIMO_SYSTEM_CONFIG="$2" SDL_AUDIODRIVER=dummy \
        SDL_RENDER_DRIVER=software "$root/games/vimo" --windowed 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
    window=$(game_window)
}

# The options screen's help line while the pointer is on the menu's music box.
help_line() { timeout 5 xdotool mousemove --window "$window" 350 300 && sleep 0.6 && take_shot &&
    shot_region 0 160 800 40; }

start_x
child=$(id -un)
old=$E2E_TMP/old/.local/share/vimo
mkdir -p "$(dirname "$old")" && cp -r "$source_content" "$old" && mkdir "$old/log"
sed '19s/^.*\r$/-1180223\r/' "$old/options/English.opt" >"$old/options/vimo.opt"
printf 'time,screen,input,event,detail,right\r\n' >"$old/log/2024-01-01.csv"
start_launcher "$E2E_TMP/old" "$E2E_TMP/none.conf"
menu_blue=edfdc1
wait_for_menu 15
sleep 0.6
click_at "$window" 110 40
wait_for_pixel "$window" 400 20 3fcefd 5
english=$(help_line)
press_key "$window" Escape
wait_for_menu
press_key "$window" Escape
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game"
[ "$(ls "$old/children")" = "$child" ] || fail "the first start made the profiles $(ls "$old/children")"
[ "$(sed -n 19p "$old/children/$child/options/vimo.opt" | tr -d '\r')" = -1180223 ] ||
    fail "the settings did not move into the profile"
[ -f "$old/children/$child/log/2024-01-01.csv" ] || fail "the log did not move into the profile"
[ ! -e "$old/options/vimo.opt" ] && [ ! -e "$old/log" ] || fail "the old settings were left behind"

# The school: a fresh account, the shared folder and the system file.
shared=$E2E_TMP/shared
cp -r "$source_content" "$shared"
rm -f "$shared/options/vimo.opt"
chmod -R a-w "$shared"
listing "$shared" >"$E2E_TMP/shared.before"
printf '# the school'"'"'s settings\ncontent = %s\nlanguage=Swedish\noptionsLock=1\n' "$shared" \
    >"$E2E_TMP/vimo.conf"
printf 'lockHoldTime=1000\nnot a setting\n' >>"$E2E_TMP/vimo.conf"
fresh=$E2E_TMP/fresh
start_launcher "$fresh" "$E2E_TMP/vimo.conf"
menu_blue=2236aa
wait_for_menu 15
sleep 0.6
click_at "$window" 110 40
sleep 1.5
[ "$(pixel "$window" 400 20)" != 3fcefd ] || fail "a click opened the options screen"
sleep 0.6
timeout 5 xdotool mousemove --window "$window" 110 40 mousedown 1 || fail "could not press"
sleep 1.5
xdotool mouseup 1
wait_for_pixel "$window" 400 20 3fcefd 5
[ "$(help_line)" != "$english" ] || fail "the options screen speaks English"
press_key "$window" Escape
wait_for_menu
press_key "$window" Escape
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game"
# The language a first start took is kept in the child's settings, on their last line.
[ "$(tail -n 1 "$fresh/.local/share/vimo/children/$child/options/vimo.opt" | tr -d '\r')" = Swedish ] ||
    fail "the first start did not keep Swedish in the child's settings"
[ ! -e "$fresh/.local/share/vimo/data" ] || fail "the shared content was copied"
listing "$shared" | cmp -s - "$E2E_TMP/shared.before" || fail "the shared folder changed"
echo "school launcher: passed"
