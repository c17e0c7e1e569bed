// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/files/ProfileFileSystem.h"

#include "TemporaryFolder.h"
#include "common/files/ChildProfiles.h"
#include "common/files/WholeFile.h"
#include "common/text/Utf8.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

std::string readAll(const FileSystem& files, std::u16string_view path) {
    const std::unique_ptr<InputStream> input = files.openForReading(path);
    std::vector<unsigned char> bytes;
    std::uint32_t error = 0;
    if (!input || !readWholeFile(*input, 1024, bytes, error)) {
        return "(none)";
    }
    return std::string(bytes.begin(), bytes.end());
}

bool replace(FileSystem& files, std::u16string_view path, std::uint32_t& error) {
    const std::unique_ptr<OutputStream> output = files.openForReplacing(path, error);
    const unsigned char byte = 'n';
    return output && output->write(&byte, 1, error) && output->commit(error);
}

} // namespace

// A shared content folder with the teacher's own settings and log in it, and an empty profile:
// the child's settings and log are the profile's alone, the starting settings and the language
// come from the content folder until the profile has its own, and nothing else is written.
TEST(ProfileFileSystemTest, TheChildsFilesAreTheProfilesAndTheContentIsOnlyRead) {
    TemporaryFolder content;
    TemporaryFolder profile;
    const char* const shared[] = {"options/vimo.opt",    "options/access.opt",
                                  "options/English.opt", "log/2024-01-01.csv",
                                  "data/lang.txt",       "gfx/menu/game01.png"};
    for (const char* file : shared) {
        content.write(file, "c");
    }
    ProfileFileSystem files(content.path(), profile.path());
    const std::tuple<std::u16string, std::string, std::uint32_t, std::string> cases[] = {
        // path, read before, error of a write (0 where it lands), read after
        {u"options\\vimo.opt", "(none)", 0, "n"},
        {u"Options//ACCESS.OPT", "(none)", 0, "n"},
        {u"log\\2024-01-01.csv", "(none)", 0, "n"},
        {u"options\\English.opt", "c", 0, "n"},
        {u"data\\lang.txt", "c", 0, "n"},
        {u"gfx\\menu\\game01.png", "c", EROFS, "c"},
        {u"data\\English\\farm", "(none)", EROFS, "(none)"},
        {u"options\\..\\gfx\\menu\\game01.png", "(none)", ENOENT, "(none)"},
    };
    for (const auto& [path, before, refusal, after] : cases) {
        EXPECT_EQ(readAll(files, path), before) << toUtf8(path);
        std::uint32_t error = 0;
        replace(files, path, error);
        EXPECT_EQ(error, refusal) << toUtf8(path);
        EXPECT_EQ(readAll(files, path), after) << toUtf8(path);
    }
    std::uint32_t error = 0;
    EXPECT_TRUE(files.append(u"log\\2024-01-02.csv", "x", error));
    EXPECT_EQ(files.list(u"log\\*.csv", FolderEntries::Skip),
              (std::vector<std::u16string>{u"2024-01-01.csv", u"2024-01-02.csv"}));
    EXPECT_EQ(files.resolve(u"log"), profile.path() / "log");
    for (const char* file : shared) {
        EXPECT_EQ(content.read(file), "c") << file;
    }
    EXPECT_EQ(content.entries("log"), 1);
}

// The launcher's children folder as both programs see it: profiles in name order, a photo where
// there is one, hidden folders (being made or removed) and files passed over; names that would
// escape the folder or hide are refused; a rename or a new profile never takes over another.
TEST(ChildProfilesTest, ProfilesAreListedMadeRenamedAndRemovedWithoutTakingOverAnother) {
    TemporaryFolder children;
    children.write("Zoë/options/vimo.opt", "1");
    children.write("Alva/photo.jpg", "x");
    children.makeFolder(".new-Bo.123");
    children.write("notes.txt", "x");
    std::vector<ChildProfile> profiles = listChildProfiles(children.path());
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[0].name, u"Alva");
    EXPECT_EQ(profiles[0].photo, children.path() / "Alva" / "photo.jpg");
    EXPECT_EQ(profiles[1].name, u"Zoë");
    EXPECT_TRUE(profiles[1].photo.empty());
    EXPECT_TRUE(listChildProfiles(children.path() / "none").empty());

    const std::pair<std::u16string, ChildNameFault> names[] = {
        {u"Bo", ChildNameFault::None},
        {u"", ChildNameFault::Empty},
        {u".Bo", ChildNameFault::Hidden},
        {u"../Bo", ChildNameFault::Hidden},
        {u"a/b", ChildNameFault::Separator},
        {u"a\nb", ChildNameFault::Separator},
        {std::u16string(128, u'ö'), ChildNameFault::TooLong},
    };
    for (const auto& [name, fault] : names) {
        EXPECT_EQ(checkChildName(name), fault) << toUtf8(name);
    }

    std::error_code error;
    EXPECT_FALSE(makeChildProfile(children.path(), u"Alva", error));
    EXPECT_EQ(error, std::errc::file_exists);
    EXPECT_FALSE(makeChildProfile(children.path(), u"a/b", error));
    EXPECT_TRUE(makeChildProfile(children.path(), u"Bo", error)) << error.message();
    EXPECT_FALSE(renameChildProfile(children.path() / "Bo", u"Zoë", error));
    EXPECT_EQ(error, std::errc::file_exists);
    EXPECT_TRUE(renameChildProfile(children.path() / "Zoë", u"Zoe", error)) << error.message();
    EXPECT_TRUE(std::filesystem::exists(children.path() / "Zoe" / "options" / "vimo.opt"));
    EXPECT_TRUE(removeChildProfile(children.path() / "Alva", error)) << error.message();
    profiles = listChildProfiles(children.path());
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[0].name, u"Bo");
    EXPECT_EQ(profiles[1].name, u"Zoe");
}
