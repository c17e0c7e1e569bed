// SPDX-License-Identifier: GPL-3.0-or-later
// A media folder: what it offers and copying files in.
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "editor/media/CMediaFolder.h"

#include <gtest/gtest.h>

using Names = std::vector<std::u16string>;

class MediaFolderTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    TemporaryFolder elsewhere;
    DiskFileSystem files{folder.path()};
};

// Only files that can be named on a list line are offered.
TEST_F(MediaFolderTest, CopiesAFileInUnderItsOwnNameButNeverOverAnother) {
    elsewhere.write("Pictures/horse.png", "new horse");
    elsewhere.write("Pictures/Cat.png", "new cat");
    elsewhere.write("Pictures/..\\..\\evil.png", "evil");
    folder.write("gfx/images/cat.png", "old cat");
    folder.write("gfx/images/two\nlines.png", "");
    folder.makeFolder("gfx/images/folder.png");
    CMediaFolder images(files, CMediaKind(CMediaKind::Image), u"English");
    struct Case {
        const char* source;
        CMediaFolder::CopyResult result;
        std::u16string name;
    };
    const Case cases[] = {
        {"Pictures/horse.png", CMediaFolder::CopyResult::Copied, u"horse.png"},
        {"Pictures/Cat.png", CMediaFolder::CopyResult::AlreadyThere, u"Cat.png"},
        {"Pictures/..\\..\\evil.png", CMediaFolder::CopyResult::BadName, u"..\\..\\evil.png"},
        {"Pictures/missing.png", CMediaFolder::CopyResult::Failed, u"missing.png"},
    };
    for (const Case& c : cases) {
        std::u16string name;
        EXPECT_EQ(images.copyIn(elsewhere.path() / c.source, name), c.result) << c.source;
        EXPECT_EQ(name, c.name) << c.source;
    }
    EXPECT_EQ(folder.read("gfx/images/horse.png"), "new horse");
    EXPECT_EQ(folder.read("gfx/images/cat.png"), "old cat");
    EXPECT_EQ(images.fileNames(), (Names{u"cat.png", u"horse.png"}));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "evil.png"));
}
