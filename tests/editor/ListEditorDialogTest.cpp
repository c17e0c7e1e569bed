// The main dialog: start, columns, lists, exercises, text and colour, as the user works them
// with mouse and keyboard on real widgets over a real content folder.
#include "EditorDialogFixture.h"
#include "common/text/Utf8.h"

#include <QLabel>

using ListEditorDialogTest = EditorDialogFixture;

namespace {

const std::string kMark = "\xEF\xBB\xBF";

} // namespace

TEST_F(ListEditorDialogTest, StartsWithTitlesCaptionAndFilledColumnsAndNothingSelected) {
    writeContent();
    folder.write("data/English/Tool/tool.txt", "Lists\r\nExercises\r\nImages"); // no line end
    open();
    EXPECT_EQ(dialog->windowTitle(), "Vimo! - English");
    EXPECT_EQ(dialog->findChild<QLabel*>("listTitle")->text(), "Lists");
    EXPECT_EQ(dialog->findChild<QLabel*>("imageTitle")->text(), "Images");
    EXPECT_EQ(dialog->findChild<QLabel*>("soundTitle")->text(), "Sound");
    EXPECT_EQ(dialog->findChild<QLabel*>("textTitle")->text(), "Text");
    EXPECT_EQ(column("list").entries(), QStringList({"animals", "toys"}));
    EXPECT_TRUE(column("exercise").entries().isEmpty());
    EXPECT_EQ(column("image").entries(), QStringList({"broken.png", "cat.png", "dog.png"}));
    EXPECT_EQ(column("sound").entries(), QStringList({"cat.wav", "dog.wav"}));
    EXPECT_EQ(column("speech").entries(), QStringList({" None", "dog.wav"}));
    for (const char* name : {"list", "exercise", "image", "sound", "speech"}) {
        EXPECT_FALSE(selected(name)) << name;
        EXPECT_EQ(column(name).font().pixelSize(), 18) << name;
        EXPECT_EQ(column(name).font().weight(), QFont::DemiBold) << name;
    }
    EXPECT_FALSE(textBox().isEnabled());
    EXPECT_FALSE(dialog->windowIcon().isNull());
}

TEST_F(ListEditorDialogTest, LanguageFollowsLangTxtAndIsEnglishWithoutIt) {
    struct Case {
        const char* langTxt; // null: no file
        QString caption;
        QStringList lists;
        QStringList speech;
    };
    const Case cases[] = {
        {nullptr, "Vimo! - English", {"animals"}, {" None", "hello.wav"}},
        {"Swedish\r\nmore lines\r\n", "Vimo! - Swedish", {"djur"}, {" None", "hej.wav"}},
    };
    for (const Case& c : cases) {
        TemporaryFolder content;
        if (c.langTxt != nullptr) {
            content.write("data/lang.txt", c.langTxt);
        }
        content.write("data/English/animals", kMark);
        content.write("data/Swedish/djur", kMark);
        content.write("speech/English/hello.wav", "");
        content.write("speech/Swedish/hej.wav", "");
        DiskFileSystem disk(content.path());
        CListEditorDialog editor(disk, sound, platform());
        EXPECT_EQ(editor.windowTitle(), c.caption);
        EXPECT_EQ(editor.findChild<CSortedColumn*>("listColumn")->entries(), c.lists);
        EXPECT_EQ(editor.findChild<CSortedColumn*>("speechColumn")->entries(), c.speech);
    }
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

TEST_F(ListEditorDialogTest, AddingAListWithAnEmptyNameOrCancelChangesAndWritesNothing) {
    writeContent();
    open();
    choose("list", "animals");
    const std::vector<std::string> before = allPaths();
    const std::string animals = file("data/English/animals");
    names = {std::nullopt, QString()};
    press("addList");
    press("addList");
    EXPECT_EQ(namesAsked, 2);
    EXPECT_EQ(allPaths(), before);
    EXPECT_EQ(file("data/English/animals"), animals);
    EXPECT_EQ(selected("list"), QString("animals"));
    EXPECT_EQ(column("exercise").count(), 3);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"stop", "playOnce sfx\\click.wav",
                                                     "playOnce sfx\\click.wav"}));
}

TEST_F(ListEditorDialogTest, ANewListIsAnEmptyFileWithTheMarkAndBecomesTheChosenList) {
    writeContent();
    open();
    choose("list", "animals");
    names = {QString("Farm")};
    press("addList");
    EXPECT_EQ(file("data/English/Farm"), "\xEF\xBB\xBF");
    EXPECT_EQ(column("list").entries(), QStringList({"animals", "Farm", "toys"}));
    EXPECT_EQ(selected("list"), QString("Farm"));
    EXPECT_TRUE(column("exercise").entries().isEmpty());
    EXPECT_TRUE(dialog->exercises().empty());

    // The new list takes exercises at once.
    names = {QString("cow")};
    press("addExercise");
    EXPECT_EQ(file("data/English/Farm"), list({"cow", "", "", "", "", "-16777216"}));
    EXPECT_FALSE(selected("exercise"));
}

TEST_F(ListEditorDialogTest, ListNamesThatAreNoPlainFileNameAreRefusedAndNothingIsWritten) {
    writeContent();
    folder.makeFolder("data/English/x");
    open();
    const std::vector<std::string> before = allPaths();
    const QString refused[] = {"../x",   "..\\x",        "..",  ".",     "a/b",
                               "/tmp/x", "x\\..\\..\\y", "CON", "what?", "ends with dot."};
    for (const QString& name : refused) {
        errors.clear();
        names = {name};
        press("addList");
        ASSERT_EQ(errors.size(), 1) << name.toStdString();
        EXPECT_TRUE(errors.front().contains("cannot be the name of a list")) << name.toStdString();
        EXPECT_EQ(allPaths(), before) << name.toStdString();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "data" / "x"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "x"));
}

TEST_F(ListEditorDialogTest, ANewListNamedLikeAnExistingOneAsksFirst) {
    writeContent();
    open();
    const std::string animals = file("data/English/animals");
    // No keeps the old list untouched; Yes empties it, whatever the letter case typed.
    names = {QString("animals"), QString("ANIMALS")};
    answers = {false, true};
    press("addList");
    EXPECT_EQ(file("data/English/animals"), animals);
    EXPECT_FALSE(selected("list"));
    press("addList");
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[0].contains("\"animals\" exists already"));
    EXPECT_EQ(file("data/English/animals"), kMark);
    EXPECT_EQ(column("list").entries(), QStringList({"animals", "toys"}));
    EXPECT_EQ(selected("list"), QString("animals"));
}

TEST_F(ListEditorDialogTest, ANewListThatCannotBeCreatedIsReported) {
    writeContent();
    folder.makeFolder("data/English/Options"); // a folder of that name is in the way
    open();
    names = {QString("Options")};
    press("addList");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.front(),
              "The output file could not be opened. Save aborted. File: data\\English\\Options");
    EXPECT_FALSE(selected("list"));
}

TEST_F(ListEditorDialogTest, DeletingAListAsksWithItsNameAndNoKeepsIt) {
    writeContent();
    open();
    choose("list", "toys");
    answers = {false, true};
    press("deleteList");
    EXPECT_EQ(questions, QStringList({"Really delete list toys?"}));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "data/English/toys"));
    press("deleteList");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "data/English/toys"));
    EXPECT_EQ(column("list").entries(), QStringList({"animals"}));
    EXPECT_FALSE(selected("list"));
    EXPECT_TRUE(column("exercise").entries().isEmpty());
}

TEST_F(ListEditorDialogTest, AListThatVanishedBeforeItsDeletionIsReportedAndLeavesTheColumn) {
    writeContent();
    open();
    choose("list", "toys");
    std::filesystem::remove(folder.path() / "data/English/toys");
    answers = {true};
    press("deleteList");
    EXPECT_EQ(errors, QStringList({"data\\English\\toys was not found."}));
    EXPECT_EQ(column("list").entries(), QStringList({"animals"}));
}

TEST_F(ListEditorDialogTest, ExerciseButtonsWithoutAListOnlyClick) {
    writeContent();
    open();
    press("addExercise");
    press("deleteExercise");
    EXPECT_EQ(namesAsked, 0);
    EXPECT_EQ(sound.calls, std::vector<std::string>{"playOnce sfx\\click.wav"});
}

TEST_F(ListEditorDialogTest, TwoExercisesOfOneNameAllActionsTakeTheFirst) {
    writeContent();
    open();
    choose("list", "animals");
    choose("exercise", "cat");
    EXPECT_EQ(textBox().text(), "Cat");
    // Text, colour and media go to the first "cat".
    QTest::mouseClick(&textBox(), Qt::LeftButton);
    textBox().selectAll();
    QTest::keyClicks(&textBox(), "Kitten");
    press("nextColour");
    choose("image", "dog.png");
    const std::vector<Exercise>& exercises = dialog->exercises();
    EXPECT_EQ(exercises[0].text, u"Kitten");
    EXPECT_EQ(exercises[0].colour, 0xFF46DFF1u);
    EXPECT_EQ(exercises[0].image, u"dog.png");
    EXPECT_EQ(exercises[2].text, u"second cat");
    EXPECT_EQ(exercises[2].image, u"other.png");

    // Deleting asks nothing and removes the first of them.
    choose("exercise", "cat");
    press("deleteExercise");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(column("exercise").entries(), QStringList({"cat", "dog"}));
    EXPECT_EQ(file("data/English/animals"),
              list({"dog", "dog.png", "dog.wav", "dog.wav", "Dog", "-1", //
                    "cat", "other.png", "", "", "second cat", "-1"}));
}

TEST_F(ListEditorDialogTest, TextLeftByAClickOnAnotherExerciseBelongsToTheOneShownBefore) {
    writeContent();
    open();
    choose("list", "animals");
    choose("exercise", "dog");
    QTest::mouseClick(&textBox(), Qt::LeftButton);
    ASSERT_TRUE(textBox().hasFocus());
    textBox().selectAll();
    QTest::keyClicks(&textBox(), "Puppy");
    choose("exercise", "cat");
    EXPECT_EQ(textBox().text(), "Cat");
    EXPECT_EQ(dialog->exercises()[1].text, u"Puppy");
    EXPECT_EQ(dialog->exercises()[0].text, u"Cat");
    EXPECT_NE(file("data/English/animals").find("\r\nPuppy\r\n"), std::string::npos);
}

TEST_F(ListEditorDialogTest, TypedLineBreaksCannotSplitAListLine) {
    writeContent();
    open();
    choose("list", "animals");
    names = {QString("two\nlines")};
    press("addExercise");
    choose("exercise", "two lines");
    textBox().setFocus();
    textBox().insert("a\r\nb"); // as a paste would
    choose("exercise", "dog");
    EXPECT_NE(file("data/English/animals").find("two lines\r\n\r\n\r\n\r\na  b\r\n-16777216\r\n"),
              std::string::npos);
}

TEST_F(ListEditorDialogTest, WhateverEndsTheDialogTheTypedTextIsStoredAndSaved) {
    struct Case {
        const char* what;
        std::function<void(EditorDialogFixture&)> end;
        std::vector<std::string> sounds; // after the exercise was chosen
    };
    const Case cases[] = {
        {"Enter in the text box",
         [](EditorDialogFixture& f) { QTest::keyClick(&f.textBox(), Qt::Key_Return); },
         {}},
        {"Esc", [](EditorDialogFixture& f) { QTest::keyClick(&f.textBox(), Qt::Key_Escape); }, {}},
        {"the close box", [](EditorDialogFixture& f) { f.dialog->close(); }, {}},
        {"the close button",
         [](EditorDialogFixture& f) { f.press("close"); },
         {"playToEnd sfx\\click.wav"}},
    };
    for (const Case& c : cases) {
        writeContent();
        open();
        choose("list", "animals");
        choose("exercise", "dog");
        QTest::mouseClick(&textBox(), Qt::LeftButton);
        textBox().selectAll();
        QTest::keyClicks(&textBox(), "Puppy");
        sound.calls.clear();
        c.end(*this);
        EXPECT_FALSE(dialog->isVisible()) << c.what;
        EXPECT_NE(file("data/English/animals").find("\r\nPuppy\r\n"), std::string::npos) << c.what;
        EXPECT_EQ(sound.calls, c.sounds) << c.what;
        EXPECT_FALSE(preview().hasPicture()) << c.what;
        dialog.reset();
    }
}

TEST_F(ListEditorDialogTest, ColourArrowsStepThroughThePaletteAndWrapAtTheEnds) {
    writeContent();
    open();
    choose("list", "animals");
    choose("exercise", "dog"); // white, index 0
    struct Step {
        const char* button;
        int index;
        const char* written;
    };
    const Step steps[] = {
        {"previousColour", 18, "16777215"}, {"nextColour", 0, "-1"},
        {"nextColour", 1, "-16777216"},     {"nextColour", 2, "-12132367"},
        {"previousColour", 1, "-16777216"},
    };
    for (const Step& step : steps) {
        press(step.button);
        EXPECT_EQ(dialog->colourIndex(), step.index) << step.button;
        EXPECT_EQ(preview().colour(), dialog->exercises()[1].colour);
        EXPECT_NE(
            file("data/English/animals").find(std::string("\r\nDog\r\n") + step.written + "\r\n"),
            std::string::npos)
            << step.written;
    }
    // Without an exercise the arrows do nothing.
    choose("list", "toys");
    press("nextColour");
    EXPECT_EQ(dialog->colourIndex(), 1);
    EXPECT_EQ(file("data/English/toys"), list({"ball", "", "", "", "Ball", "16777215"}));
}

TEST_F(ListEditorDialogTest, AColourOutsideThePaletteStaysUntilAnArrowIsPressed) {
    writeContent();
    folder.write("data/English/odd", list({"odd", "", "", "", "", "123"}));
    open();
    choose("list", "odd");
    choose("exercise", "odd");
    EXPECT_EQ(dialog->colourIndex(), 0);
    EXPECT_EQ(dialog->exercises()[0].colour, 123u);
    press("nextColour");
    EXPECT_EQ(dialog->exercises()[0].colour, 0xFF000000u);
}

TEST_F(ListEditorDialogTest, AListThatCannotBeSavedIsReportedAndItsExercisesStay) {
    writeContent();
    open();
    choose("list", "animals");
    const std::string animals = file("data/English/animals");
    files.writeFailsAfter = 0;
    names = {QString("horse")};
    press("addExercise");
    EXPECT_EQ(errors, QStringList({"The output file could not be opened. Save aborted. File: "
                                   "data\\English\\animals"}));
    EXPECT_EQ(file("data/English/animals"), animals);
    EXPECT_EQ(dialog->exercises().back().name, u"horse");

    // Another list is not loaded over the unsaved exercises without the user's word.
    answers = {false};
    choose("list", "toys");
    EXPECT_EQ(selected("list"), QString("animals"));
    EXPECT_EQ(dialog->exercises().size(), 4u);

    // Once the disk takes the list again, the next save writes all of it.
    files.writeFailsAfter = std::numeric_limits<std::size_t>::max();
    press("save");
    EXPECT_NE(file("data/English/animals").find("horse"), std::string::npos);
    choose("list", "toys");
    EXPECT_EQ(selected("list"), QString("toys"));
}

TEST_F(ListEditorDialogTest, EndingWhileTheListCannotBeSavedAsksBeforeChangesAreLost) {
    writeContent();
    open();
    choose("list", "animals");
    files.writeFailsAfter = 0;
    answers = {false};
    press("close");
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions.front().contains("could not be saved"));
    answers = {true};
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}
