// SPDX-License-Identifier: GPL-3.0-or-later
// The one door through which both programs open, create and list files in the content folder.
// Paths are written the way the content folder names them: relative, with backslashes, in any
// letter case (content made on Windows works unchanged). A path that would lead out of the
// content folder names nothing, whatever a file holds. Tests can hand in a layer that fails on
// purpose, to show that nothing is lost when a disk misbehaves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An open file read from the start. Owns its handle.
class InputStream {
public:
    virtual ~InputStream() = default;
    // Reads up to `size` bytes; returns how many came (0 at the end), or -1 with `error` set to
    // the system error code.
    virtual std::ptrdiff_t read(unsigned char* buffer, std::size_t size, std::uint32_t& error) = 0;
    // Goes back to the first byte; false with `error` set when it cannot.
    virtual bool rewind(std::uint32_t& error) = 0;
    // Moves `count` bytes on without handing them out, so that a reader wanting only a file's
    // end need not read the rest; false with `error` set when it cannot. By default it reads
    // them and lets them go.
    virtual bool skip(std::uint64_t count, std::uint32_t& error);
    // The size of the file in bytes as it is now, so a reader can turn away a file too large for
    // it before reading any of it.
    virtual std::uint64_t size() const = 0;
};

// A file being written. Nothing reaches the target until `commit` succeeds; a stream destroyed
// without a successful commit leaves the previous file as it was.
class OutputStream {
public:
    virtual ~OutputStream() = default;
    // Writes all bytes, or returns false with `error` set.
    virtual bool write(const unsigned char* bytes, std::size_t size, std::uint32_t& error) = 0;
    virtual bool commit(std::uint32_t& error) = 0;
};

enum class FolderEntries { Skip, Keep };

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Null when the path names no regular file (a folder, a missing file, a path ending in a
    // separator, a pipe, socket or device, a path out of the content folder). Never waits.
    virtual std::unique_ptr<InputStream> openForReading(std::u16string_view path) const = 0;

    // Null, with `error` set to the system's reason, when the file cannot be replaced: its folder
    // is missing (ENOENT, also for a path out of the content folder), it is a folder (EISDIR),
    // it or its disk is read-only (EROFS), the user may not write there (EACCES), or the disk is
    // full (ENOSPC).
    virtual std::unique_ptr<OutputStream> openForReplacing(std::u16string_view path,
                                                           std::uint32_t& error) = 0;

    // The bare names of the entries that match the last component of `pattern` (`*` and `?`,
    // letter case ignored, a pattern ending in ".*" also matching names without a dot), in the
    // order a Windows disk lists them. Folders are left out or kept as the caller asks.
    virtual std::vector<std::u16string> list(std::u16string_view pattern,
                                             FolderEntries folders) const = 0;

    // The platform path that `path` names, for libraries that open files themselves; empty for a
    // path out of the content folder.
    virtual std::filesystem::path resolve(std::u16string_view path) const = 0;

    // Removes the regular file `path`. False, with `error` set, when there is none (ENOENT), the
    // path names a folder (EISDIR) or the system refuses. A layer that cannot change its files
    // refuses with ENOTSUP.
    virtual bool remove(std::u16string_view path, std::uint32_t& error);

    // Copies `source`, a file anywhere on the local disk (as a file dialog names it), to `target`
    // in the content folder, never over an entry that is already there (EEXIST), whatever the
    // letter case of its name. The copy appears whole or not at all. A layer that cannot change
    // its files refuses with ENOTSUP.
    virtual bool copyIn(const std::filesystem::path& source, std::u16string_view target,
                        std::uint32_t& error);

    // Adds `bytes` at the end of the regular file `path`, creating it, and its folder when that
    // is missing. False, with `error` set, when the system refuses (also when the path names a
    // folder or something that is not a regular file). Never waits for a reader. A layer that
    // cannot change its files refuses with ENOTSUP.
    virtual bool append(std::u16string_view path, std::string_view bytes, std::uint32_t& error);

    // Cuts the regular file `path` back to its first `length` bytes, so that a writer can undo an
    // append that failed part-way; a file no longer than that stays as it is. False, with `error`
    // set, when there is no such file or the system refuses. A layer that cannot change its files
    // refuses with ENOTSUP.
    virtual bool truncate(std::u16string_view path, std::uint64_t length, std::uint32_t& error);

    // True when something matches `path` (a folder counts); false for a path ending in a
    // separator, which names no file.
    bool exists(std::u16string_view path) const;
};

bool endsWithSeparator(std::u16string_view path);

// True for a path that stays inside the content folder: relative (no leading separator, no drive
// letter) and without a ".." component.
bool staysInContentFolder(std::u16string_view path);
