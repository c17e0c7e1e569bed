// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/log/LoggedSessions.h"

#include "common/content/LogRecordStream.h"
#include "common/content/SessionLogFormat.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Reads one file into the tally; the reason it was not read whole, if it was not.
std::optional<UnreadLogFile::Why> readLogFile(InputStream& input, SessionTally& tally) {
    if (input.size() > kLargestLogFile) {
        return UnreadLogFile::Why::TooLarge;
    }
    LogRecordStream records([&tally](const LogRecordStream::Record& record) {
        if (const std::optional<LogRow> row = readLogRow(record)) {
            tally.add(*row);
        } // else the header, or a row spoilt by hand
    });
    std::array<unsigned char, 64 * 1024> buffer{};
    std::size_t total = 0;
    for (;;) {
        std::uint32_t error = 0;
        const std::ptrdiff_t got = input.read(buffer.data(), buffer.size(), error);
        if (got < 0) {
            // What was read before the failure counts; its last row may be torn.
            return total == 0 ? UnreadLogFile::Why::Unreadable : UnreadLogFile::Why::Cut;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
        if (total > kLargestLogFile) {
            return UnreadLogFile::Why::Cut; // it grew while it was read
        }
        records.feed(std::string_view(reinterpret_cast<const char*>(buffer.data()),
                                      static_cast<std::size_t>(got)));
    }
    return records.finish() ? std::optional(UnreadLogFile::Why::Cut) : std::nullopt;
}

} // namespace

LoggedSessions readLoggedSessions(const FileSystem& files) {
    LoggedSessions log;
    const std::u16string folder = std::u16string(kLogFolder) + u"\\";
    std::vector<std::u16string> names = files.list(folder + u"*.csv", FolderEntries::Skip);
    // Named by their dates, the files sort oldest first.
    std::sort(names.begin(), names.end());
    for (const std::u16string& name : names) {
        const std::unique_ptr<InputStream> input = files.openForReading(folder + name);
        const std::optional<UnreadLogFile::Why> why =
            input ? readLogFile(*input, log.tally) : UnreadLogFile::Why::Unreadable;
        if (why) {
            log.unread.push_back({name, *why});
        }
    }
    log.tally.finish();
    return log;
}
