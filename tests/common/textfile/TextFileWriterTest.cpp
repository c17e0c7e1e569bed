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

TEST_F(TextFileWriterTest, WritesEachEncodingWithItsMark) {
    struct Case {
        int encoding;
        std::string bytes;
    };
    const Case cases[] = {
        {AnsiText, "\xE4\r\n"},
        {Utf16BigEndian, std::string("\xFE\xFF\0\xE4\0\r\0\n", 8)},
        {Utf16LittleEndian, std::string("\xFF\xFE\xE4\0\r\0\n\0", 8)},
        {Utf8Text, "\xEF\xBB\xBF\xC3\xA4\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bytesWritten(c.encoding,
                               [](TextFileWriter& f) {
                                   f.write(u"\u00e4");
                                   f.writeEndOfLine();
                               }),
                  c.bytes)
            << c.encoding;
    }
}

TEST_F(TextFileWriterTest, WritesNumbersAndEightBitText) {
    const std::string bytes = bytesWritten(Utf8Text, [](TextFileWriter& f) {
        f.write(-16777216);
        f.write(u" ");
        f.write(4278190080L); // a long past 32 bits is written as the 32-bit value it holds
        f.write(u" ");
        f.write(static_cast<double>(0.2f));
        f.write(u" ");
        f.write(1.0);
        f.write(u" ");
        f.write(std::string_view("\xE4\x80")); // ä and € in the code page
        f.write(u" \u20ac\U0001F600");          // three-byte form, and a pair unit by unit
    });
    EXPECT_EQ(bytes, "\xEF\xBB\xBF-16777216 -16777216 0.20000000298 1. \xC3\xA4\xE2\x82\xAC "
                     "\xE2\x82\xAC\xED\xA0\xBD\xED\xB8\x80");
    EXPECT_EQ(bytesWritten(AnsiText, [](TextFileWriter& f) { f.write(u"\u20ac\u0101"); }),
              "\x80?");
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
        std::vector<std::u16string> lines;
        for (int i = 0; i < 400; ++i) {
            std::u16string line(pick(61), u' ');
            for (auto& c : line) {
                c = letters[pick(letters.size())];
            }
            lines.push_back(line);
        }
        {
            TextFileWriter file;
            ASSERT_TRUE(file.openForWriting(files, u"round.txt", encoding));
            for (const auto& line : lines) {
                file.write(line);
                file.writeEndOfLine();
            }
            file.close();
        }
        lines.push_back(u""); // the last line end gives one more, empty, line
        EXPECT_EQ(readAllLines(files, u"round.txt"), lines) << "encoding " << encoding;
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
