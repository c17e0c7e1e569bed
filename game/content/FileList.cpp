// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileList.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::uint32_t, 19> kPalette = {
    0xFF000000, 0xFFFFFFFF, 0xFF46DFF1, 0xFF3FCEFD, 0xFF0000FF, 0xFF2236AA, 0xFFEDFDC1,
    0xFFB5F58A, 0xFF99CF58, 0xFF70BA17, 0xFF4D763F, 0xFFFDE122, 0xFFFCA43B, 0xFFF46823,
    0xFFDB3A3A, 0xFFFFD4D4, 0xFFCD378C, 0xFFBC3FFD, 0xFF808080};

} // namespace

FileList::FileList(const FileSystem& files, RandomGenerator& random, const Clock& clock)
    : files_(files), random_(random) {
    random_.seed(clock.wallSeconds());
}

bool FileList::fill(std::u16string_view pattern) {
    std::vector<std::u16string> found = files_.list(pattern, FolderEntries::Skip);
    if (found.empty()) {
        return false;
    }
    for (auto& name : found) {
        names_.push_back(std::move(name));
    }
    return true;
}

void FileList::shuffle() {
    for (int i = static_cast<int>(names_.size()) - 1; i > 0; --i) {
        std::swap(names_[static_cast<std::size_t>(i)],
                  names_[static_cast<std::size_t>(randomInRange(random_, 0, i))]);
    }
    randomOrder_ = true;
}

std::u16string FileList::next() {
    if (names_.empty()) {
        return {};
    }
    if (!cursorInList()) {
        cursor_ = 0;
        if (randomOrder_) {
            shuffle();
        }
    }
    return names_[static_cast<std::size_t>(cursor_++)];
}

std::u16string FileList::previous() {
    if (names_.empty()) {
        return {};
    }
    if (!cursorInList()) {
        cursor_ = static_cast<int>(names_.size()) - 1;
        if (randomOrder_) {
            shuffle();
        }
    }
    return names_[static_cast<std::size_t>(cursor_--)];
}

std::u16string FileList::current() const {
    return cursorInList() ? names_[static_cast<std::size_t>(cursor_)] : std::u16string();
}

bool FileList::find(std::u16string_view name) {
    cursor_ = 0;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == name) {
            cursor_ = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

void FileList::clear() {
    names_.clear();
    cursor_ = 0;
}

void FileList::fillPalette() {
    colours_.insert(colours_.end(), kPalette.begin(), kPalette.end());
}

void FileList::selectColour(std::uint32_t argb) {
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        if (colours_[i] == argb) {
            colourCursor_ = static_cast<int>(i);
            return;
        }
    }
    colours_.push_back(argb);
    colourCursor_ = static_cast<int>(colours_.size()) - 1;
}

std::uint32_t FileList::nextColour() {
    if (colours_.empty()) {
        return 0;
    }
    ++colourCursor_;
    if (colourCursor_ < 0 || colourCursor_ >= static_cast<int>(colours_.size())) {
        colourCursor_ = 0;
    }
    return colours_[static_cast<std::size_t>(colourCursor_)];
}

void FileList::dropNamesWithControlCharacters() {
    std::erase_if(names_, [](const std::u16string& name) {
        return std::any_of(name.begin(), name.end(),
                           [](char16_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); });
    });
    cursor_ = 0;
}
