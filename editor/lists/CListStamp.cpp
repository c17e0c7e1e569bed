// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/lists/CListStamp.h"

void CListStamp::take(std::u16string_view path) {
    path_ = path;
    taken_ = true;
    stamp_ = stampOf(path);
}

void CListStamp::forget() {
    taken_ = false;
    path_.clear();
    stamp_.reset();
}

bool CListStamp::changedOnDisk(std::u16string_view path) const {
    if (!taken_ || path != path_) {
        return false;
    }
    const std::optional<Stamp> now = stampOf(path);
    return now.has_value() && now != stamp_;
}

std::optional<CListStamp::Stamp> CListStamp::stampOf(std::u16string_view path) const {
    const std::filesystem::path file = files_.resolve(path);
    std::error_code error;
    if (file.empty() || !std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    const auto modified = std::filesystem::last_write_time(file, error);
    if (error) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        return std::nullopt;
    }
    return Stamp{modified, size};
}
