#include "common/files/DiskFileSystem.h"
#include "common/files/ReplacingOutputStream.h"

#include "FileSizeLimit.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <sys/stat.h>

namespace {

bool writeAll(OutputStream& out, const std::string& bytes, std::uint32_t& error) {
    return out.write(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), error);
}

std::size_t entriesIn(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

} // namespace

class SafeReplaceTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

TEST_F(SafeReplaceTest, TheTargetChangesOnlyWhenTheWriteIsCommitted) {
    folder.write("options/vimo.opt", "old settings");
    std::uint32_t error = 0;
    auto out = files.openForReplacing(u"options\\vimo.opt", error);
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(writeAll(*out, "new settings", error));
    EXPECT_EQ(folder.read("options/vimo.opt"), "old settings");
    ASSERT_TRUE(out->commit(error));
    EXPECT_EQ(folder.read("options/vimo.opt"), "new settings");
    EXPECT_EQ(entriesIn(folder.path() / "options"), 1u); // no temporary file left behind
}

TEST_F(SafeReplaceTest, AnAbandonedWriteLeavesTheOldFileAndNoTemporaryFile) {
    folder.write("data/English/vimo", "the list");
    {
        std::uint32_t error = 0;
        auto out = files.openForReplacing(u"data\\English\\vimo", error);
        ASSERT_NE(out, nullptr);
        ASSERT_TRUE(writeAll(*out, "half", error));
    }
    EXPECT_EQ(folder.read("data/English/vimo"), "the list");
    EXPECT_EQ(entriesIn(folder.path() / "data/English"), 1u);
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
        {u"options\\readonly.opt", EACCES}, // refused even for root, as on Windows
        {u"options\\folder.opt", EISDIR},
        {u"missing\\vimo.opt", ENOENT},
        {u"notafolder\\vimo.opt", ENOTDIR},
        {u"options\\", EISDIR},
    };
    for (const Case& c : cases) {
        std::uint32_t error = 0;
        EXPECT_EQ(files.openForReplacing(c.path, error), nullptr);
        EXPECT_EQ(error, c.error) << std::string(c.path.begin(), c.path.end());
    }
    EXPECT_EQ(folder.read("options/readonly.opt"), "keep me");
}

TEST_F(SafeReplaceTest, AReplacementKeepsThePermissionsOfTheFileItReplaces) {
    folder.write("data/list", "x");
    ::chmod((folder.path() / "data/list").c_str(), 0640);
    std::uint32_t error = 0;
    auto out = files.openForReplacing(u"data\\list", error);
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(writeAll(*out, "y", error));
    ASSERT_TRUE(out->commit(error));
    struct stat info {};
    ASSERT_EQ(::stat((folder.path() / "data/list").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SafeReplaceTest, AFullDiskPartWayThroughLeavesTheOldFileWhole) {
    const std::string old(3000, 'o');
    folder.write("data/English/vimo", old);
    std::uint32_t error = 0;
    auto out = files.openForReplacing(u"data\\English\\vimo", error);
    ASSERT_NE(out, nullptr);
    {
        FileSizeLimit limit(1000); // the kernel refuses bytes past 1000 with EFBIG
        EXPECT_FALSE(writeAll(*out, std::string(5000, 'n'), error));
    }
    EXPECT_EQ(error, static_cast<std::uint32_t>(EFBIG));
    out.reset();
    EXPECT_EQ(folder.read("data/English/vimo"), old);
    EXPECT_EQ(entriesIn(folder.path() / "data/English"), 1u);
}
