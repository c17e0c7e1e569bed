// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/ContentList.h"

#include "FaultyFileSystem.h"
#include "RecordingErrorBox.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

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

// The encodings a list may come in are the text file reader's; here the six lines.
TEST_F(ContentListTest, ReadsSixLinesPerExercise) {
    const auto exercises =
        load("\xEF\xBB\xBF"
             "Cow\r\ncow.png\r\nmoo.wav\r\nko.wav\r\nKo p\xC3\xA5 bete\r\n-16777216\r\n"
             "Hen\r\nhen.png\r\n\r\n\r\n\r\n16777215\r\n");
    ASSERT_EQ(exercises.size(), 2u);
    EXPECT_EQ(exercises[0].name, u"Cow");
    EXPECT_EQ(exercises[0].image, u"cow.png");
    EXPECT_EQ(exercises[0].sound, u"moo.wav");
    EXPECT_EQ(exercises[0].speech, u"ko.wav");
    EXPECT_EQ(exercises[0].text, u"Ko p\u00e5 bete");
    EXPECT_EQ(exercises[0].colour, 0xFF000000u);
    EXPECT_EQ(exercises[1].sound, u"");
    EXPECT_EQ(exercises[1].colour, 0x00FFFFFFu);
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

TEST_F(ContentListTest, AListNameIsTheFileNameWithoutAnythingAdded) {
    EXPECT_EQ(load("Cow\r\n\r\n\r\n\r\n\r\n0\r\n", "farm.txt").size(), 1u);
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
    ASSERT_TRUE(list.loadList(u"vimo", errorBox)); // loaded again, the list replaces what was held
    EXPECT_EQ(list.exercises.size(), 1u);
}

// The message in the words of the language's vimo.txt (which lines fall back to English is the
// language texts' own rule).
TEST_F(ContentListTest, TheMissingListMessageSpeaksTheLanguage) {
    folder.write("data/Swedish/Options/vimo.txt",
                 "Vimo\r\nEn lista saknas: %1\r\nFel - en lista saknas.\r\n");
    ContentList list(files, u"Swedish");
    EXPECT_FALSE(list.loadList(u"djur", errorBox));
    ASSERT_EQ(errorBox.messages.size(), 1u);
    EXPECT_EQ(errorBox.messages[0].text, u"En lista saknas: data\\Swedish\\djur");
    EXPECT_EQ(errorBox.messages[0].caption, u"Fel - en lista saknas.");
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
