#include "common/files/DiskFileSystem.h"

#include "TemporaryFolder.h"
#include "common/files/ReplacingOutputStream.h"

#include <gtest/gtest.h>

using Names = std::vector<std::u16string>;

class DiskFileSystemTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

TEST_F(DiskFileSystemTest, ListsMatchingFilesInWindowsOrderAndSkipsFoldersOnRequest) {
    folder.write("sfx/sounds/b.wav", "b");
    folder.write("sfx/sounds/A.wav", "a");
    folder.write("sfx/sounds/c.WAV", "c");
    folder.makeFolder("sfx/sounds/sub");
    EXPECT_EQ(files.list(u"sfx\\sounds\\*.*", FolderEntries::Skip),
              (Names{u"A.wav", u"b.wav", u"c.WAV"}));
    EXPECT_EQ(files.list(u"sfx\\sounds\\*.*", FolderEntries::Keep),
              (Names{u"A.wav", u"b.wav", u"c.WAV", u"sub"}));
    EXPECT_EQ(files.list(u"SFX\\Sounds\\*.wav", FolderEntries::Skip),
              (Names{u"A.wav", u"b.wav", u"c.WAV"}));
    EXPECT_TRUE(files.list(u"sfx\\sounds\\*.ogg", FolderEntries::Skip).empty());
    EXPECT_TRUE(files.list(u"sfx\\missing\\*.*", FolderEntries::Skip).empty());
    EXPECT_TRUE(files.list(u"sfx\\sounds\\", FolderEntries::Skip).empty());
}

TEST_F(DiskFileSystemTest, FindsListsWithAndWithoutExtensionButNeverTheFoldersBeside) {
    folder.write("data/English/vimo", "x");
    folder.write("data/English/farm.txt", "x");
    folder.makeFolder("data/English/Options");
    folder.makeFolder("data/English/Tool");
    EXPECT_EQ(files.list(u"data\\English\\*.*", FolderEntries::Skip),
              (Names{u"farm.txt", u"vimo"}));
}

TEST_F(DiskFileSystemTest, FrameSeriesComeInNameOrder) {
    for (const char* name : {"cat03.png", "cat01.png", "dog01.png", "cat02.png", "Cat04.png"}) {
        folder.write(std::string("gfx/paint/") + name, "x");
    }
    EXPECT_EQ(files.list(u"gfx\\paint\\*01.*", FolderEntries::Skip),
              (Names{u"cat01.png", u"dog01.png"}));
    EXPECT_EQ(files.list(u"gfx\\paint\\cat*.*", FolderEntries::Skip),
              (Names{u"cat01.png", u"cat02.png", u"cat03.png", u"Cat04.png"}));
}

TEST_F(DiskFileSystemTest, ExistsFollowsWindowsRules) {
    folder.write("sfx/images/dog.wav", "x");
    folder.write("options/vimo.opt", "x");
    struct Case {
        std::u16string path;
        bool exists;
    };
    const Case cases[] = {
        {u"sfx\\images\\dog.wav", true},
        {u"SFX\\IMAGES\\DOG.WAV", true},        // content made on Windows
        {u"sfx\\\\images\\dog.wav", true},      // doubled separator
        {u"sfx/images/dog.wav", true},
        {u"sfx\\images\\", false},              // "sfx\images\" + an empty name
        {u"sfx\\images", true},                 // a folder counts
        {u"sfx\\images\\cat.wav", false},
        {u"sfx\\images\\d*.wav", true},
        {u"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(files.exists(c.path), c.exists) << std::string(c.path.begin(), c.path.end());
    }
}

TEST_F(DiskFileSystemTest, ResolvesEachComponentIgnoringCaseOnlyWhenTheExactNameIsMissing) {
    folder.write("Data/English/Farm.txt", "upper");
    folder.write("Data/English/farm.txt", "lower");
    EXPECT_EQ(files.resolve(u"data\\english\\farm.txt"), folder.path() / "Data/English/farm.txt");
    EXPECT_EQ(files.resolve(u"data\\english\\FARM.TXT"), folder.path() / "Data/English/Farm.txt");
    // A name that does not exist keeps its spelling, so a new file is made as the program names it.
    EXPECT_EQ(files.resolve(u"data\\English\\New List"), folder.path() / "Data/English/New List");
    EXPECT_EQ(files.resolve(u"nothing\\Here"), folder.path() / "nothing/Here");
}

TEST_F(DiskFileSystemTest, ReadsNamesWithSpacesAndNonAsciiLetters) {
    folder.write("gfx/images/R\xC3\xA4v och hund.png", "fox");
    EXPECT_EQ(files.list(u"gfx\\images\\*.png", FolderEntries::Skip),
              (Names{u"R\u00e4v och hund.png"}));
    auto in = files.openForReading(u"gfx\\images\\R\u00c4V OCH HUND.png");
    ASSERT_NE(in, nullptr);
    unsigned char buffer[8];
    std::uint32_t error = 0;
    EXPECT_EQ(in->read(buffer, sizeof buffer, error), 3);
}

TEST_F(DiskFileSystemTest, ANameThatIsNotUtf8IsListedAndOpensByThatName) {
    folder.write("data/English/r\xE4v", "fox"); // Windows-1252 bytes from an old archive
    const Names names = files.list(u"data\\English\\*.*", FolderEntries::Skip);
    ASSERT_EQ(names, (Names{u"r\u00e4v"}));
    EXPECT_NE(files.openForReading(u"data\\English\\r\u00e4v"), nullptr);
}

TEST_F(DiskFileSystemTest, OpeningAFolderOrASeparatorEndedPathAsAFileFails) {
    folder.makeFolder("options/vimo.opt");
    folder.write("data/lang.txt", "English");
    EXPECT_EQ(files.openForReading(u"options\\vimo.opt"), nullptr);
    EXPECT_EQ(files.openForReading(u"data\\lang.txt\\"), nullptr);
    EXPECT_EQ(files.openForReading(u"data\\"), nullptr);
    EXPECT_EQ(files.openForReading(u"data\\missing.txt"), nullptr);
    EXPECT_NE(files.openForReading(u"DATA\\LANG.TXT"), nullptr);
}

TEST_F(DiskFileSystemTest, ATemporaryFileLeftByAnInterruptedSaveIsNotListed) {
    folder.write("data/English/vimo", "list");
    folder.write("data/English/" + temporaryFileName("vimo"), "half a list");
    EXPECT_EQ(files.list(u"data\\English\\*.*", FolderEntries::Skip), (Names{u"vimo"}));
    EXPECT_EQ(files.list(u"data\\English\\*", FolderEntries::Keep), (Names{u"vimo"}));
}
