#include "game/activities/PaintScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

using Calls = std::vector<std::string>;

namespace {

struct Settings {
    float keyTime = 0.2f;
    int soundOn = 1;
    int musicOn = 0;
    int random = 0;
    int useStop = 0;
};

} // namespace

class PaintScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
    }

    // Files with the given names, relative to the content folder (slashes).
    void addFiles(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            test.folder.write(name, "x");
        }
    }

    void makePaint(const Settings& settings = {}) {
        {
            Options options(test.files);
            options.keyTime = settings.keyTime;
            options.soundOn[PaintId] = settings.soundOn;
            options.musicOn[PaintId] = settings.musicOn;
            options.random[PaintId] = settings.random;
            options.useStop = settings.useStop;
            options.writeOptionsFile();
        }
        paint.reset();
        paint = std::make_unique<PaintScreen>(services);
        paint->begin(graphics, graphics, window);
        graphics.calls.clear();
        test.sound.calls.clear();
    }

    // A press and its release, a second after the last one: always past the key time.
    void press() {
        test.clock.advanceMilliseconds(1000);
        paint->keyDown(kKeySpace);
        paint->keyUp(kKeySpace);
    }

    // The frame the next draw shows, or "none".
    std::string shownFrame() {
        graphics.calls.clear();
        paint->draw();
        const Calls calls = graphics.takeCalls();
        const auto frame = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
            return call.rfind("image gfx\\paint\\", 0) == 0;
        });
        return frame == calls.end() ? "none" : frame->substr(16, frame->find(' ', 16) - 16);
    }

    std::string takeSounds() {
        std::string sounds;
        for (const std::string& call : std::exchange(test.sound.calls, {})) {
            sounds += (sounds.empty() ? "" : "; ") + call;
        }
        return sounds;
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
    std::unique_ptr<PaintScreen> paint;
};

TEST_F(PaintScreenTest, EachPressPaintsTheNextFrameThenTheOwnSoundThenTheNextPicture) {
    addFiles({"gfx/paint/cat01.png", "gfx/paint/cat02.png", "gfx/paint/cat03.png",
              "gfx/paint/dog01.png", "gfx/paint/dog02.png", "gfx/paint/catalogue.txt",
              "sfx/paint/paint1.wav", "sfx/paint/paint2.wav", "sfx/paint/paint3.wav",
              "sfx/paint/brush.wav"});
    makePaint();
    EXPECT_EQ(shownFrame(), "cat01.png");
    struct Step {
        std::string frame;
        std::string sound;
    };
    const Step steps[] = {
        {"cat02.png", "playOnce sfx\\paint\\paint1.wav"},
        {"cat03.png", "playOnce sfx\\paint\\paint2.wav"},
        {"cat03.png", "playOnce sfx\\images\\cat.wav"},   // press f: the last frame stays
        {"dog01.png", ""},                                // press f + 1: the next picture
        {"dog02.png", "playOnce sfx\\paint\\paint3.wav"}, // the sounds go on, not restarted
        {"dog02.png", "playOnce sfx\\images\\dog.wav"},
        {"cat01.png", ""}, // the pictures wrap
        {"cat02.png", "playOnce sfx\\paint\\paint1.wav"},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        press();
        EXPECT_EQ(shownFrame(), steps[i].frame) << "press " << i + 1;
        EXPECT_EQ(takeSounds(), steps[i].sound) << "press " << i + 1;
    }
}

TEST_F(PaintScreenTest, FramesAreDrawnOneAndAHalfTimesTheirSizeInTheMiddle) {
    addFiles({"gfx/paint/sun01.png", "gfx/paint/sun02.png"});
    graphics.setImageSize(u"gfx\\paint\\sun01.png", 200, 100);
    graphics.setImageSize(u"gfx\\paint\\sun02.png", 401, 333);
    makePaint({.useStop = 1});
    paint->draw();
    EXPECT_EQ(graphics.takeCalls(),
              (Calls{"clear ffbc3ffd", "image gfx\\paint\\sun01.png in 250,225 300x150",
                     "image gfx\\buttons\\stop.png at 10,10", "image window in 0,0 800x600"}));
    press();
    paint->draw();
    EXPECT_EQ(graphics.takeCalls().at(1), "image gfx\\paint\\sun02.png in 99.25,50.25 601.5x499.5");
}

TEST_F(PaintScreenTest, PressesWithinTheKeyTimeAreIgnoredEvenAcrossScreens) {
    addFiles({"gfx/paint/cat01.png", "gfx/paint/cat02.png", "gfx/paint/cat03.png",
              "gfx/paint/cat04.png", "sfx/paint/paint1.wav"});
    struct Case {
        float keyTime;
        std::uint32_t gap;
        bool accepted;
    };
    const Case cases[] = {
        {0.2f, 199, false}, {0.2f, 201, true},
        {1.0f, 999, false}, {1.0f, 1000, true}, // exactly the key time is no longer within it
        {0.5f, 500, true},  {0.4f, 399, false},
    };
    for (const Case& c : cases) {
        makePaint({.keyTime = c.keyTime});
        press();
        ASSERT_EQ(shownFrame(), "cat02.png");
        // The activity is left and entered again: the last accepted press is remembered.
        makePaint({.keyTime = c.keyTime});
        test.clock.advanceMilliseconds(c.gap);
        paint->keyDown(kKeySpace);
        EXPECT_EQ(shownFrame(), c.accepted ? "cat02.png" : "cat01.png")
            << c.keyTime << " s, " << c.gap << " ms";
        EXPECT_EQ(test.lastPressTimes[PaintId] == test.clock.milliseconds(), c.accepted);
        paint->keyUp(kKeySpace);
    }
}

TEST_F(PaintScreenTest, AHeldKeyOrButtonCountsOnce) {
    addFiles({"gfx/paint/cat01.png", "gfx/paint/cat02.png", "gfx/paint/cat03.png",
              "gfx/paint/cat04.png"});
    makePaint();
    test.clock.advanceMilliseconds(1000);
    paint->keyDown(kKeySpace);
    for (int repeat = 0; repeat < 3; ++repeat) {
        test.clock.advanceMilliseconds(1000);
        paint->keyDown(kKeySpace); // auto-repeat
        paint->mouseDown(400, 300);
    }
    EXPECT_EQ(shownFrame(), "cat02.png");
    paint->mouseUp(400, 300);
    test.clock.advanceMilliseconds(1000);
    paint->mouseDown(400, 300);
    test.clock.advanceMilliseconds(1000);
    paint->mouseDown(400, 300);
    EXPECT_EQ(shownFrame(), "cat03.png");
}

TEST_F(PaintScreenTest, WithSoundsOffEveryStepPressSilencesTheSharedChannel) {
    addFiles({"gfx/paint/cat01.png", "gfx/paint/cat02.png", "sfx/paint/paint1.wav"});
    makePaint({.soundOn = 0, .musicOn = 1});
    // Rebuilt to see the start music.
    test.sound.calls.clear();
    paint = std::make_unique<PaintScreen>(services);
    paint->begin(graphics, graphics, window);
    EXPECT_EQ(takeSounds(), "stop; playOnce music\\intro4.wav"); // the old screen's stop first
    const std::string expected[] = {"stop", "stop", ""}; // a frame, the own sound, next picture
    for (const std::string& sounds : expected) {
        press();
        EXPECT_EQ(takeSounds(), sounds);
    }
    makePaint({.soundOn = 1, .musicOn = 0});
    paint.reset();
    EXPECT_EQ(takeSounds(), "stop");
}

TEST_F(PaintScreenTest, PicturesWithoutFramesShowNothingAndTheNextPressMovesOn) {
    // A longer extension gives the base name "cat0"; a name without number and extension
    // gives none: neither finds frames.
    addFiles({"gfx/paint/cat01.jpeg", "gfx/paint/cat02.jpeg", "gfx/paint/dog01.png",
              "gfx/paint/dog02.png", "gfx/paint/x01"});
    makePaint({.soundOn = 0});
    const std::string frames[] = {"none", "dog01.png", "dog02.png", "dog02.png",
                                  "none", "none",      "dog01.png"};
    EXPECT_EQ(shownFrame(), frames[0]);
    EXPECT_TRUE(paint->frames().empty());
    for (std::size_t i = 1; i < std::size(frames); ++i) {
        press();
        EXPECT_EQ(shownFrame(), frames[i]) << "press " << i;
    }
}

TEST_F(PaintScreenTest, AnEmptyPaintFolderLeavesTheBackgroundAndTheStopButton) {
    makePaint({.useStop = 1});
    for (int i = 0; i < 3; ++i) {
        press();
    }
    EXPECT_EQ(paint->currentFrame(), nullptr);
    EXPECT_TRUE(test.sound.calls.empty());
    paint->draw();
    EXPECT_EQ(graphics.takeCalls(),
              (Calls{"clear ffbc3ffd", "image gfx\\buttons\\stop.png at 10,10",
                     "image window in 0,0 800x600"}));
    paint->mouseDown(30, 30);
    EXPECT_EQ(paint->update(), MenuId);
}

TEST_F(PaintScreenTest, PicturesAreShuffledOnlyWhenAsked) {
    std::vector<std::string> files;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        files.push_back(std::string("gfx/paint/") + name + "01.png");
    }
    addFiles(files);
    for (const int random : {0, 1}) {
        makePaint({.random = random});
        std::string order = shownFrame().substr(0, 1);
        for (int picture = 1; picture < 6; ++picture) {
            press(); // its own sound
            press(); // the next picture
            order += shownFrame().substr(0, 1);
        }
        std::string sorted = order;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, "abcdef") << "each picture once";
        EXPECT_EQ(order == "abcdef", random == 0) << order;
    }
}

TEST_F(PaintScreenTest, EscAndTheStopButtonLeaveAndAPressOnTheButtonStillPaints) {
    addFiles({"gfx/paint/cat01.png", "gfx/paint/cat02.png", "sfx/paint/paint1.wav"});
    struct Case {
        int useStop;
        ScreenId next;
    };
    for (const Case c : {Case{1, MenuId}, Case{0, Stay}}) {
        makePaint({.useStop = c.useStop});
        test.clock.advanceMilliseconds(1000);
        paint->mouseDown(40, 40);
        EXPECT_EQ(paint->update(), c.next);
        EXPECT_EQ(takeSounds(), "playOnce sfx\\paint\\paint1.wav");
    }
    makePaint();
    paint->keyDown(kKeyEscape);
    EXPECT_EQ(paint->update(), MenuId);
    EXPECT_EQ(shownFrame(), "cat01.png") << "Esc is no press";
}
