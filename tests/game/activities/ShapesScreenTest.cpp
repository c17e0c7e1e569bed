// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/ShapesScreen.h"

#include "ActivityFixture.h"

#include <algorithm>
#include <set>

class ShapesScreenTest : public ActivityFixture {
protected:
    ShapesScreenTest() {
        writeList({exerciseItem("e0"), exerciseItem("e1"), exerciseItem("e2"), exerciseItem("e3"),
                   exerciseItem("e4")});
    }

    // Step sounds step<k>_1 to step<k>_<count> and done<k> for all four variants.
    void writeSounds(int setSize, int count) {
        const std::string folder = "sfx/shapes/" + std::to_string(setSize) + "/";
        for (const std::string k : {"0", "1", "2", "3"}) {
            for (int step = 1; step <= count; ++step) {
                test.folder.write(folder + "step" + k + "_" + std::to_string(step) + ".wav", "x");
            }
            test.folder.write(folder + "done" + k + ".wav", "x");
        }
    }

    // Built and begun as the factory does it, on sets of the size given; the list keeps its
    // order.
    std::unique_ptr<ShapesScreen> makeScreen(int numPatterns) {
        writeSettings([&](Options& options) {
            options.numPatterns = numPatterns;
            options.random[ShapesId] = 0;
        });
        auto screen = std::make_unique<ShapesScreen>(services, 1);
        begin(*screen);
        return screen;
    }

    // The exercise pictures the next frame shows.
    Calls pictures(ShapesScreen& screen) {
        Calls drawn = frame(screen);
        std::erase_if(drawn, [](const std::string& call) {
            return !call.starts_with("image gfx\\images\\");
        });
        return drawn;
    }

    // Each press as the number of pictures shown after it and the sound it played: K<j> for the
    // j-th step sound of the set's variant, N<j> of another variant, dK its done sound, - none.
    std::string presses(ShapesScreen& screen, int count, int setSize) {
        const std::string folder = "playOnce sfx\\shapes\\" + std::to_string(setSize) + "\\";
        std::string described;
        char variant = 0;
        for (int p = 0; p < count; ++p) {
            press(screen);
            std::string sound = "-";
            const Calls calls = std::exchange(test.sound.calls, {});
            if (calls.size() > 1 || (calls.size() == 1 && !calls[0].starts_with(folder))) {
                sound = "?";
            } else if (calls.size() == 1) {
                const std::string name = calls[0].substr(folder.size()); // step2_1.wav, done2.wav
                variant = variant == 0 ? name[4] : variant;
                const char letter = name[4] == variant ? 'K' : 'N';
                sound = name[0] == 'd' ? std::string("d") + letter
                                       : letter + name.substr(6, name.size() - 10);
            }
            described += (p > 0 ? " " : "") + std::to_string(pictures(screen).size()) + sound;
        }
        return described;
    }
};

// A whole cycle of presses and the start of the next set, as described by presses().
TEST_F(ShapesScreenTest, PressByPressPicturesComeAndGoWithTheStepSoundsThenDoneThenANewSet) {
    const std::tuple<int, int, std::string> cases[] = {
        // One picture: show, then hide together with the done sound, then a new set.
        {1, 1, "1K1 0dK 1N1"},
        {2, 2, "1K1 2K2 1K2 0K1 0dK 1N1"},
        {4, 4, "1K1 2K2 3K3 4K4 3K4 2K3 1K2 0K1 0dK 1N1 2N2"},
        {8, 8, "1K1 2K2 3K3 4K4 5K5 6K6 7K7 8K8 7K8 6K7 5K6 4K5 3K4 2K3 1K2 0K1 0dK 1N1"},
        // More files than pictures: the way back starts with the one after the last played.
        {2, 3, "1K1 2K2 1K3 0K2 0dK 1N1"},
        // With one picture hiding plays no step, whatever the files.
        {1, 3, "1K1 0dK 1N1"},
        // No step sounds: silence, and the done sound is still tried.
        {2, 0, "1- 2- 1- 0- 0dK 1-"},
    };
    for (const auto& [setSize, stepFiles, expected] : cases) {
        SCOPED_TRACE(std::to_string(setSize) + " pictures, " + std::to_string(stepFiles));
        std::filesystem::remove_all(test.folder.path() / "sfx");
        writeSounds(setSize, stepFiles);
        auto screen = makeScreen(setSize);
        test.sound.calls.clear();
        EXPECT_TRUE(pictures(*screen).empty());
        const auto count = std::count(expected.begin(), expected.end(), ' ') + 1;
        EXPECT_EQ(presses(*screen, static_cast<int>(count), setSize), expected);
    }
}

// Where each set size puts its pictures, and which exercises the sets take. Pictures of 4:3 fill
// their places; a 3:8 portrait (e2) and a 16:9 landscape (e3) show whole and centred in them.
TEST_F(ShapesScreenTest, EachSetSizeHasItsLayoutAndTheSetsRunOnThroughTheList) {
    graphics.setImageSize(u"gfx\\images\\e0.png", 120, 90);
    graphics.setImageSize(u"gfx\\images\\e1.png", 80, 60);
    graphics.setImageSize(u"gfx\\images\\e2.png", 300, 800);
    graphics.setImageSize(u"gfx\\images\\e3.png", 1600, 900);
    const auto at = [](const std::string& name, const std::string& place) {
        return "image gfx\\images\\" + name + ".png in " + place;
    };
    const std::tuple<int, int, Calls> cases[] = {
        {1, 1, {at("e0", "200,150 400x300")}},
        {4,
         4,
         {at("e0", "0,0 400x300"), at("e1", "400,0 400x300"), at("e2", "143.75,300 112.5x300"),
          at("e3", "400,337.5 400x225")}},
        // The second set of four starts where the first ended and wraps round the list.
        {4, 11, {at("e4", "0,0 400x300"), at("e0", "400,0 400x300")}},
        // A size without a layout keeps each picture at its corner and its own size.
        {3, 2, {at("e0", "0,0 120x90"), at("e1", "0,0 80x60")}},
        // What a hand-edited file might ask for: more than eight gives eight, less than one one.
        {12, 1, {at("e0", "0,100 200x150")}},
        {0, 1, {at("e0", "200,150 400x300")}},
    };
    for (const auto& [numPatterns, presses, shown] : cases) {
        auto screen = makeScreen(numPatterns);
        press(*screen, presses);
        EXPECT_EQ(pictures(*screen), shown) << numPatterns << " after " << presses;
    }
}

// Each set takes the next of the four sound variants: every round of four has each once.
TEST_F(ShapesScreenTest, TheFourVariantsComeOnceEachBeforeAnyRepeats) {
    writeSounds(1, 1);
    auto screen = makeScreen(1);
    test.sound.calls.clear();
    std::string variants;
    for (int set = 0; set < 12; ++set) {
        press(*screen, 2); // shows the set's picture with its step sound, hides it with done
        ASSERT_EQ(test.sound.calls.size(), 2u);
        variants += test.sound.calls[0].substr(test.sound.calls[0].find("step") + 4, 1);
        EXPECT_EQ(test.sound.calls[1],
                  "playOnce sfx\\shapes\\1\\done" + variants.substr(set, 1) + ".wav");
        test.sound.calls.clear();
    }
    for (std::size_t round = 0; round < 3; ++round) {
        const std::string four = variants.substr(round * 4, 4);
        EXPECT_EQ(std::set<char>(four.begin(), four.end()).size(), 4u) << variants;
    }
}
