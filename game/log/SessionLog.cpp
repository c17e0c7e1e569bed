// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionLog.h"

#include "common/text/Utf8.h"

#include <optional>

namespace {

// What a flush must know of a day's file before it appends to it.
struct DayFileEnd {
    bool exists = false;
    // None when the file is there but cannot be read.
    std::optional<std::uint64_t> length;
    // False when the file's last row was torn off before its line end.
    bool endsLine = true;
};

DayFileEnd dayFileEnd(const FileSystem& files, std::u16string_view path) {
    DayFileEnd end;
    end.exists = files.exists(path);
    const std::unique_ptr<InputStream> stream = files.openForReading(path);
    if (!end.exists || !stream) {
        end.length = end.exists ? std::nullopt : std::optional<std::uint64_t>(0);
        end.endsLine = !end.exists;
        return end;
    }
    end.length = stream->size();
    if (*end.length > 0) {
        unsigned char last = 0;
        std::uint32_t error = 0;
        end.endsLine = stream->skip(*end.length - 1, error) && stream->read(&last, 1, error) == 1 &&
                       last == '\n';
    }
    return end;
}

} // namespace

SessionLog::~SessionLog() {
    flush();
}

void SessionLog::screenStarted(std::string_view screen) {
    screen_ = screen;
    exercise_.clear();
    lastInput_.clear();
    add({}, LogEvent::Start, {});
}

void SessionLog::screenEnded() {
    add({}, LogEvent::End, {});
}

void SessionLog::settings(std::string_view detail) {
    add({}, LogEvent::Settings, detail);
}

void SessionLog::press(LogInput input) {
    lastInput_ = logInputName(input);
    add(lastInput_, LogEvent::Press, exercise_);
}

void SessionLog::keyPress(std::string_view keyName) {
    lastInput_ = logKeyInput(keyName);
    add(lastInput_, LogEvent::Press, exercise_);
}

void SessionLog::note(LogEvent event, std::u16string_view exercise) {
    if (!exercise.empty() || event == LogEvent::Step) {
        exercise_ = toUtf8(exercise);
    }
    // A choice or an answer is the doing of the press before it, and so is waking the scanning.
    const bool pressed = event == LogEvent::Choose || event == LogEvent::Correct ||
                         event == LogEvent::Wrong || event == LogEvent::Wake;
    add(pressed ? lastInput_ : std::string(), event, exercise_);
}

void SessionLog::choice(LogEvent event, std::u16string_view picked) {
    const std::string name = toUtf8(picked);
    add(lastInput_, event, name, name == exercise_ ? std::string() : exercise_);
}

void SessionLog::add(std::string_view input, LogEvent event, std::string_view detail,
                     std::string_view right) {
    if (!enabled_ || givenUp_) {
        return;
    }
    const LocalTime now = clock_.now();
    rows_.push_back(Row{logDayOf(now), logRowOf(now, screen_, input, event, detail, right)});
}

void SessionLog::flush() {
    std::size_t first = 0;
    while (first < rows_.size() && !givenUp_) {
        // The rows of one day go to that day's file in one write.
        const std::string& day = rows_[first].day;
        std::string rows;
        std::size_t next = first;
        for (; next < rows_.size() && rows_[next].day == day; ++next) {
            rows += rows_[next].text;
        }
        givenUp_ = !appendToDay(day, rows);
        first = next;
    }
    rows_.clear();
}

bool SessionLog::appendToDay(const std::string& day, std::string_view rows) {
    const std::u16string path = std::u16string(kLogFolder) + u"\\" + fromUtf8(day) + u".csv";
    const DayFileEnd end = dayFileEnd(files_, path);
    std::string bytes;
    if (end.length == 0u) {
        bytes.append(kLogHeader).append("\r\n");
    } else if (!end.endsLine) {
        // A row torn off before its line end (a game ended mid-write) keeps its own line.
        bytes.append("\r\n");
    }
    bytes += rows;
    std::uint32_t error = 0;
    if (files_.append(path, bytes, error)) {
        return true;
    }
    // A write the disk cut short leaves no part of a row behind.
    if (end.length) {
        files_.truncate(path, *end.length, error);
    }
    return false;
}
