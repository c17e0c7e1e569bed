#include "game/activities/PictureWordScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

using Calls = std::vector<std::string>;

namespace {

struct Item {
    std::string name;
    std::string text{};
    std::string sound{};
    std::string speech{};
    std::int32_t colour = 16777215; // no colour of its own
};

struct Settings {
    int textOn = 1;
    int capsOn = 0;
    int speechOn = 1;
    float keyTime = 0.2f;
    int useStop = 1;
    int sound = 1;
    int music = 0;
    int random = 0;
    std::uint32_t background = 0xFF3FCEFD;
};

// What one accepted press is heard and seen to do.
struct Press {
    Calls sounds;
    Calls shown;
};

std::string picture(const std::string& name, const char* place) {
    return "image gfx\\images\\" + name + ".png in " + place + " 600x450";
}

// The word as the recording drawing measures it: half the font size per letter.
std::string word(const std::string& text, int letters) {
    const int width = letters * 40;
    return "text \"" + text + "\" in " + std::to_string(400 - width / 2) + ",470 " +
           std::to_string(width) + "x80 ff000000 Comic Sans MS 80px";
}

} // namespace

class PictureWordScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
    }

    void writeList(const std::vector<Item>& items, const std::string& language = "English") {
        std::string bytes = "\xEF\xBB\xBF";
        for (const Item& item : items) {
            bytes += item.name + "\r\n" + item.name + ".png\r\n" + item.sound + "\r\n" +
                     item.speech + "\r\n" + item.text + "\r\n" + std::to_string(item.colour) +
                     "\r\n";
        }
        test.folder.write("data/" + language + "/vimo", bytes);
    }

    // The screen as the factory builds and begins it, with the settings written first. Unless
    // asked otherwise, a while has passed since the last accepted press of another start.
    std::unique_ptr<PictureWordScreen> start(const Settings& settings = {},
                                             bool afterAWhile = true) {
        if (afterAWhile) {
            test.clock.advanceMilliseconds(5000);
        }
        {
            Options options(test.files);
            options.textOn = settings.textOn;
            options.capsOn = settings.capsOn;
            options.speechOn = settings.speechOn;
            options.keyTime = settings.keyTime;
            options.useStop = settings.useStop;
            options.soundOn[PictureWordId] = settings.sound;
            options.musicOn[PictureWordId] = settings.music;
            options.random[PictureWordId] = settings.random;
            options.backgroundColour[PictureWordId] = settings.background;
            options.writeOptionsFile();
        }
        test.sound.calls.clear(); // what an earlier screen left behind
        auto screen = std::make_unique<PictureWordScreen>(services);
        begun = screen->begin(graphics, graphics, window);
        return screen;
    }

    // The sounds so far, forgetting them.
    Calls heard() { return std::exchange(test.sound.calls, {}); }

    // One switch press and release, a second after the last.
    void press(PictureWordScreen& screen) {
        test.clock.advanceMilliseconds(1000);
        screen.keyDown(kKeySpace);
        screen.keyUp(kKeySpace);
    }

    // The frame's calls.
    Calls frame(PictureWordScreen& screen) {
        graphics.calls.clear();
        screen.draw();
        return graphics.takeCalls();
    }

    // The exercise's picture and word in the frame, leaving out background, stop button and the
    // copy to the window.
    Calls shown(PictureWordScreen& screen) {
        Calls content;
        for (const std::string& call : frame(screen)) {
            if (call.rfind("image gfx\\images\\", 0) == 0 || call.rfind("text ", 0) == 0) {
                content.push_back(call);
            }
        }
        return content;
    }

    // The sounds and the frame of the begin and of each further press.
    std::vector<Press> play(const Settings& settings, std::size_t presses) {
        auto screen = start(settings);
        std::vector<Press> seen;
        seen.push_back({heard(), shown(*screen)});
        while (seen.size() < presses) {
            press(*screen);
            seen.push_back({heard(), shown(*screen)});
        }
        return seen;
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
    int begun = -1;
};

TEST_F(PictureWordScreenTest, EachPressShowsSpeaksOrTakesAwayWithOrWithoutAWord) {
    test.folder.write("speech/English/cat.wav", "RIFF");
    test.folder.write("speech/English/dog.wav", "RIFF");
    const Calls cat = {"playOnce speech\\English\\cat.wav"};
    const Calls dog = {"playOnce speech\\English\\dog.wav"};
    const Calls click = {"playOnce sfx\\click.wav"};
    const Calls silent = {};
    struct Case {
        const char* what;
        int textOn;
        std::string catText;
        std::vector<Press> presses;
    };
    const Case cases[] = {
        {"a shown word: show and speak, speak, click, next",
         1,
         "cat",
         {{cat, {picture("cat", "100,0"), word("cat", 3)}},
          {cat, {picture("cat", "100,0"), word("cat", 3)}},
          {click, {}},
          {dog, {picture("dog", "100,0"), word("dog", 3)}},
          {dog, {picture("dog", "100,0"), word("dog", 3)}},
          {click, {}},
          {cat, {picture("cat", "100,0"), word("cat", 3)}}}},
        {"no word shown: show, speak, speak, click, next",
         0,
         "cat",
         {{silent, {picture("cat", "100,75")}},
          {cat, {picture("cat", "100,75")}},
          {cat, {picture("cat", "100,75")}},
          {click, {}},
          {silent, {picture("dog", "100,75")}},
          {dog, {picture("dog", "100,75")}}}},
        {"words on, but this exercise has none",
         1,
         "",
         {{silent, {picture("cat", "100,75")}},
          {cat, {picture("cat", "100,75")}},
          {cat, {picture("cat", "100,75")}},
          {click, {}},
          {dog, {picture("dog", "100,0"), word("dog", 3)}}}},
    };
    for (const Case& c : cases) {
        writeList({{"cat", c.catText, "", "cat.wav"}, {"dog", "dog", "", "dog.wav"}});
        Settings settings;
        settings.textOn = c.textOn;
        const auto seen = play(settings, c.presses.size());
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].sounds, c.presses[i].sounds) << c.what << ", press " << i;
            EXPECT_EQ(seen[i].shown, c.presses[i].shown) << c.what << ", press " << i;
        }
    }
}

TEST_F(PictureWordScreenTest, SpeechThenSoundThenTheFallbackSpeakForTheExercise) {
    struct Case {
        const char* what;
        int speechOn;
        bool speechFile;
        bool soundFile;
        int soundOn;
        Calls spoken;
    };
    const Case cases[] = {
        {"speech", 1, true, true, 1, {"playOnce speech\\English\\cat.wav"}},
        {"no recording: the sound", 1, false, true, 1, {"playOnce sfx\\images\\moo.wav"}},
        {"neither: the fallback", 1, false, false, 1, {"playOnce sfx\\paint\\fall.wav"}},
        {"speech off: the sound", 0, true, true, 1, {"playOnce sfx\\images\\moo.wav"}},
        {"speech off, no sound", 0, true, false, 1, {"playOnce sfx\\paint\\fall.wav"}},
        {"neither setting", 2, true, true, 1, {}},
        {"sound off", 1, true, true, 0, {}},
    };
    for (const Case& c : cases) {
        TestServices fresh; // a content folder of its own for each case
        fresh.folder.makeFolder("options");
        fresh.folder.write("data/English/vimo",
                           "cat\r\ncat.png\r\nmoo.wav\r\ncat.wav\r\n\r\n0\r\n");
        fresh.folder.write("sfx/paint/fall.wav", "RIFF");
        if (c.speechFile) {
            fresh.folder.write("speech/English/cat.wav", "RIFF");
        }
        if (c.soundFile) {
            fresh.folder.write("sfx/images/moo.wav", "RIFF");
        }
        {
            Options options(fresh.files);
            options.speechOn = c.speechOn;
            options.soundOn[PictureWordId] = c.soundOn;
            options.musicOn[PictureWordId] = 0;
            options.writeOptionsFile();
        }
        ScreenServices freshServices = fresh.services();
        PictureWordScreen screen(freshServices);
        screen.begin(graphics, graphics, window); // shows the picture silently: it has no word
        Calls heard;
        for (int speaking = 0; speaking < 3; ++speaking) {
            fresh.clock.advanceMilliseconds(1000);
            screen.keyDown(kKeySpace);
            screen.keyUp(kKeySpace);
        }
        // Both speaking presses say the same; the third press clicks only when sound is on.
        Calls expected = c.spoken;
        expected.insert(expected.end(), c.spoken.begin(), c.spoken.end());
        if (c.soundOn == 1) {
            expected.push_back("playOnce sfx\\click.wav");
        }
        EXPECT_EQ(fresh.sound.calls, expected) << c.what;
        EXPECT_EQ(screen.stage(), 4) << c.what; // the presses count whether heard or not
    }
}

TEST_F(PictureWordScreenTest,
       TheFallbackSoundStaysForBothSpeakingPressesAndChangesOncePerExercise) {
    writeList({{"a"}, {"b"}, {"c"}, {"d"}});
    for (const char* name : {"one.wav", "two.wav", "three.wav"}) {
        test.folder.write(std::string("sfx/paint/") + name, "RIFF");
    }
    Settings settings;
    settings.textOn = 0;
    auto screen = start(settings);
    std::vector<Calls> perExercise;
    for (int exercise = 0; exercise < 5; ++exercise) {
        if (exercise > 0) {
            press(*screen); // shows the next one
        }
        test.sound.calls.clear();
        press(*screen);
        press(*screen);
        perExercise.push_back(heard());
        press(*screen); // the click
    }
    std::set<std::string> firstRound;
    for (int exercise = 0; exercise < 3; ++exercise) {
        const Calls& heard = perExercise[static_cast<std::size_t>(exercise)];
        ASSERT_EQ(heard.size(), 2u);
        EXPECT_EQ(heard[0], heard[1]);
        firstRound.insert(heard[0]);
    }
    EXPECT_EQ(firstRound,
              (std::set<std::string>{"playOnce sfx\\paint\\one.wav", "playOnce sfx\\paint\\two.wav",
                                     "playOnce sfx\\paint\\three.wav"}));
    // Past the last name there is none for one exercise; its take-away starts the list anew.
    EXPECT_TRUE(perExercise[3].empty());
    ASSERT_EQ(perExercise[4].size(), 2u);
    EXPECT_EQ(perExercise[4][0], perExercise[4][1]);
}

TEST_F(PictureWordScreenTest, CapitalsFollowTheLanguageAndLeaveTheListAsItIs) {
    test.folder.write("data/lang.txt", "Swedish");
    writeList({{"hen", "h\xC3\xB6nan", "", "hona.wav"}}, "Swedish");
    test.folder.write("speech/Swedish/hona.wav", "RIFF");
    const std::string listBefore = test.folder.read("data/Swedish/vimo");
    struct Case {
        int capsOn;
        std::string text;
    };
    for (const Case& c : {Case{1, "H\xC3\x96NAN"}, Case{0, "h\xC3\xB6nan"}}) {
        Settings settings;
        settings.capsOn = c.capsOn;
        auto screen = start(settings);
        EXPECT_EQ(heard(), (Calls{"playOnce speech\\Swedish\\hona.wav"}));
        EXPECT_EQ(shown(*screen), (Calls{picture("hen", "100,0"), word(c.text, 5)}));
    }
    EXPECT_EQ(test.folder.read("data/Swedish/vimo"), listBefore);
}

TEST_F(PictureWordScreenTest, PressesWithinTheKeyTimeOrFromAHeldSwitchCountOnce) {
    writeList({{"a"}, {"b"}});
    Settings settings;
    settings.textOn = 0;
    settings.keyTime = 1.0f;
    auto screen = start(settings);
    EXPECT_EQ(screen->stage(), 1);
    struct Step {
        std::uint32_t after;
        bool key; // else a mouse button
        bool release;
        int stage;
    };
    const Step steps[] = {
        {999, true, true, 1},   // within a second of the begin's press
        {1, true, false, 2},    // a second has passed
        {2000, true, false, 2}, // auto-repeat of the held key
        {0, false, true, 2},    // a button while the key is held; its release frees both
        {0, true, true, 3},     {500, false, true, 3}, // too soon
        {1000, false, true, 4},                        // a button is a switch too
    };
    for (const Step& step : steps) {
        test.clock.advanceMilliseconds(step.after);
        if (step.key) {
            screen->keyDown(kKeySpace);
        } else {
            screen->mouseDown(500, 500);
        }
        if (step.release) {
            step.key ? screen->keyUp(kKeySpace) : screen->mouseUp(500, 500);
        }
        EXPECT_EQ(screen->stage(), step.stage) << step.after;
    }
}

TEST_F(PictureWordScreenTest, ComingBackWithinTheKeyTimeShowsOnlyTheBackgroundUntilThePress) {
    writeList({{"a", "", "", "", -15654349}, {"b"}});
    Settings settings;
    settings.keyTime = 1.0f;
    settings.background = 0xFF808080;
    start(settings).reset();
    test.clock.advanceMilliseconds(300); // out to the menu and back in at once
    auto screen = start(settings, false);
    EXPECT_EQ(screen->stage(), 0);
    // No exercise yet: the grey of the setting, no picture, no word.
    EXPECT_EQ(frame(*screen),
              (Calls{"clear ff808080", "image gfx\\buttons\\stop.png in 10,10 60x60",
                     "image window in 0,0 800x600"}));
    press(*screen);
    EXPECT_EQ(frame(*screen).front(), "clear ff112233");
    EXPECT_EQ(shown(*screen), (Calls{picture("a", "100,75")}));
}

TEST_F(PictureWordScreenTest, TheBackgroundIsTheSettingUnlessItAsksForTheExercisesOwnColour) {
    struct Case {
        std::uint32_t setting;
        std::int32_t exerciseColour;
        const char* clear;
    };
    const Case cases[] = {
        {0xFF3FCEFD, -15654349, "clear ff3fcefd"},
        {0xFF808080, -15654349, "clear ff112233"},
        {0xFF808080, 16777215, "clear ff808080"},
        {0xFF808080, 0, "clear 00000000"},
    };
    for (const Case& c : cases) {
        writeList({{"a", "", "", "", c.exerciseColour}});
        Settings settings;
        settings.background = c.setting;
        auto screen = start(settings);
        EXPECT_EQ(frame(*screen).front(), c.clear) << c.setting << " " << c.exerciseColour;
    }
}

TEST_F(PictureWordScreenTest, TheStopButtonLeavesWithoutCountingAsAPressAndEscAlwaysLeaves) {
    writeList({{"a"}, {"b"}});
    struct Case {
        int useStop;
        bool esc;
        ScreenId next;
        int stage;
    };
    const Case cases[] = {{1, false, MenuId, 1}, {0, false, Stay, 2}, {0, true, MenuId, 1}};
    for (const Case& c : cases) {
        Settings settings;
        settings.useStop = c.useStop;
        settings.textOn = 0;
        auto screen = start(settings);
        test.clock.advanceMilliseconds(1000);
        c.esc ? screen->keyDown(kKeyEscape) : screen->mouseDown(40, 40);
        EXPECT_EQ(screen->update(), c.next) << c.useStop << c.esc;
        EXPECT_EQ(screen->stage(), c.stage) << c.useStop << c.esc;
    }
}

TEST_F(PictureWordScreenTest, StartsItsMusicAfterTheFirstShowingAndStopsItsSoundWhenItGoes) {
    writeList({{"a", "apple", "", "a.wav"}});
    test.folder.write("speech/English/a.wav", "RIFF");
    struct Case {
        int music;
        Calls calls;
    };
    const Case cases[] = {
        {1, {"playOnce speech\\English\\a.wav", "playOnce music\\intro5.wav", "stop"}},
        {0, {"playOnce speech\\English\\a.wav", "stop"}}};
    for (const Case& c : cases) {
        test.clock.advanceMilliseconds(1000);
        test.sound.calls.clear();
        Settings settings;
        settings.music = c.music;
        start(settings).reset();
        EXPECT_EQ(test.sound.calls, c.calls) << c.music;
    }
}

TEST_F(PictureWordScreenTest, AMissingListIsReportedOnceAndSendsTheChildBackToTheMenu) {
    auto screen = start();
    EXPECT_EQ(begun, 0);
    ASSERT_EQ(test.errorBox.messages.size(), 1u);
    EXPECT_EQ(test.errorBox.messages[0].text, u"A list is missing: data\\English\\vimo");
    EXPECT_EQ(screen->update(), MenuId);
    press(*screen);
    screen->draw();
    EXPECT_EQ(screen->update(), MenuId);
    EXPECT_EQ(test.errorBox.messages.size(), 1u);
}

TEST_F(PictureWordScreenTest, AnEmptyListShowsTheBackgroundAndStopButtonAndStaysUsable) {
    test.folder.write("data/English/vimo", "\xEF\xBB\xBF");
    auto screen = start();
    EXPECT_EQ(begun, 1);
    for (int presses = 0; presses < 6; ++presses) {
        press(*screen);
        EXPECT_EQ(screen->update(), Stay);
    }
    EXPECT_TRUE(test.sound.calls.empty());
    EXPECT_EQ(frame(*screen),
              (Calls{"clear ff3fcefd", "image gfx\\buttons\\stop.png in 10,10 60x60",
                     "image window in 0,0 800x600"}));
    screen->keyDown(kKeyEscape);
    EXPECT_EQ(screen->update(), MenuId);
}
