// SPDX-License-Identifier: GPL-3.0-or-later
// The log a therapist reads to follow a child's progress: one CSV row per screen shown and left,
// switch press, choice, answer, picture shown and list finished, appended to log\<date>.csv in
// the content folder. Rows wait in memory and reach the disk only when asked (at a screen change
// and at the end), so writing never holds up a frame; a log that cannot be written is given up
// for the rest of the game without a word, since the child must never meet a message about it.
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
    // A switch press on the current screen.
    void press(LogInput input);
    // An event of the current screen. A step names the exercise now shown; the rows after it
    // that name none (an answer, the end of the list) are about that exercise.
    void note(LogEvent event, std::u16string_view exercise = {});

    // Appends the kept rows to their days' files, each new file starting with the header.
    void flush();

private:
    struct Row {
        std::string day; // YYYY-MM-DD, the file the row goes to
        std::string text;
    };
    void add(LogInput input, LogEvent event, std::string_view detail);

    FileSystem& files_;
    const LocalClock& clock_;
    bool enabled_ = false;
    bool givenUp_ = false;
    std::string screen_;
    std::string exercise_;
    // The switch of the last press, for the choice and answer it leads to.
    LogInput lastInput_ = LogInput::None;
    std::vector<Row> rows_;
};
