// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/PaintScreen.h"

#include "ActivityFixture.h"

#include <algorithm>

class PaintScreenTest : public ActivityFixture {
protected:
    // Files with the given names, relative to the content folder (slashes).
    void addFiles(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            test.folder.write(name, "x");
        }
    }

    void makePaint(int soundOn = 1, int musicOn = 0, int random = 0, int useStop = 0) {
        writeSettings([&](Options& options) {
            options.soundOn[PaintId] = soundOn;
            options.musicOn[PaintId] = musicOn;
            options.random[PaintId] = random;
            options.useStop = useStop;
        });
        paint.reset();
        paint = std::make_unique<PaintScreen>(services);
        test.sound.calls.clear();
        begin(*paint);
        startSounds = heard();
        graphics.calls.clear();
    }

    // The frame the next draw shows, or "none".
    std::string shownFrame() {
        const Calls calls = frame(*paint);
        const auto shown = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
            return call.rfind("image gfx\\paint\\", 0) == 0;
        });
        return shown == calls.end() ? "none" : shown->substr(16, shown->find(' ', 16) - 16);
    }

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
        makePaint(soundOn, 1 - soundOn);
        EXPECT_EQ(startSounds, soundOn == 1 ? Calls{} : Calls{"playOnce music\\intro4.wav"});
        EXPECT_EQ(shownFrame(), "cat01.png");
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            press(*paint);
            EXPECT_EQ(shownFrame(), steps[i].frame) << "press " << i + 1;
            const Calls sound = {soundOn == 1 ? "playOnce " + steps[i].sound : "stop"};
            EXPECT_EQ(heard(), steps[i].sound.empty() ? Calls{} : sound) << "press " << i + 1;
        }
        paint.reset();
        EXPECT_EQ(heard(), Calls{"stop"}) << "leaving silences the channel";
    }
}

TEST_F(PaintScreenTest, FramesAreDrawnOneAndAHalfTimesTheirSizeInTheMiddle) {
    addFiles({"gfx/paint/sun01.png", "gfx/paint/sun02.png"});
    graphics.setImageSize(u"gfx\\paint\\sun01.png", 200, 100);
    graphics.setImageSize(u"gfx\\paint\\sun02.png", 401, 333);
    makePaint(1, 0, 0, 1);
    EXPECT_EQ(frame(*paint),
              (Calls{"clear ffbc3ffd", "image gfx\\paint\\sun01.png in 250,225 300x150",
                     "image gfx\\buttons\\stop.png at 10,10", "image window in 0,0 800x600"}));
    press(*paint); // decodes the second frame, in place of the first
    EXPECT_EQ(frame(*paint).at(1), "image gfx\\paint\\sun02.png in 99.25,50.25 601.5x499.5");
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
            press(*paint);
            EXPECT_EQ(shownFrame(), c.frames[i]) << "press " << i;
        }
        EXPECT_EQ(heard(), c.sounds);
    }
}

TEST_F(PaintScreenTest, PicturesAreShuffledOnlyWhenAsked) {
    addFiles({"gfx/paint/a01.png", "gfx/paint/b01.png", "gfx/paint/c01.png", "gfx/paint/d01.png",
              "gfx/paint/e01.png", "gfx/paint/f01.png"});
    for (const int random : {0, 1}) {
        makePaint(1, 0, random);
        std::string order = shownFrame().substr(0, 1);
        for (int picture = 1; picture < 6; ++picture) {
            press(*paint); // its own sound
            press(*paint); // the next picture
            order += shownFrame().substr(0, 1);
        }
        std::string sorted = order;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, "abcdef") << "each picture once";
        EXPECT_EQ(order == "abcdef", random == 0) << order;
    }
}
