// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog: start, columns, lists, exercises, text and colour, as the user works them
// with mouse and keyboard on real widgets over a real content folder.
#include "EditorDialogFixture.h"

#include <QLabel>
#include <QTableWidget>
#include <QTimer>

using ListEditorDialogTest = EditorDialogFixture;

TEST_F(ListEditorDialogTest, StartsWithTitlesAndFilledColumnsAndNothingChosen) {
    writeContent();
    folder.write("data/English/Tool/tool.txt", "Lists\r\nExercises\r\nImages"); // no line end
    open();
    EXPECT_EQ(dialog->findChild<QLabel*>("imageTitle")->text(), "Images");
    EXPECT_EQ(dialog->findChild<QLabel*>("soundTitle")->text(), "Sound");
    EXPECT_EQ(column("list").entries(), QStringList({"animals", "toys"}));
    EXPECT_TRUE(column("exercise").entries().isEmpty());
    EXPECT_EQ(column("image").entries(), QStringList({"broken.png", "cat.png", "dog.png"}));
    EXPECT_EQ(column("sound").entries(), QStringList({"cat.wav", "dog.wav"}));
    EXPECT_EQ(column("speech").entries(), QStringList({" None", "dog.wav"}));
    for (const char* name : {"list", "exercise", "image", "sound", "speech"}) {
        EXPECT_FALSE(selected(name)) << name;
    }
    EXPECT_FALSE(textBox().isEnabled());

    // Without a list the exercise buttons only click.
    press("addExercise");
    press("deleteExercise");
    EXPECT_EQ(namesAsked, 0);
    EXPECT_EQ(sound.calls, std::vector<std::string>{"playOnce sfx\\click.wav"});
}

// Without lang.txt the language is English (the game's LanguageTest); with it, the columns show
// that language's lists and speech in its alphabetical order, and its tool.txt names None.
TEST_F(ListEditorDialogTest, TheLanguageOfLangTxtGivesCaptionListsSpeechNoneAndOrder) {
    folder.write("data/lang.txt", "Swedish\r\nmore lines\r\n");
    folder.write("data/Swedish/Tool/tool.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\nIngen\r\n");
    for (const char* name : {"English/animals", "Swedish/zebra", "Swedish/ödla", "Swedish/djur"}) {
        folder.write(std::string("data/") + name, list({}));
    }
    for (const char* name : {"English/hello.wav", "Swedish/hej.wav", "Swedish/ja.wav"}) {
        folder.write(std::string("speech/") + name, "");
    }
    open();
    EXPECT_EQ(dialog->windowTitle(), "Vimo! - Swedish");
    EXPECT_EQ(column("list").entries(), QStringList({"djur", "zebra", "ödla"})); // ö after z
    EXPECT_EQ(column("speech").entries(), QStringList({"hej.wav", "Ingen", "ja.wav"}));
}

TEST_F(ListEditorDialogTest, ChoosingAListShowsItsExercisesAndAnExerciseShowsItsMedia) {
    writeContent();
    const std::string animals = file("data/English/animals");
    open();
    choose("list", "animals");
    EXPECT_EQ(column("exercise").entries(), QStringList({"cat", "cat", "dog"}));
    EXPECT_EQ(dialog->exercises().size(), 3u);
    EXPECT_EQ(sound.calls, std::vector<std::string>{"stop"});

    choose("exercise", "dog");
    EXPECT_EQ(selected("image"), QString("dog.png"));
    EXPECT_EQ(selected("sound"), QString("dog.wav"));
    EXPECT_EQ(selected("speech"), QString("dog.wav"));
    EXPECT_EQ(textBox().text(), "Dog");
    EXPECT_TRUE(textBox().isEnabled());
    EXPECT_EQ(dialog->colourIndex(), 0); // white
    EXPECT_TRUE(preview().hasPicture());
    EXPECT_EQ(preview().colour(), 0xFFFFFFFFu);

    // The first "cat": its sound is stored as "cat", the start of cat.wav.
    choose("exercise", "cat");
    EXPECT_EQ(selected("image"), QString("cat.png"));
    EXPECT_EQ(selected("sound"), QString("cat.wav"));
    EXPECT_FALSE(selected("speech"));
    EXPECT_EQ(textBox().text(), "Cat");
    EXPECT_EQ(dialog->colourIndex(), 1);              // black
    EXPECT_EQ(dialog->exercises()[0].sound, u"cat");  // the stored name stays
    EXPECT_EQ(file("data/English/animals"), animals); // showing writes nothing

    // Choosing another list empties the text box and leaves the media columns unselected.
    choose("list", "toys");
    EXPECT_EQ(column("exercise").entries(), QStringList({"ball"}));
    EXPECT_EQ(textBox().text(), "");
    for (const char* name : {"exercise", "image", "sound", "speech"}) {
        EXPECT_FALSE(selected(name)) << name;
    }
    EXPECT_EQ(column("image").entries().size(), 3);
}

TEST_F(ListEditorDialogTest, ANewListNamedNothingOrNoPlainFileNameChangesNothing) {
    writeContent();
    folder.makeFolder("data/English/x");
    open();
    choose("list", "animals");
    const std::vector<std::string> before = allPaths();
    const std::string animals = file("data/English/animals");
    // Cancel and an empty name end quietly; the others are refused with a message saying why
    // (which names are refused is ItemNameTest's).
    struct Case {
        std::optional<QString> typed;
        const char* why; // null: no message
    };
    const Case cases[] = {
        {std::nullopt, nullptr},
        {QString(), nullptr},
        {"../x", "a character that is not allowed"},
        {"X", "a folder of that name"},       // the folder x, in another letter case
        {"options", "a folder of that name"}, // the game's own, though not made yet
    };
    for (const Case& c : cases) {
        const std::string what = c.typed.value_or("(Cancel)").toStdString();
        errors.clear();
        sound.calls.clear();
        names = {c.typed};
        press("addList");
        ASSERT_EQ(errors.size(), c.why != nullptr ? 1 : 0) << what;
        if (c.why != nullptr) {
            EXPECT_TRUE(errors.front().contains("cannot be the name of a list")) << what;
            EXPECT_TRUE(errors.front().contains(c.why))
                << what << ": " << errors.front().toStdString();
        }
        EXPECT_EQ(sound.calls, std::vector<std::string>{"playOnce sfx\\click.wav"}) << what;
        EXPECT_EQ(allPaths(), before) << what;
        EXPECT_EQ(selected("list"), QString("animals")) << what;
    }
    EXPECT_EQ(file("data/English/animals"), animals);
    EXPECT_EQ(column("exercise").count(), 3);
}

TEST_F(ListEditorDialogTest, ANewListIsAnEmptyFileThatIsChosenAndATakenNameAsksFirst) {
    openContent("animals");
    const std::string animals = file("data/English/animals");
    names = {QString("Farm")};
    press("addList");
    EXPECT_EQ(file("data/English/Farm"), list({}));
    EXPECT_EQ(column("list").entries(), QStringList({"animals", "Farm", "toys"}));
    EXPECT_EQ(selected("list"), QString("Farm"));
    EXPECT_TRUE(column("exercise").entries().isEmpty());
    EXPECT_TRUE(dialog->exercises().empty());

    // The new list takes exercises at once, and the new exercise is the one shown.
    names = {QString("cow")};
    press("addExercise");
    EXPECT_EQ(file("data/English/Farm"), list({"cow", "", "", "", "", "-16777216"}));
    EXPECT_EQ(selected("exercise"), QString("cow"));
    EXPECT_TRUE(textBox().isEnabled() && textBox().text().isEmpty());
    EXPECT_EQ(preview().colour(), 0xFF000000u);

    // A name taken already asks first; No keeps the old list (EditedListTest has the rest).
    names = {QString("animals")};
    answers = {false};
    press("addList");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("\"animals\" exists already"));
    EXPECT_EQ(file("data/English/animals"), animals);
    EXPECT_EQ(selected("list"), QString("Farm"));
}

namespace {

// The game's settings: 15 settings, then each screen's four numbers and list, menu first.
std::string settingsPlaying(std::initializer_list<const char*> lists) {
    std::string settings;
    for (int line = 0; line < 15; ++line) {
        settings += "0\r\n";
    }
    for (const char* list : lists) {
        settings += std::string("1\r\n1\r\n1\r\n-1\r\n") + list + "\r\n";
    }
    return settings;
}

} // namespace

// The question names the list, and the activities the game's settings give it to.
TEST_F(ListEditorDialogTest, DeletingAListAsksWithItsNameAndOneAlreadyGoneLeavesTheColumn) {
    folder.write("options/vimo.opt",
                 settingsPlaying({"toys", "vimo", "TOYS", "animals", "vimo", "toys", "vimo"}));
    openContent("toys");
    answers = {false, true};
    press("deleteList");
    EXPECT_EQ(questions, QStringList({"Really delete list toys?\n\nThe game's settings play this "
                                      "list in: Picture steps, Picture and word. These activities "
                                      "will find no list until another one is chosen for them on "
                                      "the game's options screen."}));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "data/English/toys"));
    press("deleteList");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "data/English/toys"));
    EXPECT_EQ(column("list").entries(), QStringList({"animals"}));
    EXPECT_FALSE(selected("list"));
    EXPECT_TRUE(column("exercise").entries().isEmpty());

    // A list removed by other means before Yes is reported, and goes from the column all the same.
    choose("list", "animals");
    std::filesystem::remove(folder.path() / "data/English/animals");
    answers = {true};
    press("deleteList");
    EXPECT_EQ(errors, QStringList({"data\\English\\animals was not found."}));
    EXPECT_TRUE(column("list").entries().isEmpty());
}

// F2 or a double click renames: the list's file takes the new name whole, an exercise keeps
// everything but its name; names the folder cannot take are refused with the reason.
TEST_F(ListEditorDialogTest, RenamingAListMovesItsFileAndAnExerciseKeepsAllButItsName) {
    openContent("animals", "dog");
    const std::string animals = file("data/English/animals");
    const std::vector<std::string> before = allPaths();
    // A refused name is told of and changes nothing (EditedListTest has which are refused).
    names = {QString("toys"), QString("Zoo")};
    column("list").setFocus();
    QTest::keyClick(&column("list"), Qt::Key_F2);
    EXPECT_EQ(errors, QStringList({"A list named \"toys\" exists already. Please choose another "
                                   "name."}));
    EXPECT_EQ(allPaths(), before);
    column("list").setFocus();
    QTest::keyClick(&column("list"), Qt::Key_F2);
    EXPECT_EQ(renamesOffered.back(), "animals");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "data/English/animals"));
    EXPECT_EQ(file("data/English/Zoo"), animals);
    EXPECT_EQ(column("list").entries(), QStringList({"toys", "Zoo"}));
    EXPECT_EQ(selected("list"), QString("Zoo"));
    EXPECT_EQ(selected("exercise"), QString("dog"));

    // The exercise: by a double click, on one line.
    CSortedColumn& exercises = column("exercise");
    const QRect dog = exercises.visualItemRect(exercises.selectedItems().front());
    names = {QString("Pup\npy")};
    QTest::mouseClick(exercises.viewport(), Qt::LeftButton, {}, dog.center());
    QTest::mouseDClick(exercises.viewport(), Qt::LeftButton, {}, dog.center());
    EXPECT_EQ(renamesOffered.back(), "dog");
    EXPECT_EQ(exercises.entries(), QStringList({"cat", "cat", "Pup py"}));
    EXPECT_EQ(selected("exercise"), QString("Pup py"));
    EXPECT_EQ(file("data/English/Zoo"),
              list({"cat", "cat.png", "cat", "", "Cat", "-16777216",        //
                    "Pup py", "dog.png", "dog.wav", "dog.wav", "Dog", "-1", //
                    "cat", "other.png", "", "", "second cat", "-1"}));
}

// Which exercise a name chooses and where a move puts it is EditedListTest's; here the buttons,
// the place shown and a column that stays sorted by name.
TEST_F(ListEditorDialogTest, ThePlayOrderButtonsMoveTheChosenExerciseAndShowItsPlace) {
    openContent("animals", "dog");
    EXPECT_EQ(dialog->findChild<QLabel*>("playOrder")->text(), "2 of 3");
    press("playLater");
    EXPECT_EQ(dialog->findChild<QLabel*>("playOrder")->text(), "3 of 3");
    EXPECT_FALSE(button("playLater").isEnabled());
    EXPECT_EQ(selected("exercise"), QString("dog"));
    EXPECT_EQ(column("exercise").entries(), QStringList({"cat", "cat", "dog"}));
    EXPECT_EQ(file("data/English/animals"),
              list({"cat", "cat.png", "cat", "", "Cat", "-16777216", //
                    "cat", "other.png", "", "", "second cat", "-1",  //
                    "dog", "dog.png", "dog.wav", "dog.wav", "Dog", "-1"}));

    // Deleting asks nothing.
    press("deleteExercise");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(column("exercise").entries(), QStringList({"cat", "cat"}));
}

TEST_F(ListEditorDialogTest, WhateverEndsTheDialogTheTypedTextIsStoredAndSaved) {
    using F = EditorDialogFixture;
    struct Case {
        const char* what;
        void (*end)(F&);
        std::vector<std::string> sounds; // after the text was typed
    };
    const Case cases[] = {
        {"Enter in the text box", [](F& f) { QTest::keyClick(&f.textBox(), Qt::Key_Return); }, {}},
        {"Esc", [](F& f) { QTest::keyClick(&f.textBox(), Qt::Key_Escape); }, {}},
        {"the close box", [](F& f) { f.dialog->close(); }, {}},
        {"the close button", [](F& f) { f.press("close"); }, {"playToEnd sfx\\click.wav"}},
    };
    for (const Case& c : cases) {
        openContent("animals", "dog");
        retype("Puppy");
        sound.calls.clear();
        c.end(*this);
        EXPECT_FALSE(dialog->isVisible()) << c.what;
        EXPECT_NE(file("data/English/animals").find("\r\nPuppy\r\n"), std::string::npos) << c.what;
        EXPECT_EQ(sound.calls, c.sounds) << c.what;
        EXPECT_FALSE(preview().hasPicture()) << c.what;
        dialog.reset();
    }
}

// The palette's steps are ExerciseColoursTest's; here an arrow's step reaches list and preview.
TEST_F(ListEditorDialogTest, AColourArrowStepsThePaletteAndWritesTheColour) {
    openContent("animals", "dog"); // white, index 0
    press("previousColour");
    EXPECT_EQ(dialog->colourIndex(), 18);
    EXPECT_EQ(preview().colour(), 0x00FFFFFFu);
    EXPECT_NE(file("data/English/animals").find("\r\nDog\r\n16777215\r\n"), std::string::npos);
}

// The open list changed on disk since it was opened: the next change asks first. No loads the
// list from the disk again, dropping the change; from then on changes are written as usual.
TEST_F(ListEditorDialogTest, AListChangedOnDiskAsksBeforeItIsWrittenOverAndNoReloadsIt) {
    openContent("toys");
    const std::string other = list({"kite", "", "", "", "Kite", "-1"});
    folder.write("data/English/toys", other);
    answers = {false};
    names = {QString("horse")};
    press("addExercise");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("\"toys\" was changed on disk"))
        << questions[0].toStdString();
    EXPECT_EQ(file("data/English/toys"), other);
    ASSERT_EQ(dialog->exercises().size(), 1u);
    EXPECT_EQ(dialog->exercises()[0].name, u"kite");
    EXPECT_EQ(column("exercise").entries(), QStringList({"kite"}));
    EXPECT_TRUE(errors.isEmpty());

    names = {QString("horse")};
    press("addExercise");
    EXPECT_EQ(questions.size(), 1);
    EXPECT_NE(file("data/English/toys").find("kite\r\n\r\n\r\n\r\nKite\r\n-1\r\nhorse"),
              std::string::npos);
}

TEST_F(ListEditorDialogTest, LinesAfterAListsEndAreToldOfAndKeptUntilTheUserAgrees) {
    writeContent();
    const std::string held =
        list({"ball", "", "", "", "Ball", "-1", "", "car", "", "", "", "Car", "-1"});
    folder.write("data/English/toys", held);
    open();
    choose("list", "toys");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("never shows the 6 lines after it"));
    EXPECT_EQ(column("exercise").entries(), QStringList({"ball"}));

    // The next change asks first; Yes saves what is shown (EditedListTest has No).
    choose("exercise", "ball");
    answers = {true};
    press("nextColour");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("the 6 lines after its empty line"));
    EXPECT_EQ(file("data/English/toys"), list({"ball", "", "", "", "Ball", "-16777216"}));
}

// The Session log button shows the log's summary per day and activity in the editor's language.
TEST_F(ListEditorDialogTest, TheSessionLogButtonShowsTheLogsSummary) {
    folder.write("log/2026-03-14.csv", "time,screen,input,event,detail\r\n"
                                       "2026-03-14T09:30:00.000,Find images,,start,\r\n"
                                       "2026-03-14T09:30:00.500,Find images,,step,cat\r\n"
                                       "2026-03-14T09:30:02.000,Find images,first,press,cat\r\n"
                                       "2026-03-14T09:30:02.000,Find images,first,correct,cat\r\n"
                                       "2026-03-14T09:31:30.000,Find images,,end,cat\r\n");
    open();
    QStringList cells;
    // The summary runs modally, so it is read once it is up.
    QTimer::singleShot(0, dialog.get(), [&cells] {
        auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (shown == nullptr) {
            return;
        }
        if (const auto* table = shown->findChild<QTableWidget*>("summary")) {
            for (int column = 0; table->rowCount() == 1 && column < table->columnCount();
                 ++column) {
                cells << table->item(0, column)->text();
            }
        }
        shown->accept();
    });
    press("sessionLog");
    EXPECT_EQ(cells, QStringList({"2026-03-14", "Find images", "1", "1.5", "1", "1", "0", "1.5"}));
}
