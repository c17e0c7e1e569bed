// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/ShapesScreen.h"

#include "ScreenFixture.h"

class ShapesScreenTest : public ScreenFixture {
protected:
    // How many exercise pictures the next frame shows.
    std::size_t pictures(ShapesScreen& screen) {
        return static_cast<std::size_t>(
            std::ranges::count_if(frame(screen), [](const std::string& call) {
                return call.starts_with("image gfx\\images\\");
            }));
    }
};

// Each press as the number of pictures shown after it and the sound it played: K<j> for the j-th
// step sound of the set's variant, N<j> of the next set's variant, dK its done sound, - none. The
// way back starts with the sound after the last played; each set takes another variant.
TEST_F(ShapesScreenTest, PressByPressPicturesComeAndGoWithTheStepSoundsThenDoneThenANewSet) {
    const std::tuple<int, int, std::string> cases[] = {
        // One picture: show, then hide together with the done sound, then a new set.
        {1, 1, "1K1 0dK 1N1"},
        {4, 4, "1K1 2K2 3K3 4K4 3K4 2K3 1K2 0K1 0dK 1N1 2N2"},
        {2, 3, "1K1 2K2 1K3 0K2 0dK 1N1"}, // more files than pictures
        {2, 0, "1- 2- 1- 0- 0dK 1-"},      // no step sounds: the done sound is still tried
    };
    for (const auto& [setSize, stepFiles, expected] : cases) {
        std::filesystem::remove_all(test.folder.path() / "sfx");
        const std::string folder = "sfx/shapes/" + std::to_string(setSize) + "/";
        for (const std::string k : {"0", "1", "2", "3"}) {
            for (int step = 1; step <= stepFiles; ++step) {
                test.folder.write(folder + "step" + k + "_" + std::to_string(step) + ".wav", "x");
            }
            test.folder.write(folder + "done" + k + ".wav", "x");
        }
        writeList({exerciseItem("e0"), exerciseItem("e1"), exerciseItem("e2")});
        writeSettings([&](Options& options) {
            options.numPatterns = setSize;
            options.random[ShapesId] = 0; // the list in its order
        });
        auto screen = std::make_unique<ShapesScreen>(services, 1);
        begin(*screen);
        heard();
        EXPECT_EQ(pictures(*screen), 0u);
        std::string described;
        char variant = 0;
        while (described.size() < expected.size()) {
            press(*screen);
            const Calls calls = heard();
            std::string sound = calls.empty() ? "-" : calls.size() > 1 ? "?" : "";
            if (calls.size() == 1) { // playOnce sfx\shapes\<size>\step2_1.wav or ...\done2.wav
                const std::string name = calls[0].substr(calls[0].rfind('\\') + 1);
                variant = variant == 0 ? name[4] : variant;
                const char letter = name[4] == variant ? 'K' : 'N';
                sound = name[0] == 'd' ? std::string("d") + letter
                                       : letter + name.substr(6, name.size() - 10);
            }
            described += (described.empty() ? "" : " ") + std::to_string(pictures(*screen)) + sound;
        }
        EXPECT_EQ(described, expected) << setSize << " pictures, " << stepFiles << " steps";
        const std::string first = "image gfx\\images\\e" + std::to_string(setSize % 3) + ".png";
        EXPECT_TRUE(frame(*screen).at(1).starts_with(first)) << "the last set in list order";
    }
}
