// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/ContentList.h"

#include "RecordingErrorBox.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>
#include <map>

class ContentListTest : public ::testing::Test {
protected:
    // A list's name is its file name as it stands, nothing added.
    std::vector<Exercise> load(const std::string& bytes) {
        folder.write("data/English/farm.txt", bytes);
        ContentList list(files, u"English");
        EXPECT_TRUE(list.loadList(u"farm.txt", errorBox));
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
    EXPECT_EQ(exercises[1].colour, 0x00FFFFFFu);
    EXPECT_TRUE(errorBox.messages.empty());
}

// An empty name ends a list; one cut short keeps its last exercise, without a colour.
TEST_F(ContentListTest, WhereAListEnds) {
    EXPECT_EQ(load("").size(), 0u);
    EXPECT_EQ(load("A\r\n\r\n\r\n\r\n\r\n0\r\n\r\nB\r\n\r\n\r\n\r\n0\r\n").size(), 1u);
    EXPECT_EQ(load("A\r\na.png\r\n\r\n\r\nText").at(0).colour, 0x00FFFFFFu);
}

// The message is in the words of the language's vimo.txt; a list whose first exercise cannot be
// read (a line longer than a list may hold) says so and why, where it would show an empty screen.
TEST_F(ContentListTest, AMissingOrUnreadableListIsReportedAndChangesNothing) {
    folder.write("data/Swedish/Options/vimo.txt",
                 "Vimo\r\nEn lista saknas: %1\r\nFel - en lista saknas.\r\n");
    folder.write("data/Swedish/vimo", "Cow\r\n\r\n\r\n\r\n\r\n0\r\n");
    folder.makeFolder("data/Swedish/afolder");
    folder.write("data/Swedish/long", "Cow\r\n" + std::string(17u << 20, 'a') + "\r\n");
    ContentList list(files, u"Swedish");
    ASSERT_TRUE(list.loadList(u"vimo", errorBox));
    for (const char16_t* name : {u"missing", u"afolder", u"long"}) {
        EXPECT_FALSE(list.loadList(name, errorBox));
        EXPECT_EQ(list.exercises.size(), 1u);
    }
    ASSERT_EQ(errorBox.messages.size(), 3u);
    EXPECT_EQ(errorBox.messages[0].text, u"En lista saknas: data\\Swedish\\missing");
    EXPECT_EQ(errorBox.messages[0].caption, u"Fel - en lista saknas.");
    // Lines the language's file does not have yet show in English.
    EXPECT_EQ(errorBox.messages[2].text,
              u"A list cannot be read: data\\Swedish\\long. One of its lines is far too long. "
              u"Choose another list on the options screen, or mend this one in the list editor.");
    ASSERT_TRUE(list.loadList(u"vimo", errorBox)); // loaded again, the list replaces what was held
    EXPECT_EQ(list.exercises.size(), 1u);
}

// A shuffle puts every exercise in every place, each about as often: one never moved, or never
// left where it was, would show. The generator is seeded, so the counts are always the same.
TEST_F(ContentListTest, AShuffleCanPutEveryExerciseInEveryPlaceAlike) {
    ContentList list(files, u"English");
    RandomGenerator generator(7);
    std::map<std::pair<std::uint32_t, std::size_t>, int> seen; // (exercise, place) -> times
    for (int round = 0; round < 1000; ++round) {
        list.exercises.resize(4);
        for (std::uint32_t i = 0; i < 4; ++i) {
            list.exercises[i].colour = i; // which exercise it is
        }
        list.shuffleExercises(generator);
        for (std::size_t place = 0; place < 4; ++place) {
            ++seen[{list.exercises[place].colour, place}];
        }
    }
    EXPECT_EQ(seen.size(), 16u);
    for (const auto& [exerciseInPlace, count] : seen) {
        EXPECT_NEAR(count, 250, 50) << exerciseInPlace.first << " at " << exerciseInPlace.second;
    }
}
