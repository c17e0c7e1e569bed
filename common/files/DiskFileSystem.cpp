#include "DiskFileSystem.h"

#include "common/files/DiskInputStream.h"
#include "common/files/ReplacingOutputStream.h"
#include "common/files/WildcardPattern.h"
#include "common/text/CaseFolding.h"
#include "common/text/CodePage.h"
#include "common/text/Utf8.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

std::vector<std::u16string_view> splitComponents(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) {
            ++end;
        }
        std::u16string_view part = path.substr(start, end - start);
        if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

bool entryExists(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// The entry of `folder` whose name equals `name` ignoring case; the first in listing order when
// several do.
std::optional<fs::path> findIgnoringCase(const fs::path& folder, std::u16string_view name) {
    std::error_code ec;
    std::optional<fs::path> best;
    std::u16string bestName;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::u16string entryName = nameFromDisk(it->path().filename());
        if (equalsIgnoringCase(entryName, name) &&
            (!best || compareFileNames(entryName, bestName) < 0)) {
            best = it->path();
            bestName = std::move(entryName);
        }
    }
    return best;
}

} // namespace

std::u16string nameFromDisk(const fs::path& name) {
    const std::string& bytes = name.native();
    if (auto text = fromUtf8Strict(bytes)) {
        return *std::move(text);
    }
    return ansiToWide(bytes);
}

DiskFileSystem::DiskFileSystem(fs::path root) : root_(std::move(root)) {}

fs::path DiskFileSystem::resolve(std::u16string_view path) const {
    const bool absolute = !path.empty() && path.front() == u'/';
    fs::path current = absolute ? fs::path("/") : root_;
    bool walking = true; // false once a component is missing: nothing below it can exist
    for (std::u16string_view part : splitComponents(path)) {
        fs::path exact = current / toUtf8(part);
        if (!walking || part == u".." || entryExists(exact)) {
            current = std::move(exact);
        } else if (auto found = findIgnoringCase(current, part)) {
            current = std::move(*found);
        } else {
            current = std::move(exact);
            walking = false;
        }
    }
    if (endsWithSeparator(path)) {
        current += "/";
    }
    return current;
}

std::unique_ptr<InputStream> DiskFileSystem::openForReading(std::u16string_view path) const {
    if (path.empty() || endsWithSeparator(path)) {
        return nullptr;
    }
    return DiskInputStream::open(resolve(path));
}

std::unique_ptr<OutputStream> DiskFileSystem::openForReplacing(std::u16string_view path,
                                                               std::uint32_t& error) {
    if (path.empty() || endsWithSeparator(path)) {
        error = EISDIR;
        return nullptr;
    }
    return ReplacingOutputStream::open(resolve(path), error);
}

std::vector<std::u16string> DiskFileSystem::list(std::u16string_view pattern,
                                                 FolderEntries folders) const {
    std::size_t cut = pattern.size();
    while (cut > 0 && !isSeparator(pattern[cut - 1])) {
        --cut;
    }
    const std::u16string_view namePattern = pattern.substr(cut);
    std::vector<std::u16string> names;
    if (namePattern.empty()) {
        return names;
    }
    const fs::path folder = cut == 0 ? root_ : resolve(pattern.substr(0, cut));
    std::error_code ec;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::u16string name = nameFromDisk(it->path().filename());
        if (isTemporaryFileName(name) || !matchesWildcard(namePattern, name)) {
            continue;
        }
        std::error_code typeError;
        if (folders == FolderEntries::Skip && it->is_directory(typeError)) {
            continue;
        }
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
        return compareFileNames(a, b) < 0;
    });
    return names;
}
