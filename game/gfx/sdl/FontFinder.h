// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the font file for a family name through fontconfig, the way the game names its fonts: the
// family itself, or its free stand-in with the same metrics, or else the generic sans-serif
// family. Keeps fontconfig started while it lives, and remembers what it found.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

struct FontFile {
    std::string path;
    int index = 0;
    std::u16string family; // the family actually found
};

class FontFinder {
public:
    FontFinder();
    ~FontFinder();
    FontFinder(const FontFinder&) = delete;
    FontFinder& operator=(const FontFinder&) = delete;

    // Empty only when the system has no usable font at all.
    std::optional<FontFile> find(std::u16string_view family);
    std::optional<FontFile> sansSerif();

private:
    // fontconfig always answers with some font; `accepted` tells which families count.
    std::optional<FontFile> match(std::u16string_view family, std::u16string_view accepted1,
                                  std::u16string_view accepted2) const;

    std::map<std::u16string, std::optional<FontFile>> found_;
};
