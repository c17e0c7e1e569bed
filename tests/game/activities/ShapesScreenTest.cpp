#include "game/activities/ShapesScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using Calls = std::vector<std::string>;

namespace {

struct Settings {
    int numPatterns = 4;
    float keyTime = 0.2f;
    int useStop = 0;
    int soundOn = 1;
    int musicOn = 0;
    std::uint32_t background = 0xFF000000;
};

// The six lines of one exercise: name, image, sound, speech, text, colour.
std::string exercise(const std::string& name, std::int32_t colour = 16777215) {
    return name + "\r\n" + name + ".png\r\n\r\n\r\n\r\n" + std::to_string(colour) + "\r\n";
}

} // namespace

class ShapesScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
        test.folder.write("data/English/vimo", exercise("e0") + exercise("e1") + exercise("e2") +
                                                   exercise("e3") + exercise("e4"));
    }

    // Step sounds step<k>_1 to step<k>_<count> and done<k> for all four variants.
    void writeSounds(int setSize, int count) {
        const std::string folder = "sfx/shapes/" + std::to_string(setSize) + "/";
        for (const std::string k : {"0", "1", "2", "3"}) {
            for (int step = 1; step <= count; ++step) {
                test.folder.write(folder + "step" + k + "_" + std::to_string(step) + ".wav", "x");
            }
            test.folder.write(folder + "done" + k + ".wav", "x");
        }
    }

    // The list keeps its order.
    void writeSettings(const Settings& settings) {
        Options options(test.files);
        options.numPatterns = settings.numPatterns;
        options.keyTime = settings.keyTime;
        options.useStop = settings.useStop;
        options.soundOn[ShapesId] = settings.soundOn;
        options.musicOn[ShapesId] = settings.musicOn;
        options.random[ShapesId] = 0;
        options.backgroundColour[ShapesId] = settings.background;
        options.writeOptionsFile();
    }

    // Built and begun as the factory does it, on the settings given.
    std::unique_ptr<ShapesScreen> makeScreen(const Settings& settings = {}) {
        writeSettings(settings);
        auto screen = std::make_unique<ShapesScreen>(services, 1);
        begun = screen->begin(graphics, graphics, window);
        test.sound.calls.clear();
        return screen;
    }

    // A press and release of the switch, a second after the last.
    void press(ShapesScreen& screen) {
        test.clock.advanceMilliseconds(1000);
        screen.keyDown(kKeySpace);
        screen.keyUp(kKeySpace);
    }

    // The next frame, all of it or only its exercise pictures.
    Calls frame(ShapesScreen& screen, bool picturesOnly = true) {
        graphics.calls.clear();
        screen.draw();
        Calls drawn;
        std::copy_if(graphics.calls.begin(), graphics.calls.end(), std::back_inserter(drawn),
                     [&](const std::string& call) {
                         return !picturesOnly || call.rfind("image gfx\\images\\", 0) == 0;
                     });
        return drawn;
    }

    // Each press as the number of pictures shown after it and the sound it played: K<j> for the
    // j-th step sound of the set's variant, N<j> of another variant, dK its done sound, - none.
    std::string presses(ShapesScreen& screen, int count, int setSize) {
        const std::string folder = "playOnce sfx\\shapes\\" + std::to_string(setSize) + "\\";
        std::string described;
        char variant = 0;
        for (int p = 0; p < count; ++p) {
            press(screen);
            std::string sound = "-";
            const Calls calls = std::exchange(test.sound.calls, {});
            if (calls.size() > 1 || (calls.size() == 1 && calls[0].rfind(folder, 0) != 0)) {
                sound = "?";
            } else if (calls.size() == 1) {
                const std::string name = calls[0].substr(folder.size()); // step2_1.wav, done2.wav
                variant = variant == 0 ? name[4] : variant;
                const char letter = name[4] == variant ? 'K' : 'N';
                sound = name[0] == 'd' ? std::string("d") + letter
                                       : letter + name.substr(6, name.size() - 10);
            }
            described += (p > 0 ? " " : "") + std::to_string(frame(screen).size()) + sound;
        }
        return described;
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
    int begun = -1;
};

TEST_F(ShapesScreenTest, PressByPressPicturesComeAndGoWithTheStepSoundsThenDoneThenANewSet) {
    struct Case {
        int setSize;
        int stepFiles;
        std::string presses;
    };
    const Case cases[] = {
        // One picture: show, then hide together with the done sound, then a new set.
        {1, 1, "1K1 0dK 1N1"},
        {2, 2, "1K1 2K2 1K2 0K1 0dK 1N1"},
        {4, 4, "1K1 2K2 3K3 4K4 3K4 2K3 1K2 0K1 0dK 1N1 2N2"},
        {8, 8, "1K1 2K2 3K3 4K4 5K5 6K6 7K7 8K8 7K8 6K7 5K6 4K5 3K4 2K3 1K2 0K1 0dK 1N1"},
        // More files than pictures: the way back starts with the one after the last played.
        {2, 3, "1K1 2K2 1K3 0K2 0dK 1N1"},
        // With one picture hiding plays no step, whatever the files.
        {1, 3, "1K1 0dK 1N1"},
        // No step sounds: silence, and the done sound is still tried.
        {2, 0, "1- 2- 1- 0- 0dK 1-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.setSize) + " pictures, " + std::to_string(c.stepFiles));
        std::filesystem::remove_all(test.folder.path() / "sfx");
        writeSounds(c.setSize, c.stepFiles);
        Settings settings;
        settings.numPatterns = c.setSize;
        auto screen = makeScreen(settings);
        EXPECT_TRUE(frame(*screen).empty());
        const auto count = std::count(c.presses.begin(), c.presses.end(), ' ') + 1;
        EXPECT_EQ(presses(*screen, static_cast<int>(count), c.setSize), c.presses);
    }
}

TEST_F(ShapesScreenTest, EachSetSizeHasItsLayoutAndTheSetsRunOnThroughTheList) {
    graphics.setImageSize(u"gfx\\images\\e0.png", 120, 90);
    graphics.setImageSize(u"gfx\\images\\e1.png", 80, 60);
    const auto at = [](const std::string& name, const std::string& place) {
        return "image gfx\\images\\" + name + ".png in " + place;
    };
    const Calls eight = {at("e0", "0,100 200x150"),   at("e1", "200,100 200x150"),
                         at("e2", "400,100 200x150"), at("e3", "600,100 200x150"),
                         at("e4", "0,350 200x150"),   at("e0", "200,350 200x150"),
                         at("e1", "400,350 200x150"), at("e2", "600,350 200x150")};
    struct Case {
        int numPatterns;
        int presses;
        Calls shown;
    };
    const Case cases[] = {
        {1, 1, {at("e0", "200,150 400x300")}},
        {2, 2, {at("e0", "0,150 400x300"), at("e1", "400,150 400x300")}},
        {4,
         4,
         {at("e0", "0,0 400x300"), at("e1", "400,0 400x300"), at("e2", "0,300 400x300"),
          at("e3", "400,300 400x300")}},
        // The second set of four starts where the first ended and wraps round the list.
        {4, 11, {at("e4", "0,0 400x300"), at("e0", "400,0 400x300")}},
        {8, 8, eight},
        // A size without a layout keeps each picture at its corner and its own size.
        {3, 2, {at("e0", "0,0 120x90"), at("e1", "0,0 80x60")}},
        // What a hand-edited file might ask for: more than eight gives eight, less than one one.
        {12, 8, eight},
        {0, 1, {at("e0", "200,150 400x300")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.numPatterns) + " after " + std::to_string(c.presses));
        Settings settings;
        settings.numPatterns = c.numPatterns;
        auto screen = makeScreen(settings);
        for (int p = 0; p < c.presses; ++p) {
            press(*screen);
        }
        EXPECT_EQ(frame(*screen), c.shown);
    }
}

TEST_F(ShapesScreenTest, TheFourVariantsComeOnceEachBeforeAnyRepeats) {
    writeSounds(1, 1);
    Settings settings;
    settings.numPatterns = 1;
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        test.clock.setWallSeconds(1'800'000'000 + seed);
        auto screen = makeScreen(settings);
        std::string variants;
        for (int set = 0; set < 12; ++set) {
            press(*screen); // shows the set's picture with its first step sound
            press(*screen); // hides it with the done sound
            ASSERT_EQ(test.sound.calls.size(), 2u);
            variants += test.sound.calls[0].substr(test.sound.calls[0].find("step") + 4, 1);
            EXPECT_EQ(test.sound.calls[1],
                      "playOnce sfx\\shapes\\1\\done" + variants.substr(set, 1) + ".wav");
            test.sound.calls.clear();
        }
        for (std::size_t round = 0; round < 3; ++round) {
            const std::string four = variants.substr(round * 4, 4);
            EXPECT_EQ(std::set<char>(four.begin(), four.end()).size(), 4u) << variants;
        }
    }
}

TEST_F(ShapesScreenTest, PressesSoonerThanTheKeyTimeAreIgnoredEvenAfterLeavingAndComingBack) {
    Settings settings;
    settings.keyTime = 0.5f;
    struct Case {
        std::uint32_t wait; // milliseconds since the last accepted press
        bool byMouse;
        bool accepted;
    };
    const Case cases[] = {{499, false, false}, {500, false, true}, {100, true, false},
                          {499, true, false},  {500, true, true},  {0, false, false}};
    auto screen = makeScreen(settings);
    press(*screen);
    std::uint32_t last = test.clock.milliseconds();
    std::size_t shown = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.wait) + (c.byMouse ? " mouse" : " key"));
        test.clock.advanceMilliseconds(c.wait - (test.clock.milliseconds() - last));
        if (c.byMouse) {
            screen->mouseDown(400, 300);
        } else {
            screen->keyDown(kKeySpace);
            screen->keyUp(kKeySpace);
        }
        if (c.accepted) {
            ++shown;
            last = test.clock.milliseconds();
        }
        EXPECT_EQ(frame(*screen).size(), shown);
        EXPECT_EQ(test.lastPressTimes[ShapesId], last);
    }
    // To the menu and straight back: the new screen still knows the last press.
    screen.reset();
    test.clock.advanceMilliseconds(200);
    auto again = makeScreen(settings);
    again->keyDown(kKeySpace);
    again->keyUp(kKeySpace);
    EXPECT_TRUE(frame(*again).empty());
    test.clock.advanceMilliseconds(300);
    again->keyDown(kKeySpace);
    EXPECT_EQ(frame(*again).size(), 1u);
}

TEST_F(ShapesScreenTest, AHeldKeyCountsOnceEveryClickCountsAndTheStopButtonStillCounts) {
    Settings settings;
    settings.numPatterns = 8;
    settings.useStop = 1;
    auto screen = makeScreen(settings);
    for (int repeat = 0; repeat < 4; ++repeat) {
        test.clock.advanceMilliseconds(1000);
        screen->keyDown(kKeySpace);  // auto-repeat of a held key
        screen->mouseDown(400, 300); // and while it is held, clicks do not count either
    }
    EXPECT_EQ(frame(*screen).size(), 1u);
    screen->keyUp(kKeySpace);
    for (int click = 0; click < 3; ++click) {
        test.clock.advanceMilliseconds(1000);
        screen->mouseDown(400, 300); // the mouse never holds the contact
    }
    EXPECT_EQ(frame(*screen).size(), 4u);
    EXPECT_EQ(screen->update(), Stay);
    test.clock.advanceMilliseconds(1000);
    screen->mouseDown(70, 70); // the stop button's corner: leave, and the press counts
    EXPECT_EQ(screen->update(), MenuId);
    EXPECT_EQ(frame(*screen).size(), 5u);
    const std::string button = "image gfx\\buttons\\stop.png in 10,10 60x60";
    Calls drawn = frame(*screen, false);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), button), 1);

    settings.useStop = 0;
    auto without = makeScreen(settings);
    test.clock.advanceMilliseconds(1000);
    without->mouseDown(20, 20);
    EXPECT_EQ(without->update(), Stay);
    drawn = frame(*without, false);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), button), 0);
    without->keyDown(kKeyEscape);
    EXPECT_EQ(without->update(), MenuId);
    EXPECT_EQ(frame(*without).size(), 1u); // Esc is no press
}

TEST_F(ShapesScreenTest, GreyBackgroundTakesTheColourOfTheExerciseTheNextSetStartsWith) {
    test.folder.write("data/English/vimo",
                      exercise("e0", -65536) + exercise("e1") + exercise("e2", -16711936));
    struct Case {
        std::uint32_t setting;
        int numPatterns;
        int presses;
        std::string clear;
    };
    const Case cases[] = {
        {0xFF000000, 1, 0, "clear ff000000"},
        {0xFF808080, 1, 0, "clear ff808080"}, // e1 next, which has no colour of its own
        {0xFF808080, 1, 3, "clear ff00ff00"}, // the second set took e1: e2 next
        {0xFF808080, 1, 6, "clear ffff0000"}, // the third took e2: e0 next
        {0xFF808080, 2, 0, "clear ff00ff00"},
        {0xFF808080, 4, 0, "clear ff808080"}, // e0 e1 e2 e0: e1 next
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.numPatterns) + " pictures, " + std::to_string(c.presses));
        Settings settings;
        settings.background = c.setting;
        settings.numPatterns = c.numPatterns;
        auto screen = makeScreen(settings);
        for (int p = 0; p < c.presses; ++p) {
            press(*screen);
        }
        const Calls drawn = frame(*screen, false);
        EXPECT_EQ(drawn.front(), c.clear);
        EXPECT_EQ(drawn.back(), "image window in 0,0 800x600");
    }
}

TEST_F(ShapesScreenTest, AMissingListSendsTheChildBackAndAnEmptyOneStaysUsable) {
    std::filesystem::remove(test.folder.path() / "data/English/vimo");
    auto missing = makeScreen();
    EXPECT_EQ(begun, 0);
    EXPECT_EQ(missing->update(), MenuId);
    ASSERT_EQ(test.errorBox.messages.size(), 1u);
    EXPECT_EQ(test.errorBox.messages[0].text, u"A list is missing: data\\English\\vimo");

    test.folder.write("data/English/vimo", "");
    Settings settings;
    settings.background = 0xFF808080;
    settings.useStop = 1;
    auto empty = makeScreen(settings);
    EXPECT_EQ(begun, 1);
    for (int p = 0; p < 12; ++p) {
        press(*empty);
    }
    EXPECT_EQ(frame(*empty, false),
              (Calls{"clear ff808080", "image gfx\\buttons\\stop.png in 10,10 60x60",
                     "image window in 0,0 800x600"}));
    empty->keyDown(kKeyEscape);
    EXPECT_EQ(empty->update(), MenuId);
}

TEST_F(ShapesScreenTest, MusicAndSoundFollowTheirSettingsAndStopWhenTheScreenGoes) {
    writeSounds(4, 4);
    struct Case {
        int musicOn;
        int soundOn;
        bool music;
        std::size_t steps; // played by two presses
    };
    // Only 1 means on.
    const Case cases[] = {{1, 1, true, 2}, {0, 1, false, 2}, {1, 0, true, 0}, {2, 2, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.musicOn) + " " + std::to_string(c.soundOn));
        Settings settings;
        settings.musicOn = c.musicOn;
        settings.soundOn = c.soundOn;
        writeSettings(settings);
        test.sound.calls.clear();
        {
            ShapesScreen screen(services, 1);
            screen.begin(graphics, graphics, window);
            press(screen);
            press(screen);
        }
        const Calls& calls = test.sound.calls;
        EXPECT_EQ(calls.size(), (c.music ? 1u : 0u) + c.steps + 1u);
        EXPECT_EQ(calls.front() == "playOnce music\\intro2.wav", c.music);
        EXPECT_EQ(calls.back(), "stop");
    }
}
