// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/FileList.h"

#include "FakeClock.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <algorithm>
#include <gtest/gtest.h>

using Names = std::vector<std::u16string>;

class FileListTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"b.wav", "a.wav", "c.wav"}) {
            folder.write(std::string("sfx/sounds/") + name, "x");
        }
        folder.makeFolder("sfx/sounds/more");
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    FakeClock clock;
    RandomGenerator random;
    FileList list{files, random, clock};
};

TEST_F(FileListTest, FillTakesFilesOnlyInFolderOrder) {
    EXPECT_EQ(list.fill(u"sfx\\sounds\\*.*"), 1);
    EXPECT_EQ(list.names(), (Names{u"a.wav", u"b.wav", u"c.wav"}));
    EXPECT_EQ(list.fill(u"sfx\\nothing\\*.*"), 0);
    EXPECT_EQ(list.names().size(), 3u);
}

TEST_F(FileListTest, HandsOutInOrderForeverAndBackwardsFromTheEnd) {
    list.fill(u"sfx\\sounds\\*.*");
    Names forward;
    for (int i = 0; i < 7; ++i) {
        forward.push_back(list.next());
    }
    EXPECT_EQ(forward,
              (Names{u"a.wav", u"b.wav", u"c.wav", u"a.wav", u"b.wav", u"c.wav", u"a.wav"}));

    // Backwards: the name at the cursor, then one back, wrapping to the last name.
    FileList fresh(files, random, clock);
    fresh.fill(u"sfx\\sounds\\*.*");
    EXPECT_EQ(fresh.previous(), u"a.wav");
    EXPECT_EQ(fresh.previous(), u"c.wav");
    EXPECT_EQ(fresh.previous(), u"b.wav");
    EXPECT_EQ(fresh.current(), u"a.wav");
}

TEST_F(FileListTest, AShuffledListGivesEveryNameOncePerRoundAndReshuffles) {
    for (int i = 0; i < 20; ++i) {
        folder.write("gfx/paint/p" + std::to_string(i) + "01.png", "x");
    }
    list.fill(u"gfx\\paint\\*01.*");
    list.shuffle();
    std::vector<Names> rounds(3);
    for (auto& round : rounds) {
        for (int i = 0; i < 20; ++i) {
            round.push_back(list.next());
        }
        Names sorted = round;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end()) << "a name came twice";
    }
    EXPECT_NE(rounds[0], rounds[1]);
    EXPECT_NE(rounds[1], rounds[2]);
}

TEST_F(FileListTest, ASeededListShufflesTheSameWayEveryTime) {
    clock.setWallSeconds(1234);
    Names orders[2];
    for (auto& order : orders) {
        FileList seeded(files, random, clock);
        seeded.fill(u"sfx\\sounds\\*.*");
        seeded.shuffle();
        order = seeded.names();
    }
    EXPECT_EQ(orders[0], orders[1]);
}

TEST_F(FileListTest, FindClearAndAnEmptyList) {
    EXPECT_EQ(list.next(), u"");
    EXPECT_EQ(list.previous(), u"");
    EXPECT_EQ(list.current(), u"");
    list.fill(u"sfx\\sounds\\*.*");
    EXPECT_EQ(list.find(u"b.wav"), 1);
    EXPECT_EQ(list.next(), u"b.wav");
    EXPECT_EQ(list.find(u"B.WAV"), 0); // exact names only
    EXPECT_EQ(list.cursor(), 0);
    list.clear();
    folder.write("sfx/sounds/0.wav", "x");
    list.fill(u"sfx\\sounds\\*.*");
    EXPECT_EQ(list.next(), u"0.wav");
}
