// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "TextLines.h"
#include "common/files/DiskFileSystem.h"
#include "common/textfile/TextFileWriter.h"

#include <gtest/gtest.h>
#include <random>

using Lines = std::vector<std::u16string>;

class TextFileTest : public ::testing::Test {
protected:
    Lines linesOf(const std::string& bytes) {
        folder.write("file.txt", bytes);
        return readAllLines(files, u"file.txt");
    }
    template <typename Write> std::string bytesWritten(int encoding, Write write) {
        TextFileWriter file;
        EXPECT_TRUE(file.openForWriting(files, u"file.txt", encoding));
        write(file);
        file.close();
        return folder.read("file.txt");
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

TEST_F(TextFileTest, ReadsLinesWhateverTheEncodingAndLineEnds) {
    const std::tuple<const char*, std::string, Lines> cases[] = {
        // without a mark: UTF-8 only when all of it is, 8-bit when a byte says otherwise
        {"UTF-8 then a lone 8-bit letter", "\xC3\xA4\r\n\xE4", {u"\u00c3\u00a4", u"\u00e4"}},
        {"UTF-16 BE, one letter", std::string("\0a", 2), {u"a"}},
        {"LF, CR, LF CR", "one\ntwo\rthree\n\rb", {u"one", u"two", u"three", u"", u"b"}},
        {"stray continuation byte", "\xEF\xBB\xBF\x61\x80z", {u"a\uFFFDz"}},
        {"UTF-16 with an odd byte at the end", std::string("\xFF\xFE\x61\0\x62", 5), {u"a"}},
        {"a line longer than the buffer",
         std::string(3000, 'x') + "\r\nend",
         {std::u16string(3000, u'x'), u"end"}},
    };
    for (const auto& [what, bytes, lines] : cases) {
        EXPECT_EQ(linesOf(bytes), lines) << what;
    }
}

TEST_F(TextFileTest, ReadsFilesSavedByOtherTools) {
    DiskFileSystem samples{std::filesystem::path(VIMO_TEST_DATA) / "textfile"};
    const Lines expected = {u"R\u00e4v", u"\u00c4pple och p\u00e4ron", u"\u20ac 5 per kilo", u"",
                            u"Last line without end"};
    for (const char16_t* name : {u"lines-utf16le-bom.txt", u"lines-utf16be-bom.txt",
                                 u"lines-utf8-bom.txt", u"lines-utf16le.txt", u"lines-utf16be.txt",
                                 u"lines-utf8.txt", u"lines-windows1252.txt"}) {
        EXPECT_EQ(readAllLines(samples, name), expected)
            << std::string(name, name + std::char_traits<char16_t>::length(name));
    }
}

// The exact bytes, mark first: a reader and writer that erred alike would still read each other.
TEST_F(TextFileTest, WritesEachEncodingWithItsMark) {
    const std::tuple<int, std::u16string, std::string> cases[] = {
        // € is in the code page, ā is not
        {AnsiText, u"\u00e4\u20ac\u0101", "\xE4\x80?\r\n"},
        {Utf16BigEndian, u"\u00e4", std::string("\xFE\xFF\0\xE4\0\r\0\n", 8)},
        {Utf16LittleEndian, u"\u00e4", std::string("\xFF\xFE\xE4\0\r\0\n\0", 8)},
        // the two- and three-byte boundaries, and a surrogate pair unit by unit
        {Utf8Text, u"\u007f\u0080\u07ff\u0800\U0001F600",
         "\xEF\xBB\xBF\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\xA0\xBD\xED\xB8\x80\r\n"},
    };
    for (const auto& [encoding, text, bytes] : cases) {
        EXPECT_EQ(bytesWritten(encoding,
                               [&](TextFileWriter& f) {
                                   f.write(text);
                                   f.writeEndOfLine();
                               }),
                  bytes)
            << "encoding " << encoding;
    }
}

// Whatever the writer writes, the reader reads back unit for unit, across every buffer edge.
TEST_F(TextFileTest, WrittenLinesReadBackTheSameInEveryEncoding) {
    const std::u16string alphabet = u"abc xyz019\u00e4\u00e5\u00f6\u00c5\u20ac\u0160\t";
    const std::u16string wideAlphabet = alphabet + u"\u0101\u4e2d\U0001F600";
    std::mt19937 random(7);
    auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    for (int encoding : {AnsiText, Utf16BigEndian, Utf16LittleEndian, Utf8Text}) {
        const std::u16string& letters = encoding == AnsiText ? alphabet : wideAlphabet;
        Lines lines(400);
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
        EXPECT_EQ(readAllLines(files, u"file.txt"), lines) << "encoding " << encoding;
    }
}
