// SPDX-License-Identifier: GPL-3.0-or-later
// The Image, Sound and Speech columns of the main dialog: assigning by choosing, playing and
// previewing, copying files in and deleting them.
#include "EditorDialogFixture.h"

using MediaColumnsTest = EditorDialogFixture;

TEST_F(MediaColumnsTest, ChoosingMediaAssignsItToTheChosenExerciseAndSavesTheList) {
    openContent("toys");
    // Without an exercise a choice only stops what plays and says to choose one first: it does
    // not stay chosen as if assigned, and nothing is written.
    const std::string toys = file("data/English/toys");
    sound.calls.clear();
    for (const char* name : {"image", "sound", "speech"}) {
        choose(name, name == std::string("image") ? "cat.png" : "dog.wav");
        EXPECT_FALSE(selected(name)) << name;
    }
    EXPECT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors.front().contains("choose an exercise first"));
    EXPECT_FALSE(preview().hasPicture());
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"stop", "stop"}));
    EXPECT_EQ(file("data/English/toys"), toys);

    choose("exercise", "ball");
    EXPECT_FALSE(preview().hasPicture());
    struct Case {
        const char* column;
        QString entry;
        std::vector<std::string> sounds;
        std::array<const char*, 3> media; // the ball's image, sound and speech after the choice
    };
    const Case cases[] = {
        {"image", "cat.png", {"stop"}, {"cat.png", "", ""}},
        {"sound", "dog.wav", {"stop", "playOnce sfx\\images\\dog.wav"}, {"cat.png", "dog.wav", ""}},
        {"speech",
         "dog.wav",
         {"playOnce speech\\English\\dog.wav"},
         {"cat.png", "dog.wav", "dog.wav"}},
        {"speech", " None", {}, {"cat.png", "dog.wav", ""}},
        {"image", "broken.png", {"stop"}, {"broken.png", "dog.wav", ""}},
    };
    for (const Case& c : cases) {
        const std::string what = c.column + (" " + c.entry.toStdString());
        sound.calls.clear();
        choose(c.column, c.entry);
        EXPECT_EQ(sound.calls, c.sounds) << what;
        EXPECT_EQ(file("data/English/toys"),
                  list({"ball", c.media[0], c.media[1], c.media[2], "Ball", "16777215"}))
            << what;
    }
    // A file that is no picture shows only the colour.
    EXPECT_FALSE(preview().hasPicture());
    choose("image", "dog.png");
    EXPECT_TRUE(preview().hasPicture());
}

// Files added by the button, several at once, or dropped on a column are copied into their kind's
// folder and only offered; one already there or a picture the game cannot show is not copied, and
// the user is told why. One whose name is refused (a screenshot's time) is offered under a
// corrected name, and copied so if the user agrees (which names are refused is ItemNameTest's).
TEST_F(MediaColumnsTest, AddingFilesCopiesThemInWithoutAssigningAndNeverOverOrOutOfTheFolder) {
    elsewhere.write("horse.png", png(Qt::green));
    elsewhere.write("zebra.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" "
                                 "height=\"3\"><rect width=\"4\" height=\"3\"/></svg>");
    elsewhere.write("notes.png", "not a picture");
    elsewhere.write("cat.wav", "another cat");
    elsewhere.write("moo.wav", "RIFF");
    elsewhere.write("Skärmbild 10:11:12.png", png(Qt::green));
    openContent("animals", "dog");
    const std::string animals = file("data/English/animals");
    std::vector<std::string> paths = allPaths();
    for (const char* added : {"gfx/images/horse.png", "gfx/images/zebra.svg", "sfx/images/moo.wav",
                              "gfx/images/Skärmbild 10-11-12.png"}) {
        paths.push_back(added);
    }
    std::sort(paths.begin(), paths.end());
    const QString notAPicture = "\"notes.png\" is not a picture the game can show, so it was not "
                                "copied. The game shows PNG, JPEG, GIF, BMP, TIFF, WebP and SVG "
                                "pictures of up to 16384 pixels a side and 25 million pixels in "
                                "all; please save it in one of these formats first.";
    struct Case {
        const char* where; // a button, or the column a drop lands on
        bool dropped;
        std::vector<std::filesystem::path> chosen;
        QString error;    // empty: none
        QString question; // empty: none; answered Yes
    };
    const Case cases[] = {
        {"addImage",
         false,
         {elsewhere.path() / "horse.png", elsewhere.path() / "notes.png",
          elsewhere.path() / "zebra.svg"},
         notAPicture,
         ""},
        {"addSound",
         false,
         {elsewhere.path() / "cat.wav"},
         "sfx\\images\\cat.wav is already there. Nothing was copied.",
         ""},
        {"addImage",
         false,
         {elsewhere.path() / "Skärmbild 10:11:12.png"},
         "",
         "The file \"Skärmbild 10:11:12.png\" cannot be copied under this name: it contains a "
         "character that is not allowed in a name (one of / \\ < > : \" | ? * or a line break). "
         "Copy it as \"Skärmbild 10-11-12.png\"?"},
        {"sound",
         true,
         {elsewhere.path() / "moo.wav", elsewhere.path() / "cat.wav"},
         "sfx\\images\\cat.wav is already there. Nothing was copied.",
         ""},
    };
    for (const Case& c : cases) {
        errors.clear();
        questions.clear();
        sound.calls.clear();
        if (!c.question.isEmpty()) {
            answers.push_back(true);
        }
        if (c.dropped) {
            drop(c.where, c.chosen);
        } else {
            chosenFiles = c.chosen;
            press(c.where);
        }
        EXPECT_EQ(errors, c.error.isEmpty() ? QStringList() : QStringList({c.error})) << c.where;
        EXPECT_EQ(questions, c.question.isEmpty() ? QStringList() : QStringList({c.question}))
            << c.where;
        EXPECT_EQ(sound.calls, c.dropped ? std::vector<std::string>()
                                         : std::vector<std::string>{"playOnce sfx\\click.wav"})
            << c.where;
    }
    ASSERT_EQ(fileFilters.size(), 3);
    EXPECT_TRUE(fileFilters[0].contains("*.svg") && fileFilters[2] == fileFilters[0]);
    EXPECT_EQ(fileFilters[1], "Sound Files (*.wav *.WAV)");
    EXPECT_EQ(fileFolders.front(), folder.path() / "gfx/images/");
    EXPECT_EQ(allPaths(), paths);
    EXPECT_EQ(file("gfx/images/horse.png"), png(Qt::green));
    EXPECT_EQ(file("sfx/images/cat.wav"), "RIFF");
    EXPECT_EQ(column("image").entries(),
              QStringList({"broken.png", "cat.png", "dog.png", "horse.png",
                           "Skärmbild 10-11-12.png", "zebra.svg"}));
    EXPECT_EQ(column("sound").entries(), QStringList({"cat.wav", "dog.wav", "moo.wav"}));
    EXPECT_FALSE(selected("image"));
    EXPECT_EQ(file("data/English/animals"), animals);
    EXPECT_EQ(dialog->exercises()[1].image, u"dog.png");
}

TEST_F(MediaColumnsTest, DeletingAFileAsksItsKindsQuestionAndKeepsTheExercisesNames) {
    openContent("animals", "dog"); // shows dog.png in the preview
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
    // Each question names the file and the lists that use it.
    const auto asked = [](const char* question, const char* file) {
        return QString(question) + "\n\n" + file +
               "\n\nThe lists \"animals\" use it. Their exercises keep its name, and the game "
               "will show or play nothing for it.";
    };
    EXPECT_EQ(questions, QStringList({asked("Really delete image file?", "dog.png"),
                                      asked("Really delete image file?", "dog.png"),
                                      asked("Really delete sound file?", "dog.wav"),
                                      asked("Really delete speech file?", "dog.wav")}));
    EXPECT_EQ(column("sound").entries(), QStringList({"cat.wav"}));
    EXPECT_EQ(column("speech").entries(), QStringList({" None"}));
    EXPECT_EQ(file("data/English/animals"), animals);

    // A file removed by other means before Yes is reported and stays in the column.
    choose("image", "cat.png");
    std::filesystem::remove(folder.path() / "gfx/images/cat.png");
    answers = {true};
    press("deleteImage");
    EXPECT_EQ(errors, QStringList({"gfx\\images\\cat.png was not found."}));
    EXPECT_EQ(column("image").entries(), QStringList({"broken.png", "cat.png"}));
}
