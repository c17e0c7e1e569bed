// The list format as the editor writes and reads it, checked against the bytes on disk and
// against the game's own list reader.
#include "editor/lists/ListFile.h"

#include "FaultyFileSystem.h"
#include "RecordingErrorBox.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "common/text/Utf8.h"
#include "editor/lists/CListFolder.h"
#include "game/content/Options.h"

#include <gtest/gtest.h>

namespace {

Exercise exercise(std::u16string name, std::u16string image, std::u16string sound,
                  std::u16string speech, std::u16string text, std::uint32_t colour) {
    return Exercise{std::move(name),   std::move(image), std::move(sound),
                    std::move(speech), std::move(text),  colour};
}

bool operator==(const Exercise& a, const Exercise& b) {
    return a.name == b.name && a.image == b.image && a.sound == b.sound && a.speech == b.speech &&
           a.text == b.text && a.colour == b.colour;
}

std::string utf16le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

class ListFileTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
};

} // namespace

TEST_F(ListFileTest, WritesUtf8WithMarkAndCrLfAfterEveryLine) {
    folder.makeFolder("data/English");
    const std::vector<Exercise> exercises = {
        exercise(u"cat", u"cat.png", u"cat.wav", u"", u"Cat", 0xFF000000),
        exercise(u"bil", u"", u"", u"bil.wav", u"Bil på väg", 0x00FFFFFF)};
    ASSERT_TRUE(ListFile::write(files, u"data\\English\\animals", exercises));
    EXPECT_EQ(folder.read("data/English/animals"),
              "\xEF\xBB\xBF"
              "cat\r\ncat.png\r\ncat.wav\r\n\r\nCat\r\n-16777216\r\n"
              "bil\r\n\r\n\r\nbil.wav\r\nBil p\xC3\xA5 v\xC3\xA4g\r\n16777215\r\n");
}

TEST_F(ListFileTest, AnEmptyListIsTheThreeBytesOfTheMark) {
    folder.makeFolder("data/English");
    ASSERT_TRUE(ListFile::write(files, u"data\\English\\new", {}));
    EXPECT_EQ(folder.read("data/English/new"), "\xEF\xBB\xBF");
    EXPECT_TRUE(ListFile::read(files, u"data\\English\\new").empty());
}

TEST_F(ListFileTest, TheGameLoadsWhatTheEditorWrote) {
    folder.write("data/lang.txt", "English\r\n");
    folder.makeFolder("data/English");
    folder.makeFolder("options");
    const std::vector<Exercise> written = {
        exercise(u"cat", u"cat.png", u"cat.wav", u"cat.wav", u"Katt", 0xFFDB3A3A),
        exercise(u"  ", u"", u"", u"", u"", 0x00FFFFFF), // a name of blanks is a name
        exercise(u"cat", u"other.png", u"", u"", u"second of the name", 0xFFFFFFFF),
        exercise(u"öga", u"öga.png", u"", u"", u"", 0x00000000)};
    ASSERT_TRUE(ListFile::write(files, u"data\\English\\mixed", written));

    Options options(files);
    RecordingErrorBox errorBox;
    ASSERT_TRUE(options.loadList(u"mixed", errorBox));
    ASSERT_EQ(options.exercises.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_TRUE(options.exercises[i] == written[i]) << i;
    }
    EXPECT_TRUE(errorBox.messages.empty());
}

TEST_F(ListFileTest, ReadsListsWrittenByHandInEveryEncoding) {
    const std::vector<Exercise> expected = {
        exercise(u"båt", u"boat.png", u"", u"", u"Båt", 0xFF000000),
        exercise(u"sol", u"", u"sun.wav", u"", u"", 0x00FFFFFF)};
    const std::u16string text = u"båt\r\nboat.png\r\n\r\n\r\nBåt\r\n-16777216\r\n"
                                u"sol\r\n\r\nsun.wav\r\n\r\n\r\n16777215\r\n";
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"UTF-16 little-endian", utf16le(text)},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + toUtf8(text)},
        {"8-bit without mark", "b\xE5t\nboat.png\n\n\nB\xE5t\n-16777216\nsol\n\nsun.wav\n\n\n"
                               "4278190080"}, // LF only, no final line end
    };
    for (const Case& c : cases) {
        folder.write("data/English/list", c.bytes);
        std::vector<Exercise> read = ListFile::read(files, u"data\\English\\list");
        ASSERT_EQ(read.size(), 2u) << c.what;
        EXPECT_TRUE(read[0] == expected[0]) << c.what;
        EXPECT_EQ(read[1].name, u"sol") << c.what;
        EXPECT_EQ(read[1].sound, u"sun.wav") << c.what;
    }
    // The unsigned form of the same 32 bits reads the same.
    EXPECT_EQ(ListFile::read(files, u"data\\English\\list")[1].colour, 0xFF000000u);
}

TEST_F(ListFileTest, ReadingStopsAtAnEmptyNameAndKeepsPresetsOfAListCutShort) {
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t count;
        std::uint32_t lastColour;
    };
    const Case cases[] = {
        {"empty name ends the list", "a\r\n\r\n\r\n\r\n\r\n1\r\n\r\nb\r\n\r\n\r\n\r\n\r\n2\r\n", 1,
         1},
        {"colour line missing", "a\r\nx.png\r\n\r\n\r\n\r\n", 1, 0x00FFFFFF},
        {"word for a colour", "a\r\n\r\n\r\n\r\n\r\nred\r\n", 1, 0},
        {"digits then letters", "a\r\n\r\n\r\n\r\n\r\n12abc", 1, 12},
        {"empty file", "", 0, 0},
    };
    for (const Case& c : cases) {
        folder.write("data/English/list", c.bytes);
        const std::vector<Exercise> read = ListFile::read(files, u"data\\English\\list");
        ASSERT_EQ(read.size(), c.count) << c.what;
        if (c.count > 0) {
            EXPECT_EQ(read.back().colour, c.lastColour) << c.what;
        }
    }
    EXPECT_TRUE(ListFile::read(files, u"data\\English\\missing").empty());
}

TEST_F(ListFileTest, AFailedWriteLeavesTheOldListWhole) {
    const std::string old = "\xEF\xBB\xBF"
                            "old\r\n\r\n\r\n\r\n\r\n-1\r\n";
    folder.write("data/English/animals", old);
    FaultyFileSystem faulty(folder.path());
    faulty.writeFailsAfter = 10;
    const std::vector<Exercise> exercises(50, exercise(u"long name", u"x.png", u"", u"", u"", 0));
    EXPECT_FALSE(ListFile::write(faulty, u"data\\English\\animals", exercises));
    EXPECT_EQ(folder.read("data/English/animals"), old);
    EXPECT_EQ(faulty.list(u"data\\English\\*.*", FolderEntries::Keep),
              std::vector<std::u16string>{u"animals"});
}

TEST_F(ListFileTest, TheListFolderShowsOnlyFilesThatStayInside) {
    folder.write("data/English/animals", "");
    folder.write("data/English/farm.txt", "");
    folder.write("data/English/a\\b", ""); // a backslash is a plain character here
    folder.makeFolder("data/English/Tool");
    folder.makeFolder("data/English/Options");
    CListFolder lists(files, u"English");
    EXPECT_EQ(lists.enumerateLists(), (std::vector<std::u16string>{u"animals", u"farm.txt"}));
    EXPECT_TRUE(lists.exists(u"ANIMALS"));
    EXPECT_FALSE(lists.exists(u"Tool"));
    EXPECT_EQ(lists.pathOf(u"farm.txt"), u"data\\English\\farm.txt");
}
