// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps SDL_image's decoders started for as long as it lives. Several owners may live at once:
// the decoders stop when the last one goes.
#pragma once

class ImageLibrary {
public:
    ImageLibrary();
    ~ImageLibrary();
    ImageLibrary(const ImageLibrary&) = delete;
    ImageLibrary& operator=(const ImageLibrary&) = delete;
};
