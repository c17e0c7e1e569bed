// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/files/DiskFileSystem.h"

#include "TemporaryFolder.h"
#include "common/files/ReplacingOutputStream.h"
#include "common/text/Utf8.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using Names = std::vector<std::u16string>;

// A content folder as made on Windows: names in mixed case, with spaces and accents, one of them
// in Windows-1252 bytes from an old archive, and what an interrupted save leaves behind.
class DiskFileSystemTest : public ::testing::Test {
protected:
    DiskFileSystemTest() {
        folder.write("sfx/sounds/b.wav", "b");
        folder.write("sfx/sounds/A.wav", "a");
        folder.write("sfx/sounds/c.WAV", "c");
        folder.makeFolder("sfx/sounds/sub");
        folder.write("sfx/images/dog.wav", "dog");
        folder.write("gfx/images/R\xC3\xA4v och hund.png", "fox and dog");
        folder.write("data/English/r\xE4v", "fox");
        folder.write("data/English/vimo", "list");
        folder.write("data/English/" + temporaryFileName(), "half a list");
        folder.write("data/lang.txt", "English");
        ::mkfifo((folder.path() / "sfx/images/pipe.wav").c_str(), 0666);
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

// Matching a name to a pattern is WildcardPattern's; here the folder is found, walked and sorted.
TEST_F(DiskFileSystemTest, ListsMatchingEntriesInWindowsOrderAndSkipsFoldersOnRequest) {
    struct Case {
        std::u16string pattern;
        FolderEntries folders;
        Names names;
    };
    const Case cases[] = {
        {u"sfx\\sounds\\*.*", FolderEntries::Skip, {u"A.wav", u"b.wav", u"c.WAV"}},
        {u"sfx\\sounds\\*.*", FolderEntries::Keep, {u"A.wav", u"b.wav", u"c.WAV", u"sub"}},
        {u"SFX\\Sounds\\*.wav", FolderEntries::Skip, {u"A.wav", u"b.wav", u"c.WAV"}},
        {u"sfx\\missing\\*.*", FolderEntries::Skip, {}},
        {u"sfx\\sounds\\", FolderEntries::Skip, {}},
        {u"sfx\\..\\sfx\\sounds\\*.*", FolderEntries::Skip, {}},
        {u"..\\*.*", FolderEntries::Keep, {}},
        {u"gfx\\images\\*.png", FolderEntries::Skip, {u"R\u00e4v och hund.png"}},
        // the name that is not UTF-8 read in the code page; no temporary file
        {u"data\\English\\*", FolderEntries::Keep, {u"r\u00e4v", u"vimo"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(files.list(c.pattern, c.folders), c.names) << toUtf8(c.pattern);
    }
}

// Anything a pattern matches exists, folders and pipes too; only regular files open, and a pipe
// at once, as a missing file. Nothing outside the content folder is reached by any path.
TEST_F(DiskFileSystemTest, FindsAndOpensFilesByWindowsRules) {
    const std::u16string folderName = fromUtf8(folder.path().filename().string());
    struct Case {
        std::u16string path;
        bool exists;
        bool opens;
    };
    const Case cases[] = {
        {u"sfx\\images\\dog.wav", true, true},
        {u"SFX\\IMAGES\\DOG.WAV", true, true},   // content made on Windows
        {u"sfx\\\\images\\dog.wav", true, true}, // doubled separator
        {u"sfx/images/dog.wav", true, true},
        {u"gfx\\images\\R\u00c4V OCH HUND.png", true, true},
        {u"data\\English\\r\u00e4v", true, true}, // its name on disk is not UTF-8
        {u"sfx\\images", true, false},
        {u"sfx\\images\\", false, false}, // "sfx\images\" + an empty name
        {u"data\\lang.txt\\", false, false},
        {u"sfx\\images\\cat.wav", false, false},
        {u"sfx\\images\\d*.wav", true, false},
        {u"", false, false},
        {u"sfx\\images\\pipe.wav", true, false},
        // paths that name a real file by leaving the folder (and coming back in)
        {u"..\\" + folderName + u"\\data\\lang.txt", false, false},
        {u"sfx/../data/lang.txt", false, false},
        {fromUtf8((folder.path() / "data/lang.txt").string()), false, false},
        {u"\\data\\lang.txt", false, false},
        {u"C:\\data\\lang.txt", false, false},
        {u"c:data\\lang.txt", false, false},
        {u"..", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(files.exists(c.path), c.exists) << toUtf8(c.path);
        EXPECT_EQ(files.openForReading(c.path) != nullptr, c.opens) << toUtf8(c.path);
    }
}

TEST_F(DiskFileSystemTest, ResolvesEachComponentIgnoringCaseOnlyWhenTheExactNameIsMissing) {
    folder.write("Lists/English/Farm.txt", "upper");
    folder.write("Lists/English/farm.txt", "lower");
    EXPECT_EQ(files.resolve(u"lists\\english\\farm.txt"), folder.path() / "Lists/English/farm.txt");
    EXPECT_EQ(files.resolve(u"lists\\english\\FARM.TXT"), folder.path() / "Lists/English/Farm.txt");
    // A name that does not exist keeps its spelling, so a new file is made as the program names it.
    EXPECT_EQ(files.resolve(u"lists\\English\\New List"), folder.path() / "Lists/English/New List");
    EXPECT_EQ(files.resolve(u"nothing\\Here"), folder.path() / "nothing/Here");
    EXPECT_EQ(files.resolve(u"..\\Lists"), std::filesystem::path());
}
