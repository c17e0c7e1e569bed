#include "common/textfile/TextFile.h"

#include "TemporaryFolder.h"
#include "TextLines.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::u16string>;

class TextFileReaderTest : public ::testing::Test {
protected:
    Lines linesOf(const std::string& bytes) {
        folder.write("file.txt", bytes);
        return readAllLines(files, u"file.txt");
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

TEST_F(TextFileReaderTest, ReadsLinesWhateverTheEncodingAndLineEnds) {
    struct Case {
        const char* what;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"UTF-8 with mark", "\xEF\xBB\xBF" "abc", {u"abc"}},
        {"EF BB without BF is 8-bit", "\xEF\xBB" "A", {u"\u00ef\u00bbA"}},
        {"LF", "one\ntwo\nthree", {u"one", u"two", u"three"}},
        {"CR", "one\rtwo\rthree", {u"one", u"two", u"three"}},
        {"CR LF", "one\r\ntwo\r\nthree", {u"one", u"two", u"three"}},
        {"empty line between", "a\r\n\r\nb", {u"a", u"", u"b"}},
        {"LF CR is two ends", "a\n\rb", {u"a", u"", u"b"}},
        {"final end gives one more line", "a\r\nb\r\n", {u"a", u"b", u""}},
        {"0 bytes", "", {u""}},
        {"only a UTF-8 mark", "\xEF\xBB\xBF", {u""}},
        {"only a UTF-16 mark", "\xFF\xFE", {u""}},
        {"one byte", "x", {u"x"}},
        {"8-bit code page", "R\xE4v\r\n\x80", {u"R\u00e4v", u"\u20ac"}},
        {"UTF-16 LE", std::string("\xFF\xFE" "a\0\xE4\0\r\0\n\0b\0", 12), {u"a\u00e4", u"b"}},
        {"UTF-16 BE", std::string("\xFE\xFF\0a\0\xE4\0\r\0\n\0b", 12), {u"a\u00e4", u"b"}},
        {"UTF-8 two and three bytes", "\xEF\xBB\xBF\xC3\xA4\xE2\x82\xAC", {u"\u00e4\u20ac"}},
        {"stray continuation byte", "\xEF\xBB\xBF" "a\x80z", {u"a\uFFFDz"}},
        {"four-byte lead", "\xEF\xBB\xBF\xF0\x9F\x98\x80", {u"\uFFFD\uFFFD\uFFFD\uFFFD"}},
        {"UTF-8 cut short at the end", "\xEF\xBB\xBF" "ab\xE2\x82", {u"ab"}},
        {"UTF-16 with an odd byte at the end", std::string("\xFF\xFE" "a\0b", 5), {u"a"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(linesOf(c.bytes), c.lines) << c.what;
    }
}

TEST_F(TextFileReaderTest, ReturnsLongLinesWholeAcrossBufferBoundaries) {
    const std::u16string line3000(3000, u'x');
    EXPECT_EQ(linesOf(std::string(3000, 'x') + "\r\nend"), (Lines{line3000, u"end"}));

    // 10 MB without a line end, in UTF-8 with a two-byte letter straddling every buffer edge.
    std::string big = "\xEF\xBB\xBF";
    for (int i = 0; i < 5 * 1024 * 1024; ++i) {
        big += "\xC3\xA5";
    }
    const Lines lines = linesOf(big);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 5u * 1024 * 1024);
    EXPECT_EQ(lines[0].find_first_not_of(u'\u00e5'), std::u16string::npos);
}

TEST_F(TextFileReaderTest, ReadsFilesSavedByOtherTools) {
    DiskFileSystem samples{std::filesystem::path(VIMO_TEST_DATA) / "textfile"};
    const Lines expected = {u"R\u00e4v", u"\u00c4pple och p\u00e4ron", u"\u20ac 5 per kilo", u"",
                            u"Last line without end"};
    for (const char16_t* name : {u"lines-utf16le-bom.txt", u"lines-utf16be-bom.txt",
                                 u"lines-utf8-bom.txt", u"lines-windows1252.txt"}) {
        EXPECT_EQ(readAllLines(samples, name), expected)
            << std::string(name, name + std::char_traits<char16_t>::length(name));
    }
}

TEST_F(TextFileReaderTest, ReadsEightBitLinesInTheCodePage) {
    folder.write("u16.txt", std::string("\xFF\xFE\xE4\0\x01\x01\r\0\n\0", 10));
    TextFile file;
    ASSERT_TRUE(file.openForReading(files, u"u16.txt"));
    std::string line;
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(line, "\xE4?"); // ä, then a letter the code page lacks
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(file.readLine(line));

    folder.write("ansi.txt", "-16777216\r\n\xE4");
    ASSERT_TRUE(file.openForReading(files, u"ansi.txt"));
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(line, "-16777216");
    ASSERT_TRUE(file.readLine(line));
    EXPECT_EQ(line, "\xE4");
}

TEST_F(TextFileReaderTest, WhatCannotBeOpenedReadsAsNothing) {
    folder.makeFolder("afolder");
    folder.write("binary", std::string("\x00\x01\xFE\xFF\x00\x00\xFF", 7));
    TextFile file;
    std::u16string line;
    for (const char16_t* path : {u"missing.txt", u"afolder", u"afolder\\"}) {
        EXPECT_FALSE(file.openForReading(files, path));
        EXPECT_FALSE(file.isOpen());
        EXPECT_TRUE(file.isAtEnd());
        EXPECT_FALSE(file.readLine(line));
    }
    // Binary garbage reads as some lines and then ends, without failing.
    ASSERT_TRUE(file.openForReading(files, u"binary"));
    int count = 0;
    while (file.readLine(line)) {
        ++count;
    }
    EXPECT_GE(count, 1);
}
