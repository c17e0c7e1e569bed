// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the session log that the game writes to log\<date>.csv and the editor sums up for
// a therapist: the header, the time stamp, the names of inputs and events, and the CSV quoting
// both sides agree on; the screens' names are those of the game's screen table. Kept in one place
// so the writer and the reader cannot drift apart.
#pragma once

#include "common/content/LocalTime.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kLogHeader = "time,screen,input,event,detail";
inline constexpr std::u16string_view kLogFolder = u"log";

// Which switch a press came from; rows that no press caused have none.
enum class LogInput { None, First, Second, Mouse, Controller };
inline constexpr std::array<std::string_view, 5> kLogInputNames = {"", "first", "second", "mouse",
                                                                   "controller"};

// start and end: a screen shown and left; press: a switch pressed; choose: a picture selected by
// the scanner or the mouse; correct and wrong: an answer in find images; step: a new picture or
// exercise shown; done: an activity came to the end of its list.
enum class LogEvent { Start, Press, Choose, Correct, Wrong, Step, Done, End };
inline constexpr std::array<std::string_view, 8> kLogEventNames = {
    "start", "press", "choose", "correct", "wrong", "step", "done", "end"};

// `text` as one CSV field: in double quotes, its quotes doubled, when it holds a comma, a quote
// or a line break; as it is otherwise.
std::string csvField(std::string_view text);

// The records of CSV `text`, each a list of fields; a quoted field may hold commas, doubled
// quotes and line breaks. CR LF and LF both end a record; empty lines and a leading byte-order
// mark are passed over.
std::vector<std::vector<std::string>> readCsv(std::string_view text);

// A row's day, YYYY-MM-DD: the start of its time stamp and the name of the file it goes to.
std::string logDayOf(const LocalTime& time);
// A row's time stamp, local time to the millisecond: YYYY-MM-DDTHH:MM:SS.mmm.
std::string logTimeStampOf(const LocalTime& time);
// Milliseconds since 1970 of the local time a time stamp reads; none when `stamp` is not one.
std::optional<long long> logMomentOf(std::string_view stamp);

// One row as the game appends it, ending in CR LF: when, on which screen (its log name), from
// which switch, what happened and about which exercise.
std::string logRowOf(const LocalTime& time, std::string_view screen, LogInput input, LogEvent event,
                     std::string_view detail);

// What a reader takes from a row.
struct LogRow {
    std::string day; // YYYY-MM-DD
    long long moment = 0;
    std::string screen;
    LogEvent event = LogEvent::Start;
};
// The row of one CSV record of the log; none for the header and for a row spoilt by hand.
std::optional<LogRow> readLogRow(const std::vector<std::string>& record);
