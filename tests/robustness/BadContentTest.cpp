// SPDX-License-Identifier: GPL-3.0-or-later
// Odd files in the content folder, played through the real screens on the real drawing back end:
// every activity carries on, shows what it can, stays within its memory, and still leaves on Esc.
#include "ContentFiles.h"
#include "GameSession.h"
#include "ResidentMemory.h"
#include "common/text/Utf8.h"

#include <gtest/gtest.h>
#include <span>

namespace {

constexpr ScreenId kActivities[] = {RingsId, ShapesId,      FindImagesId,
                                    PaintId, PictureWordId, MovingPictureId};
// The activities that read a content list.
constexpr ScreenId kListActivities[] = {ShapesId, FindImagesId, PictureWordId, MovingPictureId};

// What one activity may take on top of what the process holds when it starts. The demo content
// with its sounds needs a few tens of megabytes; one picture of 10000 x 10000 pixels decoded
// would take over a gigabyte.
constexpr long kMemoryBudgetMiB = 200;

constexpr std::uint32_t kGreen = 0x20C040;

// Every activity plays `events` pieces of random input on the session's content and carries
// on: it stays, stays within its memory, reports nothing, and leaves for the menu on Esc.
void expectActivitiesCarryOn(GameSession& session, std::span<const ScreenId> activities,
                             int events = 150) {
    for (const ScreenId id : activities) {
        SCOPED_TRACE("activity " + std::to_string(id));
        ResidentMemory::restartPeak();
        const long before = ResidentMemory::currentMiB();
        ASSERT_EQ(session.start(id), 1);
        EXPECT_EQ(session.play(events, 1000u + static_cast<std::uint32_t>(id)), Stay);
        EXPECT_LE(ResidentMemory::peakMiB() - before, kMemoryBudgetMiB);
        EXPECT_TRUE(session.leavesOnEsc());
        EXPECT_TRUE(session.errorBox.messages.empty());
    }
}

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

TEST(BadContent, BrokenPicturesLoadAsNothingAndEveryActivityCarriesOn) {
    GameSession session;
    const std::string realPng = session.folder.read("gfx/images/cat.png");
    struct Bad {
        const char* what;
        std::string bytes;
    };
    const std::vector<Bad> bad = {
        {"truncated", realPng.substr(0, realPng.size() / 2)},
        {"header only", realPng.substr(0, 40)},
        {"not a picture", "these are the notes for the cat picture\n"},
        {"empty", ""},
        {"vector", hugeVectorPicture()},
        {"huge", png::solidRgb(10000, 10000, 0xFF0000)},
    };
    std::vector<ListItem> items;
    for (const Bad& picture : bad) {
        const std::string file = std::string(picture.what) + ".png";
        session.folder.write("gfx/images/" + file, picture.bytes);
        items.push_back({picture.what, file, "cat.wav", "cat.wav", picture.what});
    }
    session.folder.makeFolder("gfx/images/folder.png");
    items.push_back({"folder", "folder.png", "cat.wav", "cat.wav", "folder"});
    session.folder.write("gfx/images/good.png", solidPng(kGreen));
    items.push_back({"good", "good.png", "dog.wav", "dog.wav", "good"});
    session.folder.write("data/English/bad", listBytes(items));
    // The decorations of the screens broken too.
    session.folder.write("gfx/buttons/stop.png", bad[0].bytes);
    session.folder.write("gfx/findimages/selFrame.png", bad[5].bytes);
    session.folder.write("gfx/findimages/hDivider.png", "");
    session.folder.write("gfx/paint/car02.png", bad[2].bytes);
    session.folder.write("gfx/paint/fish01.png", bad[5].bytes);
    useList(session, u"bad");

    expectActivitiesCarryOn(session, kActivities);
}

TEST(BadContent, AfterPicturesThatCannotShowTheNextOneShows) {
    GameSession session;
    session.folder.write("gfx/images/huge.png", png::solidRgb(10000, 10000, 0xFF0000));
    session.folder.write("gfx/images/text.png", "not a picture");
    session.folder.write("gfx/images/good.png", solidPng(kGreen));
    session.folder.write(
        "data/English/bad",
        listBytes({{"huge", "huge.png"}, {"text", "text.png"}, {"good", "good.png"}}));
    useList(session, u"bad");
    session.changeSettings([](Options& options) {
        options.random.fill(0);
        options.textOn = 0;
        options.backgroundColour[PictureWordId] = 0xFF000000;
    });
    ASSERT_EQ(session.start(PictureWordId), 1);
    // Each exercise takes four presses: show, speak, speak, take away. The picture is drawn
    // 600 x 450 in the middle of the screen.
    std::vector<std::uint32_t> middles;
    for (int press = 0; press < 9; ++press) {
        session.turn(20);
        middles.push_back(session.pixel(400, 300));
        session.clock.advanceMilliseconds(1000);
        session.screen()->keyDown(kKeySpace);
        session.screen()->keyUp(kKeySpace);
    }
    EXPECT_EQ(middles, (std::vector<std::uint32_t>{0, 0, 0, 0, 0, 0, 0, 0, kGreen}));
}

TEST(BadContent, SoundsThatAreNotWaveFilesLeaveTheGameSilentAndPlaying) {
    GameSession session(GameSession::SoundBackEnd::Real);
    ASSERT_NE(session.realSound(), nullptr) << "the dummy audio driver did not open";
    const std::string wave = shortWave();
    const std::string picture = session.folder.read("gfx/images/cat.png");
    struct Bad {
        const char* file;
        std::string bytes;
    };
    const Bad bad[] = {
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
    for (const Bad& file : bad) {
        session.folder.write(file.file, file.bytes);
    }
    session.folder.write("data/English/bad",
                         listBytes({{"cat", "cat.png", "cat.wav", "cat.wav", "cat"},
                                    {"dog", "dog.png", "dog.wav", "dog.wav", "dog"}}));
    useList(session, u"bad");

    expectActivitiesCarryOn(session, kActivities);
    // The shared channel never plays a file that is not a sound.
    EXPECT_EQ(session.realSound()->sharedChannelSound(), u"");
}

TEST(BadContent, ListsOfMegabyteLinesOrTenThousandExercisesArePlayed) {
    const std::string megabyte(1 << 20, 'w');
    std::vector<ListItem> many;
    const char* animals[] = {"cat", "dog", "horse", "pig"};
    for (int i = 0; i < 10000; ++i) {
        const std::string animal = animals[i % 4];
        many.push_back({animal + std::to_string(i), animal + ".png", animal + ".wav",
                        animal + ".wav", animal, "-4852342"});
    }
    struct Case {
        const char* what;
        std::string list;
    };
    const Case cases[] = {
        {"every line a megabyte",
         listBytes({{"a" + megabyte, megabyte, megabyte, megabyte, megabyte, megabyte},
                    {"b" + megabyte, "cat.png", megabyte, megabyte, megabyte, "-4852342"},
                    {"cat", "cat.png", "cat.wav", "cat.wav", "cat"}})},
        {"a last line of a megabyte without its end",
         listBytes({{"cat", "cat.png", "cat.wav", "cat.wav", "cat"}}) + "dog\r\ndog.png\r\n" +
             megabyte},
        {"ten thousand exercises", listBytes(many)},
    };
    for (const Case& list : cases) {
        SCOPED_TRACE(list.what);
        GameSession session;
        session.folder.write("data/English/odd", list.list);
        useList(session, u"odd");
        for (const int caps : {0, 1}) {
            session.changeSettings([&](Options& options) { options.capsOn = caps; });
            expectActivitiesCarryOn(session, kListActivities, 80);
        }
    }
}

TEST(BadContent, ListsThatCannotBeReadAreReportedAndTheMenuComesBack) {
    struct Case {
        const char* what;
        std::function<void(TemporaryFolder&)> make;
    };
    const Case cases[] = {
        {"the list is a folder", [](auto& folder) { folder.makeFolder("data/English/odd/x"); }},
        {"the list is missing", [](auto&) {}},
        {"the language's folder is missing",
         [](auto& folder) { std::filesystem::remove_all(folder.path() / "data/English"); }},
        {"the language file names a language without a folder",
         [](auto& folder) { folder.write("data/lang.txt", "Klingon\r\n"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameSession session;
        useList(session, u"odd");
        c.make(session.folder);
        for (const ScreenId id : kListActivities) {
            session.errorBox.messages.clear();
            EXPECT_EQ(session.start(id), 0);
            EXPECT_EQ(session.turn(20), MenuId);
            ASSERT_EQ(session.errorBox.messages.size(), 1u);
            EXPECT_EQ(session.errorBox.messages[0].text.rfind(u"A list is missing: data\\", 0), 0u);
            EXPECT_EQ(session.errorBox.messages[0].text.substr(
                          session.errorBox.messages[0].text.size() - 4),
                      u"\\odd");
        }
        // The menu still works: it starts, and the child's presses lead on to a screen, never
        // to the end of the game.
        ASSERT_EQ(session.start(MenuId), 1);
        const NextScreen next = session.play(50, 7, GameSession::Keys::Left);
        EXPECT_TRUE(next != Quit && next != MenuId) << testing::PrintToString(next);
    }
}

TEST(BadContent, ListsThatAreNoListsGiveWhatCanBeReadAndTheActivitiesCarryOn) {
    GameSession session;
    const std::string picture = session.folder.read("gfx/images/cat.png");
    const std::string cutUtf16 = std::string("\xFF\xFE", 2) + std::string("c\0a\0t\0\r", 7);
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"a mark and nothing else", "\xEF\xBB\xBF"},
        {"a picture", picture},
        {"UTF-16 cut in the middle of a unit", cutUtf16},
        {"nothing but line ends", std::string(100000, '\n')},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        session.folder.write("data/English/odd", bytes);
        useList(session, u"odd");
        expectActivitiesCarryOn(session, kListActivities, 60);
    }
}

TEST(BadContent, WithoutRecordingsTheExercisesOwnSoundSpeaks) {
    struct Case {
        const char* what;
        std::function<void(TemporaryFolder&)> make;
    };
    const Case cases[] = {
        {"no speech folder at all",
         [](auto& folder) { std::filesystem::remove_all(folder.path() / "speech"); }},
        {"no folder for the language",
         [](auto& folder) { std::filesystem::remove_all(folder.path() / "speech/English"); }},
        {"a file where the language's folder should be",
         [](auto& folder) {
             std::filesystem::remove_all(folder.path() / "speech/English");
             folder.write("speech/English", "not a folder");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameSession session;
        session.folder.write("data/English/odd",
                             listBytes({{"cat", "cat.png", "cat.wav", "cat.wav", "cat"}}));
        useList(session, u"odd");
        session.changeSettings([](Options& options) {
            options.musicOn.fill(0);
            options.speechOn = 1;
            options.textOn = 1;
        });
        c.make(session.folder);
        ASSERT_EQ(session.start(PictureWordId), 1);
        session.turn(20);
        EXPECT_EQ(session.recordingSound.calls,
                  (std::vector<std::string>{"playOnce sfx\\images\\cat.wav"}));
        EXPECT_EQ(session.play(60, 3), Stay);
        EXPECT_TRUE(session.leavesOnEsc());
    }
}

// Content made on Windows: names with spaces and accented letters, in a letter case that is not
// the list's, folders included. The picture shows and the recording plays.
TEST(BadContent, NamesWithSpacesAccentsAndAnotherLetterCaseAreFound) {
    struct Case {
        const char* what;
        std::string listImage, diskImage;
        std::string listSpeech, diskSpeech;
        std::string speechFolder;
    };
    const Case cases[] = {
        {"spaces", "red cat.png", "red cat.png", "red cat says.wav", "red cat says.wav",
         "speech/English"},
        {"accents", "röd katt.png", "röd katt.png", "äpple är gott.wav", "äpple är gott.wav",
         "speech/English"},
        {"letter case", "RedCat.png", "REDCAT.PNG", "miaow.wav", "Miaow.WAV", "Speech/ENGLISH"},
        {"all three", "röd katt ÅÄÖ.png", "RÖD Katt åäö.Png", "Äpple är GOTT.wav",
         "äPPLE ÄR gott.wav", "SPEECH/english"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameSession session(GameSession::SoundBackEnd::Real);
        ASSERT_NE(session.realSound(), nullptr);
        std::filesystem::remove_all(session.folder.path() / "speech");
        session.folder.write("gfx/images/" + c.diskImage, solidPng(kGreen));
        session.folder.write(c.speechFolder + "/" + c.diskSpeech, pcmWave(22050, 44100));
        session.folder.write("data/English/odd",
                             listBytes({{"cat", c.listImage, "", c.listSpeech, "cat"}}));
        useList(session, u"odd");
        session.changeSettings([](Options& options) {
            options.musicOn.fill(0);
            options.speechOn = 1;
            options.textOn = 1;
            options.backgroundColour[PictureWordId] = 0xFF000000;
        });
        ASSERT_EQ(session.start(PictureWordId), 1);
        session.turn(20);
        // With the word shown, the picture stands at the top: 600 x 450 from (100, 0).
        EXPECT_EQ(session.pixel(400, 200), kGreen);
        const std::u16string speech = u"speech\\English\\" + fromUtf8(c.listSpeech);
        EXPECT_EQ(toUtf8(session.realSound()->sharedChannelSound()), toUtf8(speech));
    }
}
