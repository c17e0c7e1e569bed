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
    // The names handed out by `count` calls of next, or of previous when count is negative.
    Names handOut(int count) {
        Names names;
        for (int i = 0; i < (count > 0 ? count : -count); ++i) {
            names.push_back(count > 0 ? list.next() : list.previous());
        }
        return names;
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    FakeClock clock;
    RandomGenerator random;
    FileList list{files, random, clock};
};

// Files only, in folder order; next wraps round forever, previous gives the name at the cursor
// and then steps back, from the first to the last. An empty list gives empty names.
TEST_F(FileListTest, HandsOutInOrderForeverAndBackwardsFromTheEnd) {
    EXPECT_EQ(handOut(-1), Names{u""});
    for (const char* name : {"sfx/b.wav", "sfx/a.wav", "sfx/c.wav", "sfx/more/d.wav"}) {
        folder.write(name, "x");
    }
    EXPECT_EQ(list.fill(u"sfx\\nothing\\*.*"), 0);
    EXPECT_EQ(list.fill(u"sfx\\*.*"), 1);
    EXPECT_EQ(handOut(4), (Names{u"a.wav", u"b.wav", u"c.wav", u"a.wav"}));
    EXPECT_EQ(list.find(u"a.wav"), 1);
    EXPECT_EQ(handOut(-3), (Names{u"a.wav", u"c.wav", u"b.wav"}));
}

// A shuffled list gives every name once per round, and each round in a new order.
TEST_F(FileListTest, AShuffledListGivesEveryNameOncePerRoundAndReshuffles) {
    for (int i = 0; i < 20; ++i) {
        folder.write("gfx/p" + std::to_string(i) + ".png", "x");
    }
    list.fill(u"gfx\\*.*");
    list.shuffle();
    const Names rounds[] = {handOut(20), handOut(20), handOut(20)};
    for (const Names& round : rounds) {
        EXPECT_TRUE(std::is_permutation(round.begin(), round.end(), list.names().begin()));
    }
    EXPECT_NE(rounds[0], rounds[1]);
    EXPECT_NE(rounds[1], rounds[2]);
}
