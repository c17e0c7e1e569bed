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

// detail names the exercise a row is about (for a choice, the picture pressed); right names the
// right answer where a choice was another picture; a settings row's detail lists the settings.
inline constexpr std::string_view kLogHeader = "time,screen,input,event,detail,right";
inline constexpr std::u16string_view kLogFolder = u"log";

// Which switch a press came from; rows that no press caused have none. Any other key the game
// takes as a press is named by itself (logKeyInput).
enum class LogInput { None, First, Second, Mouse, Controller };
inline constexpr std::array<std::string_view, 5> kLogInputNames = {"", "first", "second", "mouse",
                                                                   "controller"};
std::string_view logInputName(LogInput input);
// The input column for a key that is none of the switches: "key:" and the key's name.
std::string logKeyInput(std::string_view keyName);

// start and end: a screen shown and left; press: a switch pressed; choose: a picture selected by
// the scanner or the mouse; correct and wrong: an answer in find images; step: a new picture,
// exercise, painting series or ring picture shown; done: an activity came to the end of its list;
// settings: the settings in force, once at each screen's start; framed: the scan frame reached the
// right choice; missed: it left the right choice without a press; rest: automatic scanning
// stopped to wait; wake: a press started it again.
enum class LogEvent {
    Start,
    Press,
    Choose,
    Correct,
    Wrong,
    Step,
    Done,
    End,
    Settings,
    Framed,
    Missed,
    Rest,
    Wake
};
inline constexpr std::array<std::string_view, 13> kLogEventNames = {
    "start", "press",    "choose", "correct", "wrong", "step", "done",
    "end",   "settings", "framed", "missed",  "rest",  "wake"};

// `text` as one CSV field: in double quotes, its quotes doubled, when it holds a comma, a quote
// or a line break; as it is otherwise. A text a spreadsheet would take for a formula (one that
// begins with =, +, -, @, a tab or a carriage return, after any apostrophes) gets a leading
// apostrophe, so that a list from elsewhere cannot plant a formula or a link in the log.
std::string csvField(std::string_view text);
// A field as it was before csvField guarded it against spreadsheets.
std::string withoutFormulaGuard(std::string_view field);

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
// which input (logInputName, logKeyInput), what happened, about which exercise, and the right
// answer where the choice was another picture.
std::string logRowOf(const LocalTime& time, std::string_view screen, std::string_view input,
                     LogEvent event, std::string_view detail, std::string_view right = {});

// What a reader takes from a row; a file written before the right column has none.
struct LogRow {
    std::string day; // YYYY-MM-DD
    long long moment = 0;
    std::string screen;
    LogEvent event = LogEvent::Start;
    std::string input;
    std::string detail;
    std::string right;
};
// The row of one CSV record of the log; none for the header and for a row spoilt by hand.
std::optional<LogRow> readLogRow(const std::vector<std::string>& record);
