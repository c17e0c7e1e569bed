// SPDX-License-Identifier: GPL-3.0-or-later
// Settings that cannot be saved. The whole program meets no audio device, no font and another
// user's content folder in the end-to-end sessions.
#include "GameSession.h"
#include "common/text/Utf8.h"
#include "game/options/OptionsScreen.h"

#include <gtest/gtest.h>

// The adult turns the menu's music off and its colour on to the next and leaves the options
// screen; the settings cannot be saved. A message names the cause and the fix, the file stays as
// it was, and the menu plays with the changes. Once the fault is gone, leaving the options screen
// again saves them.
TEST(Faults, SettingsThatCannotBeSavedAreReportedAndHoldUntilTheyCanBe) {
    struct Case {
        int error; // 0: a file where the options folder should be
        const char* cause;
        const char* fix;
    };
    const Case cases[] = {
        {0, "The options folder is missing.",
         "make a folder named options in the content folder, after renaming any file of that "
         "name"},
        {ENOSPC, "The disk is full.", "free some space on the disk"},
        {EACCES, "Vimo may not write there.",
         "give the user who runs Vimo permission to write in the options folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        GameSession session;
        Options(session.faulty).writeOptionsFile();
        const std::string file = session.folder.read("options/vimo.opt");
        if (c.error == 0) {
            std::filesystem::remove_all(session.folder.path() / "options");
            session.folder.write("options", "notes");
        } else {
            session.faulty.replacingFailsWith = c.error;
        }
        ASSERT_EQ(session.start(OptionsId), 1);
        auto& screen = dynamic_cast<OptionsScreen&>(*session.screen());
        for (const Picture* control : {&screen.layout().musicOn, &screen.layout().colourBox}) {
            session.turn(20);
            screen.mouseMove(static_cast<int>(control->centreX()),
                             static_cast<int>(control->centreY()));
            screen.mouseDown(static_cast<int>(control->centreX()),
                             static_cast<int>(control->centreY()));
        }
        screen.keyDown(kKeyEscape);
        EXPECT_EQ(session.turn(20), MenuId);
        ASSERT_EQ(session.errorBox.messages.size(), 1u);
        EXPECT_EQ(toUtf8(session.errorBox.messages[0].text),
                  "The settings could not be saved. " + std::string(c.cause) +
                      " The changes hold until Vimo ends. To keep them, " + c.fix +
                      ", then open the options screen and leave it again.");
        ASSERT_EQ(session.start(MenuId), 1);
        session.turn(20);
        session.clock.advanceMilliseconds(20);
        session.showFrame();
        EXPECT_EQ(session.canvas.pixel(400, 50), 0xEDFDC1u); // the palette's colour after the blue
        EXPECT_EQ(session.folder.read(c.error == 0 ? "options" : "options/vimo.opt"),
                  c.error == 0 ? "notes" : file);
        // Opened and left again, the options screen says again that it cannot save, and once the
        // fault is gone, saves the changes.
        for (const bool faultGone : {false, true}) {
            if (faultGone && c.error == 0) {
                std::filesystem::remove(session.folder.path() / "options");
                session.folder.makeFolder("options");
            }
            session.faulty.replacingFailsWith = faultGone ? 0 : c.error;
            ASSERT_EQ(session.start(OptionsId), 1);
            session.screen()->keyDown(kKeyEscape);
            EXPECT_EQ(session.turn(20), MenuId);
            EXPECT_EQ(session.errorBox.messages.size(), 2u);
        }
        EXPECT_FALSE(session.unsavedSettings.has_value());
        const Options saved(session.faulty);
        EXPECT_EQ(saved.musicOn[0], 0);
        EXPECT_EQ(saved.backgroundColour[0], 0xFFEDFDC1u);
    }
}
