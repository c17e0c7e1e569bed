// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlErrorBox.h"

#include "common/text/Utf8.h"

#include <cstdio>

void SdlErrorBox::showError(std::u16string_view text, std::u16string_view caption) {
    const std::string message = toUtf8(text);
    const std::string title = toUtf8(caption);
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), window_) !=
        0) {
        // No way to show a box (no display server at all): the adult still finds it here.
        std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
    }
}
