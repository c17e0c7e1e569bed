// SPDX-License-Identifier: GPL-3.0-or-later
// The three media folders: what they offer, copying files in and removing them, and the
// message that tells why a removal failed.
#include "FileSizeLimit.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"
#include "editor/media/CFileErrorText.h"
#include "editor/media/CMediaFolder.h"

#include <cerrno>
#include <gtest/gtest.h>

using Names = std::vector<std::u16string>;

class MediaFolderTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    TemporaryFolder elsewhere;
    DiskFileSystem files{folder.path()};
};

TEST_F(MediaFolderTest, OffersTheFilesThatCanBeNamedInAList) {
    folder.write("speech/English/b.wav", "");
    folder.write("speech/English/A.wav", "");
    folder.write("speech/English/no extension", "");
    folder.write("speech/English/..\\..\\escape.wav", "");
    folder.write("speech/English/two\nlines.wav", "");
    folder.makeFolder("speech/English/sub");
    CMediaFolder speech(files, CMediaKind(CMediaKind::Speech), u"English");
    EXPECT_EQ(speech.fileNames(), (Names{u"A.wav", u"b.wav", u"no extension"}));
    EXPECT_TRUE(CMediaFolder(files, CMediaKind(CMediaKind::Image), u"English").fileNames().empty());
}

TEST_F(MediaFolderTest, CopiesAFileInUnderItsOwnNameButNeverOverAnother) {
    elsewhere.write("Pictures/horse.png", "new horse");
    elsewhere.write("Pictures/Cat.png", "new cat");
    elsewhere.write("Pictures/..\\..\\evil.png", "evil");
    elsewhere.write("Pictures/what?.png", "odd");
    folder.write("gfx/images/cat.png", "old cat");
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
        {"Pictures/what?.png", CMediaFolder::CopyResult::BadName, u"what?.png"},
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
    EXPECT_EQ(images.contentsOf(u"horse.png"), "new horse");
    EXPECT_EQ(images.contentsOf(u"missing.png"), "");
}

TEST_F(MediaFolderTest, RemovalFailuresNameTheFileAndTheCause) {
    struct Case {
        std::uint32_t error;
        std::u16string message;
    };
    const std::u16string path = u"sfx\\images\\dog.wav";
    const Case cases[] = {
        {ENOENT, u"sfx\\images\\dog.wav was not found."},
        {EACCES, u"Access to sfx\\images\\dog.wav was denied."},
        {EBUSY, u"A sharing violation occurred while accessing sfx\\images\\dog.wav."},
        {EIO, u"An unknown error occurred while accessing sfx\\images\\dog.wav."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toUtf8(CFileErrorText::removeFailed(EditorTexts(), c.error, path)),
                  toUtf8(c.message));
    }
}

// A save or a copy names the cause the system gave; a full disk, a read-only file and a missing
// permission are told apart.
TEST_F(MediaFolderTest, CopyAndSaveFailuresNameTheCause) {
    const std::pair<std::uint32_t, std::u16string> causes[] = {
        {ENOSPC, u"The disk is full."},
        {EROFS, u"The file or folder is read-only."},
        {EACCES, u"You have no permission to write there."},
        {EIO, u"The disk reported an error."},
    };
    for (const auto& [error, cause] : causes) {
        EXPECT_EQ(toUtf8(CFileErrorText::writeFailureCause(EditorTexts(), error)), toUtf8(cause));
    }
    // A real disk that cannot take the copy (a limit on file size, which holds even for root),
    // told through the file layer.
    elsewhere.write("Pictures/horse.png", std::string(200'000, 'x'));
    folder.makeFolder("gfx/images");
    CMediaFolder images(files, CMediaKind(CMediaKind::Image), u"English");
    std::u16string name;
    std::uint32_t error = 0;
    {
        FileSizeLimit limit(1000);
        EXPECT_EQ(images.copyIn(elsewhere.path() / "Pictures/horse.png", name, error),
                  CMediaFolder::CopyResult::Failed);
    }
    EXPECT_EQ(toUtf8(CFileErrorText::copyFailed(EditorTexts(), error, images.pathOf(name))),
              "The file could not be copied to gfx\\images\\horse.png. The disk is full.");
}
