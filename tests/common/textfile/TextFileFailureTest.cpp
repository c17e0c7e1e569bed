#include "FaultyFileSystem.h"
#include "FileSizeLimit.h"
#include "TemporaryFolder.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/TextFile.h"
#include "common/textfile/TextFileWriter.h"

#include <gtest/gtest.h>

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

TEST_F(TextFileFailureTest, AWriteErrorPartWayLeavesThePreviousFileWhole) {
    folder.write("data/English/vimo", "the teacher's list");
    files.writeFailsAfter = 1500;
    {
        TextFileWriter file;
        ASSERT_TRUE(file.openForWriting(files, u"data\\English\\vimo", Utf8Text));
        EXPECT_THROW(
            {
                for (int i = 0; i < 200; ++i) {
                    file.write(u"a line of the new list");
                    file.writeEndOfLine();
                }
                file.close();
            },
            CTextFileException);
        EXPECT_FALSE(file.isOpen());
    }
    EXPECT_EQ(folder.read("data/English/vimo"), "the teacher's list");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "data/English"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(TextFileFailureTest, ARealFullDiskAtCloseRaisesAndKeepsThePreviousFile) {
    DiskFileSystem disk{folder.path()};
    folder.write("options/vimo.opt", "old");
    TextFileWriter file;
    ASSERT_TRUE(file.openForWriting(disk, u"options\\vimo.opt", AnsiText));
    file.write(std::string_view(std::string(800, 'x'))); // still in the buffer
    {
        FileSizeLimit limit(100);
        try {
            file.close();
            FAIL() << "a failed flush was reported as success";
        } catch (const CTextFileException& error) {
            EXPECT_EQ(error.errorCode(), static_cast<std::uint32_t>(EFBIG));
        }
    }
    EXPECT_EQ(folder.read("options/vimo.opt"), "old");
}
