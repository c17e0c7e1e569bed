// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/PictureWordScreen.h"

#include "ActivityFixture.h"

#include <filesystem>
#include <set>

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
    int sound = 1;
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

class PictureWordScreenTest : public ActivityFixture {
protected:
    void writeList(const std::vector<Item>& items, const std::string& language = "English") {
        std::vector<ListItem> list;
        for (const Item& item : items) {
            list.push_back({item.name, item.name + ".png", item.sound, item.speech, item.text,
                            std::to_string(item.colour)});
        }
        ActivityFixture::writeList(list, language);
    }

    // The screen as the factory builds and begins it, a while after any earlier press, with the
    // settings written first; the list keeps its order.
    std::unique_ptr<PictureWordScreen> start(const Settings& settings = {}) {
        test.clock.advanceMilliseconds(5000);
        writeSettings([&](Options& options) {
            options.textOn = settings.textOn;
            options.capsOn = settings.capsOn;
            options.speechOn = settings.speechOn;
            options.soundOn[PictureWordId] = settings.sound;
            options.musicOn[PictureWordId] = 0;
            options.random[PictureWordId] = 0;
            options.backgroundColour[PictureWordId] = settings.background;
        });
        test.sound.calls.clear(); // what an earlier screen left behind
        auto screen = std::make_unique<PictureWordScreen>(services);
        begin(*screen);
        return screen;
    }

    // The exercise's picture and word in the frame, leaving out background, stop button and the
    // copy to the window.
    Calls shown(PictureWordScreen& screen) {
        Calls content = frame(screen);
        std::erase_if(content, [](const std::string& call) {
            return !call.starts_with("image gfx\\images\\") && !call.starts_with("text ");
        });
        return content;
    }
};

// The begin and each further press, heard and seen: with a word, showing also speaks it and
// the word goes with the take-away; without one the picture sits centred and shows silently.
TEST_F(PictureWordScreenTest, EachPressShowsSpeaksOrTakesAwayWithOrWithoutAWord) {
    test.folder.write("speech/English/cat.wav", "RIFF");
    test.folder.write("speech/English/dog.wav", "RIFF");
    const Calls catSaid = {"playOnce speech\\English\\cat.wav"};
    const Calls dogSaid = {"playOnce speech\\English\\dog.wav"};
    const Press catWord = {catSaid, {picture("cat", "100,0"), word("cat", 3)}};
    const Press dogWord = {dogSaid, {picture("dog", "100,0"), word("dog", 3)}};
    const Press catShown = {{}, {picture("cat", "100,75")}};
    const Press dogShown = {{}, {picture("dog", "100,75")}};
    const Press catSpoken = {catSaid, catShown.shown};
    const Press dogSpoken = {dogSaid, dogShown.shown};
    const Press click = {{"playOnce sfx\\click.wav"}, {}};
    const std::tuple<const char*, int, std::string, std::vector<Press>> cases[] = {
        {"word shown", 1, "cat", {catWord, catWord, click, dogWord, dogWord, click, catWord}},
        {"no word shown", 0, "cat", {catShown, catSpoken, catSpoken, click, dogShown, dogSpoken}},
        {"this exercise has no word", 1, "", {catShown, catSpoken, catSpoken, click, dogWord}},
    };
    for (const auto& [what, textOn, catText, presses] : cases) {
        writeList({{"cat", catText, "", "cat.wav"}, {"dog", "dog", "", "dog.wav"}});
        auto screen = start({.textOn = textOn});
        for (std::size_t i = 0; i < presses.size(); ++i) {
            if (i > 0) {
                press(*screen);
            }
            EXPECT_EQ(heard(), presses[i].sounds) << what << ", press " << i;
            EXPECT_EQ(shown(*screen), presses[i].shown) << what << ", press " << i;
        }
    }
}

// Speaking plays the recording, without one the exercise's sound, without that the current
// fallback; the same for both speaking presses. Only 1 and 0 are settings of speech.
TEST_F(PictureWordScreenTest, SpeechThenSoundThenTheFallbackSpeakForTheExercise) {
    const std::tuple<const char*, int, bool, bool, int, Calls> cases[] = {
        {"speech", 1, true, true, 1, {"playOnce speech\\English\\cat.wav"}},
        {"no recording: the sound", 1, false, true, 1, {"playOnce sfx\\images\\moo.wav"}},
        {"neither: the fallback", 1, false, false, 1, {"playOnce sfx\\paint\\fall.wav"}},
        {"speech off: the sound", 0, true, true, 1, {"playOnce sfx\\images\\moo.wav"}},
        {"neither setting", 2, true, true, 1, {}},
        {"sound off", 1, true, true, 0, {}},
    };
    writeList({{"cat", "", "moo.wav", "cat.wav"}}); // no word: the begin shows silently
    for (const auto& [what, speechOn, speechFile, soundFile, soundOn, spoken] : cases) {
        std::filesystem::remove_all(test.folder.path() / "speech");
        std::filesystem::remove_all(test.folder.path() / "sfx");
        test.folder.write("sfx/paint/fall.wav", "RIFF");
        if (speechFile) {
            test.folder.write("speech/English/cat.wav", "RIFF");
        }
        if (soundFile) {
            test.folder.write("sfx/images/moo.wav", "RIFF");
        }
        auto screen = start({.speechOn = speechOn, .sound = soundOn});
        press(*screen); // speaks
        press(*screen); // speaks again
        press(*screen); // takes away, with a click when sound is on
        Calls expected = spoken;
        expected.insert(expected.end(), spoken.begin(), spoken.end());
        if (soundOn == 1) {
            expected.push_back("playOnce sfx\\click.wav");
        }
        EXPECT_EQ(heard(), expected) << what;
        EXPECT_EQ(screen->stage(), 4) << what; // the presses count whether heard or not
    }
}

// Each exercise takes the next fallback sound at its take-away: the first round hears every
// one; past the last there is none for one exercise, and then the list starts anew.
TEST_F(PictureWordScreenTest, TheFallbackSoundChangesOncePerExercise) {
    writeList({{"a"}, {"b"}, {"c"}, {"d"}});
    for (const char* name : {"one", "two", "three"}) {
        test.folder.write(std::string("sfx/paint/") + name + ".wav", "RIFF");
    }
    auto screen = start({.textOn = 0});
    std::vector<std::string> said; // by both speaking presses of each exercise
    for (int exercise = 0; exercise < 5; ++exercise) {
        if (exercise > 0) {
            press(*screen); // shows the next one
        }
        heard();
        press(*screen);
        press(*screen);
        const Calls both = heard();
        said.push_back(both.empty() ? "" : both.size() == 2 && both[0] == both[1] ? both[0] : "?");
        press(*screen); // the click
    }
    EXPECT_EQ(std::set<std::string>(said.begin(), said.begin() + 3),
              (std::set<std::string>{"playOnce sfx\\paint\\one.wav", "playOnce sfx\\paint\\two.wav",
                                     "playOnce sfx\\paint\\three.wav"}));
    EXPECT_EQ(said[3], "");
    EXPECT_TRUE(said[4].starts_with("playOnce sfx\\paint\\")) << said[4];
}

// Capitals change the shown word as its language writes them, but not the list file.
TEST_F(PictureWordScreenTest, CapitalsFollowTheLanguageAndLeaveTheListAsItIs) {
    test.folder.write("data/lang.txt", "Swedish");
    writeList({{"hen", "h\xC3\xB6nan", "", "hona.wav"}}, "Swedish");
    test.folder.write("speech/Swedish/hona.wav", "RIFF");
    const std::string listBefore = test.folder.read("data/Swedish/vimo");
    for (const auto& [capsOn, text] :
         {std::pair{1, "H\xC3\x96NAN"}, std::pair{0, "h\xC3\xB6nan"}}) {
        auto screen = start({.capsOn = capsOn});
        EXPECT_EQ(heard(), (Calls{"playOnce speech\\Swedish\\hona.wav"}));
        EXPECT_EQ(shown(*screen), (Calls{picture("hen", "100,0"), word(text, 5)}));
    }
    EXPECT_EQ(test.folder.read("data/Swedish/vimo"), listBefore);
}

// A picture of any shape shows whole and undistorted in the 600 x 450 box, centred; a 4:3 one
// fills the box as ever.
TEST_F(PictureWordScreenTest, APictureOfAnyShapeKeepsItsShapeInItsBox) {
    const std::tuple<const char*, int, int, const char*, const char*> cases[] = {
        // what, its size, where it shows with its word, and without
        {"4:3", 800, 600, "100,0 600x450", "100,75 600x450"},
        {"3:8 portrait", 300, 800, "315.62,0 168.75x450", "315.62,75 168.75x450"},
    };
    for (const auto& [what, width, height, withWord, alone] : cases) {
        graphics.setImageSize(u"gfx\\images\\a.png", width, height);
        writeList({{"a", "apple"}});
        for (const int textOn : {1, 0}) {
            auto screen = start({.textOn = textOn});
            const Calls calls = shown(*screen);
            ASSERT_FALSE(calls.empty()) << what;
            EXPECT_EQ(calls.front(),
                      "image gfx\\images\\a.png in " + std::string(textOn == 1 ? withWord : alone))
                << what;
        }
    }
}
