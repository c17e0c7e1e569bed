// SPDX-License-Identifier: GPL-3.0-or-later
// Removing files and copying files in from elsewhere on the disk, as the list editor does with
// pictures, sounds and lists.
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"

#include <cerrno>
#include <gtest/gtest.h>

class FileChangeTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    TemporaryFolder elsewhere;
    DiskFileSystem files{folder.path()};
};

TEST_F(FileChangeTest, RemoveTakesRegularFilesOnlyAndTellsWhy) {
    folder.write("gfx/images/cat.png", "cat");
    folder.makeFolder("gfx/images/sub");
    struct Case {
        std::u16string path;
        bool removed;
        std::uint32_t error;
    };
    const Case cases[] = {
        {u"GFX\\Images\\CAT.png", true, 0}, // content made on Windows
        {u"gfx\\images\\cat.png", false, ENOENT},  {u"gfx\\images\\sub", false, EISDIR},
        {u"gfx\\images\\", false, EISDIR},         {u"", false, ENOENT},
        {u"gfx\\missing\\dog.png", false, ENOENT},
    };
    for (const Case& c : cases) {
        std::uint32_t error = 0;
        EXPECT_EQ(files.remove(c.path, error), c.removed) << toUtf8(c.path);
        EXPECT_EQ(error, c.error) << toUtf8(c.path);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "gfx/images/cat.png"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "gfx/images/sub"));
}

TEST_F(FileChangeTest, CopyInNeverReplacesWhatIsThere) {
    elsewhere.write("new/cat.png", "new");
    folder.write("gfx/images/Cat.png", "old");
    folder.makeFolder("gfx/images/dog.png");
    struct Case {
        std::filesystem::path source;
        std::u16string target;
        std::uint32_t error;
    };
    const Case cases[] = {
        {elsewhere.path() / "new/cat.png", u"gfx\\images\\Cat.png", EEXIST},
        {elsewhere.path() / "new/cat.png", u"gfx\\images\\cat.png", EEXIST},     // other case
        {elsewhere.path() / "new/cat.png", u"gfx\\images\\dog.png", EEXIST},     // a folder
        {folder.path() / "gfx/images/Cat.png", u"gfx\\images\\Cat.png", EEXIST}, // itself
        {elsewhere.path() / "new/missing.png", u"gfx\\images\\missing.png", ENOENT},
        {elsewhere.path() / "new/cat.png", u"gfx\\nowhere\\cat.png", ENOENT},
        {elsewhere.path() / "new/cat.png", u"gfx\\images\\", EISDIR},
    };
    for (const Case& c : cases) {
        std::uint32_t error = 0;
        EXPECT_FALSE(files.copyIn(c.source, c.target, error)) << toUtf8(c.target);
        EXPECT_EQ(error, c.error) << toUtf8(c.target);
    }
    EXPECT_EQ(folder.read("gfx/images/Cat.png"), "old");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "gfx/images/missing.png"));
    EXPECT_EQ(files.list(u"gfx\\images\\*.*", FolderEntries::Keep),
              (std::vector<std::u16string>{u"Cat.png", u"dog.png"}));
}
