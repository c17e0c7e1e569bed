// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/content/FileList.h"

#include "FakeClock.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

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

// A shuffled list gives every name once per round, each round in a new order that takes a name
// from any place to any place, each about as often. The generator is seeded, so the counts are
// always the same.
TEST_F(FileListTest, AShuffledListGivesEveryNameOncePerRoundFromAnyPlaceToAnyAlike) {
    for (const char* name : {"gfx/a.png", "gfx/b.png", "gfx/c.png", "gfx/d.png"}) {
        folder.write(name, "x");
    }
    list.fill(u"gfx\\*.*");
    list.shuffle();
    std::map<std::pair<std::size_t, long>, int> moves; // (place before, place after) -> times
    Names before = handOut(4);
    for (int round = 0; round < 1000; ++round) {
        const Names after = handOut(4);
        EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), list.names().begin()));
        for (std::size_t place = 0; place < after.size(); ++place) {
            ++moves[{place, std::ranges::find(after, before[place]) - after.begin()}];
        }
        before = after;
    }
    EXPECT_EQ(moves.size(), 16u);
    for (const auto& [move, count] : moves) {
        EXPECT_NEAR(count, 250, 50) << move.first << " to " << move.second;
    }
}
