// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProfiles.h"

#include "common/text/Utf8.h"

#include <algorithm>
#include <atomic>
#include <unistd.h>

namespace {

constexpr std::size_t kLongestFolderName = 255; // bytes, as Linux file systems allow

std::filesystem::path photoOf(const std::filesystem::path& folder) {
    for (const char* name : {"photo.png", "photo.jpg", "photo.jpeg", "photo.PNG", "photo.JPG"}) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(folder / name, ignored)) {
            return folder / name;
        }
    }
    return {};
}

std::filesystem::path pathOf(const std::u16string& name) {
    return std::filesystem::path(toUtf8(name));
}

} // namespace

std::vector<ChildProfile> listChildProfiles(const std::filesystem::path& children) {
    std::vector<ChildProfile> profiles;
    std::error_code error;
    std::filesystem::directory_iterator entries(children, error);
    if (error) {
        return profiles;
    }
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        std::error_code ignored;
        if (name.empty() || name.front() == '.' || !entry.is_directory(ignored)) {
            continue;
        }
        profiles.push_back({fromUtf8(name), entry.path(), photoOf(entry.path())});
    }
    std::sort(profiles.begin(), profiles.end(), [](const ChildProfile& a, const ChildProfile& b) {
        return a.folder.filename() < b.folder.filename();
    });
    return profiles;
}

ChildNameFault checkChildName(const std::u16string& name) {
    if (name.empty()) {
        return ChildNameFault::Empty;
    }
    if (name.front() == u'.') {
        return ChildNameFault::Hidden;
    }
    for (const char16_t c : name) {
        if (c == u'/' || c == u'\\' || c < 0x20 || c == 0x7F) {
            return ChildNameFault::Separator;
        }
    }
    return toUtf8(name).size() > kLongestFolderName ? ChildNameFault::TooLong
                                                    : ChildNameFault::None;
}

bool makeChildProfile(const std::filesystem::path& children, const std::u16string& name,
                      std::error_code& error) {
    if (checkChildName(name) != ChildNameFault::None) {
        error = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    std::filesystem::create_directories(children, error);
    if (error) {
        return false;
    }
    // create_directory says nothing of a folder already there; it must not be taken over.
    if (!std::filesystem::create_directory(children / pathOf(name), error)) {
        if (!error) {
            error = std::make_error_code(std::errc::file_exists);
        }
        return false;
    }
    return true;
}

bool renameChildProfile(const std::filesystem::path& folder, const std::u16string& name,
                        std::error_code& error) {
    if (checkChildName(name) != ChildNameFault::None) {
        error = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    const std::filesystem::path target = folder.parent_path() / pathOf(name);
    if (target == folder) {
        error.clear();
        return true;
    }
    // rename() would put an empty folder of that name out of the way; a profile is never lost.
    if (std::filesystem::exists(target, error) || error) {
        if (!error) {
            error = std::make_error_code(std::errc::file_exists);
        }
        return false;
    }
    std::filesystem::rename(folder, target, error);
    return !error;
}

bool removeChildProfile(const std::filesystem::path& folder, std::error_code& error) {
    static std::atomic<unsigned> removals{0};
    const std::filesystem::path hidden =
        folder.parent_path() / (".removed-" + std::to_string(::getpid()) + "-" +
                                std::to_string(removals++) + "-" + folder.filename().string());
    std::filesystem::rename(folder, hidden, error);
    if (error) {
        return false;
    }
    std::filesystem::remove_all(hidden, error);
    return !error;
}
