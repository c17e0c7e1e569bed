// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/ContentList.h"

#include "FaultyFileSystem.h"
#include "RecordingErrorBox.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

namespace {

// The same two exercises in every encoding a list may come in.
const std::u16string kFarm =
    u"Cow\r\ncow.png\r\nmoo.wav\r\nko.wav\r\nKo p\u00e5 bete\r\n-16777216\r\n"
    u"Hen\r\nhen.png\r\n\r\n\r\n\r\n16777215\r\n";

std::string encode(const std::u16string& text, int encoding) {
    std::string bytes;
    switch (encoding) {
    case 0:
        for (char16_t c : text) {
            bytes += static_cast<char>(c);
        }
        return bytes;
    case 2:
        bytes = "\xFF\xFE";
        for (char16_t c : text) {
            bytes += static_cast<char>(c & 0xFF);
            bytes += static_cast<char>(c >> 8);
        }
        return bytes;
    default:
        bytes = "\xEF\xBB\xBF";
        for (char16_t c : text) {
            if (c < 0x80) {
                bytes += static_cast<char>(c);
            } else {
                bytes += static_cast<char>(0xC0 | (c >> 6));
                bytes += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return bytes;
    }
}

} // namespace

class ContentListTest : public ::testing::Test {
protected:
    std::vector<Exercise> load(const std::string& bytes, const std::string& name = "vimo") {
        folder.write("data/English/" + name, bytes);
        ContentList list(files, u"English");
        EXPECT_TRUE(list.loadList(std::u16string(name.begin(), name.end()), errorBox));
        return list.exercises;
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    RecordingErrorBox errorBox;
};

TEST_F(ContentListTest, ReadsSixLinesPerExerciseInEveryEncoding) {
    for (int encoding : {0, 2, 3}) {
        const auto exercises = load(encode(kFarm, encoding));
        ASSERT_EQ(exercises.size(), 2u) << encoding;
        EXPECT_EQ(exercises[0].name, u"Cow");
        EXPECT_EQ(exercises[0].image, u"cow.png");
        EXPECT_EQ(exercises[0].sound, u"moo.wav");
        EXPECT_EQ(exercises[0].speech, u"ko.wav");
        EXPECT_EQ(exercises[0].text, u"Ko p\u00e5 bete");
        EXPECT_EQ(exercises[0].colour, 0xFF000000u);
        EXPECT_EQ(exercises[1].sound, u"");
        EXPECT_EQ(exercises[1].colour, 0x00FFFFFFu);
    }
    EXPECT_TRUE(errorBox.messages.empty());
}

TEST_F(ContentListTest, WhereAListEnds) {
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t count;
    };
    const Case cases[] = {
        {"final line end or not", "A\r\na\r\n\r\n\r\n\r\n-1", 1},
        {"empty file", "", 0},
        {"only a mark", "\xEF\xBB\xBF", 0},
        {"an empty name ends it", "A\r\n\r\n\r\n\r\n\r\n0\r\n\r\nB\r\n\r\n\r\n\r\n0\r\n", 1},
        {"a name of blanks is a name", "  \r\n\r\n\r\n\r\n\r\n0\r\n", 1},
        {"cut short after the name", "A\r\na.png", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(load(c.bytes).size(), c.count) << c.what;
    }
    // A colour line cut off by the end of the file leaves the exercise without a colour.
    EXPECT_EQ(load("A\r\na.png\r\n\r\n\r\nText\r\n")[0].colour, 0x00FFFFFFu);
    EXPECT_EQ(load("A\r\na.png\r\n\r\n\r\nText")[0].colour, 0x00FFFFFFu);
}

TEST_F(ContentListTest, ColourLinesReadAsTheCLibraryReadsLongs) {
    struct Case {
        const char* line;
        std::uint32_t colour;
    };
    const Case cases[] = {{"-16777216", 0xFF000000},
                          {"4278190080", 0xFF000000},
                          {" -16777216", 0xFF000000},
                          {"16777215", 0x00FFFFFF},
                          {"red", 0},
                          {"12abc", 12}};
    for (const Case& c : cases) {
        EXPECT_EQ(load(std::string("A\r\n\r\n\r\n\r\n\r\n") + c.line + "\r\n")[0].colour, c.colour)
            << c.line;
    }
}

TEST_F(ContentListTest, AListNameIsTheFileNameWithoutAnythingAdded) {
    EXPECT_EQ(load("Cow\r\n\r\n\r\n\r\n\r\n0\r\n", "farm.txt").size(), 1u);
    // Content made on Windows: other letter case, spaces, non-ASCII letters.
    folder.write("data/English/Djur p\xC3\xA5 g\xC3\xA5rden", "Cow\r\n\r\n\r\n\r\n\r\n0\r\n");
    ContentList list(files, u"English");
    EXPECT_TRUE(list.loadList(u"DJUR P\u00c5 G\u00c5RDEN", errorBox));
    EXPECT_EQ(list.exercises.size(), 1u);
}

TEST_F(ContentListTest, AMissingListIsReportedAndChangesNothing) {
    folder.write("data/English/vimo", "Cow\r\n\r\n\r\n\r\n\r\n0\r\n");
    folder.makeFolder("data/English/afolder");
    ContentList list(files, u"English");
    ASSERT_TRUE(list.loadList(u"vimo", errorBox));
    for (const char16_t* name : {u"missing", u"afolder"}) {
        EXPECT_FALSE(list.loadList(name, errorBox));
        EXPECT_EQ(list.exercises.size(), 1u);
    }
    ASSERT_EQ(errorBox.messages.size(), 2u);
    EXPECT_EQ(errorBox.messages[0].text, u"A list is missing: data\\English\\missing");
    EXPECT_EQ(errorBox.messages[0].caption, u"Error - list is missing.");
}

// The message in the words of the language's vimo.txt, each line over its English.
TEST_F(ContentListTest, TheMissingListMessageSpeaksTheLanguage) {
    struct Case {
        const char* what;
        std::string file; // empty: no vimo.txt
        std::u16string text, caption;
    };
    const Case cases[] = {
        {"Swedish", "Vimo\r\nEn lista saknas: %1\r\nFel - en lista saknas.\r\n",
         u"En lista saknas: data\\Swedish\\djur", u"Fel - en lista saknas."},
        {"caption missing", "Vimo\r\nEn lista saknas: %1", u"En lista saknas: data\\Swedish\\djur",
         u"Error - list is missing."},
        {"no file", "", u"A list is missing: data\\Swedish\\djur", u"Error - list is missing."},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder.path() / "data/Swedish/Options/vimo.txt");
        if (!c.file.empty()) {
            folder.write("data/Swedish/Options/vimo.txt", c.file);
        }
        errorBox.messages.clear();
        ContentList list(files, u"Swedish");
        EXPECT_FALSE(list.loadList(u"djur", errorBox));
        ASSERT_EQ(errorBox.messages.size(), 1u) << c.what;
        EXPECT_EQ(errorBox.messages[0].text, c.text) << c.what;
        EXPECT_EQ(errorBox.messages[0].caption, c.caption) << c.what;
    }
}

TEST_F(ContentListTest, AListThatBreaksOffPartWayGivesTheExercisesReadBefore) {
    std::string big;
    for (int i = 0; i < 200; ++i) {
        big += "Exercise\r\npicture.png\r\n\r\n\r\nText\r\n-1\r\n";
    }
    folder.write("data/English/vimo", big);
    FaultyFileSystem faulty(folder.path());
    faulty.readFailsAfter = 3000;
    ContentList list(faulty, u"English");
    EXPECT_TRUE(list.loadList(u"vimo", errorBox));
    // The disk fails in the block of 1024 bytes that crosses byte 3000: the whole exercises of
    // 37 bytes in the two blocks before it remain.
    ASSERT_EQ(list.exercises.size(), 2048u / 37);
    EXPECT_EQ(list.exercises.back().colour, 0xFFFFFFFFu);
    EXPECT_TRUE(errorBox.messages.empty());

    faulty.readFailsAfter = 0; // unreadable from the first byte: as good as missing
    EXPECT_FALSE(list.loadList(u"vimo", errorBox));
    EXPECT_EQ(errorBox.messages.size(), 1u);
}

TEST_F(ContentListTest, ShufflingSwapsTwoExercisesAboutHalfTheTime) {
    ContentList list(files, u"English");
    list.exercises.resize(2);
    list.exercises[0].name = u"first";
    RandomGenerator random(99);
    int swapped = 0;
    for (int i = 0; i < 1000; ++i) {
        list.shuffleExercises(random);
        swapped += list.exercises[0].name != u"first";
        list.exercises[0].name == u"first" ? void()
                                           : std::swap(list.exercises[0], list.exercises[1]);
    }
    EXPECT_GT(swapped, 400);
    EXPECT_LT(swapped, 600);
    list.exercises.resize(1);
    list.shuffleExercises(random); // one exercise stays as it is
    EXPECT_EQ(list.exercises[0].name, u"first");
}

// Capitals by the rules handed in: the language's letters beyond a to z too, and only the texts.
TEST_F(ContentListTest, CapitalsFollowTheRulesHandedIn) {
    struct Case {
        const char16_t* language;
        std::u16string capitals;
    };
    const Case cases[] = {{u"Swedish", u"\u00c5SNA OCH \u00c4PPLE"},
                          {u"other", u"\u00e5SNA OCH \u00e4PPLE"}}; // only a to z without one
    for (const Case& c : cases) {
        ContentList list(files, c.language);
        list.exercises.resize(1);
        list.exercises[0].text = u"\u00e5sna och \u00e4pple";
        list.exercises[0].name = u"\u00e5sna";
        list.upperCaseTexts(CharacterRules(c.language));
        EXPECT_EQ(list.exercises[0].text, c.capitals);
        EXPECT_EQ(list.exercises[0].name, u"\u00e5sna");
    }
}
