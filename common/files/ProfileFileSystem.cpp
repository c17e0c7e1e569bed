// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFileSystem.h"

#include "common/text/CaseFolding.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace {

// The path's components, without empty ones and ".", as the disk layer reads them.
std::vector<std::u16string_view> componentsOf(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = std::min(path.find_first_of(u"\\/", start), path.size());
        const std::u16string_view part = path.substr(start, end - start);
        if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

} // namespace

ProfileFileSystem::ProfileFileSystem(std::filesystem::path content, std::filesystem::path profile)
    : content_(std::move(content)), profile_(std::move(profile)) {}

ProfileFileSystem::Place ProfileFileSystem::placeOf(std::u16string_view path) {
    const std::vector<std::u16string_view> parts = componentsOf(path);
    if (parts.empty()) {
        return Place::Content;
    }
    if (equalsIgnoringCase(parts[0], u"log")) {
        return Place::Profile;
    }
    if (equalsIgnoringCase(parts[0], u"options")) {
        // The child's own settings never come from another child's or the teacher's copy.
        const bool own = parts.size() == 2 && (equalsIgnoringCase(parts[1], u"vimo.opt") ||
                                               equalsIgnoringCase(parts[1], u"access.opt"));
        return own ? Place::Profile : Place::ProfileFirst;
    }
    const bool languageFile = parts.size() == 2 && equalsIgnoringCase(parts[0], u"data") &&
                              equalsIgnoringCase(parts[1], u"lang.txt");
    return languageFile ? Place::ProfileFirst : Place::Content;
}

const DiskFileSystem& ProfileFileSystem::reader(std::u16string_view path) const {
    switch (placeOf(path)) {
    case Place::Profile:
        return profile_;
    case Place::ProfileFirst:
        return profile_.exists(path) ? profile_ : content_;
    case Place::Content:
        break;
    }
    return content_;
}

DiskFileSystem* ProfileFileSystem::writer(std::u16string_view path, std::uint32_t& error) {
    if (placeOf(path) == Place::Content) {
        error = EROFS;
        return nullptr;
    }
    return &profile_;
}

std::unique_ptr<InputStream> ProfileFileSystem::openForReading(std::u16string_view path) const {
    return reader(path).openForReading(path);
}

std::unique_ptr<OutputStream> ProfileFileSystem::openForReplacing(std::u16string_view path,
                                                                  std::uint32_t& error) {
    DiskFileSystem* target = writer(path, error);
    if (target == nullptr) {
        return nullptr;
    }
    // A new profile is an empty folder: the settings' folder is made with the first settings.
    if (staysInContentFolder(path) && !endsWithSeparator(path)) {
        std::error_code ignored;
        std::filesystem::create_directory(target->resolve(path).parent_path(), ignored);
    }
    return target->openForReplacing(path, error);
}

bool ProfileFileSystem::append(std::u16string_view path, std::string_view bytes,
                               std::uint32_t& error) {
    DiskFileSystem* target = writer(path, error);
    return target != nullptr && target->append(path, bytes, error);
}

bool ProfileFileSystem::remove(std::u16string_view path, std::uint32_t& error) {
    DiskFileSystem* target = writer(path, error);
    return target != nullptr && target->remove(path, error);
}

bool ProfileFileSystem::copyIn(const std::filesystem::path& source, std::u16string_view target,
                               std::uint32_t& error) {
    DiskFileSystem* layer = writer(target, error);
    return layer != nullptr && layer->copyIn(source, target, error);
}

std::vector<std::u16string> ProfileFileSystem::list(std::u16string_view pattern,
                                                    FolderEntries folders) const {
    switch (placeOf(pattern)) {
    case Place::Profile:
        return profile_.list(pattern, folders);
    case Place::Content:
        return content_.list(pattern, folders);
    case Place::ProfileFirst:
        break;
    }
    // Both folders' entries, a name the two share listed once, in the disk's order.
    std::vector<std::u16string> names = profile_.list(pattern, folders);
    for (std::u16string& name : content_.list(pattern, folders)) {
        const bool known = std::any_of(names.begin(), names.end(), [&name](const auto& listed) {
            return equalsIgnoringCase(listed, name);
        });
        if (!known) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
        return compareFileNames(a, b) < 0;
    });
    return names;
}

std::filesystem::path ProfileFileSystem::resolve(std::u16string_view path) const {
    return reader(path).resolve(path);
}
