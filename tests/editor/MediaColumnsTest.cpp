// SPDX-License-Identifier: GPL-3.0-or-later
// The Image, Sound and Speech columns of the main dialog: assigning by choosing, playing and
// previewing, copying files in and deleting them.
#include "EditorDialogFixture.h"

using MediaColumnsTest = EditorDialogFixture;

TEST_F(MediaColumnsTest, ChoosingMediaAssignsItToTheChosenExerciseAndSavesTheList) {
    openContent("toys");
    // Without an exercise a choice says to choose one first, and nothing is written.
    const std::string toys = file("data/English/toys");
    choose("image", "cat.png");
    EXPECT_FALSE(selected("image"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains("choose an exercise first"));
    EXPECT_EQ(file("data/English/toys"), toys);

    choose("exercise", "ball");
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column + (" " + c.entry.toStdString()));
        sound.calls.clear();
        choose(c.column, c.entry);
        EXPECT_EQ(sound.calls, c.sounds);
        EXPECT_EQ(file("data/English/toys"),
                  listBytes({{"ball", c.media[0], c.media[1], c.media[2], "Ball"}}));
    }
    // A file that is no picture shows only the colour.
    EXPECT_TRUE(preview().hasPicture());
    choose("image", "broken.png");
    EXPECT_FALSE(preview().hasPicture());
}

// Files added are copied into their kind's folder and only offered; one whose name is taken
// (in any letter case) is offered under a free name, and a picture the game cannot show is not
// copied, and the user is told why.
TEST_F(MediaColumnsTest, AddingFilesCopiesThemInWithoutAssigningAndNeverOverOrOutOfTheFolder) {
    elsewhere.write("horse.png", solidPng(0x00FF00));
    elsewhere.write("notes.png", "not a picture");
    elsewhere.write("cat.wav", "another cat");
    openContent("animals", "dog");
    folder.write("sfx/images/Cat (2).wav", "");
    const std::string animals = file("data/English/animals");
    chosenFiles = {elsewhere.path() / "horse.png", elsewhere.path() / "notes.png"};
    press("addImage");
    chosenFiles = {elsewhere.path() / "cat.wav"};
    answers = {true};
    press("addSound");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("\"notes.png\" is not a picture the game can show"));
    EXPECT_EQ(questions, QStringList({"The file \"cat.wav\" cannot be copied under this name: "
                                      "another file of the folder has this name, and the lists "
                                      "would find that one. Copy it as \"cat (3).wav\"?"}));
    EXPECT_EQ(file("gfx/images/horse.png"), solidPng(0x00FF00));
    EXPECT_FALSE(exists("gfx/images/notes.png"));
    EXPECT_EQ(file("sfx/images/cat.wav"), "RIFF");
    EXPECT_EQ(file("sfx/images/cat (3).wav"), "another cat");
    EXPECT_EQ(column("image").entries(),
              QStringList({"broken.png", "cat.png", "dog.png", "horse.png"}));
    EXPECT_EQ(file("data/English/animals"), animals);
}

TEST_F(MediaColumnsTest, DeletingAFileAsksItsKindsQuestionAndKeepsTheExercisesNames) {
    openContent("animals", "dog"); // shows dog.png in the preview
    const std::string animals = file("data/English/animals");
    answers = {false, true};
    press("deleteImage"); // No
    EXPECT_TRUE(exists("gfx/images/dog.png"));
    press("deleteImage"); // Yes: the preview lets go of the picture first
    EXPECT_FALSE(exists("gfx/images/dog.png"));
    EXPECT_FALSE(preview().hasPicture());
    EXPECT_EQ(column("image").entries(), QStringList({"broken.png", "cat.png"}));
    EXPECT_EQ(questions.back(), "Really delete image file?\n\ndog.png\n\nThe lists \"animals\" "
                                "use it. Their exercises keep its name, and the game will show "
                                "or play nothing for it.");
    // A right click deletes a file without choosing it, which would give it to the exercise.
    answers = {true};
    rightClick("sound", "cat.wav");
    EXPECT_FALSE(exists("sfx/images/cat.wav"));
    EXPECT_EQ(selected("sound"), QString("dog.wav"));
    EXPECT_EQ(file("data/English/animals"), animals);
}
