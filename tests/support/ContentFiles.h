// SPDX-License-Identifier: GPL-3.0-or-later
// Content files as the tests need them: lists written the way the editor saves them, pictures and
// sounds good and bad.
#pragma once

#include "PngWriter.h"
#include "tests/common/audio/PcmWave.h"

#include <cstdint>
#include <string>
#include <vector>

struct ListItem {
    std::string name;
    std::string image{};
    std::string sound{};
    std::string speech{};
    std::string text{};
    std::string colour = "16777215"; // no colour of its own
};

// UTF-8 with its mark, six lines an exercise, CR LF.
inline std::string listBytes(const std::vector<ListItem>& items) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const ListItem& item : items) {
        for (const std::string* field :
             {&item.name, &item.image, &item.sound, &item.speech, &item.text, &item.colour}) {
            bytes += *field;
            bytes += "\r\n";
        }
    }
    return bytes;
}

// A small picture of one colour.
inline std::string solidPng(std::uint32_t rgb, std::uint32_t width = 64,
                            std::uint32_t height = 48) {
    return png::solidRgb(width, height, rgb);
}

// A tenth of a second of sound.
inline std::string shortWave() {
    return pcmWave(22050, 2205);
}

// A picture in scalable vector form that declares itself 100000 pixels square: a decoder that
// takes it would rasterise it at that size.
inline std::string hugeVectorPicture() {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100000\" height=\"100000\">"
           "<rect width=\"100000\" height=\"100000\" fill=\"red\"/></svg>\n";
}
