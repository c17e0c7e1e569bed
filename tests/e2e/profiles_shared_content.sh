#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two children, each with a profile, on a shared content folder the game may read but not write.
# Alva's light green menu shows; a setting she changes and her session log land in her profile.
# Bo's empty profile gets the starting settings and a log of his own. Neither run touches the
# other's files. Started on the folder of both profiles, the game first shows the children, and a
# click on Alva's card plays with her settings. The shared folder stays byte for byte as it was,
# and nothing goes to stderr.
set -u
VIMO_GAME=$1
. "$(dirname "$0")/lib.sh"
SESSION_INPUT=mouse
. "$(dirname "$0")/session_common.bash"

# The build folder may lie where only its owner can enter, so the unprivileged user runs a copy.
chmod 755 "$E2E_TMP"
cp "$VIMO_GAME" "$E2E_TMP/Vimo"
shared=$E2E_TMP/shared
cp -r "$(dirname "$0")/../../content" "$shared"
rm -f "$shared/options/vimo.opt"
chmod -R a+rX,a-w "$shared"
listing "$shared" >"$E2E_TMP/shared.before"

# Alva's profile: the starting settings with her menu colour, and the session log on.
children=$E2E_TMP/children
alva=$children/alva
bo=$children/bo
mkdir -p "$alva/options"
sed '19s/^.*\r$/-1180223\r/' "$shared/options/English.opt" >"$alva/options/vimo.opt"
printf 'log=1\r\n' >"$alva/options/access.opt"
mkdir -p "$bo/options"
printf 'log=1\r\n' >"$bo/options/access.opt"
chown -R nobody: "$alva" "$bo"

# Plays as the user who may not write the shared folder, with the option $1 (--profile or
# --children) naming folder $2.
start_child() {
    SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software setpriv --reuid=nobody --regid=nogroup \
        --clear-groups env HOME="$E2E_TMP" XDG_RUNTIME_DIR= "$E2E_TMP/Vimo" --windowed \
        --content "$shared" "$1" "$2" 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
    window=$(game_window)
}

start_x
start_child --profile "$alva"
menu_blue=edfdc1
wait_for_menu 15
# The menu's music, switched off on the options screen.
sleep 0.6
click_at "$window" 110 40
wait_for_pixel "$window" 400 20 3fcefd 5
click_at "$window" 80 87
sleep 0.6
take_shot
before=$(shot_region 245 262 210 76)
click_at "$window" 350 300
wait_for_region_change 245 262 210 76 "$before"
press_key "$window" Escape
wait_for_menu
press_key "$window" Escape
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game on Alva's profile"
[ "$(sed -n 17p "$alva/options/vimo.opt" | tr -d '\r')" = 0 ] ||
    fail "the menu's music did not reach Alva's settings"
alva_logs=$(cat "$alva"/log/*.csv 2>/dev/null | wc -l)
[ "$alva_logs" -gt 2 ] || fail "Alva's session was not logged in her profile"
listing "$alva" >"$E2E_TMP/alva.after"

start_child --profile "$bo"
menu_blue=2236aa
wait_for_menu 15
press_key "$window" Escape
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game on Bo's profile"
[ "$(sed -n 19p "$bo/options/vimo.opt" | tr -d '\r')" = -14534998 ] ||
    fail "Bo's first start did not write the content's starting settings in his profile"
[ -n "$(cat "$bo"/log/*.csv 2>/dev/null)" ] || fail "Bo's session was not logged in his profile"
listing "$alva" | cmp -s - "$E2E_TMP/alva.after" || fail "Bo's start changed Alva's profile"

# Both children's cards, side by side: Alva's on the left.
start_child --children "$children"
wait_for_pixel "$window" 400 50 2236aa 15 # the starting settings' background
click_at "$window" 200 300
menu_blue=edfdc1
wait_for_menu 15
press_key "$window" Escape
expect_exit 0
expect_no_errors "$E2E_TMP/game.err" "the game started on the children's cards"
[ "$(cat "$alva"/log/*.csv | wc -l)" -gt "$alva_logs" ] ||
    fail "the session of the child chosen on her card was not logged in her profile"
listing "$shared" | cmp -s - "$E2E_TMP/shared.before" ||
    { listing "$shared" | diff "$E2E_TMP/shared.before" - >&2; fail "the shared folder changed"; }
echo "profiles on a shared content folder: passed"
