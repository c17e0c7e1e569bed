// SPDX-License-Identifier: GPL-3.0-or-later
// The picture the game opens with, and its one-line copyright notice, drawn straight to the
// window before the menu is built.
#pragma once

#include "game/content/GameTexts.h"
#include "game/gfx/Graphics.h"

#include <string_view>

// How long the splash stays, in milliseconds.
inline constexpr unsigned kSplashMilliseconds = 4000;

// Draws gfx\splash\splash.png at (0, 0) and the copyright notice of `texts` in white Arial 16
// points, centred in the band from y 530 to 580. Everything it makes is released before it
// returns.
void drawSplash(Graphics& window, const GameTexts& texts);
