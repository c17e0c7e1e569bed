// SPDX-License-Identifier: GPL-3.0-or-later
// The Image, Sound and Speech columns of the main dialog: assigning by choosing, playing and
// previewing, copying files in and deleting them.
#include "EditorDialogFixture.h"
#include "ExifJpeg.h"
#include "PathologicalSvgs.h"
#include "common/audio/sdl/SdlSound.h"
#include "common/pictures/sdl/SvgRasterProcess.h"

#include <QBuffer>
#include <cstdlib>

using MediaColumnsTest = EditorDialogFixture;

namespace {

// A grey JPEG as Qt saves it: one channel, at low quality, quick to make at any size.
std::string greyJpeg(int width, int height) {
    QImage picture(width, height, QImage::Format_Grayscale8);
    picture.fill(128);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", 10);
    return bytes.toStdString();
}

} // namespace

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

// Files added are copied into their kind's folder and only offered; one whose name is taken (in
// any letter case) is offered under a free name; a picture the game cannot show or a sound it
// cannot play (decoded by the sound back end) is not copied, and the user is told why. A phone's
// 48-megapixel photo is shown.
TEST_F(MediaColumnsTest, AddingFilesCopiesThemInWithoutAssigningAndNeverOverOrOutOfTheFolder) {
    elsewhere.write("horse.png", solidPng(0x00FF00));
    elsewhere.write("notes.png", "not a picture");
    elsewhere.write("photo.heic", std::string("\0\0\0\x18"
                                              "ftypheic",
                                              12) +
                                      std::string(12, '\0'));
    elsewhere.write("huge.jpg", jpegDeclaring(10000, 7000));
    elsewhere.write("phone.jpg", greyJpeg(8000, 6000));
    const std::string anotherCat = pcmWave(8000, 800);
    elsewhere.write("cat.wav", anotherCat);
    std::string gsm = anotherCat;
    gsm[20] = 0x31; // the format tag of GSM 6.10
    elsewhere.write("gsm.wav", gsm);
    elsewhere.write("memo.wav", mp3Frames(40));
    elsewhere.write("memo.mp3", mp3Frames(40));
    elsewhere.write("memo.m4a", std::string("\0\0\0\x20"
                                            "ftypM4A ",
                                            12));
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlSound decoder(files);
    soundDecodes = [&decoder](std::u16string_view path) { return decoder.decodes(path); };
    vectorDraws = [](std::span<const unsigned char> svg) {
        return SvgRasterProcess::drawsWithin(svg, PictureBudget{400, std::size_t{64} << 20});
    };
    openContent("animals", "dog");
    folder.write("sfx/images/Cat (2).wav", "");
    const std::string animals = file("data/English/animals");
    for (const char* name : {"horse.png", "notes.png", "photo.heic", "huge.jpg", "phone.jpg"}) {
        chosenFiles.push_back(elsewhere.path() / name);
    }
    // SVG pictures the game cannot draw within a picture's budget, and clip art it can.
    for (const auto& [name, bytes] : pathologicalSvgs()) {
        elsewhere.write(name, bytes);
        chosenFiles.push_back(elsewhere.path() / name);
    }
    elsewhere.write("clipart.svg", TemporaryFolder::readFile(std::string(VIMO_TEST_DATA) +
                                                             "/robustness/green.svg"));
    chosenFiles.push_back(elsewhere.path() / "clipart.svg");
    press("addImage");
    chosenFiles = {elsewhere.path() / "cat.wav", elsewhere.path() / "gsm.wav",
                   elsewhere.path() / "memo.wav", elsewhere.path() / "memo.mp3"};
    answers = {true};
    press("addSound");
    chosenFiles = {elsewhere.path() / "memo.m4a"};
    press("addSpeech");
    ASSERT_EQ(errors.size(), 3);
    const QStringList refused = errors[0].split("\n");
    ASSERT_EQ(refused.size(), 6);
    EXPECT_TRUE(refused[0].startsWith("\"notes.png\" is not a picture the game can show"));
    EXPECT_TRUE(refused[1].startsWith("\"photo.heic\" is a HEIC picture, which the game does not"));
    EXPECT_TRUE(refused[2].startsWith("\"huge.jpg\" is too large for the game to show (10000 x "
                                      "7000 pixels)"));
    const char* const vectors[] = {"dashes.svg", "points.svg", "shapes.svg"};
    for (std::size_t i = 0; i < std::size(vectors); ++i) {
        EXPECT_TRUE(refused[static_cast<qsizetype>(3 + i)].startsWith(
            QString("\"%1\" was not copied: the game could not draw this SVG picture within the "
                    "time and memory it allows one picture")
                .arg(vectors[i])))
            << refused[static_cast<qsizetype>(3 + i)].toStdString();
        EXPECT_FALSE(exists(std::string("gfx/images/") + vectors[i]));
    }
    const QStringList sounds = errors[1].split('\n');
    ASSERT_EQ(sounds.size(), 2);
    EXPECT_TRUE(sounds[0].startsWith("\"gsm.wav\" is not a sound the game can play"));
    EXPECT_TRUE(sounds[1].startsWith("\"memo.wav\" is not a sound the game can play"));
    EXPECT_TRUE(errors[2].startsWith("\"memo.m4a\" is an M4A or AAC recording"));
    EXPECT_EQ(questions, QStringList({"The file \"cat.wav\" cannot be copied under this name: "
                                      "another file of the folder has this name, and the lists "
                                      "would find that one. Copy it as \"cat (3).wav\"?"}));
    EXPECT_EQ(column("sound").entries(),
              QStringList({"Cat (2).wav", "cat (3).wav", "cat.wav", "dog.wav", "memo.mp3"}));
    EXPECT_FALSE(exists("speech/English/memo.m4a"));
    EXPECT_EQ(file("gfx/images/horse.png"), solidPng(0x00FF00));
    EXPECT_FALSE(exists("gfx/images/notes.png"));
    EXPECT_EQ(file("sfx/images/cat.wav"), "RIFF");
    EXPECT_EQ(file("sfx/images/cat (3).wav"), anotherCat);
    EXPECT_EQ(column("image").entries(), QStringList({"broken.png", "cat.png", "clipart.svg",
                                                      "dog.png", "horse.png", "phone.jpg"}));
    // A photo stored on its side is previewed standing upright.
    const QImage upright =
        CPreviewWidget::decodePicture(withSegment(greyJpeg(400, 300), exifSegment(6)));
    EXPECT_GT(upright.height(), upright.width());
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
