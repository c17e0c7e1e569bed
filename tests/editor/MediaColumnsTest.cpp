// The Image, Sound and Speech columns of the main dialog: assigning by choosing, playing and
// previewing, copying files in and deleting them.
#include "EditorDialogFixture.h"

using MediaColumnsTest = EditorDialogFixture;

TEST_F(MediaColumnsTest, ChoosingMediaWithoutAnExerciseChangesNothing) {
    writeContent();
    open();
    choose("list", "animals");
    const std::string animals = file("data/English/animals");
    sound.calls.clear();
    choose("image", "cat.png");
    choose("sound", "dog.wav");
    choose("speech", "dog.wav");
    EXPECT_FALSE(preview().hasPicture());
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"stop", "stop"}));
    EXPECT_EQ(file("data/English/animals"), animals);
}

TEST_F(MediaColumnsTest, ChoosingMediaAssignsItToTheExerciseAndSavesTheList) {
    writeContent();
    open();
    choose("list", "toys");
    choose("exercise", "ball");
    EXPECT_FALSE(preview().hasPicture());
    struct Case {
        const char* column;
        QString entry;
        std::vector<std::string> sounds;
        const char* written; // the ball's lines after the choice
    };
    const Case cases[] = {
        {"image", "cat.png", {"stop"}, "ball\r\ncat.png\r\n\r\n\r\nBall\r\n"},
        {"sound",
         "dog.wav",
         {"stop", "playOnce sfx\\images\\dog.wav"},
         "ball\r\ncat.png\r\ndog.wav\r\n\r\nBall\r\n"},
        {"speech",
         "dog.wav",
         {"playOnce speech\\English\\dog.wav"},
         "ball\r\ncat.png\r\ndog.wav\r\ndog.wav\r\nBall\r\n"},
        {"speech", " None", {}, "ball\r\ncat.png\r\ndog.wav\r\n\r\nBall\r\n"},
        {"image", "broken.png", {"stop"}, "ball\r\nbroken.png\r\ndog.wav\r\n\r\nBall\r\n"},
    };
    for (const Case& c : cases) {
        sound.calls.clear();
        choose(c.column, c.entry);
        EXPECT_EQ(sound.calls, c.sounds) << c.column << " " << c.entry.toStdString();
        EXPECT_EQ(file("data/English/toys"),
                  "\xEF\xBB\xBF" + std::string(c.written) + "16777215\r\n")
            << c.column << " " << c.entry.toStdString();
    }
    // A file that is no picture shows only the colour.
    EXPECT_FALSE(preview().hasPicture());
    choose("image", "dog.png");
    EXPECT_TRUE(preview().hasPicture());
}

TEST_F(MediaColumnsTest, NoneForAnExerciseWithoutSpeechWritesTheListUnchanged) {
    writeContent();
    open();
    choose("list", "toys");
    choose("exercise", "ball");
    EXPECT_FALSE(selected("speech"));
    const std::string toys = file("data/English/toys");
    std::filesystem::remove(folder.path() / "data/English/toys");
    choose("speech", " None");
    EXPECT_EQ(file("data/English/toys"), toys);
}

TEST_F(MediaColumnsTest, AToolTxtNoneWithoutBlankSortsAmongTheFiles) {
    writeContent();
    folder.write("data/English/Tool/tool.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\nNone\r\n");
    folder.write("speech/English/apple.wav", "");
    folder.write("speech/English/zebra.wav", "");
    open();
    EXPECT_EQ(column("speech").entries(),
              QStringList({"apple.wav", "dog.wav", "None", "zebra.wav"}));
}

TEST_F(MediaColumnsTest, AddingAFileCopiesItInWithoutChoosingOrAssigningIt) {
    writeContent();
    elsewhere.write("horse.png", png(Qt::green));
    open();
    choose("list", "animals");
    choose("exercise", "dog");
    const std::string animals = file("data/English/animals");
    sound.calls.clear();
    chosenFile = elsewhere.path() / "horse.png";
    press("addImage");
    EXPECT_EQ(sound.calls, std::vector<std::string>{"playOnce sfx\\click.wav"});
    EXPECT_EQ(fileFilters, QStringList({"Image Files (*)"}));
    EXPECT_EQ(fileFolders.front(), folder.path() / "gfx/images/");
    EXPECT_EQ(file("gfx/images/horse.png"), png(Qt::green));
    EXPECT_EQ(column("image").entries(),
              QStringList({"broken.png", "cat.png", "dog.png", "horse.png"}));
    EXPECT_FALSE(selected("image"));
    EXPECT_EQ(file("data/English/animals"), animals);
    EXPECT_EQ(dialog->exercises()[1].image, u"dog.png");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MediaColumnsTest, AddingAFileAlreadyThereCopiesNothingAndSaysSo) {
    writeContent();
    elsewhere.write("cat.wav", "another cat");
    open();
    struct Case {
        std::optional<std::filesystem::path> chosen;
        QStringList errors;
    };
    const Case cases[] = {
        {std::nullopt, {}}, // Cancel
        {elsewhere.path() / "cat.wav",
         {"sfx\\images\\cat.wav is already there. Nothing was copied."}},
        {folder.path() / "sfx/images/dog.wav",
         {"sfx\\images\\dog.wav is already there. Nothing was copied."}},
    };
    for (const Case& c : cases) {
        errors.clear();
        chosenFile = c.chosen;
        press("addSound");
        EXPECT_EQ(errors, c.errors);
    }
    EXPECT_EQ(fileFilters.front(), "Sound Files (*.wav *.WAV)");
    EXPECT_EQ(file("sfx/images/cat.wav"), "RIFF");
    EXPECT_EQ(column("sound").entries(), QStringList({"cat.wav", "dog.wav"}));
}

TEST_F(MediaColumnsTest, AFileNamedToLeadOutOfTheFolderIsNotCopied) {
    writeContent();
    elsewhere.write("..\\..\\escape.wav", "x");
    const std::vector<std::string> before = allPaths();
    open();
    chosenFile = elsewhere.path() / "..\\..\\escape.wav";
    press("addSpeech");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains("cannot be copied"));
    EXPECT_EQ(allPaths(), before);
}

TEST_F(MediaColumnsTest, DeletingAFileAsksItsKindsQuestionAndKeepsTheExercisesNames) {
    writeContent();
    open();
    choose("list", "animals");
    choose("exercise", "dog"); // shows dog.png in the preview
    ASSERT_TRUE(preview().hasPicture());
    const std::string animals = file("data/English/animals");
    answers = {false, true, true, true};
    press("deleteImage"); // No
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "gfx/images/dog.png"));
    press("deleteImage"); // Yes: the preview lets go of the picture first
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "gfx/images/dog.png"));
    EXPECT_FALSE(preview().hasPicture());
    EXPECT_EQ(column("image").entries(), QStringList({"broken.png", "cat.png"}));
    press("deleteSound");
    press("deleteSpeech");
    EXPECT_EQ(questions, QStringList({"Really delete image file?", "Really delete image file?",
                                      "Really delete sound file?", "Really delete speech file?"}));
    EXPECT_EQ(column("sound").entries(), QStringList({"cat.wav"}));
    EXPECT_EQ(column("speech").entries(), QStringList({" None"}));
    EXPECT_EQ(file("data/English/animals"), animals);

    // The None entry is no file: nothing to ask, nothing to delete.
    choose("exercise", "dog");
    choose("speech", " None");
    press("deleteSpeech");
    EXPECT_EQ(questions.size(), 4);
}

TEST_F(MediaColumnsTest, AFileThatCannotBeRemovedIsReportedAndTheColumnStays) {
    writeContent();
    open();
    choose("image", "cat.png");
    std::filesystem::remove(folder.path() / "gfx/images/cat.png");
    answers = {true};
    press("deleteImage");
    EXPECT_EQ(errors, QStringList({"gfx\\images\\cat.png was not found."}));
    EXPECT_EQ(column("image").entries(), QStringList({"broken.png", "cat.png", "dog.png"}));
}

TEST_F(MediaColumnsTest, AnExerciseWhosePictureIsGoneShowsOnlyItsColour) {
    writeContent();
    std::filesystem::remove(folder.path() / "gfx/images/cat.png");
    open();
    choose("list", "animals");
    choose("exercise", "cat");
    EXPECT_FALSE(selected("image"));
    EXPECT_FALSE(preview().hasPicture());
    EXPECT_EQ(preview().colour(), 0xFF000000u);
}
