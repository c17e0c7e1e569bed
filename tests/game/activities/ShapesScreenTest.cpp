// SPDX-License-Identifier: GPL-3.0-or-later
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

    // Built and begun as the factory does it, on the settings given; the list keeps its order.
    std::unique_ptr<ShapesScreen> makeScreen(const Settings& settings = {}) {
        {
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
        auto screen = std::make_unique<ShapesScreen>(services, 1);
        begun = screen->begin(graphics, graphics, window);
        return screen;
    }

    // A press and release of the switch, a second after the last.
    void press(ShapesScreen& screen, int times = 1) {
        for (int p = 0; p < times; ++p) {
            test.clock.advanceMilliseconds(1000);
            screen.keyDown(kKeySpace);
            screen.keyUp(kKeySpace);
        }
    }

    // The next frame, all of it or only its exercise pictures.
    Calls frame(ShapesScreen& screen, bool picturesOnly = true) {
        graphics.calls.clear();
        screen.draw();
        Calls drawn;
        std::copy_if(graphics.calls.begin(), graphics.calls.end(), std::back_inserter(drawn),
                     [&](const std::string& call) {
                         return !picturesOnly || call.starts_with("image gfx\\images\\");
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
            if (calls.size() > 1 || (calls.size() == 1 && !calls[0].starts_with(folder))) {
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

// A whole cycle of presses and the start of the next set, as described by presses().
TEST_F(ShapesScreenTest, PressByPressPicturesComeAndGoWithTheStepSoundsThenDoneThenANewSet) {
    const std::tuple<int, int, std::string> cases[] = {
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
    for (const auto& [setSize, stepFiles, expected] : cases) {
        SCOPED_TRACE(std::to_string(setSize) + " pictures, " + std::to_string(stepFiles));
        std::filesystem::remove_all(test.folder.path() / "sfx");
        writeSounds(setSize, stepFiles);
        auto screen = makeScreen({.numPatterns = setSize});
        test.sound.calls.clear();
        EXPECT_TRUE(frame(*screen).empty());
        const auto count = std::count(expected.begin(), expected.end(), ' ') + 1;
        EXPECT_EQ(presses(*screen, static_cast<int>(count), setSize), expected);
    }
}

// Where each set size puts its pictures, and which exercises the sets take. Pictures of 4:3 fill
// their places; a 3:8 portrait (e2) and a 16:9 landscape (e3) show whole and centred in them.
TEST_F(ShapesScreenTest, EachSetSizeHasItsLayoutAndTheSetsRunOnThroughTheList) {
    graphics.setImageSize(u"gfx\\images\\e0.png", 120, 90);
    graphics.setImageSize(u"gfx\\images\\e1.png", 80, 60);
    graphics.setImageSize(u"gfx\\images\\e2.png", 300, 800);
    graphics.setImageSize(u"gfx\\images\\e3.png", 1600, 900);
    const auto at = [](const std::string& name, const std::string& place) {
        return "image gfx\\images\\" + name + ".png in " + place;
    };
    const Calls eight = {at("e0", "0,100 200x150"),        at("e1", "200,100 200x150"),
                         at("e2", "471.88,100 56.25x150"), at("e3", "600,118.75 200x112.5"),
                         at("e4", "0,350 200x150"),        at("e0", "200,350 200x150"),
                         at("e1", "400,350 200x150"),      at("e2", "671.88,350 56.25x150")};
    const std::tuple<int, int, Calls> cases[] = {
        {1, 1, {at("e0", "200,150 400x300")}},
        {2, 2, {at("e0", "0,150 400x300"), at("e1", "400,150 400x300")}},
        {4,
         4,
         {at("e0", "0,0 400x300"), at("e1", "400,0 400x300"), at("e2", "143.75,300 112.5x300"),
          at("e3", "400,337.5 400x225")}},
        // The second set of four starts where the first ended and wraps round the list.
        {4, 11, {at("e4", "0,0 400x300"), at("e0", "400,0 400x300")}},
        {8, 8, eight},
        // A size without a layout keeps each picture at its corner and its own size.
        {3, 2, {at("e0", "0,0 120x90"), at("e1", "0,0 80x60")}},
        // What a hand-edited file might ask for: more than eight gives eight, less than one one.
        {12, 8, eight},
        {0, 1, {at("e0", "200,150 400x300")}},
    };
    for (const auto& [numPatterns, presses, shown] : cases) {
        auto screen = makeScreen({.numPatterns = numPatterns});
        press(*screen, presses);
        EXPECT_EQ(frame(*screen), shown) << numPatterns << " after " << presses;
    }
}

// Each set takes the next of the four sound variants: every round of four has each once.
TEST_F(ShapesScreenTest, TheFourVariantsComeOnceEachBeforeAnyRepeats) {
    writeSounds(1, 1);
    auto screen = makeScreen({.numPatterns = 1});
    test.sound.calls.clear();
    std::string variants;
    for (int set = 0; set < 12; ++set) {
        press(*screen, 2); // shows the set's picture with its step sound, hides it with done
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

// Which presses count: keys and clicks alike need the key time since the last accepted press,
// which the next screen still knows; a held key counts once and blocks clicks until released,
// while the mouse never holds the contact; a press on the stop button leaves and still counts.
TEST_F(ShapesScreenTest, PressesCountAfterTheKeyTimeAndOncePerHoldAndOnTheStopButtonToo) {
    auto screen = makeScreen({.numPatterns = 8, .keyTime = 0.5f, .useStop = 1});
    // Milliseconds after the last step; k a key pressed and released, K only pressed, u released,
    // m a click in the middle, s one on the stop button's corner; the pictures shown after it.
    const std::tuple<std::uint32_t, char, std::size_t> steps[] = {
        {1000, 'k', 1}, {499, 'k', 1},  {1, 'k', 2},                 // too soon, then in time
        {499, 'm', 2},  {1, 'm', 3},                                 // the same for clicks
        {1000, 'K', 4}, {1000, 'K', 4}, {1000, 'm', 4}, {0, 'u', 4}, // repeats of a held key
        {1000, 'm', 5}, {1000, 'm', 6}, {1000, 's', 7},
    };
    std::uint32_t last = 0;
    std::size_t accepted = 0;
    for (const auto& [after, input, shown] : steps) {
        test.clock.advanceMilliseconds(after);
        if (input == 'm' || input == 's') {
            screen->mouseDown(input == 'm' ? 400 : 70, input == 'm' ? 300 : 70);
        } else if (input != 'u') {
            screen->keyDown(kKeySpace);
        }
        if (input == 'k' || input == 'u') {
            screen->keyUp(kKeySpace);
        }
        if (shown > accepted) {
            accepted = shown;
            last = test.clock.milliseconds();
        }
        EXPECT_EQ(frame(*screen).size(), shown) << input << " after " << after << " ms";
        EXPECT_EQ(test.lastPressTimes[ShapesId], last) << input << " after " << after << " ms";
        EXPECT_EQ(screen->update(), input == 's' ? NextScreen(MenuId) : Stay)
            << input << " after " << after << " ms";
    }
    const std::string button = "image gfx\\buttons\\stop.png in 10,10 60x60";
    Calls drawn = frame(*screen, false);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), button), 1);

    // Back straight away, without the stop button: a press in its corner is a press like any
    // other, once the key time has passed; Esc leaves and is no press.
    screen.reset();
    auto again = makeScreen({.numPatterns = 8, .keyTime = 0.5f, .useStop = 0});
    test.clock.advanceMilliseconds(200);
    again->mouseDown(20, 20);
    EXPECT_TRUE(frame(*again).empty());
    test.clock.advanceMilliseconds(300);
    again->mouseDown(20, 20);
    EXPECT_EQ(again->update(), Stay);
    drawn = frame(*again, false);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), button), 0);
    again->keyDown(kKeyEscape);
    EXPECT_EQ(again->update(), MenuId);
    EXPECT_EQ(frame(*again).size(), 1u);
}

// Any setting but grey wins; grey takes the colour of the exercise the next set starts with.
TEST_F(ShapesScreenTest, GreyBackgroundTakesTheColourOfTheExerciseTheNextSetStartsWith) {
    test.folder.write("data/English/vimo",
                      exercise("e0", -65536) + exercise("e1") + exercise("e2", -16711936));
    const std::tuple<std::uint32_t, int, int, const char*> cases[] = {
        {0xFF000000, 2, 0, "clear ff000000"}, // e2 next
        {0xFF808080, 1, 0, "clear ff808080"}, // e1 next, which has no colour of its own
        {0xFF808080, 1, 3, "clear ff00ff00"}, // the second set took e1: e2 next
        {0xFF808080, 2, 0, "clear ff00ff00"}, // e0 e1: e2 next
        {0xFF808080, 4, 0, "clear ff808080"}, // e0 e1 e2 e0: e1 next
    };
    for (const auto& [setting, numPatterns, presses, clear] : cases) {
        auto screen = makeScreen({.numPatterns = numPatterns, .background = setting});
        press(*screen, presses);
        EXPECT_EQ(frame(*screen, false).front(), clear) << numPatterns << " after " << presses;
    }
}

// A missing list is reported and leads back to the menu; with an empty one presses show
// nothing and Esc still leaves.
TEST_F(ShapesScreenTest, AMissingListSendsTheChildBackAndAnEmptyOneStaysUsable) {
    std::filesystem::remove(test.folder.path() / "data/English/vimo");
    auto missing = makeScreen();
    EXPECT_EQ(begun, 0);
    EXPECT_EQ(missing->update(), MenuId);
    ASSERT_EQ(test.errorBox.messages.size(), 1u);
    EXPECT_EQ(test.errorBox.messages[0].text, u"A list is missing: data\\English\\vimo");

    test.folder.write("data/English/vimo", "");
    auto empty = makeScreen({.useStop = 1, .background = 0xFF808080});
    EXPECT_EQ(begun, 1);
    press(*empty, 12);
    EXPECT_EQ(frame(*empty, false),
              (Calls{"clear ff808080", "image gfx\\buttons\\stop.png in 10,10 60x60",
                     "image window in 0,0 800x600"}));
    empty->keyDown(kKeyEscape);
    EXPECT_EQ(empty->update(), MenuId);
}

// Only 1 means on: the music plays at the begin, two presses play two steps, and the sound
// stops when the screen goes.
TEST_F(ShapesScreenTest, MusicAndSoundFollowTheirSettingsAndStopWhenTheScreenGoes) {
    writeSounds(4, 4);
    const std::tuple<int, int, bool, std::size_t> cases[] = {
        {1, 1, true, 2}, {0, 1, false, 2}, {1, 0, true, 0}, {2, 2, false, 0}};
    for (const auto& [musicOn, soundOn, music, steps] : cases) {
        test.sound.calls.clear();
        auto screen = makeScreen({.soundOn = soundOn, .musicOn = musicOn});
        press(*screen, 2);
        screen.reset();
        const Calls& calls = test.sound.calls;
        EXPECT_EQ(calls.size(), (music ? 1u : 0u) + steps + 1u) << musicOn << " " << soundOn;
        EXPECT_EQ(calls.front() == "playOnce music\\intro2.wav", music)
            << musicOn << " " << soundOn;
        EXPECT_EQ(calls.back(), "stop");
    }
}
