// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/RingsScreen.h"

#include "ScreenFixture.h"

const std::string kLoop = "playLooping sfx\\sounds\\bell.wav";

class RingsScreenTest : public ScreenFixture {
protected:
    RingsScreenTest() { test.folder.write("sfx/sounds/bell.wav", "RIFF"); }

    // Turns of the loop a millisecond apart, told as what they did: how many rings, from which to
    // which (place, size and pen), whether the background was cleared, whether the reminder shows
    // at the end, and the sound calls, a call repeated in a row written once.
    std::string outcome(int turns) {
        Calls drawn;
        bool cleared = false;
        for (int turn = 0; turn < turns; ++turn) {
            test.clock.advanceMilliseconds(1);
            if (rings->update() == Stay) {
                rings->draw();
            }
            for (const std::string& call : graphics.takeCalls()) {
                cleared = cleared || call == "fill 0,0 800x600 ff000000";
                if (call.starts_with("ellipse ")) { // "ellipse 21,16 25x25 ff123456 pen 20"
                    drawn.push_back(call.substr(8, call.rfind(" pen") - 17) +
                                    call.substr(call.rfind(" pen")));
                }
            }
        }
        std::string told = std::to_string(drawn.size()) + (drawn.size() == 1 ? " ring" : " rings");
        told += drawn.empty() ? "" : " from " + drawn.front();
        told += drawn.size() < 2 ? "" : " to " + drawn.back();
        told +=
            std::string(cleared ? ", cleared" : "") + (rings->reminderShown() ? ", reminder" : "");
        Calls sounds = heard();
        sounds.erase(std::unique(sounds.begin(), sounds.end()), sounds.end());
        for (const std::string& call : sounds) {
            told += ", " + call;
        }
        return told;
    }

    std::unique_ptr<RingsScreen> rings;
};

// Rings of the pen width start at once and come every 51 ms, each further right and down and
// larger by three quarters of the width, until the next would reach past the edge. Mode 0 keeps
// the rings on release and goes on at once; a complete picture waits for the release. Mode 1
// erases the picture on release. Mode 2 draws the whole picture from one press and starts a new
// one two seconds after, which waits for a press. Eight seconds without one show the reminder.
TEST_F(RingsScreenTest, EachContactModeHandlesReleasesAndCompletionItsOwnWay) {
    const std::array<std::string, 4> cases[3] = {
        // ten seconds after a release mid-picture; the next press; five seconds held past
        // completion; the turn after letting go
        {"0 rings, stop", "1 ring from 65,40 85x85 pen 20, " + kLoop, "0 rings, stop",
         "0 rings, cleared, stop"},
        {"0 rings, cleared, reminder, stop", "1 ring from 10,10 10x10 pen 20, cleared, " + kLoop,
         "0 rings", "0 rings, cleared, stop"},
        {"23 rings from 65,40 85x85 pen 20 to 307,172 415x415 pen 20, cleared, stop",
         "1 ring from 10,10 10x10 pen 20, " + kLoop, "0 rings, cleared, stop", "0 rings"},
    };
    for (const int mode : {0, 1, 2}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        rings = started<RingsScreen>([&](Options& options) {
            options.contactMode = mode;
            options.musicOn[RingsId] = 0;
        });
        EXPECT_TRUE(outcome(8001).starts_with("0 rings, cleared, reminder"));
        rings->keyDown(kKeySpace);
        EXPECT_EQ(outcome(251),
                  "5 rings from 10,10 10x10 pen 20 to 54,34 70x70 pen 20, cleared, " + kLoop);
        rings->keyUp(kKeySpace);
        EXPECT_EQ(outcome(10'000), cases[mode][0]);
        rings->mouseDown(400, 300);
        EXPECT_EQ(outcome(1), cases[mode][1]);
        for (int turn = 0; turn < 20'000 && !rings->complete(); ++turn) {
            outcome(1);
        }
        ASSERT_TRUE(rings->complete());
        heard();
        EXPECT_EQ(outcome(5000), cases[mode][2]);
        rings->mouseUp(400, 300);
        EXPECT_EQ(outcome(1), cases[mode][3]);
        rings->keyDown(kKeySpace);
        EXPECT_EQ(outcome(1), "1 ring from 10,10 10x10 pen 20, " + kLoop);
    }
}
