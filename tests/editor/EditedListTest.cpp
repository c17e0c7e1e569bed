// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the list being edited, without widgets, on real files: which list is open, what
// each change writes, and that changes the disk refused are never let go without a word.
#include "ContentFiles.h"
#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"
#include "editor/lists/CEditedList.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr std::size_t kDiskTakesAll = std::numeric_limits<std::size_t>::max();

class EditedListTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
    CListFolder lists{files, u"English"};
    CEditedList edited{lists};
    std::vector<ListItem> animals = {
        {.name = "cat", .image = "cat.png", .text = "Cat", .colour = "-16777216"},
        {.name = "dog", .image = "dog.png", .sound = "dog.wav", .text = "Dog", .colour = "-1"},
        {.name = "cat", .image = "other.png", .text = "second cat", .colour = "-1"}};
    const std::string toys = listBytes({{.name = "ball"}, {.name = "odd", .colour = "123"}});

    void SetUp() override {
        folder.write("data/English/Animals", listBytes(animals));
        folder.write("data/English/toys", toys);
    }
    std::string file(const std::string& name) const { return folder.read("data/English/" + name); }
};

} // namespace

TEST_F(EditedListTest, ChangesAreWrittenAtOnceAndGoToTheFirstExerciseOfTheChosenName) {
    ASSERT_EQ(edited.open(u"animals"), CEditedList::Opening::Opened);
    EXPECT_EQ(edited.name(), u"Animals"); // as the folder spells it
    edited.choose(u"cat");
    ASSERT_EQ(edited.chosen(), &edited.exercises()[0]);
    struct Case {
        const char* what;
        std::function<bool(CEditedList&)> change;
        std::function<void(std::vector<ListItem>&)> expected;
        const char16_t* chosenAfter; // none when null
    };
    const Case cases[] = {
        {"text on one line", [](CEditedList& e) { return e.setChosenText(u"Big\r\ncat"); },
         [](auto& items) { items[0].text = "Big  cat"; }, u"cat"},
        {"next colour", [](CEditedList& e) { return e.moveChosenColour(true); },
         [](auto& items) { items[0].colour = "-12132367"; }, u"cat"}, // black, then turquoise
        {"picture", [](CEditedList& e) { return e.setChosenFile(&Exercise::image, u"dog.png"); },
         [](auto& items) { items[0].image = "dog.png"; }, u"cat"},
        {"delete", [](CEditedList& e) { return e.deleteChosen(); },
         [](auto& items) { items.erase(items.begin()); }, nullptr},
        // The new exercise is chosen, so what is picked next goes to it.
        {"add", [](CEditedList& e) { return e.addExercise(u"new\nline"); },
         [](auto& items) { items.push_back({.name = "new line", .colour = "-16777216"}); },
         u"new line"},
        {"picture of the new one",
         [](CEditedList& e) { return e.setChosenFile(&Exercise::image, u"cat.png"); },
         [](auto& items) { items.back().image = "cat.png"; }, u"new line"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.change(edited)) << c.what;
        c.expected(animals);
        EXPECT_EQ(file("Animals"), listBytes(animals)) << c.what;
        const Exercise* chosen = edited.chosen();
        EXPECT_EQ(chosen ? std::optional(chosen->name) : std::nullopt,
                  c.chosenAfter ? std::optional<std::u16string>(c.chosenAfter) : std::nullopt)
            << c.what;
    }
}

TEST_F(EditedListTest, ChoosingFindsThePaletteColourAndWithoutAChoiceNothingChanges) {
    ASSERT_EQ(edited.open(u"toys"), CEditedList::Opening::Opened);
    struct Step {
        const char16_t* chosen;
        int colourIndex;
    };
    // A colour outside the palette keeps the place the arrows step from.
    const Step steps[] = {{u"ball", 18}, {u"odd", 18}, {u"horse", 18}};
    for (const Step& step : steps) {
        edited.choose(step.chosen);
        EXPECT_EQ(edited.colourIndex(), step.colourIndex);
    }
    EXPECT_EQ(edited.chosen(), nullptr); // no horse
    EXPECT_TRUE(edited.setChosenText(u"x") && edited.moveChosenColour(true) &&
                edited.deleteChosen());
    EXPECT_EQ(file("toys"), toys);
    edited.choose(u"odd");
    EXPECT_TRUE(edited.moveChosenColour(true)); // wraps to white
    EXPECT_EQ(edited.exercises()[1].colour, 0xFFFFFFFFu);

    // A list gone since it was offered opens as nothing, and nothing is written for it.
    std::filesystem::remove(folder.path() / "data/English/toys");
    EXPECT_EQ(edited.open(u"toys"), CEditedList::Opening::NotThere);
    EXPECT_FALSE(edited.isOpen());
    EXPECT_TRUE(edited.save() && edited.addExercise(u"x"));
    EXPECT_EQ(lists.enumerateLists(), std::vector<std::u16string>{u"Animals"});
}

TEST_F(EditedListTest, ChangesTheDiskRefusedAreKeptUntilWrittenOrLetGo) {
    ASSERT_EQ(edited.open(u"Animals"), CEditedList::Opening::Opened);
    edited.choose(u"dog");
    files.writeFailsAfter = 0;
    EXPECT_FALSE(edited.setChosenText(u"Puppy"));
    EXPECT_TRUE(edited.hasUnsavedChanges());
    EXPECT_EQ(edited.exercises()[1].text, u"Puppy");
    EXPECT_EQ(file("Animals"), listBytes(animals));

    // Nothing lets go of them, and the next try fails as long as the disk does.
    EXPECT_EQ(edited.open(u"toys"), CEditedList::Opening::Refused);
    EXPECT_FALSE(edited.create(u"farm"));
    EXPECT_FALSE(edited.close());
    EXPECT_FALSE(edited.saveUnsaved());
    EXPECT_EQ(edited.name(), u"Animals");
    EXPECT_EQ(edited.exercises()[1].text, u"Puppy");
    EXPECT_EQ(lists.enumerateLists().size(), 2u);

    files.writeFailsAfter = kDiskTakesAll;
    EXPECT_TRUE(edited.saveUnsaved());
    animals[1].text = "Puppy";
    EXPECT_EQ(file("Animals"), listBytes(animals));
    EXPECT_EQ(edited.open(u"toys"), CEditedList::Opening::Opened);

    // Let go on purpose, they stay out of the file.
    edited.choose(u"ball");
    files.writeFailsAfter = 0;
    EXPECT_FALSE(edited.moveChosenColour(true));
    edited.discardUnsaved();
    EXPECT_TRUE(edited.close());
    EXPECT_EQ(file("toys"), toys);
}

TEST_F(EditedListTest, ANewListReplacesOneOfItsNameAndARemovedListTakesItsChangesAlong) {
    // A name in another letter case chooses that list as it is; only the very name empties it.
    EXPECT_TRUE(edited.create(u"ANIMALS"));
    EXPECT_EQ(edited.name(), u"Animals");
    EXPECT_EQ(edited.exercises().size(), animals.size());
    EXPECT_EQ(file("Animals"), listBytes(animals));
    EXPECT_EQ(lists.enumerateLists().size(), 2u);
    EXPECT_TRUE(edited.create(u"Animals"));
    EXPECT_TRUE(edited.exercises().empty());
    EXPECT_EQ(file("Animals"), listBytes({}));

    files.writeFailsAfter = 0;
    EXPECT_FALSE(edited.create(u"farm"));
    EXPECT_FALSE(edited.isOpen());
    EXPECT_FALSE(lists.exists(u"farm"));

    // Removing the open list drops what the disk refused; one removed by other means closes too.
    ASSERT_EQ(edited.open(u"toys"), CEditedList::Opening::Opened);
    EXPECT_FALSE(edited.addExercise(u"car"));
    std::uint32_t error = 0;
    EXPECT_TRUE(edited.removeFile(error));
    EXPECT_FALSE(edited.isOpen() || edited.hasUnsavedChanges() || lists.exists(u"toys"));
    ASSERT_EQ(edited.open(u"animals"), CEditedList::Opening::Opened);
    std::filesystem::remove(folder.path() / "data/English/Animals");
    EXPECT_FALSE(edited.removeFile(error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ENOENT));
    EXPECT_FALSE(edited.isOpen());
}

// Another editor, or a hand, changes the open list on disk: the next change asks before writing
// over it, and a No leaves the other version whole. Unchanged, gone, or written by this editor
// since, the list is written without asking.
TEST_F(EditedListTest, AListChangedOnDiskSinceItWasOpenedIsNotWrittenOverWithoutAsking) {
    using Clock = std::filesystem::file_time_type::clock;
    const std::filesystem::path path = folder.path() / "data/English/Animals";
    struct Case {
        const char* what;
        std::function<void()> meanwhile;
        bool asked;
        bool answer;
    };
    const std::string other = listBytes({{.name = "horse"}});
    const Case cases[] = {
        {"nothing happened", [] {}, false, true},
        {"written by another editor, kept", [&] { folder.write("data/English/Animals", other); },
         true, false},
        {"written by another editor, written over",
         [&] { folder.write("data/English/Animals", other); }, true, true},
        {"touched by hand, same size",
         [&] { std::filesystem::last_write_time(path, Clock::now() + std::chrono::hours(1)); },
         true, false},
        {"removed by hand", [&] { std::filesystem::remove(path); }, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        std::vector<std::u16string> asked;
        lists.askBeforeWritingOver([&](std::u16string_view name) {
            asked.emplace_back(name);
            return c.answer;
        });
        ASSERT_EQ(edited.open(u"animals"), CEditedList::Opening::Opened);
        c.meanwhile();
        const std::string before = std::filesystem::exists(path) ? file("Animals") : "";
        edited.choose(u"dog");
        EXPECT_EQ(edited.setChosenText(u"Puppy"), c.answer);
        EXPECT_EQ(asked, c.asked ? std::vector<std::u16string>{u"Animals"}
                                 : std::vector<std::u16string>{});
        if (c.answer) {
            EXPECT_NE(file("Animals").find("Puppy"), std::string::npos);
            // Its own write is no change on disk: the next one asks nothing more.
            EXPECT_TRUE(edited.setChosenText(u"Dog"));
            EXPECT_EQ(asked.size(), c.asked ? 1u : 0u);
        } else {
            EXPECT_EQ(file("Animals"), before);
            edited.discardUnsaved();
        }
        EXPECT_TRUE(edited.close());
    }
}

// The game stops at the first empty name; the lines after it are never shown, and the editor
// writes nothing that would drop them until the user agrees.
TEST_F(EditedListTest, LinesAfterAnEmptyNameAreCountedAndKeptUntilTheUserLetsThemGo) {
    const std::string dog = listBytes({{.name = "dog", .colour = "-1"}}).substr(3);
    struct Case {
        const char* what;
        std::string tail; // after the list's one exercise
        std::size_t linesAfterEnd;
    };
    const Case cases[] = {
        {"empty lines at the end only", "\r\n\r\n", 0},
        {"an exercise after an empty line", "\r\n" + dog, 6},
        {"a stray word after empty lines", "\r\n\r\nstray\r\n\r\n", 2},
    };
    for (const Case& c : cases) {
        const std::string bytes = listBytes({{.name = "ball"}}) + c.tail;
        folder.write("data/English/toys", bytes);
        ASSERT_EQ(edited.open(u"toys"), CEditedList::Opening::Opened) << c.what;
        EXPECT_EQ(edited.exercises().size(), 1u) << c.what;
        EXPECT_EQ(edited.linesAfterEnd(), c.linesAfterEnd) << c.what;
        edited.choose(u"ball");
        EXPECT_TRUE(edited.setChosenText(u"Ball") && edited.addExercise(u"car") && edited.save())
            << c.what;
        const bool held = c.linesAfterEnd > 0;
        EXPECT_EQ(file("toys") == bytes, held) << c.what;
        EXPECT_EQ(edited.exercises().size(), held ? 1u : 2u) << c.what;
        EXPECT_EQ(edited.exercises()[0].text, held ? u"" : u"Ball") << c.what;
        ASSERT_TRUE(edited.close());
    }
    // Once the user agrees, the next change writes only what is shown.
    ASSERT_EQ(edited.open(u"toys"), CEditedList::Opening::Opened);
    edited.dropLinesAfterEnd();
    edited.choose(u"ball");
    EXPECT_TRUE(edited.setChosenText(u"Ball"));
    EXPECT_EQ(file("toys"), listBytes({{.name = "ball", .text = "Ball"}}));
}
