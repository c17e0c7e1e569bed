// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/files/DiskFileSystem.h"

#include "TemporaryFolder.h"
#include "common/files/ReplacingOutputStream.h"
#include "common/files/WildcardPattern.h"
#include "common/text/Utf8.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using Names = std::vector<std::u16string>;

// A content folder as made on Windows, a name in Windows-1252 bytes and an interrupted save.
class DiskFileSystemTest : public ::testing::Test {
protected:
    DiskFileSystemTest() {
        folder.write("sfx/sounds/b.wav", "b");
        folder.write("sfx/sounds/A.wav", "a");
        folder.write("sfx/sounds/c.WAV", "c");
        folder.makeFolder("sfx/sounds/sub");
        folder.write("sfx/images/dog.wav", "dog");
        folder.write("data/English/r\xE4v", "fox");
        folder.write("data/English/vimo", "list");
        folder.write("data/English/" + temporaryFileName(), "half a list");
        folder.write("data/lang.txt", "English");
        ::mkfifo((folder.path() / "sfx/images/pipe.wav").c_str(), 0666);
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

TEST_F(DiskFileSystemTest, ListsMatchingEntriesInWindowsOrderAndSkipsFoldersOnRequest) {
    const std::tuple<std::u16string, FolderEntries, Names> cases[] = {
        {u"sfx\\sounds\\*.*", FolderEntries::Skip, {u"A.wav", u"b.wav", u"c.WAV"}},
        {u"SFX\\Sounds\\*.*", FolderEntries::Keep, {u"A.wav", u"b.wav", u"c.WAV", u"sub"}},
        {u"sfx\\missing\\*.*", FolderEntries::Skip, {}},
        {u"..\\*.*", FolderEntries::Keep, {}},
        // the name that is not UTF-8 read in the code page; no temporary file
        {u"data\\English\\*", FolderEntries::Keep, {u"r\u00e4v", u"vimo"}},
    };
    for (const auto& [pattern, folders, names] : cases) {
        EXPECT_EQ(files.list(pattern, folders), names) << toUtf8(pattern);
    }
}

// Anything a pattern matches exists, folders and pipes too; only regular files open. Nothing
// outside the content folder is reached by any path.
TEST_F(DiskFileSystemTest, FindsAndOpensFilesByWindowsRules) {
    const std::tuple<std::u16string, bool, bool> cases[] = {
        {u"SFX\\IMAGES\\DOG.WAV", true, true},    // content made on Windows
        {u"data\\English\\r\u00e4v", true, true}, // its name on disk is not UTF-8
        {u"sfx\\images", true, false},
        {u"sfx\\images\\", false, false}, // "sfx\images\" + an empty name
        {u"sfx\\images\\pipe.wav", true, false},
        // paths that name a real file by leaving the folder (and coming back in)
        {u"..\\" + fromUtf8(folder.path().filename().string()) + u"\\data\\lang.txt", false, false},
        {fromUtf8((folder.path() / "data/lang.txt").string()), false, false},
        {u"C:\\data\\lang.txt", false, false},
    };
    for (const auto& [path, exists, opens] : cases) {
        EXPECT_EQ(files.exists(path), exists) << toUtf8(path);
        EXPECT_EQ(files.openForReading(path) != nullptr, opens) << toUtf8(path);
    }
    // A name that does not exist keeps its spelling, so a new file is made as the program names it.
    EXPECT_EQ(files.resolve(u"DATA\\english\\New List"), folder.path() / "data/English/New List");
}

TEST(WildcardPattern, FollowsTheRulesOfAWindowsDisk) {
    const std::tuple<std::u16string, std::u16string, bool> cases[] = {
        {u"*.*", u"vimo", true}, // no dot, still a match
        {u"*01.*", u"cat01.png", true},
        {u"*01.*", u"cat02.png", false},
        {u"*.wav", u"CLICK.WAV", true}, // case ignored
        {u"*.wav", u"wav", false},      // ".*" rule is for ".*" only
        {u"game0?.png", u"game01.png", true},
        {u"game0?.png", u"game1.png", false},
        {u"a*b*c", u"axxbyyc", true},
        {u"a*b*c", u"axxbyy", false},
        {u"\u00e4*", u"\u00c4pple", true},
    };
    for (const auto& [pattern, name, matches] : cases) {
        EXPECT_EQ(matchesWildcard(pattern, name), matches)
            << toUtf8(pattern) << " / " << toUtf8(name);
    }
}
