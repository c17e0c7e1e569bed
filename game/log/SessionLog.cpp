// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionLog.h"

#include "common/text/Utf8.h"

SessionLog::~SessionLog() {
    flush();
}

void SessionLog::screenStarted(std::string_view screen) {
    screen_ = screen;
    exercise_.clear();
    lastInput_ = LogInput::None;
    add(LogInput::None, LogEvent::Start, {});
}

void SessionLog::screenEnded() {
    add(LogInput::None, LogEvent::End, {});
}

void SessionLog::press(LogInput input) {
    lastInput_ = input;
    add(input, LogEvent::Press, exercise_);
}

void SessionLog::note(LogEvent event, std::u16string_view exercise) {
    if (!exercise.empty() || event == LogEvent::Step) {
        exercise_ = toUtf8(exercise);
    }
    // A choice or an answer is the doing of the press before it.
    const bool pressed =
        event == LogEvent::Choose || event == LogEvent::Correct || event == LogEvent::Wrong;
    add(pressed ? lastInput_ : LogInput::None, event, exercise_);
}

void SessionLog::add(LogInput input, LogEvent event, std::string_view detail) {
    if (!enabled_ || givenUp_) {
        return;
    }
    const LocalTime now = clock_.now();
    rows_.push_back(Row{logDayOf(now), logRowOf(now, screen_, logInputName(input), event, detail)});
}

void SessionLog::flush() {
    std::size_t first = 0;
    while (first < rows_.size() && !givenUp_) {
        // The rows of one day go to that day's file in one write.
        const std::string& day = rows_[first].day;
        const std::u16string path = std::u16string(kLogFolder) + u"\\" + fromUtf8(day) + u".csv";
        std::string bytes;
        if (!files_.exists(path)) {
            bytes.append(kLogHeader).append("\r\n");
        }
        std::size_t next = first;
        for (; next < rows_.size() && rows_[next].day == day; ++next) {
            bytes += rows_[next].text;
        }
        std::uint32_t error = 0;
        givenUp_ = !files_.append(path, bytes, error);
        first = next;
    }
    rows_.clear();
}
