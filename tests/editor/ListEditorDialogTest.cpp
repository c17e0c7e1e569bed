// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog: columns, lists, exercises and text, as the user works them with mouse and
// keyboard on real widgets over a real content folder. What each change writes is
// EditedListTest's.
#include "EditorDialogFixture.h"

using ListEditorDialogTest = EditorDialogFixture;

TEST_F(ListEditorDialogTest, ChoosingAListShowsItsExercisesAndAnExerciseShowsItsMedia) {
    openContent();
    const std::string animals = file("data/English/animals");
    EXPECT_EQ(column("list").entries(), QStringList({"animals", "toys"}));
    EXPECT_EQ(column("speech").entries(), QStringList({" None", "dog.wav"}));
    EXPECT_EQ(pressable(), QStringList());
    choose("list", "animals");
    EXPECT_EQ(column("exercise").entries(), QStringList({"cat", "cat", "dog"}));
    EXPECT_EQ(pressable(), QStringList({"deleteList", "addExercise", "save"}));

    choose("exercise", "dog");
    EXPECT_EQ(selected("image"), QString("dog.png"));
    EXPECT_EQ(selected("sound"), QString("dog.wav"));
    EXPECT_EQ(selected("speech"), QString("dog.wav"));
    EXPECT_EQ(textBox().text(), "Dog");
    EXPECT_EQ(preview().colour(), 0xFFFFFFFFu);
    EXPECT_EQ(pressable().size(), 8);

    // The first "cat": its sound is stored as "cat", the start of cat.wav, and stays so.
    choose("exercise", "cat");
    EXPECT_EQ(selected("sound"), QString("cat.wav"));
    EXPECT_FALSE(selected("speech"));
    EXPECT_FALSE(pressable().contains("deleteSpeech"));
    EXPECT_EQ(dialog->colourIndex(), 1); // black
    EXPECT_EQ(file("data/English/animals"), animals);
}

TEST_F(ListEditorDialogTest, ANewListIsAnEmptyFileThatIsChosenAndATakenNameAsksFirst) {
    openContent("animals");
    const std::string animals = file("data/English/animals");
    names = {QString("Farm")};
    press("addList");
    EXPECT_EQ(file("data/English/Farm"), listBytes({}));
    EXPECT_EQ(column("list").entries(), QStringList({"animals", "Farm", "toys"}));
    EXPECT_EQ(selected("list"), QString("Farm"));

    // The new exercise is the one shown, so the picture chosen next is its own.
    names = {QString("cow")};
    press("addExercise");
    EXPECT_EQ(selected("exercise"), QString("cow"));
    choose("image", "cat.png");
    EXPECT_EQ(file("data/English/Farm"), listBytes({{"cow", "cat.png", "", "", "", "-16777216"}}));
    // Deleted by mistake, it comes back with Ctrl+Z, and the list is written so.
    const std::string farm = file("data/English/Farm");
    press("deleteExercise");
    QTest::keyClick(dialog.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(file("data/English/Farm"), farm);
    EXPECT_EQ(selected("exercise"), QString("cow"));

    names = {QString("animals")};
    answers = {false};
    press("addList");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("\"animals\" exists already"));
    EXPECT_EQ(file("data/English/animals"), animals);
    EXPECT_EQ(selected("list"), QString("Farm"));
}

// The question names the list, and the activities the game's settings give it to, which follow
// it to a new name.
TEST_F(ListEditorDialogTest, DeletingAListAsksWithItsNameAndOneAlreadyGoneLeavesTheColumn) {
    // 15 settings, then each screen's four numbers and list, the menu first.
    std::string settings;
    for (int line = 0; line < 15; ++line) {
        settings += "0\r\n";
    }
    for (const char* name : {"toys", "vimo", "TOYS", "animals", "vimo", "toys", "vimo"}) {
        settings += std::string("1\r\n1\r\n1\r\n-1\r\n") + name + "\r\n";
    }
    folder.write("options/vimo.opt", settings);
    openContent("toys");
    // Renamed (F2), the list is still the one those activities play.
    names = {QString("games")};
    QTest::keyClick(&column("list"), Qt::Key_F2);
    answers = {false, true};
    press("deleteList");
    EXPECT_EQ(questions, QStringList({"Really delete list games?\n\nThe game's settings play this "
                                      "list in: Picture steps, Picture and word. These activities "
                                      "will find no list until another one is chosen for them on "
                                      "the game's options screen."}));
    EXPECT_TRUE(exists("data/English/games"));
    press("deleteList");
    EXPECT_FALSE(exists("data/English/games") || exists("data/English/toys"));
    EXPECT_EQ(column("list").entries(), QStringList({"animals"}));
    EXPECT_TRUE(column("exercise").entries().isEmpty());

    // A list removed by other means before Yes is reported, and goes from the column all the same.
    choose("list", "animals");
    std::filesystem::remove(folder.path() / "data/English/animals");
    answers = {true};
    press("deleteList");
    EXPECT_EQ(errors, QStringList({"data\\English\\animals was not found."}));
    EXPECT_TRUE(column("list").entries().isEmpty());
}

// An adult's typing is never lost, however the dialog is ended.
TEST_F(ListEditorDialogTest, WhateverEndsTheDialogTheTypedTextIsSaved) {
    const std::pair<const char*, void (*)(EditorDialogFixture&)> endings[] = {
        {"Esc", [](EditorDialogFixture& f) { QTest::keyClick(&f.textBox(), Qt::Key_Escape); }},
        {"the close box", [](EditorDialogFixture& f) { f.dialog->close(); }},
        {"the close button", [](EditorDialogFixture& f) { f.press("close"); }},
    };
    for (const auto& [what, end] : endings) {
        openContent("animals", "dog");
        QTest::mouseClick(&textBox(), Qt::LeftButton);
        textBox().selectAll();
        QTest::keyClicks(&textBox(), "Puppy");
        end(*this);
        EXPECT_FALSE(dialog->isVisible()) << what;
        EXPECT_NE(file("data/English/animals").find("\r\nPuppy\r\n"), std::string::npos) << what;
        dialog.reset();
    }
}
