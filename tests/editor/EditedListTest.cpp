// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the list being edited, without widgets, on real files: which list is open, what
// each change writes, and that changes the disk refused are never let go without a word.
#include "ContentFiles.h"
#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"
#include "editor/lists/CEditedList.h"
#include "editor/lists/CListUsers.h"

#include <algorithm>
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
        int place; // of the chosen exercise; -1 for none
    };
    const auto swapFirstTwo = [](auto& items) { std::swap(items[0], items[1]); };
    const Case cases[] = {
        {"text on one line", [](CEditedList& e) { return e.setChosenText(u"Big\r\ncat"); },
         [](auto& items) { items[0].text = "Big  cat"; }, 0},
        {"next colour", [](CEditedList& e) { return e.moveChosenColour(true); },
         [](auto& items) { items[0].colour = "-12132367"; }, 0}, // black, then turquoise
        {"picture", [](CEditedList& e) { return e.setChosenFile(&Exercise::image, u"dog.png"); },
         [](auto& items) { items[0].image = "dog.png"; }, 0},
        {"earlier at the start", [](CEditedList& e) { return e.moveChosen(true); }, [](auto&) {},
         0},
        {"later", [](CEditedList& e) { return e.moveChosen(false); }, swapFirstTwo, 1},
        {"later again", [](CEditedList& e) { return e.moveChosen(false); },
         [](auto& items) { std::swap(items[1], items[2]); }, 2},
        {"later at the end", [](CEditedList& e) { return e.moveChosen(false); }, [](auto&) {}, 2},
        {"earlier", [](CEditedList& e) { return e.moveChosen(true); },
         [](auto& items) { std::swap(items[1], items[2]); }, 1},
        {"delete", [](CEditedList& e) { return e.deleteChosen(); },
         [](auto& items) { items.erase(items.begin() + 1); }, -1},
        {"moving nothing", [](CEditedList& e) { return e.moveChosen(true); }, [](auto&) {}, -1},
        {"add", [](CEditedList& e) { return e.addExercise(u"new\nline"); },
         [](auto& items) { items.push_back({.name = "new line", .colour = "-16777216"}); }, 2},
        // The new exercise is chosen, so what is picked next goes to it.
        {"picture of the new one",
         [](CEditedList& e) { return e.setChosenFile(&Exercise::image, u"cat.png"); },
         [](auto& items) { items.back().image = "cat.png"; }, 2},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.change(edited)) << c.what;
        c.expected(animals);
        EXPECT_EQ(file("Animals"), listBytes(animals)) << c.what;
        EXPECT_EQ(edited.chosenPlace().value_or(SIZE_MAX),
                  c.place < 0 ? SIZE_MAX : static_cast<std::size_t>(c.place))
            << c.what;
    }
}

TEST_F(EditedListTest, ChoosingFindsThePaletteColourAndWithoutAChoiceNothingChanges) {
    ASSERT_EQ(edited.open(u"toys"), CEditedList::Opening::Opened);
    struct Step {
        const char16_t* chosen;
        int colourIndex;
    };
    // A colour outside the palette steps from the nearest one (123, a dark blue, from the
    // palette's dark blue); choosing nothing keeps the place.
    const Step steps[] = {{u"ball", 18}, {u"odd", 5}, {u"horse", 5}};
    for (const Step& step : steps) {
        edited.choose(step.chosen);
        EXPECT_EQ(edited.colourIndex(), step.colourIndex);
    }
    EXPECT_EQ(edited.chosen(), nullptr); // no horse
    EXPECT_TRUE(edited.setChosenText(u"x") && edited.moveChosenColour(true) &&
                edited.deleteChosen());
    EXPECT_EQ(file("toys"), toys);
    edited.choose(u"odd");
    EXPECT_TRUE(edited.moveChosenColour(true)); // dark blue, then pale yellow-green
    EXPECT_EQ(edited.exercises()[1].colour, 0xFFEDFDC1u);

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

// A list takes a new name only when no other list has it and the folder can tell it apart; the
// file is written whole under it before the old one goes, and a failure keeps the old one.
TEST_F(EditedListTest, ARenamedListMovesWholeAndARenamedExerciseKeepsTheRest) {
    using R = CEditedList::Renaming;
    ASSERT_EQ(edited.open(u"Animals"), CEditedList::Opening::Opened);
    struct Case {
        const char16_t* newName;
        std::size_t writeFailsAfter;
        R result;
        const char16_t* nameAfter;
    };
    const Case cases[] = {
        {u"TOYS", kDiskTakesAll, R::Taken, u"Animals"},
        {u"animals", kDiskTakesAll, R::OnlyLetterCase, u"Animals"},
        {u"Zoo", 0, R::Failed, u"Animals"},
        {u"Farm", kDiskTakesAll, R::Renamed, u"Farm"},
    };
    for (const Case& c : cases) {
        files.writeFailsAfter = c.writeFailsAfter;
        std::uint32_t error = 0;
        EXPECT_EQ(edited.renameList(c.newName, error), c.result);
        EXPECT_EQ(edited.name(), c.nameAfter);
        EXPECT_EQ(file(std::string(c.nameAfter == std::u16string(u"Farm") ? "Farm" : "Animals")),
                  listBytes(animals));
        std::vector<std::u16string> names = lists.enumerateLists();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::u16string>{c.nameAfter, u"toys"}));
    }

    // An exercise keeps everything but its name; an empty name changes nothing.
    edited.choose(u"dog");
    EXPECT_TRUE(edited.renameChosen(u"Pup\npy") && edited.renameChosen(u""));
    animals[1].name = "Pup py";
    EXPECT_EQ(file("Farm"), listBytes(animals));

    // Deleting a file asks which lists name it, in any letter case.
    EXPECT_EQ(CListUsers::listsNaming(lists, &Exercise::image, u"OTHER.png"),
              std::vector<std::u16string>{u"Farm"});
    EXPECT_TRUE(CListUsers::listsNaming(lists, &Exercise::sound, u"cat.png").empty());
}
