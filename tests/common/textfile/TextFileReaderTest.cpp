// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "TextLines.h"
#include "common/files/DiskFileSystem.h"
#include "common/textfile/TextFile.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::u16string>;

namespace {
const std::string kUtf8Mark = "\xEF\xBB\xBF";
}

class TextFileReaderTest : public ::testing::Test {
protected:
    Lines linesOf(const std::string& bytes) {
        folder.write("file.txt", bytes);
        return readAllLines(files, u"file.txt");
    }

    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

// Whole files in each encoding, with CR LF ends, an empty line and letters of two and three
// bytes, are read in ReadsFilesSavedByOtherTools; letters split by a buffer's edge, in the
// writer's round trip.
TEST_F(TextFileReaderTest, ReadsLinesWhateverTheEncodingAndLineEnds) {
    struct Case {
        const char* what;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"EF BB without BF is 8-bit", "\xEF\xBB\x41", {u"\u00ef\u00bbA"}},
        // without a mark: UTF-8 only when all of it is, 8-bit when a byte says otherwise
        {"UTF-8 without mark", "a\r\n\xC3\xA4", {u"a", u"\u00e4"}},
        {"UTF-8 then a lone 8-bit letter", "\xC3\xA4\r\n\xE4", {u"\u00c3\u00a4", u"\u00e4"}},
        {"UTF-8 cut short", "ab\xC3", {u"ab\u00c3"}},
        {"an overlong form is 8-bit", "\xC0\xAF", {u"\u00c0\u00af"}},
        {"UTF-16 LE, empty first line", std::string("\r\0\n\0a\0", 6), {u"", u"a"}},
        {"UTF-16 BE, one letter", std::string("\0a", 2), {u"a"}},
        {"only zeros stay 8-bit", std::string(4, '\0'), {std::u16string(4, u'\0')}},
        {"LF", "one\ntwo\nthree", {u"one", u"two", u"three"}},
        {"CR", "one\rtwo\rthree", {u"one", u"two", u"three"}},
        {"LF CR is two ends", "a\n\rb", {u"a", u"", u"b"}},
        {"final end gives one more line", "a\r\nb\r\n", {u"a", u"b", u""}},
        {"0 bytes", "", {u""}},
        {"only a UTF-8 mark", kUtf8Mark, {u""}},
        {"only a UTF-16 mark", "\xFF\xFE", {u""}},
        {"one byte", "x", {u"x"}},
        {"stray continuation byte", kUtf8Mark + "a\x80z", {u"a\uFFFDz"}},
        {"four-byte lead", kUtf8Mark + "\xF0\x9F\x98\x80", {u"\uFFFD\uFFFD\uFFFD\uFFFD"}},
        {"UTF-8 cut short at the end", kUtf8Mark + "ab\xE2\x82", {u"ab"}},
        {"UTF-16 with an odd byte at the end", std::string("\xFF\xFE\x61\0\x62", 5), {u"a"}},
        {"a line longer than the buffer",
         std::string(3000, 'x') + "\r\nend",
         {std::u16string(3000, u'x'), u"end"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(linesOf(c.bytes), c.lines) << c.what;
    }
}

TEST_F(TextFileReaderTest, ReadsFilesSavedByOtherTools) {
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

// The list reader takes its colour lines this way: wide text comes in the code page, with "?"
// for a letter the code page lacks, and 8-bit text comes as it is.
TEST_F(TextFileReaderTest, ReadsEightBitLinesInTheCodePage) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {std::string("\xFF\xFE\xE4\0\x01\x01\r\0\n\0", 10), {"\xE4?", ""}},
        {"-16777216\r\n\xE4", {"-16777216", "\xE4"}},
    };
    for (const auto& [bytes, expected] : cases) {
        folder.write("file.txt", bytes);
        TextFile file;
        ASSERT_TRUE(file.openForReading(files, u"file.txt"));
        std::vector<std::string> lines;
        for (std::string line; file.readLine(line);) {
            lines.push_back(line);
        }
        EXPECT_EQ(lines, expected);
    }
}

TEST_F(TextFileReaderTest, WhatCannotBeOpenedReadsAsNothing) {
    folder.makeFolder("afolder");
    TextFile file;
    std::u16string line;
    for (const char16_t* path : {u"missing.txt", u"afolder", u"afolder\\"}) {
        EXPECT_FALSE(file.openForReading(files, path));
        EXPECT_FALSE(file.isOpen());
        EXPECT_TRUE(file.isAtEnd());
        EXPECT_FALSE(file.readLine(line));
    }
    // Binary garbage reads as some lines and then ends, without failing.
    EXPECT_GE(linesOf(std::string("\x00\x01\xFE\xFF\x00\x00\xFF", 7)).size(), 1u);
}
