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

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    std::uint32_t error = 0;
};

// A failed write is TextFileFailureTest's. The longest name a folder allows still saves: the
// temporary name beside it does not grow with it.
TEST_F(SafeReplaceTest, TheTargetChangesOnlyWhenCommittedAndKeepsItsPermissions) {
    const std::string longName(255, 'a');
    for (const std::string& name : {std::string("vimo"), longName}) {
        folder.write("data/English/" + name, "old list");
        ::chmod((folder.path() / "data/English" / name).c_str(), 0640);
        auto out = files.openForReplacing(u"data\\English\\" + fromUtf8(name), error);
        ASSERT_NE(out, nullptr) << error;
        ASSERT_TRUE(write(*out, "new list"));
        EXPECT_EQ(folder.read("data/English/" + name), "old list");
        ASSERT_TRUE(out->commit(error)) << error;
        EXPECT_EQ(folder.read("data/English/" + name), "new list");
        struct stat info {};
        ASSERT_EQ(::stat((folder.path() / "data/English" / name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0640u);
    }
    EXPECT_EQ(folder.entries("data/English"), 2);
}

TEST_F(SafeReplaceTest, RefusesTargetsThatCannotBeReplaced) {
    folder.write("options/readonly.opt", "keep me");
    ::chmod((folder.path() / "options/readonly.opt").c_str(), 0444);
    folder.makeFolder("options/folder.opt");
    const std::pair<std::u16string, std::uint32_t> cases[] = {
        {u"options\\readonly.opt", EROFS}, // refused even for root, as on Windows
        {u"options\\folder.opt", EISDIR},
        {u"missing\\vimo.opt", ENOENT},
        {u"..\\vimo.opt", ENOENT}, // out of the content folder
    };
    for (const auto& [path, code] : cases) {
        EXPECT_EQ(files.openForReplacing(path, error), nullptr) << toUtf8(path);
        EXPECT_EQ(error, code) << toUtf8(path);
    }
    EXPECT_EQ(folder.read("options/readonly.opt"), "keep me");
}

// Leftovers of killed saves go at the next save; a save in progress keeps its file, so two saves
// of one list at once (the game and the editor) leave it whole, as the last one wrote it.
TEST_F(SafeReplaceTest, ASaveRemovesOnlyTheTemporaryFilesOfSavesThatEnded) {
    const std::filesystem::path lists = folder.path() / "data/English";
    folder.write("data/English/.vimo.vimo-saving", "half a list");
    auto mine = files.openForReplacing(u"data\\English\\vimo", error);
    ASSERT_NE(mine, nullptr);
    for (const auto& entry : std::filesystem::directory_iterator(lists)) {
        const timespec anHourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        ::utimensat(AT_FDCWD, entry.path().c_str(), anHourAgo, 0);
    }
    folder.write("data/English/.fresh.vimo-saving", "being written");
    auto theirs = files.openForReplacing(u"data\\English\\vimo", error);
    ASSERT_NE(theirs, nullptr);
    EXPECT_FALSE(std::filesystem::exists(lists / ".vimo.vimo-saving"));
    EXPECT_TRUE(std::filesystem::exists(lists / ".fresh.vimo-saving"));
    ASSERT_TRUE(write(*theirs, "theirs") && theirs->commit(error));
    ASSERT_TRUE(write(*mine, "mine") && mine->commit(error));
    EXPECT_EQ(folder.read("data/English/vimo"), "mine");
}
