// SPDX-License-Identifier: GPL-3.0-or-later
// Odd files in one content folder, played through the real screens on the real drawing and sound
// back ends: pictures and sounds that cannot show or play, and lists of every odd kind. Every
// activity carries on, stays within its memory, and still leaves on Esc.
#include "ContentFiles.h"
#include "GameSession.h"
#include "PathologicalSvgs.h"
#include "ResidentMemory.h"

#include <gtest/gtest.h>
#include <unistd.h>

// What one activity may take on top of what the process holds when it starts: the demo content
// needs a few tens of megabytes; one picture of 10000 x 10000 pixels decoded, over a gigabyte.
constexpr long kMemoryBudgetMiB = 200;

TEST(BadContent, EveryActivityCarriesOnThroughOddPicturesSoundsAndLists) {
    GameSession session;
    ASSERT_NE(session.sound(), nullptr) << "the dummy audio driver did not open";
    const std::string picture = session.folder.read("gfx/images/cat.png");
    const std::pair<const char*, std::string> files[] = {
        {"gfx/images/truncated.png", picture.substr(0, picture.size() / 2)},
        {"gfx/images/text.png", "these are the notes for the cat picture\n"},
        {"gfx/images/empty.png", ""},
        {"gfx/images/huge.png", hugeVectorPicture()},
        {"gfx/images/big.png", picture}, // made a file of gigabytes below
        // the decorations of the screens
        {"gfx/buttons/stop.png", picture.substr(0, picture.size() / 2)},
        {"gfx/findimages/selFrame.png", png::solidRgb(10000, 10000, 0xFF0000)},
        {"gfx/paint/car02.png", "not a picture"},
        // sounds that are no wave files, or wave files cut short or declaring too much
        {"sfx/click.wav", "this is a click\n"},
        {"music/menu.wav", ""},
        {"sfx/images/cat.wav", shortWave().substr(0, 40)},
        {"speech/English/dog.wav", "RIFF\xff\xff\xff\xffWAVEfmt "},
    };
    std::vector<ListItem> pictures;
    for (const auto& [name, bytes] : files) {
        session.folder.write(name, bytes);
        const std::string file = std::filesystem::path(name).filename().string();
        if (std::string(name).starts_with("gfx/images/")) {
            pictures.push_back({file, file, "cat.wav", "dog.wav", file});
        }
    }
    session.folder.makeFolder("gfx/images/folder.png");
    ASSERT_EQ(::truncate((session.folder.path() / "gfx/images/big.png").c_str(), off_t{2} << 30),
              0);
    pictures.push_back({"folder", "folder.png", "dog.wav", "dog.wav", "folder"});

    const std::string megabyte(1 << 20, 'w');
    std::vector<ListItem> many;
    for (int i = 0; i < 10000; ++i) {
        const std::string animal = i % 2 == 0 ? "cat" : "dog";
        many.push_back({animal + std::to_string(i), animal + ".png", animal + ".wav",
                        animal + ".wav", animal, "-4852342"});
    }
    const std::pair<const char*, std::string> lists[] = {
        {"pictures that cannot show", listBytes(pictures)},
        {"every line a megabyte",
         listBytes({{"a" + megabyte, megabyte, megabyte, megabyte, megabyte, megabyte},
                    {"b" + megabyte, "cat.png", megabyte, megabyte, megabyte, "-4852342"},
                    {"cat", "cat.png", "cat.wav", "cat.wav", "\xF0\x9F\x98\x80 cat"}})},
        {"ten thousand exercises", listBytes(many)},
        {"empty", ""},
        {"nothing but line ends", std::string(100000, '\n')},
    };
    Options options(session.faulty);
    options.listName.fill(u"odd");
    options.useStop = 1;
    options.keyTime = 0.2f;
    options.capsOn = 1;
    options.writeOptionsFile();
    for (const auto& [what, bytes] : lists) {
        SCOPED_TRACE(what);
        session.folder.write("data/English/odd", bytes);
        for (const ScreenId id :
             {ShapesId, FindImagesId, PictureWordId, MovingPictureId, RingsId, PaintId}) {
            SCOPED_TRACE("activity " + std::to_string(id));
            ResidentMemory::restartPeak();
            const long before = ResidentMemory::currentMiB();
            ASSERT_EQ(session.start(id), 1);
            EXPECT_EQ(session.play(80, 1000u + static_cast<std::uint32_t>(id)), Stay);
            EXPECT_LE(ResidentMemory::peakMiB() - before, kMemoryBudgetMiB);
            session.screen()->keyDown(kKeyEscape);
            EXPECT_EQ(session.turn(20), MenuId);
            EXPECT_TRUE(session.errorBox.messages.empty());
        }
    }
}

// An SVG picture that would keep the rasteriser busy for minutes or take it gigabytes never keeps
// the game from answering: with each on show, still being drawn, the activity leaves on Esc; given
// its budget's time, it is shown as missing and named on standard error.
TEST(BadContent, APictureThatTakesForeverToDrawNeverKeepsTheGameFromAnswering) {
    GameSession session;
    Options options(session.faulty);
    options.listName.fill(u"odd");
    options.writeOptionsFile();
    for (const auto& [name, bytes] : pathologicalSvgs()) {
        SCOPED_TRACE(name);
        session.folder.write("gfx/images/" + name, bytes);
        session.folder.write("data/English/odd",
                             listBytes({{"odd", name, "cat.wav", "dog.wav", "odd"}}));
        // First no frame waits for the picture; then a frame waits until its budget is spent.
        for (const bool framesWait : {false, true}) {
            session.surfaces.vectorPictures().setTiming(
                PictureBudget{400, std::size_t{64} << 20},
                framesWait ? std::nullopt : std::optional<std::uint32_t>(0));
            testing::internal::CaptureStderr();
            ASSERT_EQ(session.start(PictureWordId), 1);
            EXPECT_EQ(session.turn(1000), Stay);  // past the key time of a press before
            session.screen()->keyDown(kKeySpace); // the picture shows
            session.screen()->keyUp(kKeySpace);
            EXPECT_EQ(session.turn(20), Stay);
            session.screen()->keyDown(kKeyEscape);
            EXPECT_EQ(session.turn(20), MenuId);
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_EQ(said.find("cannot show the picture gfx\\images\\" + name) !=
                          std::string::npos,
                      framesWait)
                << said;
        }
    }
}
