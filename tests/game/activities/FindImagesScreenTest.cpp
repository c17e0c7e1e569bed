#include "game/activities/FindImagesScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using Calls = std::vector<std::string>;
using Point = std::pair<int, int>;

namespace {

struct Item {
    std::string name;
    std::string sound{};
    std::int32_t colour = 16777215; // no colour of its own
};

struct Settings {
    int numFinds = 3;
    int oneContact = 0;
    int scanTime = 3;
    int findPause = 3;
    int useStop = 1;
    int sound = 1;
    int music = 0;
    int random = 0;
    std::uint32_t background = 0xFF000000;
};

} // namespace

class FindImagesScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
        graphics.setImageSize(u"gfx\\findimages\\hDivider.png", 800, 10);
        graphics.setImageSize(u"gfx\\findimages\\selFrame.png", 214, 164);
    }

    void writeList(const std::vector<Item>& items) {
        std::string bytes;
        for (const Item& item : items) {
            bytes += item.name + "\r\n" + item.name + ".png\r\n" + item.sound + "\r\n\r\n\r\n" +
                     std::to_string(item.colour) + "\r\n";
        }
        test.folder.write("data/English/vimo", bytes);
    }

    // The screen as the factory builds and begins it, with the settings written first.
    std::unique_ptr<FindImagesScreen> start(const Settings& settings = {}) {
        {
            Options options(test.files);
            options.numFinds = settings.numFinds;
            options.oneContact = settings.oneContact;
            options.scanTime = settings.scanTime;
            options.findPause = settings.findPause;
            options.useStop = settings.useStop;
            options.soundOn[FindImagesId] = settings.sound;
            options.musicOn[FindImagesId] = settings.music;
            options.random[FindImagesId] = settings.random;
            options.backgroundColour[FindImagesId] = settings.background;
            options.writeOptionsFile();
        }
        auto screen = std::make_unique<FindImagesScreen>(services);
        begun = screen->begin(graphics, graphics, window);
        test.pointer.screen = screen.get();
        return screen;
    }

    // The frame's calls.
    Calls frame(FindImagesScreen& screen) {
        graphics.calls.clear();
        screen.draw();
        return graphics.takeCalls();
    }

    // The pictures the choices show, in row order, read from the frame's choice-sized images.
    std::vector<std::string> shownChoices(FindImagesScreen& screen) {
        std::vector<std::string> shown;
        for (const std::string& call : frame(screen)) {
            const auto name = call.find("images\\");
            if (call.ends_with(" 200x150") && name != call.npos) {
                shown.push_back(call.substr(name + 7, call.find(' ', name) - name - 7));
            }
        }
        return shown;
    }

    static const Picture& rightChoice(const FindImagesScreen& screen) {
        const auto& choices = screen.choices();
        return *std::find_if(choices.begin(), choices.end(),
                             [](const Picture& choice) { return choice.mark == 1; });
    }

    static Point centre(const Picture& picture) {
        return {static_cast<int>(picture.centreX()), static_cast<int>(picture.centreY())};
    }

    // Presses the right choice and lets the answer and the pause of `seconds` run out.
    void answerAndWait(FindImagesScreen& screen, int seconds = 3) {
        const Point right = centre(rightChoice(screen));
        screen.mouseDown(right.first, right.second);
        screen.update();
        test.clock.advanceMilliseconds(static_cast<std::uint32_t>(seconds) * 1000 + 1);
        screen.update();
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
    int begun = -1;
};

TEST_F(FindImagesScreenTest, ChoicesShareOneRowBelowTheDividerWithEqualGaps) {
    writeList({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}});
    struct Case {
        int numFinds;
        std::vector<int> xs;
    };
    const Case cases[] = {
        {2, {133, 466}},
        {3, {50, 300, 550}},
        {4, {0, 200, 400, 600}},
        {9, {0, 200, 400, 600}}, // a hand-edited file: no more than the row holds
        {0, {300}},              // ... and never a task with nothing to pick
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.numFinds = c.numFinds;
        auto screen = start(settings);
        ASSERT_EQ(screen->choices().size(), c.xs.size()) << c.numFinds;
        std::vector<int> xs;
        int marked = 0;
        for (const Picture& choice : screen->choices()) {
            xs.push_back(static_cast<int>(choice.x));
            // (600 - 405) / 2 + 405 - 75, cut to 427: centred below the divider's bottom.
            EXPECT_EQ(choice.y, 427);
            EXPECT_EQ(choice.width, 200);
            EXPECT_EQ(choice.height, 150);
            marked += choice.mark;
        }
        EXPECT_EQ(xs, c.xs) << c.numFinds;
        EXPECT_EQ(marked, 1) << c.numFinds;
        const Calls calls = frame(*screen);
        EXPECT_EQ(
            std::count(calls.begin(), calls.end(), "image gfx\\images\\a.png in 200,60 400x300"),
            1);
        EXPECT_EQ(
            std::count(calls.begin(), calls.end(), "image gfx\\findimages\\hDivider.png at 0,395"),
            1);
    }
}

TEST_F(FindImagesScreenTest, AShortListOffersAnExerciseTwiceAndOnlyTheCopyTakenFirstIsRight) {
    writeList({{"cat"}, {"dog"}});
    auto screen = start();
    const auto shown = shownChoices(*screen);
    EXPECT_EQ(std::multiset<std::string>(shown.begin(), shown.end()),
              (std::multiset<std::string>{"cat.png", "cat.png", "dog.png"}));
    const auto& choices = screen->choices();
    const auto first = std::find(shown.begin(), shown.end(), "cat.png") - shown.begin();
    const auto second =
        std::find(shown.begin() + first + 1, shown.end(), "cat.png") - shown.begin();
    ASSERT_LT(second, 3);
    const Picture& twin = choices[choices[first].mark == 1 ? second : first];
    EXPECT_EQ(twin.mark, 0);

    test.sound.calls.clear();
    screen->mouseDown(centre(twin).first, centre(twin).second);
    EXPECT_FALSE(screen->answered());
    EXPECT_EQ(test.sound.calls, (Calls{"playOnce sfx\\findimages\\wrong.wav"}));

    // The next task starts where this one stopped: dog is right, and offered twice.
    answerAndWait(*screen);
    const auto next = shownChoices(*screen);
    EXPECT_EQ(std::multiset<std::string>(next.begin(), next.end()),
              (std::multiset<std::string>{"cat.png", "dog.png", "dog.png"}));
    const Calls calls = frame(*screen);
    EXPECT_EQ(
        std::count(calls.begin(), calls.end(), "image gfx\\images\\dog.png in 200,60 400x300"), 1);
}

TEST_F(FindImagesScreenTest, OneSwitchWalksThePointerOverTheChoicesAndSelectsWhereItIs) {
    writeList({{"cat", "cat.wav"}, {"dog", "dog.wav"}, {"hen", "hen.wav"}});
    test.folder.write("sfx/images/cat.wav", "RIFF");
    Settings settings;
    settings.oneContact = 1;
    settings.scanTime = 2;
    settings.findPause = 3;
    auto screen = start(settings);
    std::vector<Point> centres;
    for (const Picture& choice : screen->choices()) {
        centres.push_back(centre(choice));
    }
    // The pointer jumps to the first choice as the task starts.
    EXPECT_EQ(test.pointer.moves, (std::vector<Point>{centres[0]}));

    // Then it steps every two seconds, a moment after each two seconds have passed.
    std::vector<std::uint32_t> stepTimes;
    const std::uint32_t begin = test.clock.milliseconds();
    for (int turn = 0; turn < 6010; ++turn) {
        test.clock.advanceMilliseconds(1);
        const std::size_t before = test.pointer.moves.size();
        EXPECT_EQ(screen->update(), Stay);
        if (test.pointer.moves.size() != before) {
            stepTimes.push_back(test.clock.milliseconds() - begin);
        }
    }
    EXPECT_EQ(stepTimes, (std::vector<std::uint32_t>{2001, 4002, 6003}));
    EXPECT_EQ(test.pointer.moves,
              (std::vector<Point>{centres[0], centres[1], centres[2], centres[0]}));

    // Wait until the pointer is on the right picture, then the switch selects it.
    const Point right = centre(rightChoice(*screen));
    while (test.pointer.moves.back() != right) {
        test.clock.advanceMilliseconds(1);
        screen->update();
    }
    test.sound.calls.clear();
    screen->keyDown(kKeyEnter);
    EXPECT_EQ(test.pointer.presses.back(), right);
    EXPECT_TRUE(screen->answered());
    EXPECT_EQ(screen->update(), Stay);
    EXPECT_EQ(test.sound.calls, (Calls{"playOnce sfx\\images\\cat.wav"}));

    // The pointer rests during the pause; after findPause seconds a new task begins and the
    // pointer is back on its first choice.
    const std::size_t moves = test.pointer.moves.size();
    test.clock.advanceMilliseconds(3000);
    screen->update();
    EXPECT_TRUE(screen->answered());
    EXPECT_EQ(test.pointer.moves.size(), moves);
    test.clock.advanceMilliseconds(1);
    EXPECT_EQ(screen->update(), Stay);
    EXPECT_FALSE(screen->answered());
    EXPECT_EQ(test.sound.calls.back(), "stop");
    ASSERT_EQ(test.pointer.moves.size(), moves + 1);
    EXPECT_EQ(test.pointer.moves.back(), centre(screen->choices()[0]));
}

TEST_F(FindImagesScreenTest,
       TwoSwitchesStepWithSpaceAndSelectWithEnterAndThePointerNeverMovesAlone) {
    writeList({{"a"}, {"b"}, {"c"}, {"d"}});
    Settings settings;
    settings.numFinds = 4;
    auto screen = start(settings);
    test.clock.advanceMilliseconds(60'000);
    screen->update();
    EXPECT_TRUE(test.pointer.moves.empty());

    screen->keyDown(kKeySpace);
    screen->keyDown(kKeySpace);
    EXPECT_EQ(test.pointer.moves, (std::vector<Point>{{100, 502}, {300, 502}}));
    // The move arrives in a later turn; then the frame marks that choice.
    Calls calls = frame(*screen);
    EXPECT_EQ(
        std::count(calls.begin(), calls.end(), "image gfx\\findimages\\selFrame.png at 193,420"),
        0);
    test.pointer.deliverMoves();
    calls = frame(*screen);
    EXPECT_EQ(
        std::count(calls.begin(), calls.end(), "image gfx\\findimages\\selFrame.png at 193,420"),
        1);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.find("selFrame") != c.npos; }),
              1);

    screen->keyDown(kKeyEnter);
    EXPECT_EQ(test.pointer.presses, (std::vector<Point>{{300, 502}}));
    EXPECT_EQ(screen->answered(), screen->choices()[1].mark == 1);
}

TEST_F(FindImagesScreenTest, HalvesAreCoveredWhileChoosingAndEverythingShowsWholeAfterTheAnswer) {
    writeList({{"a"}, {"b"}});
    Settings settings;
    settings.numFinds = 2;
    settings.background = 0xFF102030;
    auto screen = start(settings);
    screen->mouseMove(140, 430); // on the left choice
    const auto shown = shownChoices(*screen);
    const Calls choosing = frame(*screen);
    const Calls expected = {
        "clear ff102030",
        "image gfx\\buttons\\stop.png at 10,10",
        "image gfx\\images\\a.png in 200,60 400x300",
        "image gfx\\findimages\\hDivider.png at 0,395",
        "fill 400,60 400x300 ff102030", // the model's right half
        "image gfx\\images\\" + shown[0] + " in 133,427 200x150",
        "image gfx\\images\\" + shown[1] + " in 466,427 200x150",
        "fill 133,427 100x150 ff102030", // the choices' left halves
        "fill 466,427 100x150 ff102030",
        "image gfx\\findimages\\selFrame.png at 126,420",
        "image window in 0,0 800x600",
    };
    EXPECT_EQ(choosing, expected);

    const Point right = centre(rightChoice(*screen));
    screen->mouseDown(right.first, right.second);
    const Calls answered = frame(*screen);
    const Calls whole = {
        "clear ff102030",
        "image gfx\\buttons\\stop.png at 10,10",
        "image gfx\\images\\a.png in 200,60 400x300",
        "image gfx\\findimages\\hDivider.png at 0,395",
        "image gfx\\images\\" + shown[0] + " in 133,427 200x150",
        "image gfx\\images\\" + shown[1] + " in 466,427 200x150",
        "image window in 0,0 800x600",
    };
    EXPECT_EQ(answered, whole);
}

TEST_F(FindImagesScreenTest, TheBackgroundIsTheSettingUnlessItAsksForTheExercisesOwnColour) {
    struct Case {
        std::uint32_t setting;
        std::int32_t exerciseColour;
        const char* clear;
    };
    const Case cases[] = {
        {0xFF000000, -15654349, "clear ff000000"}, // the setting wins
        {0xFF808080, -15654349, "clear ff112233"}, // grey: the exercise's own colour
        {0xFF808080, 16777215, "clear ff808080"},  // ... which it may not have
        {0xFFFFFFFF, 16777215, "clear ffffffff"},
        {0xFF808080, 0, "clear 00000000"}, // an unreadable colour line: transparent black
    };
    for (const Case& c : cases) {
        writeList({{"a", "", c.exerciseColour}, {"b"}});
        Settings settings;
        settings.background = c.setting;
        auto screen = start(settings);
        EXPECT_EQ(frame(*screen).front(), c.clear) << c.setting << " " << c.exerciseColour;
    }
}

TEST_F(FindImagesScreenTest, TheAnswerPlaysTheExercisesSoundOrTheNextPraiseAndThePauseAlwaysRuns) {
    struct Case {
        const char* what;
        std::string sound;
        bool soundFile;
        std::vector<std::string> praise;
        int soundOn;
        Calls played;
    };
    const Case cases[] = {
        {"own sound", "cat.wav", true, {"good.wav"}, 1, {"playOnce sfx\\images\\cat.wav"}},
        {"sound missing",
         "cat.wav",
         false,
         {"good.wav"},
         1,
         {"playOnce sfx\\findimages\\sounds\\good.wav"}},
        {"no sound named",
         "",
         false,
         {"good.wav"},
         1,
         {"playOnce sfx\\findimages\\sounds\\good.wav"}},
        {"nothing to play", "", false, {}, 1, {}},
        {"sound off", "cat.wav", true, {"good.wav"}, 0, {}},
    };
    for (const Case& c : cases) {
        // A content folder of its own for each case.
        TestServices fresh;
        fresh.folder.makeFolder("options");
        std::string list = "cat\r\ncat.png\r\n" + c.sound + "\r\n\r\n\r\n16777215\r\n";
        fresh.folder.write("data/English/vimo", list);
        if (c.soundFile) {
            fresh.folder.write("sfx/images/cat.wav", "RIFF");
        }
        fresh.folder.makeFolder("sfx/findimages/sounds/afolder"); // folders are no sounds
        for (const std::string& name : c.praise) {
            fresh.folder.write("sfx/findimages/sounds/" + name, "RIFF");
        }
        {
            Options options(fresh.files);
            options.soundOn[FindImagesId] = c.soundOn;
            options.musicOn[FindImagesId] = 0;
            options.numFinds = 2;
            options.findPause = 2;
            options.writeOptionsFile();
        }
        ScreenServices freshServices = fresh.services();
        FindImagesScreen screen(freshServices);
        screen.begin(graphics, graphics, window);
        const Point right = centre(rightChoice(screen));
        screen.mouseDown(right.first, right.second);
        fresh.sound.calls.clear();
        screen.update();
        EXPECT_EQ(fresh.sound.calls, c.played) << c.what;
        fresh.clock.advanceMilliseconds(2000);
        screen.update();
        EXPECT_TRUE(screen.answered()) << c.what;
        fresh.clock.advanceMilliseconds(1);
        screen.update();
        EXPECT_FALSE(screen.answered()) << c.what;
    }
}

TEST_F(FindImagesScreenTest,
       WrongPressesSoundOnlyWhileChoosingAndPressesDuringThePauseChangeNothing) {
    writeList({{"a", "a.wav"}, {"b"}, {"c"}});
    test.folder.write("sfx/images/a.wav", "RIFF");
    struct Case {
        int soundOn;
        Calls wrong;
    };
    for (const Case& c : {Case{1, {"playOnce sfx\\findimages\\wrong.wav"}}, Case{0, {}}}) {
        Settings settings;
        settings.sound = c.soundOn;
        auto screen = start(settings);
        test.sound.calls.clear();
        screen->mouseDown(700, 100); // the empty background
        EXPECT_EQ(test.sound.calls, c.wrong);
        EXPECT_FALSE(screen->answered());

        const Point right = centre(rightChoice(*screen));
        screen->mouseDown(right.first, right.second);
        screen->update();
        test.sound.calls.clear();
        test.clock.advanceMilliseconds(2000);
        screen->mouseDown(700, 100);                  // silent now
        screen->mouseDown(right.first, right.second); // the right one again: nothing new
        screen->update();
        EXPECT_TRUE(test.sound.calls.empty());
        test.clock.advanceMilliseconds(1001); // the pause did not start over
        screen->update();
        EXPECT_FALSE(screen->answered());
    }
}

TEST_F(FindImagesScreenTest, ThePauseLastsAsSetWhateverTheFileHoldsAndAcrossTheClocksWrap) {
    writeList({{"a"}, {"b"}});
    struct Case {
        const char* what;
        int findPause;
        std::uint32_t toWrap; // the answer comes this long before the millisecond clock wraps
        std::uint32_t waited;
        bool stillPausing;
    };
    const Case cases[] = {
        {"three seconds, ending as the clock wraps", 3, 1000, 3000, true},
        {"... and over a moment later", 3, 1000, 3001, false},
        {"a negative pause is none", -3, 0, 1, false},
        {"a huge one neither overflows nor ends soon", 2'000'000'000, 0, 3'600'000, true},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.findPause = c.findPause;
        auto screen = start(settings);
        if (c.toWrap != 0) {
            test.clock.advanceMilliseconds(0u - test.clock.milliseconds() - c.toWrap);
        }
        const Point right = centre(rightChoice(*screen));
        screen->mouseDown(right.first, right.second);
        screen->update();
        // A turn a moment after the answer, then one when the time has passed.
        test.clock.advanceMilliseconds(1);
        screen->update();
        test.clock.advanceMilliseconds(c.waited - 1);
        screen->update();
        EXPECT_EQ(screen->answered(), c.stillPausing) << c.what;
    }
}

TEST_F(FindImagesScreenTest, RandomOrderReshufflesTheListAtEachWrapAndPlacesTheRightOneAnywhere) {
    writeList({{"a"}, {"b"}, {"c"}, {"d"}});
    struct Case {
        int random;
        std::size_t models;
    };
    for (const Case& c : {Case{0, 1}, Case{1, 4}}) {
        Settings settings;
        settings.numFinds = 4; // each task uses up the list
        settings.random = c.random;
        auto screen = start(settings);
        std::set<std::string> models;
        std::set<int> rightPlaces;
        for (int task = 0; task < 40; ++task) {
            for (const std::string& call : frame(*screen)) {
                if (call.find(" in 200,60 400x300") != call.npos) {
                    models.insert(call);
                }
            }
            rightPlaces.insert(static_cast<int>(rightChoice(*screen).x));
            answerAndWait(*screen);
        }
        EXPECT_EQ(models.size(), c.models) << c.random;
        EXPECT_EQ(rightPlaces, (std::set<int>{0, 200, 400, 600})) << c.random;
    }
}

TEST_F(FindImagesScreenTest, TheStopButtonLeavesOnlyWhenShownAndEscAlwaysLeaves) {
    writeList({{"a"}, {"b"}});
    struct Case {
        int useStop;
        int key;
        ScreenId next;
        bool stopDrawn;
    };
    const Case cases[] = {{1, 0, MenuId, true},
                          {0, 0, Stay, false},
                          {0, kKeyEscape, MenuId, false},
                          {1, kKeyEscape, MenuId, true},
                          {0, 'A', Stay, false}};
    for (const Case& c : cases) {
        Settings settings;
        settings.useStop = c.useStop;
        auto screen = start(settings);
        const Calls calls = frame(*screen);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "image gfx\\buttons\\stop.png at 10,10"),
                  c.stopDrawn ? 1 : 0);
        test.sound.calls.clear();
        if (c.key == 0) {
            screen->mouseDown(40, 40);
        } else {
            screen->keyDown(c.key);
        }
        EXPECT_EQ(screen->update(), c.next) << c.useStop << " " << c.key;
    }
}

TEST_F(FindImagesScreenTest, StartsItsMusicWhenAllowedAndStopsItsSoundWhenItGoes) {
    writeList({{"a"}, {"b"}});
    struct Case {
        int music;
        Calls calls;
    };
    const Case cases[] = {{1, {"stop", "playOnce music\\intro3.wav", "stop"}},
                          {0, {"stop", "stop"}}};
    for (const Case& c : cases) {
        test.sound.calls.clear();
        Settings settings;
        settings.music = c.music;
        start(settings).reset();
        EXPECT_EQ(test.sound.calls, c.calls) << c.music;
    }
}

TEST_F(FindImagesScreenTest, AMissingListIsReportedOnceAndSendsTheChildBackToTheMenu) {
    auto screen = start();
    EXPECT_EQ(begun, 0);
    ASSERT_EQ(test.errorBox.messages.size(), 1u);
    EXPECT_EQ(test.errorBox.messages[0].text, u"A list is missing: data\\English\\vimo");
    EXPECT_EQ(screen->update(), MenuId);
    screen->draw();
    screen->keyDown(kKeyEnter);
    EXPECT_EQ(screen->update(), MenuId);
    EXPECT_EQ(test.errorBox.messages.size(), 1u);
}

TEST_F(FindImagesScreenTest, AnEmptyListShowsBackgroundAndStopButtonAndStaysUsable) {
    test.folder.write("data/English/vimo", "");
    Settings settings;
    settings.oneContact = 1;
    settings.background = 0xFF808080;
    auto screen = start(settings);
    EXPECT_EQ(begun, 1);
    EXPECT_TRUE(screen->choices().empty());
    for (int turn = 0; turn < 10; ++turn) {
        test.clock.advanceMilliseconds(1000);
        EXPECT_EQ(screen->update(), Stay);
    }
    screen->keyDown(kKeySpace);
    screen->keyDown(kKeyEnter);
    test.sound.calls.clear();
    screen->mouseDown(400, 300);
    EXPECT_TRUE(test.pointer.moves.empty());
    EXPECT_TRUE(test.pointer.presses.empty());
    EXPECT_TRUE(test.sound.calls.empty());
    EXPECT_EQ(frame(*screen), (Calls{"clear ff808080", "image gfx\\buttons\\stop.png at 10,10",
                                     "image window in 0,0 800x600"}));
    screen->mouseDown(20, 20);
    EXPECT_EQ(screen->update(), MenuId);
}
