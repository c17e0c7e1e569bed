// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the machine under the game: settings that cannot be written (a file where the folder
// should be, a full disk, a read-only folder, no permission, a content folder of another user), no
// audio device, no font at all. The game shows, says why settings are
// not saved and plays on with them, loses no file and ends cleanly.
#include "ContentFiles.h"
#include "FileSizeLimit.h"
#include "GameSession.h"
#include "RunningGame.h"
#include "game/options/OptionsScreen.h"

#include <cerrno>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kMenuBlue = 0x2236AA;
// The palette colour after the menu's blue.
constexpr std::uint32_t kChangedMenuColour = 0xEDFDC1;

std::vector<std::string> hiddenFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.front() == '.') {
            names.push_back(name);
        }
    }
    return names;
}

std::string emptyFontConfiguration(const TemporaryFolder& folder) {
    folder.write("fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
    return (folder.path() / "fonts.conf").string();
}

} // namespace

// The adult changes two settings on the options screen and leaves; the settings cannot be
// saved. A message names the cause, the file on disk stays whole, no temporary file is left, and
// the game plays on with the changed settings: the menu shows them. Once the fault is gone,
// leaving the options screen again saves them.
TEST(Faults, SettingsThatCannotBeSavedAreReportedAndHoldUntilTheyCanBe) {
    struct Case {
        const char* what;
        // Makes the fault real for as long as it lives.
        std::function<std::shared_ptr<void>(GameSession&)> fault;
        const char* cause;
        const char* fix;
    };
    auto failingWith = [](std::uint32_t error) {
        return [error](GameSession& session) {
            session.files.replacingFailsWith = error;
            return std::shared_ptr<void>(
                nullptr, [&session](void*) { session.files.replacingFailsWith = 0; });
        };
    };
    const Case cases[] = {
        {"a file where the options folder should be",
         [](GameSession& session) {
             std::filesystem::remove_all(session.folder.path() / "options");
             session.folder.write("options", "the adult's notes\r\n");
             return std::shared_ptr<void>(nullptr, [&session](void*) {
                 std::filesystem::remove(session.folder.path() / "options");
                 session.folder.makeFolder("options");
             });
         },
         "The options folder is missing.",
         "make a folder named options in the content folder, after renaming any file of that "
         "name"},
        {"the disk is full", [](GameSession&) { return std::make_shared<FileSizeLimit>(100); },
         "The disk is full.", "free some space on the disk"},
        {"a read-only folder", failingWith(EROFS), "The folder is read-only.",
         "make the options folder writable"},
        {"no permission to write there", failingWith(EACCES), "Vimo may not write there.",
         "give the user who runs Vimo permission to write in the options folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameSession session;
        session.changeSettings([](Options&) {});
        ASSERT_EQ(session.start(OptionsId), 1);
        auto* screen = &dynamic_cast<OptionsScreen&>(*session.screen());
        const int sound = screen->options().soundOn[0];
        const std::uint32_t colour = screen->options().backgroundColour[0];
        const float keyTime = screen->options().keyTime;
        const auto lists = screen->options().listName;
        auto pressOn = [&](const Picture& control) {
            session.turn(20);
            screen->mouseMove(static_cast<int>(control.centreX()),
                              static_cast<int>(control.centreY()));
            screen->mouseDown(static_cast<int>(control.centreX()),
                              static_cast<int>(control.centreY()));
        };
        // The menu's music off and its colour the next in the palette, the rest as it was.
        const auto expectChanged = [&](const Options& options) {
            EXPECT_EQ(options.musicOn[0], 0);
            EXPECT_EQ(options.soundOn[0], sound);
            EXPECT_NE(options.backgroundColour[0], colour);
            EXPECT_EQ(options.keyTime, keyTime);
            EXPECT_EQ(options.listName, lists);
        };
        const auto settingsFile = [&] {
            return session.folder.read(
                std::filesystem::is_directory(session.folder.path() / "options")
                    ? "options/vimo.opt"
                    : "options");
        };
        {
            const std::shared_ptr<void> fault = c.fault(session);
            const std::string file = settingsFile();
            pressOn(screen->layout().musicOn);
            pressOn(screen->layout().colourBox);
            screen->keyDown(kKeyEscape);
            EXPECT_EQ(session.turn(20), MenuId);

            ASSERT_EQ(session.errorBox.messages.size(), 1u);
            EXPECT_EQ(toUtf8(session.errorBox.messages[0].text),
                      "The settings could not be saved. " + std::string(c.cause) +
                          " The changes hold until Vimo ends. To keep them, " + c.fix +
                          ", then open the options screen and leave it again.");
            expectChanged(screen->options());
            // The screen goes, trying once more to save; the menu takes its place and plays
            // with the changed settings.
            ASSERT_EQ(session.start(MenuId), 1);
            session.turn(20);
            EXPECT_EQ(session.pixel(400, 50), kChangedMenuColour);
            EXPECT_EQ(settingsFile(), file);
            EXPECT_EQ(hiddenFiles(session.folder.path() / "options"), std::vector<std::string>{});
            const NextScreen next = session.play(40, 11, GameSession::Keys::Left);
            EXPECT_TRUE(next != Quit && next != MenuId) << testing::PrintToString(next);
        }
        // The fault is gone: the options screen starts from the changed settings and saves them
        // as it is left, without a further message.
        ASSERT_EQ(session.start(OptionsId), 1);
        screen = &dynamic_cast<OptionsScreen&>(*session.screen());
        expectChanged(screen->options());
        screen->keyDown(kKeyEscape);
        EXPECT_EQ(session.turn(20), MenuId);
        EXPECT_EQ(session.errorBox.messages.size(), 1u);
        EXPECT_FALSE(session.unsavedSettings.has_value());
        expectChanged(Options(session.files));
    }
}

// The real game on faults only the whole program meets: it shows the menu after the splash and
// ends cleanly when the system asks, having written nothing it could not write.
TEST(Faults, TheGameShowsItsMenuAndEndsCleanlyDespiteTheFault) {
    struct Case {
        const char* what;
        bool asNobody;
        std::vector<std::string> environment;
        bool optionsFolderIsAFile;
        bool settingsWritten;
    };
    TemporaryFolder scratch;
    const Case cases[] = {
        {"the content folder belongs to another user", true, {}, false, false},
        {"a file where the options folder should be", false, {}, true, false},
        {"no audio device", false, {"SDL_AUDIODRIVER=no-such-device"}, false, true},
        {"no font at all",
         false,
         {"FONTCONFIG_FILE=" + emptyFontConfiguration(scratch)},
         false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.asNobody && ::geteuid() != 0) {
            // Only root may run the game as another user; the tests run as root in CI.
            std::printf("left out without root: %s\n", c.what);
            continue;
        }
        TemporaryFolder content;
        std::filesystem::permissions(content.path(), std::filesystem::perms::owner_all |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::group_exec |
                                                         std::filesystem::perms::others_read |
                                                         std::filesystem::perms::others_exec);
        std::filesystem::copy(VIMO_CONTENT_DIR, content.path(),
                              std::filesystem::copy_options::recursive);
        std::filesystem::remove(content.path() / "options/vimo.opt");
        if (c.optionsFolderIsAFile) {
            std::filesystem::remove_all(content.path() / "options");
            content.write("options", "the adult's notes\r\n");
        }
        RunningGame game({content.path(), c.environment, c.asNobody});
        EXPECT_TRUE(game.waitForPixel(400, 50, kMenuBlue, 30)) << game.standardError();
        EXPECT_EQ(game.terminate(), 0);
        EXPECT_EQ(game.standardError(), "");
        if (c.optionsFolderIsAFile) {
            EXPECT_EQ(content.read("options"), "the adult's notes\r\n");
        } else {
            EXPECT_EQ(std::filesystem::exists(content.path() / "options/vimo.opt"),
                      c.settingsWritten);
            EXPECT_EQ(hiddenFiles(content.path() / "options"), std::vector<std::string>{});
        }
    }
}
