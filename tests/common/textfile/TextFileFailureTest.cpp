// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultyFileSystem.h"
#include "FileSizeLimit.h"
#include "ResidentMemory.h"
#include "TemporaryFolder.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "common/textfile/TextFileWriter.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

class TextFileFailureTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
};

// A read error part-way, a line that never ends, a file of gigabytes: the failure is raised with
// its code, the file closes and stays ended, and memory taken on the way stays small.
TEST_F(TextFileFailureTest, AReadErrorOrAnOverlongLineOrFileClosesTheFileAndRaisesItsCode) {
    constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();
    const std::tuple<std::string, off_t, std::size_t, int> cases[] = {
        // marked, so that the encoding is told without reading ahead to the failing block
        {"\xEF\xBB\xBF" + std::string(5000, '\n'), 0, 2048, EIO},
        {std::string(64u << 20, 'x'), 0, kNever, EFBIG},
        {"short\r\nlines\r\n", off_t{3} << 30, kNever, EFBIG},
    };
    for (const auto& [opening, size, readFailsAfter, code] : cases) {
        folder.write("list.txt", opening);
        if (size != 0) { // made sparse
            ASSERT_EQ(::truncate((folder.path() / "list.txt").c_str(), size), 0);
        }
        files.readFailsAfter = readFailsAfter;
        ResidentMemory::restartPeak();
        const long before = ResidentMemory::currentMiB();
        TextFile file;
        std::u16string line;
        try {
            ASSERT_TRUE(file.openForReading(files, u"list.txt"));
            while (file.readLine(line)) {
            }
            ADD_FAILURE() << "read to the end";
        } catch (const CTextFileException& error) {
            EXPECT_EQ(error.errorCode(), static_cast<std::uint32_t>(code));
        }
        EXPECT_FALSE(file.isOpen() || file.readLine(line));
        EXPECT_LE(ResidentMemory::peakMiB() - before, 64);
    }
}

// A write that fails part-way, or a full disk found at close: the failure is raised with its
// code, and the previous file stays whole, with no temporary file beside it.
TEST_F(TextFileFailureTest, AWriteErrorPartWayOrAtCloseRaisesAndKeepsThePreviousFile) {
    for (const bool realFullDisk : {false, true}) {
        SCOPED_TRACE(realFullDisk ? "a real full disk at close" : "a write error part-way");
        folder.write("data/English/vimo", "the teacher's list");
        files.writeFailsAfter = realFullDisk ? std::numeric_limits<std::size_t>::max() : 1500;
        TextFileWriter file;
        ASSERT_TRUE(file.openForWriting(files, u"data\\English\\vimo", Utf8Text));
        try {
            for (int i = 0; i < (realFullDisk ? 20 : 200); ++i) { // 20 lines stay in the buffer
                file.write(u"a line of the new list");
                file.writeEndOfLine();
            }
            const FileSizeLimit limit(100);
            file.close();
            ADD_FAILURE() << "a failed write was reported as success";
        } catch (const CTextFileException& error) {
            EXPECT_EQ(error.errorCode(), static_cast<std::uint32_t>(realFullDisk ? EFBIG : ENOSPC));
        }
        EXPECT_FALSE(file.isOpen());
        EXPECT_EQ(folder.read("data/English/vimo"), "the teacher's list");
        EXPECT_EQ(folder.entries("data/English"), 1) << "a temporary file was left behind";
    }
}
