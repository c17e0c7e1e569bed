// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/FindImagesScreen.h"

#include "ActivityFixture.h"

#include <algorithm>
#include <filesystem>
#include <set>
using Point = std::pair<int, int>;

namespace {

struct Item {
    std::string name;
    std::string sound{};
    std::int32_t colour = 16777215; // no colour of its own
    std::string speech{};
};

struct Settings {
    int numFinds = 3;
    int oneContact = 0;
    int scanTime = 3;
    int findPause = 3;
    int sound = 1;
    int random = 0;
    std::uint32_t background = 0xFF000000;
};

Point centre(const Picture& picture) {
    return {static_cast<int>(picture.centreX()), static_cast<int>(picture.centreY())};
}

const Picture& rightChoice(const FindImagesScreen& screen) {
    const auto& choices = screen.choices();
    return *std::find_if(choices.begin(), choices.end(),
                         [](const Picture& choice) { return choice.mark == 1; });
}

} // namespace

class FindImagesScreenTest : public ActivityFixture {
protected:
    FindImagesScreenTest() {
        graphics.setImageSize(u"gfx\\findimages\\hDivider.png", 800, 10);
        graphics.setImageSize(u"gfx\\findimages\\selFrame.png", 214, 164);
    }

    void writeList(const std::vector<Item>& items) {
        std::vector<ListItem> list;
        for (const Item& item : items) {
            list.push_back({item.name, item.name + ".png", item.sound, item.speech, "",
                            std::to_string(item.colour)});
        }
        ActivityFixture::writeList(list);
    }

    // The screen as the factory builds and begins it, with the settings written first.
    std::unique_ptr<FindImagesScreen> start(const Settings& settings = {}) {
        writeSettings([&](Options& options) {
            options.numFinds = settings.numFinds;
            options.oneContact = settings.oneContact;
            options.scanTime = settings.scanTime;
            options.findPause = settings.findPause;
            options.useStop = 1;
            options.soundOn[FindImagesId] = settings.sound;
            options.musicOn[FindImagesId] = 0;
            options.random[FindImagesId] = settings.random;
            options.backgroundColour[FindImagesId] = settings.background;
        });
        auto screen = std::make_unique<FindImagesScreen>(services);
        begin(*screen);
        test.pointer.screen = screen.get();
        return screen;
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

    // Presses the right choice and lets a turn come; with `wait`, another that many ms later.
    void answer(FindImagesScreen& screen, std::uint32_t wait = 0) {
        const Point right = centre(rightChoice(screen));
        screen.mouseDown(right.first, right.second);
        screen.update();
        if (wait != 0) {
            test.clock.advanceMilliseconds(wait);
            screen.update();
        }
    }
};

// The row holds up to four choices with equal gaps, and exactly one choice is the right one.
TEST_F(FindImagesScreenTest, ChoicesShareOneRowWithEqualGapsAndOneIsRight) {
    writeList({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}});
    const std::pair<int, std::vector<int>> cases[] = {
        {3, {50, 300, 550}},
        {9, {0, 200, 400, 600}}, // a hand-edited file: no more than the row holds
        {0, {300}},              // ... and never a task with nothing to pick
    };
    for (const auto& [numFinds, expected] : cases) {
        auto screen = start({.numFinds = numFinds});
        std::vector<int> xs;
        int marked = 0;
        for (const Picture& choice : screen->choices()) {
            xs.push_back(static_cast<int>(choice.x));
            marked += choice.mark;
        }
        EXPECT_EQ(xs, expected) << numFinds;
        EXPECT_EQ(marked, 1) << numFinds;
    }
}

// A list shorter than the task wraps within it: the right exercise is offered twice, only the
// copy taken first is right, and the next task goes on where this one stopped.
TEST_F(FindImagesScreenTest, AShortListOffersAnExerciseTwiceAndOnlyTheCopyTakenFirstIsRight) {
    writeList({{"cat"}, {"dog"}});
    auto screen = start();
    for (const std::string right : {"cat.png", "dog.png"}) {
        const auto shown = shownChoices(*screen);
        std::vector<std::string> marked;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (screen->choices()[i].mark == 1) {
                marked.push_back(shown[i]);
            }
        }
        EXPECT_EQ(marked, std::vector<std::string>{right});
        EXPECT_EQ(shown.size(), 3u);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), right), 2) << right;
        EXPECT_EQ(frame(*screen)[2], "image gfx\\images\\" + right + " in 200,60 400x300");
        answer(*screen, 3001);
    }
}

// Scanning: with one switch the pointer starts on the first choice and moves on by itself every
// scan time, with two only with Space; Enter presses where it is. The pointer rests during the
// pause, and with one switch the new task puts it back on its first choice.
TEST_F(FindImagesScreenTest, OneSwitchScansByTimeTwoBySpaceAndEnterSelectsWhereThePointerIs) {
    writeList({{"cat"}, {"dog"}, {"hen"}});
    const std::vector<Point> centres = {{150, 502}, {400, 502}, {650, 502}};
    for (const int oneContact : {1, 0}) {
        test.pointer.moves.clear();
        test.pointer.presses.clear();
        auto screen = start({.oneContact = oneContact, .scanTime = 2});
        std::vector<Point> expected;
        if (oneContact == 1) {
            expected.push_back(centres[0]);
        }
        for (int step = 0; step < 4; ++step) {
            test.clock.advanceMilliseconds(2000);
            EXPECT_EQ(screen->update(), Stay);
            EXPECT_EQ(test.pointer.moves, expected) << oneContact << ", before step " << step;
            test.clock.advanceMilliseconds(1);
            screen->update();
            if (oneContact == 0) {
                screen->keyDown(kKeySpace);
            }
            expected.push_back(centres[static_cast<std::size_t>(step + oneContact) % 3]);
            EXPECT_EQ(test.pointer.moves, expected) << oneContact << ", step " << step;
        }

        const Point right = centre(rightChoice(*screen));
        while (test.pointer.moves.back() != right) {
            test.clock.advanceMilliseconds(1);
            screen->update();
            if (oneContact == 0) {
                screen->keyDown(kKeySpace);
            }
        }
        screen->keyDown(kKeyEnter);
        EXPECT_EQ(test.pointer.presses, std::vector<Point>{right}) << oneContact;
        EXPECT_TRUE(screen->answered()) << oneContact;
        const std::size_t moves = test.pointer.moves.size();
        for (const std::uint32_t wait : {0u, 3000u, 1u}) {
            test.clock.advanceMilliseconds(wait);
            screen->update();
            if (wait == 0) { // the pause began: the next task is due just after it
                EXPECT_EQ(screen->nextTurn(), NextTurn::in(3001));
            }
        }
        EXPECT_FALSE(screen->answered()) << oneContact;
        EXPECT_EQ(screen->nextTurn(), oneContact == 1 ? NextTurn::in(2001) : NextTurn::never());
        ASSERT_EQ(test.pointer.moves.size(), moves + static_cast<std::size_t>(oneContact));
        EXPECT_EQ(test.pointer.moves.back(), oneContact == 1 ? centres[0] : right) << oneContact;
    }
}

// While choosing, the model's right half and the choices' left halves are covered and the
// pointed-at choice is framed; after the answer all shows whole. A picture of another shape than
// the boxes' 4:3 shows whole and centred in them, so the boxes' halves are its halves.
TEST_F(FindImagesScreenTest, HalvesAreCoveredWhileChoosingAndEverythingShowsWholeAfterTheAnswer) {
    const std::tuple<const char*, int, int, const char*, const char*, const char*> cases[] = {
        // what, the picture's size, where the model and the two choices show
        {"4:3", 800, 600, "200,60 400x300", "133,427 200x150", "466,427 200x150"},
        {"3:8 portrait", 300, 800, "343.75,60 112.5x300", "204.88,427 56.25x150",
         "537.88,427 56.25x150"},
    };
    for (const auto& [what, width, height, model, left, right] : cases) {
        SCOPED_TRACE(what);
        graphics.setImageSize(u"gfx\\images\\a.png", width, height);
        writeList({{"a"}}); // offered twice
        auto screen = start({.numFinds = 2, .background = 0xFF102030});
        screen->mouseMove(140, 430); // on the left choice
        const std::string a = "image gfx\\images\\a.png in ";
        Calls choosing = {"clear ff102030",
                          "image gfx\\buttons\\stop.png at 10,10",
                          a + model,
                          "image gfx\\findimages\\hDivider.png at 0,395",
                          "fill 400,60 400x300 ff102030",
                          a + left,
                          a + right,
                          "fill 133,427 100x150 ff102030",
                          "fill 466,427 100x150 ff102030",
                          "image gfx\\findimages\\selFrame.png at 126,420",
                          "image window in 0,0 800x600"};
        EXPECT_EQ(frame(*screen), choosing);

        std::erase_if(choosing, [](const std::string& call) {
            return call.starts_with("fill") || call.find("selFrame") != call.npos;
        });
        answer(*screen);
        EXPECT_EQ(frame(*screen), choosing);
    }
}

// Scanning for a child who follows by ear or sees little: every step plays the adult's cue (for
// a choice's own, its exercise's speech, else the tick), a bold frame marks the choice in place
// of the frame picture, and after the set rounds without a press the scanning rests where it is.
// The waking press, even on the right choice, neither answers nor sounds wrong.
TEST_F(FindImagesScreenTest, ScanningCuesEveryStepFramesBoldlyAndRestsAfterItsRounds) {
    writeList({{"cat", "", 16777215, "cat.wav"}, {"dog", "", 16777215, "dog.wav"}, {"hen"}});
    test.folder.write("speech/English/cat.wav", "RIFF"); // the dog's speech is missing
    test.folder.write("sfx/scan.wav", "RIFF");
    test.access.scanRounds = 1;
    test.access.scanFrameWidth = 8;
    test.access.scanFrameColour = 0xFF0000FF;
    for (const int cue :
         {AccessSettings::NoCue, AccessSettings::TickCue, AccessSettings::ItemCue}) {
        SCOPED_TRACE(cue);
        test.access.scanCue = cue;
        test.sound.calls.clear();
        auto screen = start({.oneContact = 1, .scanTime = 1});
        for (int turn = 0; turn < 10; ++turn) {
            test.clock.advanceMilliseconds(1001);
            screen->update();
        }
        Calls played = {"stop"};
        for (const std::string& shown : shownChoices(*screen)) { // in the row's, the scan's order
            if (cue == AccessSettings::ItemCue && shown == "cat.png") {
                played.push_back("playOnce speech\\English\\cat.wav");
            } else if (cue != AccessSettings::NoCue) {
                played.push_back("playOnce sfx\\scan.wav");
            }
        }
        EXPECT_EQ(test.sound.calls, played);
        EXPECT_EQ(test.pointer.moves.back(), (Point{650, 502})); // resting on the last choice
        EXPECT_EQ(screen->nextTurn(), NextTurn::never());
        test.pointer.deliverMoves();
        Calls frames = frame(*screen);
        std::erase_if(frames, [](const std::string& call) {
            return !call.starts_with("rect") && call.find("selFrame") == call.npos;
        });
        EXPECT_EQ(frames, Calls{"rect 546,423 208x158 ff0000ff pen 8"});

        const Point right = centre(rightChoice(*screen));
        test.sound.calls.clear();
        screen->mouseDown(right.first, right.second);
        screen->update();
        EXPECT_FALSE(screen->answered());
        EXPECT_EQ(test.pointer.moves.back(), (Point{150, 502})); // awake on the first choice
        EXPECT_EQ(test.sound.calls.size(), cue == AccessSettings::NoCue ? 0u : 1u);
        EXPECT_EQ(screen->nextTurn(), NextTurn::in(1001));
    }
}

// A right pick plays the exercise's sound, without its file the next praise sound, else nothing;
// a wrong press has its own sound, and sound off silences both. The pause runs either way, and
// presses during it are silent and neither answer again nor start it over.
TEST_F(FindImagesScreenTest, TheAnswerPlaysTheExercisesSoundOrAPraiseAndThePauseAlwaysRuns) {
    const std::string praise = "playOnce sfx\\findimages\\sounds\\good.wav";
    const Calls wrong = {"playOnce sfx\\findimages\\wrong.wav"};
    const std::tuple<const char*, std::string, bool, bool, int, Calls> cases[] = {
        {"own sound", "cat.wav", true, true, 1, {"playOnce sfx\\images\\cat.wav"}},
        {"sound missing", "cat.wav", false, true, 1, {praise}},
        {"no sound named", "", false, true, 1, {praise}},
        {"nothing to play", "", false, false, 1, {}},
        {"sound off", "cat.wav", true, true, 0, {}},
    };
    for (const auto& [what, sound, soundFile, praiseFile, soundOn, played] : cases) {
        std::filesystem::remove_all(test.folder.path() / "sfx");
        writeList({{"cat", sound}, {"dog"}});
        if (soundFile) {
            test.folder.write("sfx/images/cat.wav", "RIFF");
        }
        test.folder.makeFolder("sfx/findimages/sounds/afolder"); // folders are no sounds
        if (praiseFile) {
            test.folder.write("sfx/findimages/sounds/good.wav", "RIFF");
        }
        auto screen = start({.numFinds = 2, .sound = soundOn});
        test.sound.calls.clear();
        screen->mouseDown(700, 100); // the empty background
        EXPECT_EQ(std::exchange(test.sound.calls, {}), soundOn == 1 ? wrong : Calls{}) << what;
        answer(*screen);
        EXPECT_EQ(test.sound.calls, played) << what;

        test.sound.calls.clear();
        test.clock.advanceMilliseconds(2000);
        screen->mouseDown(700, 100);
        answer(*screen, 1000);
        EXPECT_TRUE(test.sound.calls.empty() && screen->answered()) << what;
        test.clock.advanceMilliseconds(1);
        screen->update();
        EXPECT_FALSE(screen->answered()) << what;
    }
}

// The pause after a right answer. The answer comes `toWrap` ms before the millisecond clock wraps
// (0: at once), then a turn a moment after it and one when `waited` ms have passed.
TEST_F(FindImagesScreenTest, ThePauseLastsAsSetWhateverTheFileHoldsAndAcrossTheClocksWrap) {
    writeList({{"a"}, {"b"}});
    const std::tuple<const char*, int, std::uint32_t, std::uint32_t, bool> cases[] = {
        {"three seconds, ending as the clock wraps", 3, 1000, 3000, true},
        {"... and over a moment later", 3, 1000, 3001, false},
        {"a negative pause is none", -3, 0, 1, false},
        {"a huge one neither overflows nor ends soon", 2'000'000'000, 0, 3'600'000, true},
    };
    for (const auto& [what, findPause, toWrap, waited, stillPausing] : cases) {
        auto screen = start({.findPause = findPause});
        if (toWrap != 0) {
            test.clock.advanceMilliseconds(0u - test.clock.milliseconds() - toWrap);
        }
        answer(*screen, 1);
        test.clock.advanceMilliseconds(waited - 1);
        screen->update();
        EXPECT_EQ(screen->answered(), stillPausing) << what;
    }
}

// In order, each task of the whole list has the same model; random order reshuffles the list at
// each wrap. Either way the right choice lands anywhere in the row.
TEST_F(FindImagesScreenTest, RandomOrderReshufflesTheListAtEachWrapAndPlacesTheRightOneAnywhere) {
    writeList({{"a"}, {"b"}, {"c"}, {"d"}});
    for (const auto& [random, modelCount] : {std::pair{0, 1u}, std::pair{1, 4u}}) {
        auto screen = start({.numFinds = 4, .random = random});
        std::set<std::string> models;
        std::set<int> rightPlaces;
        for (int task = 0; task < 40; ++task) {
            models.insert(frame(*screen)[2]);
            rightPlaces.insert(static_cast<int>(rightChoice(*screen).x));
            answer(*screen, 3001);
        }
        EXPECT_EQ(models.size(), modelCount) << random;
        EXPECT_EQ(rightPlaces, (std::set<int>{0, 200, 400, 600})) << random;
    }
}

// With the log on, the picture asked for is a step; a press on the background is a wrong answer,
// one on a picture a choice too; only the first right choice is correct.
TEST_F(FindImagesScreenTest, WithTheLogOnEachPictureAskedForChoiceAndAnswerIsARow) {
    writeList({{"cat"}, {"dog"}});
    test.log.setEnabled(true);
    test.log.screenStarted("Find images");
    auto screen = start({.numFinds = 2});
    screen->mouseDown(700, 100);
    const auto& choices = screen->choices();
    const Point other = centre(*std::find_if(
        choices.begin(), choices.end(), [](const Picture& choice) { return choice.mark != 1; }));
    screen->mouseDown(other.first, other.second);
    answer(*screen);
    answer(*screen);
    test.log.flush();

    std::vector<std::string> events;
    for (const auto& row : readCsv(test.folder.read("log/2026-03-14.csv"))) {
        events.push_back(row.at(3) + " " + row.at(4));
    }
    EXPECT_EQ(events, (std::vector<std::string>{"event detail", "start ", "step cat", "done cat",
                                                "wrong cat", "choose cat", "wrong cat",
                                                "choose cat", "correct cat", "choose cat"}));
}
