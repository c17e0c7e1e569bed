// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/options/OptionsTexts.h"

#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

TEST(OptionsTextsTest, LinesComeInFileOrderAndWhatTheFileLacksStaysEmpty) {
    TemporaryFolder folder;
    FaultyFileSystem files(folder.path());
    OptionsTexts texts;
    texts.read(files, u"English"); // no file at all
    EXPECT_EQ(texts.line(1), u"");

    // 22 lines of 100 bytes after the mark.
    std::string bytes = "\xEF\xBB\xBF";
    for (int k = 1; k <= 22; ++k) {
        bytes += "Help " + std::string(k < 10 ? "0" : "") + std::to_string(k) +
                 std::string(90, 'x') + "\r\n";
    }
    folder.write("data/English/Options/options.txt", bytes);
    texts.read(files, u"English");
    EXPECT_EQ(texts.line(22).substr(0, 7), u"Help 22");
    for (int k : {0, -1, 23}) { // no control under the pointer, or beyond the table
        EXPECT_EQ(texts.line(k), u"") << k;
    }
    // A disk error after 1024 bytes keeps the lines before it; the rest are empty.
    files.readFailsAfter = 1024;
    texts.read(files, u"English");
    EXPECT_EQ(texts.line(9).substr(0, 7), u"Help 09");
    EXPECT_EQ(texts.line(22), u"");
}
