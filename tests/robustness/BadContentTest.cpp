// SPDX-License-Identifier: GPL-3.0-or-later
// Odd files in one content folder, played through the real screens on the real drawing and sound
// back ends: pictures and sounds that cannot show or play, and lists of every odd kind. Every
// activity carries on, shows what it can, stays within its memory, and still leaves on Esc.
#include "ContentFiles.h"
#include "GameSession.h"
#include "ResidentMemory.h"
#include "common/text/Utf8.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// What one activity may take on top of what the process holds when it starts. The demo content
// with its sounds needs a few tens of megabytes; one picture of 10000 x 10000 pixels decoded
// would take over a gigabyte.
constexpr long kMemoryBudgetMiB = 200;

constexpr std::uint32_t kGreen = 0x20C040;

// Every screen's list is `name`, with the stop button shown and presses a fifth of a second
// apart accepted.
void useList(GameSession& session, const std::u16string& name) {
    session.changeSettings([&](Options& options) {
        options.listName.fill(name);
        options.useStop = 1;
        options.keyTime = 0.2f;
    });
}

} // namespace

TEST(BadContent, EveryActivityCarriesOnThroughOddPicturesSoundsAndLists) {
    GameSession session(GameSession::SoundBackEnd::Real);
    ASSERT_NE(session.realSound(), nullptr) << "the dummy audio driver did not open";
    const std::string picture = session.folder.read("gfx/images/cat.png");
    const std::string wave = shortWave();
    const std::string huge = png::solidRgb(10000, 10000, 0xFF0000);
    const std::pair<const char*, std::string> files[] = {
        {"gfx/images/truncated.png", picture.substr(0, picture.size() / 2)},
        {"gfx/images/header only.png", picture.substr(0, 40)},
        {"gfx/images/text.png", "these are the notes for the cat picture\n"},
        {"gfx/images/empty.png", ""},
        {"gfx/images/vector.png", hugeVectorPicture()},
        {"gfx/images/huge.png", huge},
        {"gfx/images/big.png", picture}, // made a file of gigabytes below
        {"gfx/images/good.png", solidPng(kGreen)},
        // the decorations of the screens
        {"gfx/buttons/stop.png", picture.substr(0, picture.size() / 2)},
        {"gfx/findimages/selFrame.png", huge},
        {"gfx/findimages/hDivider.png", ""},
        {"gfx/paint/car02.png", "not a picture"},
        {"gfx/paint/fish01.png", huge},
        // sounds that are no wave files, or wave files cut short
        {"sfx/click.wav", "this is a click\n"},
        {"music/menu.wav", ""},
        {"sfx/images/cat.wav", wave.substr(0, 40)},
        {"sfx/images/dog.wav", picture},
        {"speech/English/cat.wav", std::string(4096, '\0')},
        {"speech/English/dog.wav", "RIFF\xff\xff\xff\xffWAVEfmt "},
        {"music/intro1.wav", picture},
        {"music/intro2.wav", wave.substr(0, wave.size() / 2)},
        {"music/intro3.wav", hugeVectorPicture()},
        {"music/intro4.wav", "ID3\x04"},
        {"music/intro5.wav", ""},
        {"music/intro6.wav", "OggS"},
    };
    std::vector<ListItem> pictures;
    for (const auto& [name, bytes] : files) {
        session.folder.write(name, bytes);
        const std::string file = std::filesystem::path(name).filename().string();
        if (std::string(name).starts_with("gfx/images/")) {
            pictures.push_back({file, file, "cat.wav", "cat.wav", file});
        }
    }
    ASSERT_EQ(::truncate((session.folder.path() / "gfx/images/big.png").c_str(), off_t{2} << 30),
              0);
    session.folder.makeFolder("gfx/images/folder.png");
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
                    {"cat", "cat.png", "cat.wav", "cat.wav", "cat"}})},
        {"a last line of a megabyte without its end",
         listBytes({{"cat", "cat.png", "cat.wav", "cat.wav", "cat"}}) + "dog\r\ndog.png\r\n" +
             megabyte},
        {"ten thousand exercises", listBytes(many)},
        {"letters beyond the first plane",
         listBytes({{"cat", "cat.png", "cat.wav", "cat.wav", "\xF0\x9F\x98\x80 cat"}})},
        {"empty", ""},
        {"a mark and nothing else", "\xEF\xBB\xBF"},
        {"a picture", picture},
        {"UTF-16 cut in the middle of a unit", std::string("\xFF\xFE"
                                                           "c\0a\0t\0\r",
                                                           9)},
        {"nothing but line ends", std::string(100000, '\n')},
    };
    useList(session, u"odd");
    bool first = true;
    for (const auto& [what, bytes] : lists) {
        SCOPED_TRACE(what);
        session.folder.write("data/English/odd", bytes);
        session.changeSettings([&](Options& options) { options.capsOn = first ? 0 : 1; });
        // Rings and painting read no list: they meet the odd pictures and sounds once.
        for (const ScreenId id :
             {ShapesId, FindImagesId, PictureWordId, MovingPictureId, RingsId, PaintId}) {
            if (!first && (id == RingsId || id == PaintId)) {
                continue;
            }
            SCOPED_TRACE("activity " + std::to_string(id));
            ResidentMemory::restartPeak();
            const long before = ResidentMemory::currentMiB();
            ASSERT_EQ(session.start(id), 1);
            EXPECT_EQ(session.play(80, 1000u + static_cast<std::uint32_t>(id)), Stay);
            EXPECT_LE(ResidentMemory::peakMiB() - before, kMemoryBudgetMiB);
            EXPECT_TRUE(session.leavesOnEsc());
            EXPECT_TRUE(session.errorBox.messages.empty());
        }
        first = false;
    }
    // The shared channel never plays a file that is not a sound.
    EXPECT_EQ(session.realSound()->sharedChannelSound(), u"");
}

// Content made on Windows, after pictures that cannot show: a name with spaces and accented
// letters, in a letter case that is not the list's, folders included. Each exercise takes four
// presses (show, speak, speak, take away); the pictures that cannot show leave the screen empty,
// and the next picture shows and its recording plays.
TEST(BadContent, AfterPicturesThatCannotShowOneNamedAsOnWindowsShowsAndSpeaks) {
    GameSession session(GameSession::SoundBackEnd::Real);
    ASSERT_NE(session.realSound(), nullptr);
    std::filesystem::remove_all(session.folder.path() / "speech");
    session.folder.write("gfx/images/huge.png", png::solidRgb(10000, 10000, 0xFF0000));
    session.folder.write("gfx/images/text.png", "not a picture");
    session.folder.write("gfx/images/RÖD Katt åäö.Png", solidPng(kGreen));
    session.folder.write("SPEECH/english/äPPLE ÄR gott.wav", pcmWave(22050, 44100));
    session.folder.write("data/English/odd",
                         listBytes({{"huge", "huge.png"},
                                    {"text", "text.png"},
                                    {"cat", "röd katt ÅÄÖ.png", "", "Äpple är GOTT.wav", "cat"}}));
    useList(session, u"odd");
    session.changeSettings([](Options& options) {
        options.random.fill(0);
        options.musicOn.fill(0);
        options.speechOn = 1;
        options.textOn = 1;
        options.backgroundColour[PictureWordId] = 0xFF000000;
    });
    ASSERT_EQ(session.start(PictureWordId), 1);
    // With the word shown, the picture stands at the top: 600 x 450 from (100, 0).
    std::vector<std::uint32_t> middles;
    for (int press = 0; press < 9; ++press) {
        session.turn(20);
        middles.push_back(session.pixel(400, 200));
        session.clock.advanceMilliseconds(1000);
        session.screen()->keyDown(kKeySpace);
        session.screen()->keyUp(kKeySpace);
    }
    EXPECT_EQ(middles, (std::vector<std::uint32_t>{0, 0, 0, 0, 0, 0, 0, 0, kGreen}));
    EXPECT_EQ(toUtf8(session.realSound()->sharedChannelSound()),
              "speech\\English\\Äpple är GOTT.wav");
}
