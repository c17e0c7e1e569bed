// SPDX-License-Identifier: GPL-3.0-or-later
#include "Splash.h"

void drawSplash(Graphics& window, const GameTexts& texts) {
    {
        const std::unique_ptr<Image> splash =
            window.loadImage(u"gfx\\splash\\splash.png", true, {});
        window.drawImage(*splash, 0, 0);
    }
    const std::unique_ptr<Font> font = window.createFont(u"Arial", 16, FontUnit::Point);
    window.drawString(texts[GameTexts::CopyrightNotice], *font, RectF{0, 530, 800, 50}, 0xFFFFFFFF,
                      TextAlignment::Centre);
}
