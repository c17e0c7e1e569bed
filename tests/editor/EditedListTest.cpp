// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the list being edited, without widgets, on real files: which list is open, what
// each change writes, and that changes the disk refused are never let go without a word.
#include "ContentFiles.h"
#include "FaultyFileSystem.h"
#include "TemporaryFolder.h"
#include "editor/lists/CEditedList.h"

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
    const std::string toys = listBytes({{.name = "ball"}});

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
    ListItem deleted;
    const auto undo = [](CEditedList& e) { return e.undo(); };
    const Case cases[] = {
        {"text on one line", [](CEditedList& e) { return e.setChosenText(u"Big\r\ncat"); },
         [](auto& items) { items[0].text = "Big  cat"; }, 0},
        {"next colour", [](CEditedList& e) { return e.moveChosenColour(true); },
         [](auto& items) { items[0].colour = "-12132367"; }, 0}, // black, then turquoise
        {"later", [](CEditedList& e) { return e.moveChosen(false); },
         [](auto& items) { std::swap(items[0], items[1]); }, 1},
        {"later again", [](CEditedList& e) { return e.moveChosen(false); },
         [](auto& items) { std::swap(items[1], items[2]); }, 2},
        {"later at the end", [](CEditedList& e) { return e.moveChosen(false); }, [](auto&) {}, 2},
        {"earlier", [](CEditedList& e) { return e.moveChosen(true); },
         [](auto& items) { std::swap(items[1], items[2]); }, 1},
        {"delete", [](CEditedList& e) { return e.deleteChosen(); },
         [&](auto& items) { deleted = items[1], items.erase(items.begin() + 1); }, -1},
        {"add", [](CEditedList& e) { return e.addExercise(u"new\nline"); },
         [](auto& items) { items.push_back({.name = "new line", .colour = "-16777216"}); }, 2},
        // The new exercise is chosen, so what is picked next goes to it.
        {"picture of the new one",
         [](CEditedList& e) { return e.setChosenFile(&Exercise::image, u"cat.png"); },
         [](auto& items) { items.back().image = "cat.png"; }, 2},
        // Deleting, moving and renaming are taken back last first; the rest stays.
        {"undo the delete", undo, [&](auto& items) { items.insert(items.begin() + 1, deleted); },
         1},
        {"undo earlier", undo, [](auto& items) { std::swap(items[1], items[2]); }, 2},
        {"rename", [](CEditedList& e) { return e.renameChosen(u"kitten"); },
         [](auto& items) { items[2].name = "kitten"; }, 2},
        {"undo the rename", undo, [](auto& items) { items[2].name = "cat"; }, 2},
        {"undo later again", undo, [](auto& items) { std::swap(items[1], items[2]); }, 1},
        {"dragged to the end", [](CEditedList& e) { return e.moveChosenTo(3); },
         [](auto& items) { std::rotate(items.begin() + 1, items.begin() + 2, items.end()); }, 3},
        {"undo the drag", undo,
         [](auto& items) { std::rotate(items.begin() + 1, items.begin() + 3, items.end()); }, 1},
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

TEST_F(EditedListTest, ChangesTheDiskRefusedAreKeptUntilWritten) {
    ASSERT_EQ(edited.open(u"Animals"), CEditedList::Opening::Opened);
    edited.choose(u"dog");
    files.writeFailsAfter = 0;
    EXPECT_FALSE(edited.setChosenText(u"Puppy"));
    EXPECT_EQ(edited.exercises()[1].text, u"Puppy");
    EXPECT_EQ(file("Animals"), listBytes(animals));

    // Nothing lets go of them, and the next try fails as long as the disk does.
    EXPECT_EQ(edited.open(u"toys"), CEditedList::Opening::Refused);
    EXPECT_FALSE(edited.create(u"farm"));
    EXPECT_FALSE(edited.close());
    EXPECT_FALSE(edited.saveUnsaved());
    EXPECT_EQ(edited.name(), u"Animals");
    EXPECT_EQ(lists.enumerateLists().size(), 2u);

    files.writeFailsAfter = kDiskTakesAll;
    EXPECT_TRUE(edited.saveUnsaved());
    animals[1].text = "Puppy";
    EXPECT_EQ(file("Animals"), listBytes(animals));
    EXPECT_EQ(edited.open(u"toys"), CEditedList::Opening::Opened);
}

TEST_F(EditedListTest, ANewListReplacesOnlyOneOfItsVeryName) {
    // A name in another letter case chooses that list as it is; only the very name empties it.
    EXPECT_TRUE(edited.create(u"ANIMALS"));
    EXPECT_EQ(edited.name(), u"Animals");
    EXPECT_EQ(file("Animals"), listBytes(animals));
    EXPECT_TRUE(edited.create(u"Animals"));
    EXPECT_TRUE(edited.exercises().empty());
    EXPECT_EQ(file("Animals"), listBytes({}));
}

// A list takes a new name only when no other list has it and the folder can tell it apart; the
// file is written whole under it before the old one goes, and a failure keeps the old one alone.
// An exercise keeps everything but its name.
TEST_F(EditedListTest, ARenamedListMovesWholeAndARenamedExerciseKeepsTheRest) {
    using R = CEditedList::Renaming;
    ASSERT_EQ(edited.open(u"Animals"), CEditedList::Opening::Opened);
    // The last column makes removing the old file fail: the new one goes again, so one is left.
    const std::tuple<const char16_t*, std::size_t, R, std::string, std::uint32_t> cases[] = {
        {u"TOYS", kDiskTakesAll, R::Taken, "Animals", 0},
        {u"animals", kDiskTakesAll, R::OnlyLetterCase, "Animals", 0},
        {u"Zoo", 0, R::Failed, "Animals", 0},
        {u"Zoo", kDiskTakesAll, R::Failed, "Animals", EBUSY},
        {u"Farm", kDiskTakesAll, R::Renamed, "Farm", 0},
    };
    for (const auto& [newName, writeFailsAfter, result, nameAfter, removalFails] : cases) {
        files.writeFailsAfter = writeFailsAfter;
        files.nextRemovalFailsWith = removalFails;
        std::uint32_t error = 0;
        EXPECT_EQ(edited.renameList(newName, error), result) << nameAfter;
        EXPECT_EQ(file(nameAfter), listBytes(animals));
        EXPECT_EQ(lists.enumerateLists().size(), 2u);
    }
    edited.choose(u"dog");
    EXPECT_TRUE(edited.renameChosen(u"Pup\npy") && edited.renameChosen(u""));
    animals[1].name = "Pup py";
    EXPECT_EQ(file("Farm"), listBytes(animals));
}
