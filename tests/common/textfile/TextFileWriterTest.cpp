// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/textfile/TextFileWriter.h"

#include "TemporaryFolder.h"
#include "TextLines.h"
#include "common/files/DiskFileSystem.h"
#include "common/textfile/CTextFileException.h"

#include <gtest/gtest.h>
#include <random>

class TextFileWriterTest : public ::testing::Test {
protected:
    template <typename Write> std::string bytesWritten(int encoding, Write write) {
        TextFileWriter file;
        EXPECT_TRUE(file.openForWriting(files, u"out.txt", encoding));
        write(file);
        file.close();
        return folder.read("out.txt");
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

// The exact bytes, mark first: a reader and writer that erred alike would still read each other.
TEST_F(TextFileWriterTest, WritesEachEncodingWithItsMark) {
    struct Case {
        int encoding;
        std::u16string text;
        std::string bytes;
    };
    const Case cases[] = {
        // € is in the code page, ā is not
        {AnsiText, u"\u00e4\u20ac\u0101", "\xE4\x80?\r\n"},
        {Utf16BigEndian, u"\u00e4", std::string("\xFE\xFF\0\xE4\0\r\0\n", 8)},
        {Utf16LittleEndian, u"\u00e4", std::string("\xFF\xFE\xE4\0\r\0\n\0", 8)},
        // two- and three-byte forms on both sides of their boundaries, and a surrogate pair unit
        // by unit
        {Utf8Text, u"\u007f\u0080\u07ff\u0800\U0001F600",
         "\xEF\xBB\xBF\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\xA0\xBD\xED\xB8\x80\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bytesWritten(c.encoding,
                               [&](TextFileWriter& f) {
                                   f.write(c.text);
                                   f.writeEndOfLine();
                               }),
                  c.bytes)
            << "encoding " << c.encoding;
    }
}

// The forms of numbers are NumberTextTest's; here each kind reaches the file in its encoding.
TEST_F(TextFileWriterTest, WritesNumbersAndEightBitTextInTheFilesEncoding) {
    const std::string bytes = bytesWritten(Utf8Text, [](TextFileWriter& f) {
        f.write(4278190080L); // a long past 32 bits is written as the 32-bit value it holds
        f.write(u" ");
        f.write(static_cast<double>(0.2f));
        f.write(std::string_view(" \xE4\x80")); // ä and € in the code page
    });
    EXPECT_EQ(bytes, "\xEF\xBB\xBF-16777216 0.20000000298 \xC3\xA4\xE2\x82\xAC");
}

// Whatever the writer writes, the reader reads back unit for unit, across every buffer edge.
TEST_F(TextFileWriterTest, WrittenLinesReadBackTheSameInEveryEncoding) {
    const std::u16string alphabet = u"abc xyz019\u00e4\u00e5\u00f6\u00c5\u20ac\u0160\t";
    const std::u16string wideAlphabet = alphabet + u"\u0101\u4e2d\U0001F600";
    std::mt19937 random(7);
    auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    for (int encoding : {AnsiText, Utf16BigEndian, Utf16LittleEndian, Utf8Text}) {
        const std::u16string& letters = encoding == AnsiText ? alphabet : wideAlphabet;
        std::vector<std::u16string> lines(400);
        for (auto& line : lines) {
            line.resize(pick(61));
            for (auto& c : line) {
                c = letters[pick(letters.size())];
            }
        }
        bytesWritten(encoding, [&](TextFileWriter& f) {
            for (const auto& line : lines) {
                f.write(line);
                f.writeEndOfLine();
            }
        });
        lines.push_back(u""); // the last line end gives one more, empty, line
        EXPECT_EQ(readAllLines(files, u"out.txt"), lines) << "encoding " << encoding;
    }
}

TEST_F(TextFileWriterTest, AWriterThatCouldNotOpenWritesNothingAndFailsOnlyWhenItsBufferFills) {
    TextFileWriter shortOutput;
    EXPECT_FALSE(shortOutput.openForWriting(files, u"no folder\\out.txt", Utf8Text));
    EXPECT_FALSE(shortOutput.isOpen());
    shortOutput.write(u"short");
    EXPECT_NO_THROW(shortOutput.close());

    TextFileWriter longOutput;
    EXPECT_FALSE(longOutput.openForWriting(files, u"no folder\\out.txt", AnsiText));
    EXPECT_THROW(longOutput.write(std::string_view(std::string(2000, 'x'))), CTextFileException);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "no folder"));
}
