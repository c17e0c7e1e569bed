// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/PictureWordScreen.h"

#include "ScreenFixture.h"

class PictureWordScreenTest : public ScreenFixture {
protected:
    // The screen as the factory builds and begins it, a while after any earlier press, with the
    // settings written first; the list keeps its order.
    std::unique_ptr<PictureWordScreen> start(int textOn, int speechOn) {
        test.clock.advanceMilliseconds(5000);
        heard();
        return started<PictureWordScreen>([&](Options& options) {
            options.textOn = textOn;
            options.speechOn = speechOn;
            options.musicOn[PictureWordId] = 0;
            options.random[PictureWordId] = 0;
        });
    }

    // The exercise's picture (its name's first three letters) and word in the frame.
    std::string shown(PictureWordScreen& screen) {
        std::string content;
        for (const std::string& call : frame(screen)) {
            if (call.starts_with("image gfx\\images\\")) {
                content += call.substr(17, 3) + (call.find(",0 ") != call.npos ? "^" : "");
            } else if (call.starts_with("text ")) {
                content += " " + call.substr(5, call.find(" in ") - 5);
            }
        }
        return content;
    }
};

// The begin and each further press, heard and seen: with a word, showing also speaks it and the
// word goes with the take-away (^ marks a picture raised to make room for its word); without one
// the picture sits centred and shows silently. Speaking plays the recording, without one the
// exercise's sound, without that the fallback.
TEST_F(PictureWordScreenTest, EachPressShowsSpeaksOrTakesAwayWithOrWithoutAWord) {
    // What, text and speech on, the cat's word and speech; then, per press, what shows | is heard.
    const std::tuple<const char*, int, int, const char*, const char*, std::string> cases[] = {
        {"word shown", 1, 1, "cat", "cat.wav",
         "cat^ \"cat\"|cat;cat^ \"cat\"|cat;|click;dog^ \"dog\"|"},
        {"no word shown", 0, 1, "cat", "cat.wav", "cat|;cat|cat;cat|cat;|click;dog|"},
        {"this exercise has no word", 1, 1, "", "cat.wav",
         "cat|;cat|cat;cat|cat;|click;dog^ \"dog\"|"},
        {"no recording: the sound", 0, 1, "", "gone.wav", "cat|;cat|moo;cat|moo;|click"},
        {"speech off", 0, 0, "", "cat.wav", "cat|;cat|moo;cat|moo;|click"},
    };
    test.folder.write("speech/English/cat.wav", "RIFF");
    test.folder.write("sfx/images/moo.wav", "RIFF");
    for (const auto& [what, textOn, speechOn, catText, speech, expected] : cases) {
        writeList({exerciseItem("cat", 16777215, "moo.wav", speech, catText),
                   exerciseItem("dog", 16777215, "", "", "dog")});
        auto screen = start(textOn, speechOn);
        std::string seen;
        for (int i = 0; seen.size() < expected.size() && i < 8; ++i) {
            if (i > 0) {
                press(*screen);
                seen += ";";
            }
            const Calls sounds = heard(); // playOnce speech\English\cat.wav -> cat
            const std::string file =
                sounds.empty() ? "" : sounds[0].substr(sounds[0].rfind('\\') + 1);
            seen += shown(*screen) + "|" + file.substr(0, file.find('.'));
        }
        EXPECT_EQ(seen, expected) << what;
    }
}
