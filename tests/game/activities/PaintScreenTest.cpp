// SPDX-License-Identifier: GPL-3.0-or-later
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
        test.sound.calls.clear();
        paint->begin(graphics, graphics, window);
        startSounds = std::exchange(test.sound.calls, {});
        graphics.calls.clear();
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

    Calls takeSounds() { return std::exchange(test.sound.calls, {}); }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
    std::unique_ptr<PaintScreen> paint;
    Calls startSounds; // what begin() sent to the sound
};

// Each accepted press paints the next frame with the next painting sound; after the last frame a
// press plays the picture's own sound and the next press brings the next picture. With sounds off
// every step silences the shared channel instead.
TEST_F(PaintScreenTest, EachPressPaintsTheNextFrameThenTheOwnSoundThenTheNextPicture) {
    addFiles({"gfx/paint/cat01.png", "gfx/paint/cat02.png", "gfx/paint/cat03.png",
              "gfx/paint/dog01.png", "gfx/paint/dog02.png", "gfx/paint/catalogue.txt",
              "sfx/paint/paint1.wav", "sfx/paint/paint2.wav", "sfx/paint/paint3.wav",
              "sfx/paint/brush.wav"});
    struct Step {
        std::string frame, sound; // the sound played, none when empty
    };
    const Step steps[] = {
        {"cat02.png", "sfx\\paint\\paint1.wav"},
        {"cat03.png", "sfx\\paint\\paint2.wav"},
        {"cat03.png", "sfx\\images\\cat.wav"},   // the last frame stays
        {"dog01.png", ""},                       // the next picture
        {"dog02.png", "sfx\\paint\\paint3.wav"}, // the painting sounds go on
        {"dog02.png", "sfx\\images\\dog.wav"},
        {"cat01.png", ""}, // the pictures wrap
        {"cat02.png", "sfx\\paint\\paint1.wav"},
    };
    for (const int soundOn : {1, 0}) {
        SCOPED_TRACE("sounds " + std::to_string(soundOn));
        // The start music plays when asked for, whatever the sounds.
        makePaint({.soundOn = soundOn, .musicOn = 1 - soundOn});
        EXPECT_EQ(startSounds, soundOn == 1 ? Calls{} : Calls{"playOnce music\\intro4.wav"});
        EXPECT_EQ(shownFrame(), "cat01.png");
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            press();
            EXPECT_EQ(shownFrame(), steps[i].frame) << "press " << i + 1;
            const Calls sound = {soundOn == 1 ? "playOnce " + steps[i].sound : "stop"};
            EXPECT_EQ(takeSounds(), steps[i].sound.empty() ? Calls{} : sound) << "press " << i + 1;
        }
        paint.reset();
        EXPECT_EQ(takeSounds(), Calls{"stop"}) << "leaving silences the channel";
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
    press(); // decodes the second frame, in place of the first
    graphics.calls.clear();
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

// A picture without frames shows nothing, makes no sound, and the next press moves on: with an
// empty gfx\paint\ folder, a longer extension (the base name "cat0") or a name without number and
// extension.
TEST_F(PaintScreenTest, PicturesWithoutFramesShowNothingAndTheNextPressMovesOn) {
    struct Case {
        std::vector<std::string> files;
        std::vector<std::string> frames; // before the first press and after each
        Calls sounds;
    };
    const Case cases[] = {
        {{}, {"none", "none", "none"}, {}},
        {{"gfx/paint/cat01.jpeg", "gfx/paint/cat02.jpeg", "gfx/paint/dog01.png",
          "gfx/paint/dog02.png", "gfx/paint/x01"},
         {"none", "dog01.png", "dog02.png", "dog02.png", "none", "none", "dog01.png"},
         {"playOnce sfx\\images\\dog.wav"}}, // no painting sounds, no own sound of nothing
    };
    for (const Case& c : cases) {
        addFiles(c.files);
        makePaint();
        EXPECT_EQ(shownFrame(), c.frames[0]);
        for (std::size_t i = 1; i < c.frames.size(); ++i) {
            press();
            EXPECT_EQ(shownFrame(), c.frames[i]) << "press " << i;
        }
        EXPECT_EQ(takeSounds(), c.sounds);
    }
}

TEST_F(PaintScreenTest, PicturesAreShuffledOnlyWhenAsked) {
    addFiles({"gfx/paint/a01.png", "gfx/paint/b01.png", "gfx/paint/c01.png", "gfx/paint/d01.png",
              "gfx/paint/e01.png", "gfx/paint/f01.png"});
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

// Which presses count, a second apart: K a key down, M and m the button down and up at (x, y), E
// Esc. A held key or button counts once, until any release; Esc is no press; the stop button in
// use leads back to the menu, and its press paints as well.
TEST_F(PaintScreenTest, AHeldSwitchCountsOnceAndEscOrTheStopButtonLeave) {
    addFiles({"gfx/paint/cat01.png", "gfx/paint/cat02.png", "gfx/paint/cat03.png",
              "gfx/paint/cat04.png"});
    struct Case {
        std::string events;
        int useStop, x, y;
        std::string frame;
        NextScreen next;
    };
    const Case cases[] = {
        {"KKMKMKM", 0, 400, 300, "cat02.png", Stay},    // auto-repeat and presses while held
        {"KKMKMKMmMM", 0, 400, 300, "cat03.png", Stay}, // any release re-arms
        {"E", 0, 400, 300, "cat01.png", MenuId},
        {"M", 1, 40, 40, "cat02.png", MenuId},
        {"M", 0, 40, 40, "cat02.png", Stay}, // without the stop button
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.events + " at " + std::to_string(c.x));
        makePaint({.useStop = c.useStop});
        for (const char event : c.events) {
            test.clock.advanceMilliseconds(1000);
            if (event == 'K' || event == 'E') {
                paint->keyDown(event == 'K' ? kKeySpace : kKeyEscape);
            } else {
                (event == 'M') ? paint->mouseDown(c.x, c.y) : paint->mouseUp(c.x, c.y);
            }
        }
        EXPECT_EQ(shownFrame(), c.frame);
        EXPECT_EQ(paint->update(), c.next);
    }
}
