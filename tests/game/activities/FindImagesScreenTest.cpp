// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/FindImagesScreen.h"

#include "ScreenFixture.h"

class FindImagesScreenTest : public ScreenFixture {
protected:
    // The screen as the factory builds and begins it, with the settings written first.
    std::unique_ptr<FindImagesScreen> start(int numFinds, int oneContact = 0, int soundOn = 1) {
        auto screen = started<FindImagesScreen>([&](Options& options) {
            options.numFinds = numFinds;
            options.oneContact = oneContact;
            options.soundOn[FindImagesId] = soundOn;
            options.scanTime = 1;
            options.musicOn[FindImagesId] = 0;
            options.random[FindImagesId] = 0;
        });
        test.pointer.screen = screen.get();
        return screen;
    }

    // Where the pointer stands on a choice to press it.
    static std::pair<int, int> centre(const Picture& choice) {
        return {static_cast<int>(choice.centreX()), static_cast<int>(choice.centreY())};
    }

    // Presses the right choice and lets a turn come.
    void answer(FindImagesScreen& screen) {
        const auto [x, y] = centre(*std::ranges::find(screen.choices(), 1, &Picture::mark));
        screen.mouseDown(x, y);
        screen.update();
    }
};

// The row holds up to four choices with equal gaps, and exactly one choice is the right one. While
// choosing the model's right half and the choices' left halves are covered; after the answer all
// shows whole.
TEST_F(FindImagesScreenTest, ChoicesShareOneRowWithEqualGapsAndOneIsRight) {
    writeList({exerciseItem("a"), exerciseItem("b"), exerciseItem("c"), exerciseItem("d"),
               exerciseItem("e")});
    const std::pair<int, std::vector<int>> cases[] = {
        {3, {50, 300, 550}},
        {9, {0, 200, 400, 600}}, // a hand-edited file: no more than the row holds
        {0, {300}},              // ... and never a task with nothing to pick
    };
    for (const auto& [numFinds, expected] : cases) {
        auto screen = start(numFinds);
        std::vector<int> xs;
        for (const Picture& choice : screen->choices()) {
            xs.push_back(static_cast<int>(choice.x));
        }
        EXPECT_EQ(xs, expected) << numFinds;
        EXPECT_EQ(std::ranges::count(screen->choices(), 1, &Picture::mark), 1) << numFinds;
        EXPECT_TRUE(contains(frame(*screen), "fill 400,60 400x300"));
        answer(*screen);
        EXPECT_FALSE(contains(frame(*screen), "fill "));
    }
}

// A right pick plays the exercise's sound, without its file a praise sound; a press beside the
// choices has a sound of its own; sound off silences both. Presses in the pause that follows are
// silent and answer nothing again.
TEST_F(FindImagesScreenTest, TheAnswerPlaysTheExercisesSoundOrAPraiseAndAWrongPressItsOwn) {
    writeList({exerciseItem("cat", 16777215, "cat.wav"), exerciseItem("dog")});
    test.folder.write("sfx/findimages/sounds/good.wav", "RIFF");
    const std::tuple<const char*, bool, int, Calls> cases[] = {
        {"own sound", true, 1, {"playOnce sfx\\images\\cat.wav"}},
        {"sound missing", false, 1, {"playOnce sfx\\findimages\\sounds\\good.wav"}},
        {"sound off", true, 0, {}},
    };
    for (const auto& [what, soundFile, soundOn, played] : cases) {
        std::filesystem::remove(test.folder.path() / "sfx/images/cat.wav");
        if (soundFile) {
            test.folder.write("sfx/images/cat.wav", "RIFF");
        }
        auto screen = start(2, 0, soundOn);
        heard();
        screen->mouseDown(700, 100); // the empty background
        EXPECT_EQ(heard(), soundOn == 1 ? Calls{"playOnce sfx\\findimages\\wrong.wav"} : Calls{})
            << what;
        answer(*screen);
        EXPECT_EQ(heard(), played) << what;
        screen->mouseDown(700, 100);
        answer(*screen);
        EXPECT_TRUE(heard().empty() && screen->answered()) << what;
    }
}

// Scanning for a child who follows by ear or sees little: every step plays the adult's cue (for
// a choice's own, its exercise's speech, else the tick), a bold frame marks the choice in place
// of the frame picture, and after the set rounds without a press the scanning rests where it is.
// The waking press, even on the right choice, does not answer.
TEST_F(FindImagesScreenTest, ScanningCuesEveryStepFramesBoldlyAndRestsAfterItsRounds) {
    writeList({exerciseItem("cat", 16777215, "", "cat.wav"), exerciseItem("dog")});
    test.folder.write("speech/English/cat.wav", "RIFF");
    test.folder.write("sfx/scan.wav", "RIFF");
    test.access.scanRounds = 1;
    test.access.scanFrameWidth = 8;
    test.access.scanFrameColour = 0xFF0000FF;
    test.access.scanCue = AccessSettings::ItemCue;
    auto screen = start(2, 1);
    for (int turn = 0; turn < 10; ++turn) {
        test.clock.advanceMilliseconds(1001);
        screen->update();
    }
    Calls played = heard(); // in the row's order, which the right one's place decides
    std::ranges::sort(played);
    EXPECT_EQ(played,
              (Calls{"playOnce sfx\\scan.wav", "playOnce speech\\English\\cat.wav", "stop"}));
    EXPECT_EQ(screen->nextTurn(), NextTurn::never());
    test.pointer.deliverMoves();
    const Calls frames = frame(*screen);
    EXPECT_TRUE(contains(frames, "rect 462,418 208x158 ff0000ff pen 8"));
    EXPECT_FALSE(contains(frames, "selFrame"));

    answer(*screen);
    EXPECT_FALSE(screen->answered());
    EXPECT_EQ(screen->nextTurn(), NextTurn::in(1001));
}

// With two switches Enter chooses the framed choice however often it comes: a wrong one each time
// with its sound, the right one answers. Space then frames the next choice, and the next task
// starts the frame and the choosing over together on its first choice.
TEST_F(FindImagesScreenTest, EnterChoosesTheFramedChoiceEveryTimeAndSpaceThenMovesOn) {
    writeList({exerciseItem("a"), exerciseItem("b"), exerciseItem("c")});
    for (const bool onRight : {false, true}) {
        auto screen = start(3);
        const auto& choices = screen->choices();
        const auto right = static_cast<std::size_t>(std::ranges::find(choices, 1, &Picture::mark) -
                                                    choices.begin());
        const std::size_t framed = onRight ? right : (right + 1) % 3;
        for (std::size_t step = 0; step <= framed; ++step) {
            screen->keyDown(kKeySpace);
        }
        heard();
        for (int press = 0; press < 3; ++press) {
            screen->keyDown(kKeyEnter);
        }
        EXPECT_EQ(screen->answered(), onRight);
        EXPECT_EQ(heard(), onRight ? Calls{} : Calls(3, "playOnce sfx\\findimages\\wrong.wav"));
        screen->keyDown(kKeySpace);
        EXPECT_EQ(test.pointer.moves.back(), centre(choices[(framed + 1) % 3])) << onRight;

        answer(*screen);
        test.clock.advanceMilliseconds(60'000);
        screen->update(); // the next task
        EXPECT_EQ(test.pointer.moves.back(), centre(choices[0]));
        screen->keyDown(kKeyEnter);
        EXPECT_EQ(screen->answered(), choices[0].mark);
    }
}

// With the log on, the picture asked for is a step; a press on the background is a wrong answer,
// one on a picture a choice too, naming the picture pressed; only the first right choice is
// correct, and a press in the pause after it chooses nothing.
TEST_F(FindImagesScreenTest, WithTheLogOnEachPictureAskedForChoiceAndAnswerIsARow) {
    writeList({exerciseItem("cat"), exerciseItem("dog")});
    test.log.setEnabled(true);
    test.log.screenStarted("Find images");
    auto screen = start(2);
    screen->mouseDown(700, 100);
    const auto [x, y] = centre(*std::ranges::find(screen->choices(), 0, &Picture::mark));
    screen->mouseDown(x, y);
    answer(*screen);
    answer(*screen);
    test.log.flush();

    std::vector<std::string> events;
    for (const auto& row : readCsv(test.folder.read("log/2026-03-14.csv"))) {
        if (row.at(3) != "settings") {
            events.push_back(row.at(3) + " " + row.at(4));
        }
    }
    EXPECT_EQ(events,
              (std::vector<std::string>{"event detail", "start ", "step cat", "done cat", "wrong ",
                                        "choose dog", "wrong dog", "choose cat", "correct cat"}));
}

// One switch, scanning that waits for a first press, at the adult's pace with the first choice
// half a second longer: nothing moves until the press, which frames the first choice and answers
// nothing; after an answer the next task scans on at once, from its first choice.
TEST_F(FindImagesScreenTest, ScanningThatStartsOnAPressWaitsForItThenGoesOnWithEveryTask) {
    writeList({exerciseItem("a"), exerciseItem("b")});
    test.access = {.scanTimeMs = 1200, .firstItemDelay = 500, .scanStartsOnPress = true};
    auto screen = start(2, 1);
    test.clock.advanceMilliseconds(60'000);
    screen->update();
    EXPECT_TRUE(test.pointer.moves.empty() && screen->nextTurn().isNever());
    screen->keyDown(kKeyEnter);
    EXPECT_EQ(test.pointer.moves, (std::vector{centre(screen->choices().front())}));
    EXPECT_FALSE(screen->answered());
    EXPECT_EQ(screen->nextTurn(), NextTurn::in(1701));
    answer(*screen);
    test.clock.advanceMilliseconds(60'000);
    screen->update();
    EXPECT_EQ(test.pointer.moves.size(), 2u);
    EXPECT_EQ(screen->nextTurn(), NextTurn::in(1701));
}
