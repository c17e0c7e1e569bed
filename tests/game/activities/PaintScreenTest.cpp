// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/PaintScreen.h"

#include "ScreenFixture.h"

class PaintScreenTest : public ScreenFixture {
protected:
    // The paint frame the next draw shows, or "none".
    std::string shownFrame(PaintScreen& paint) {
        for (const std::string& call : frame(paint)) {
            if (call.starts_with("image gfx\\paint\\")) {
                return call.substr(16, call.find(' ', 16) - 16);
            }
        }
        return "none";
    }
};

// Each accepted press paints the next frame with the next painting sound; after the last frame a
// press plays the picture's own sound and the next press brings the next picture. With sounds off
// every step silences the shared channel instead. Rows: the frame shown after a press and the
// sound it played (none when empty).
TEST_F(PaintScreenTest, EachPressPaintsTheNextFrameThenTheOwnSoundThenTheNextPicture) {
    for (const char* name :
         {"gfx/paint/cat01.png", "gfx/paint/cat02.png", "gfx/paint/cat03.png",
          "gfx/paint/dog01.png", "gfx/paint/dog02.png", "gfx/paint/catalogue.txt",
          "sfx/paint/paint1.wav", "sfx/paint/paint2.wav", "sfx/paint/paint3.wav",
          "sfx/paint/brush.wav"}) {
        test.folder.write(name, "x");
    }
    const std::pair<std::string, std::string> steps[] = {
        {"cat02.png", "sfx\\paint\\paint1.wav"},
        {"cat03.png", "sfx\\paint\\paint2.wav"},
        {"cat03.png", "sfx\\images\\cat.wav"},   // the last frame stays
        {"dog01.png", ""},                       // the next picture
        {"dog02.png", "sfx\\paint\\paint3.wav"}, // the painting sounds go on
        {"dog02.png", "sfx\\images\\dog.wav"},
        {"cat01.png", ""}, // the pictures wrap
    };
    for (const int soundOn : {1, 0}) {
        SCOPED_TRACE("sounds " + std::to_string(soundOn));
        // The start music plays when asked for, whatever the sounds.
        heard();
        auto paint = started<PaintScreen>([&](Options& options) {
            options.soundOn[PaintId] = soundOn;
            options.musicOn[PaintId] = 1 - soundOn;
            options.random[PaintId] = 0;
        });
        EXPECT_EQ(heard(), soundOn == 1 ? Calls{} : Calls{"playOnce music\\intro4.wav"});
        EXPECT_EQ(shownFrame(*paint), "cat01.png");
        for (const auto& [shown, sound] : steps) {
            press(*paint);
            EXPECT_EQ(shownFrame(*paint), shown);
            const Calls played = {soundOn == 1 ? "playOnce " + sound : "stop"};
            EXPECT_EQ(heard(), sound.empty() ? Calls{} : played) << shown;
        }
    }
}
