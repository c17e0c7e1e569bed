// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps SDL_ttf (and the FreeType library under it) started for as long as it lives. Every font
// must be closed before the last owner goes.
#pragma once

class TtfLibrary {
public:
    TtfLibrary();
    ~TtfLibrary();
    TtfLibrary(const TtfLibrary&) = delete;
    TtfLibrary& operator=(const TtfLibrary&) = delete;

    bool started() const { return started_; }

private:
    bool started_ = false;
};
