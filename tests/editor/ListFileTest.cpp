// SPDX-License-Identifier: GPL-3.0-or-later
// The list format as the editor writes it, checked against the bytes on disk and read back by
// the editor and the game. How the shared reader takes lists made by hand (encodings, where a
// list ends, colour lines) is the game's ContentListTest.
#include "editor/lists/ListFile.h"

#include "RecordingErrorBox.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "game/content/ContentList.h"

#include <gtest/gtest.h>

namespace {

bool operator==(const Exercise& a, const Exercise& b) {
    return a.name == b.name && a.image == b.image && a.sound == b.sound && a.speech == b.speech &&
           a.text == b.text && a.colour == b.colour;
}

} // namespace

TEST(ListFileTest, WritesUtf8WithMarkAndCrLfThatTheEditorAndTheGameReadBack) {
    TemporaryFolder folder;
    folder.makeFolder("data/English");
    DiskFileSystem files{folder.path()};
    const std::vector<Exercise> written = {
        {u"cat", u"cat.png", u"cat.wav", u"", u"Katt på väg", 0xFF000000},
        {u"  ", u"", u"", u"bil.wav", u"", 0x00FFFFFF}, // a name of blanks is a name
        {u"cat", u"other.png", u"", u"", u"second of the name", 0xFFDB3A3A}};
    std::uint32_t error = 0;
    ASSERT_TRUE(ListFile::write(files, u"data\\English\\mixed", written, error));
    EXPECT_EQ(folder.read("data/English/mixed"),
              "\xEF\xBB\xBF"
              "cat\r\ncat.png\r\ncat.wav\r\n\r\nKatt p\xC3\xA5 v\xC3\xA4g\r\n-16777216\r\n"
              "  \r\n\r\n\r\nbil.wav\r\n\r\n16777215\r\n"
              "cat\r\nother.png\r\n\r\n\r\nsecond of the name\r\n-2409926\r\n");

    const std::vector<Exercise> read = ListFile::read(files, u"data\\English\\mixed");
    ContentList list(files, u"English");
    RecordingErrorBox errorBox;
    ASSERT_TRUE(list.loadList(u"mixed", errorBox));
    ASSERT_EQ(read.size(), written.size());
    ASSERT_EQ(list.exercises.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_TRUE(read[i] == written[i]) << i;
        EXPECT_TRUE(list.exercises[i] == written[i]) << i;
    }
    EXPECT_TRUE(errorBox.messages.empty());
    EXPECT_TRUE(ListFile::read(files, u"data\\English\\missing").empty());
}
