// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionLog.h"

#include "common/text/Utf8.h"

#include <cstdio>

namespace {

std::string dayOf(const LocalTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year % 10000, t.month % 100, t.day % 100);
    return text;
}

std::string timeOf(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "T%02d:%02d:%02d.%03d", t.hour % 100, t.minute % 100,
                  t.second % 100, t.millisecond % 1000);
    return dayOf(t) + text;
}

std::string_view nameOf(LogInput input) {
    return kLogInputNames[static_cast<std::size_t>(input)];
}

std::string_view nameOf(LogEvent event) {
    return kLogEventNames[static_cast<std::size_t>(event)];
}

} // namespace

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
    std::string text = timeOf(now);
    for (const std::string_view field : {std::string_view(screen_), nameOf(input), nameOf(event)}) {
        text += ',';
        text += csvField(field);
    }
    text += ',';
    text += csvField(detail);
    text += "\r\n";
    rows_.push_back(Row{dayOf(now), std::move(text)});
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
