// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the session log that the game writes to log\<date>.csv and the editor sums up for
// a therapist: the header, the names of screens, inputs and events, and the CSV quoting both
// sides agree on. Kept in one place so the writer and the reader cannot drift apart.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kLogHeader = "time,screen,input,event,detail";
inline constexpr std::u16string_view kLogFolder = u"log";

// The screens' English names, indexed by screen id: the menu, the six activities, the options.
inline constexpr std::array<std::string_view, 8> kLogScreenNames = {
    "Menu",     "Colour rings",     "Picture steps",   "Find images",
    "Painting", "Picture and word", "Moving pictures", "Options"};

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
