// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

class SafeReplaceTest : public ::testing::Test {
protected:
    bool write(OutputStream& out, const std::string& bytes) {
        return out.write(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), error);
    }
    // Entries in the folder of the list: more than one means a temporary file was left behind.
    std::ptrdiff_t entries() const {
        return std::distance(std::filesystem::directory_iterator(folder.path() / "data/English"),
                             std::filesystem::directory_iterator());
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    std::uint32_t error = 0;
};

// A write abandoned before the commit leaves the old file and no temporary file:
// TextFileFailureTest shows it with a write that fails part-way and a real full disk.
TEST_F(SafeReplaceTest, TheTargetChangesOnlyWhenCommittedAndKeepsItsPermissions) {
    folder.write("data/English/vimo", "old list");
    ::chmod((folder.path() / "data/English/vimo").c_str(), 0640);
    auto out = files.openForReplacing(u"data\\English\\vimo", error);
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(write(*out, "new list"));
    EXPECT_EQ(folder.read("data/English/vimo"), "old list");
    ASSERT_TRUE(out->commit(error));
    EXPECT_EQ(folder.read("data/English/vimo"), "new list");
    EXPECT_EQ(entries(), 1);
    struct stat info {};
    ASSERT_EQ(::stat((folder.path() / "data/English/vimo").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SafeReplaceTest, RefusesTargetsThatCannotBeReplaced) {
    folder.write("options/readonly.opt", "keep me");
    ::chmod((folder.path() / "options/readonly.opt").c_str(), 0444);
    folder.makeFolder("options/folder.opt");
    folder.write("notafolder", "a file where a folder should be");
    struct Case {
        std::u16string path;
        std::uint32_t error;
    };
    const Case cases[] = {
        {u"options\\readonly.opt", EROFS},  // refused even for root, as on Windows
        {u"options\\folder.opt", EISDIR},   // a folder
        {u"missing\\vimo.opt", ENOENT},     // its folder is missing
        {u"notafolder\\vimo.opt", ENOTDIR}, // a file where its folder should be
        {u"options\\", EISDIR},             // no name at all
        {u"..\\vimo.opt", ENOENT},          // out of the content folder
    };
    for (const Case& c : cases) {
        error = 0;
        EXPECT_EQ(files.openForReplacing(c.path, error), nullptr) << toUtf8(c.path);
        EXPECT_EQ(error, c.error) << toUtf8(c.path);
    }
    EXPECT_EQ(folder.read("options/readonly.opt"), "keep me");
}

// A name as long as a folder allows (255 bytes, in letters of one byte or of two) still saves,
// and a media file of such a name is copied in whole: the temporary name beside it does not grow
// with it.
TEST_F(SafeReplaceTest, SavesAndCopiesInAFileWhoseNameIsAsLongAsAFolderAllows) {
    folder.makeFolder("data/English");
    folder.makeFolder("gfx/images");
    const std::string picture(200'000, 'p'); // more than one buffer
    folder.write("outside/picture.png", picture);
    std::string twoByteLetters = "b";
    for (int i = 0; i < 127; ++i) {
        twoByteLetters += "\xC3\xA4"; // ä
    }
    for (const std::string& name : {std::string(255, 'a'), twoByteLetters}) {
        ASSERT_EQ(name.size(), 255u);
        auto out = files.openForReplacing(u"data\\English\\" + fromUtf8(name), error);
        ASSERT_NE(out, nullptr) << error;
        ASSERT_TRUE(write(*out, "list"));
        ASSERT_TRUE(out->commit(error)) << error;
        EXPECT_EQ(folder.read("data/English/" + name), "list");
        ASSERT_TRUE(files.copyIn(folder.path() / "outside/picture.png",
                                 u"gfx\\images\\" + fromUtf8(name), error))
            << error;
        EXPECT_EQ(folder.read("gfx/images/" + name), picture);
    }
    EXPECT_EQ(entries(), 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "gfx/images"),
                            std::filesystem::directory_iterator()),
              2);
}

// Temporary files that killed saves left behind go at the next save in their folder; one that a
// save is writing stays, however old, and so does one just made.
TEST_F(SafeReplaceTest, ASaveRemovesOnlyTheTemporaryFilesOfSavesThatEnded) {
    const std::filesystem::path lists = folder.path() / "data/English";
    const std::string stale[] = {".vimo.vimo-saving", "." + std::string(12, '0') + ".vimo-saving"};
    for (const std::string& name : stale) {
        folder.write("data/English/" + name, "half a list");
    }
    auto inProgress = files.openForReplacing(u"data\\English\\vimo", error);
    ASSERT_NE(inProgress, nullptr);
    for (const auto& entry : std::filesystem::directory_iterator(lists)) {
        const timespec anHourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        ::utimensat(AT_FDCWD, entry.path().c_str(), anHourAgo, 0);
    }
    folder.write("data/English/.fresh.vimo-saving", "being written");
    auto other = files.openForReplacing(u"data\\English\\other", error);
    ASSERT_NE(other, nullptr);
    for (const std::string& name : stale) {
        EXPECT_FALSE(std::filesystem::exists(lists / name)) << name;
    }
    EXPECT_TRUE(std::filesystem::exists(lists / ".fresh.vimo-saving"));
    ASSERT_TRUE(write(*inProgress, "mine"));
    ASSERT_TRUE(inProgress->commit(error));
    EXPECT_EQ(folder.read("data/English/vimo"), "mine");
}
