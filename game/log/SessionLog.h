// SPDX-License-Identifier: GPL-3.0-or-later
// The log a therapist reads to follow a child's progress: one CSV row per screen shown and left,
// settings in force, switch press, choice, answer, picture shown, scanning moment and list
// finished, appended to log\<date>.csv in the content folder. Rows wait in memory and reach the
// disk only when asked (at a screen change and at the end), so writing never holds up a frame;
// each flush lands whole or not at all, so a full disk never leaves a torn row. A log that cannot
// be written is given up for the rest of the game without a word, since the child must never meet
// a message about it.
#pragma once

#include "common/content/SessionLogFormat.h"
#include "common/files/FileSystem.h"
#include "game/log/LocalClock.h"

#include <string>
#include <string_view>
#include <vector>

class SessionLog {
public:
    SessionLog(FileSystem& files, const LocalClock& clock) : files_(files), clock_(clock) {}
    // Writes what is still waiting.
    ~SessionLog();
    SessionLog(const SessionLog&) = delete;
    SessionLog& operator=(const SessionLog&) = delete;

    // Off, nothing is kept and nothing is written; rows already kept still reach the disk.
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // The screen the next rows belong to, by its English name; writes its start row.
    void screenStarted(std::string_view screen);
    // Writes the end row of the current screen.
    void screenEnded();
    // The settings in force on the screen just started: `detail` lists them as name=value pairs
    // joined by semicolons.
    void settings(std::string_view detail);
    // A switch press on the current screen.
    void press(LogInput input);
    // A press of a key that is none of the switches, by the key's name.
    void keyPress(std::string_view keyName);
    // An event of the current screen. A step names the exercise now shown; the rows after it
    // that name none (an answer, the end of the list, a scanning moment) are about that exercise.
    // A wake is the doing of the press before it.
    void note(LogEvent event, std::u16string_view exercise = {});
    // A choice or an answer (choose, correct, wrong) by the press before it: `picked` names the
    // exercise of the picture pressed (empty for a press on none), and the row names the
    // current exercise as the right one where that is another.
    void choice(LogEvent event, std::u16string_view picked);

    // Appends the kept rows to their days' files, each new file starting with the header.
    void flush();

private:
    struct Row {
        std::string day; // YYYY-MM-DD, the file the row goes to
        std::string text;
    };
    void add(std::string_view input, LogEvent event, std::string_view detail,
             std::string_view right = {});
    // Appends `rows` to the day's file whole, or leaves the file as it was; false when it could
    // not be written.
    bool appendToDay(const std::string& day, std::string_view rows);

    FileSystem& files_;
    const LocalClock& clock_;
    bool enabled_ = false;
    bool givenUp_ = false;
    std::string screen_;
    std::string exercise_;
    // The input of the last press, for the choice, answer or wake it leads to.
    std::string lastInput_;
    std::vector<Row> rows_;
};
