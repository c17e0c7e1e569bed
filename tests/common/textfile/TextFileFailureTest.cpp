// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultyFileSystem.h"
#include "FileSizeLimit.h"
#include "ResidentMemory.h"
#include "TemporaryFolder.h"
#include "TextLines.h"
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

TEST_F(TextFileFailureTest, AReadErrorPartWayClosesTheFileAndRaisesItsCode) {
    // Marked, so that the encoding is told without reading ahead to the failing block.
    std::string text = "\xEF\xBB\xBF";
    for (int i = 0; i < 500; ++i) {
        text += "line " + std::to_string(i) + "\r\n";
    }
    folder.write("list.txt", text);
    files.readFailsAfter = 2048;
    TextFile file;
    ASSERT_TRUE(file.openForReading(files, u"list.txt"));
    std::u16string line;
    int linesRead = 0;
    try {
        while (file.readLine(line)) {
            ++linesRead;
        }
        FAIL() << "the read error was not reported";
    } catch (const CTextFileException& error) {
        EXPECT_EQ(error.errorCode(), static_cast<std::uint32_t>(EIO));
    }
    EXPECT_GT(linesRead, 100);
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(file.readLine(line)); // and then it stays ended
}

// A write that fails part-way, or a real full disk found as the last buffer goes out at close:
// the failure is raised with its code, and the previous file stays whole, with no temporary file
// beside it.
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
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "data/English"),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

// Two saves of one list at once (the game and the editor, or two editors): each writes a file of
// its own, so the list is whole, as the save that ended last wrote it.
TEST_F(TextFileFailureTest, TwoSavesOfOneListAtOnceLeaveItWhole) {
    folder.makeFolder("data/English");
    auto save = [](FileSystem& disk, std::u16string_view word) {
        TextFileWriter file;
        ASSERT_TRUE(file.openForWriting(disk, u"data\\English\\vimo", Utf8Text));
        for (int i = 0; i < 300; ++i) {
            file.write(word);
            file.writeEndOfLine();
        }
        file.close();
    };
    DiskFileSystem disk{folder.path()};
    files.duringNextSave = [&] { save(disk, u"second"); };
    save(files, u"first");
    std::vector<std::u16string> expected(300, u"first");
    expected.emplace_back();
    EXPECT_EQ(readAllLines(disk, u"data\\English\\vimo"), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "data/English"),
                            std::filesystem::directory_iterator()),
              1);
}

// Files no list or text comes near are unreadable, like a failing disk, and cost little memory on
// the way: a line that never ends, a file of gigabytes (sparse, so the test costs no disk).
TEST_F(TextFileFailureTest, AnOverlongLineOrFileReadsAsUnreadableWithinBoundedMemory) {
    struct Case {
        const char* what;
        std::string name;
        std::string opening;
        off_t size;
    };
    const Case cases[] = {
        {"a single line of 64 MB", "line.txt", std::string(64u << 20, 'x'), 64 << 20},
        {"a line of 17 MB in UTF-16", "wide.txt", "\xFF\xFE" + std::string(17u << 20, 'x'),
         17 << 20},
        {"a file of 3 GB", "huge.txt", "short\r\nlines\r\n", off_t{3} << 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write(c.name, c.opening);
        ASSERT_EQ(::truncate((folder.path() / c.name).c_str(), c.size), 0);
        ResidentMemory::restartPeak();
        const long before = ResidentMemory::currentMiB();
        TextFile file;
        try {
            std::u16string line;
            EXPECT_TRUE(file.openForReading(files, std::u16string(c.name.begin(), c.name.end())));
            while (file.readLine(line)) {
            }
            ADD_FAILURE() << "read to the end";
        } catch (const CTextFileException& error) {
            EXPECT_EQ(error.errorCode(), static_cast<std::uint32_t>(EFBIG));
        }
        EXPECT_FALSE(file.isOpen());
        EXPECT_LE(ResidentMemory::peakMiB() - before, 64);
        std::filesystem::remove(folder.path() / c.name);
    }
}
