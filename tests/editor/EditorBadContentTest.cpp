// SPDX-License-Identifier: GPL-3.0-or-later
// The editor on content it did not make and on a disk that does not always take its work: lines
// of a megabyte, lists that vanish while shown, list files it may not write, and media folders
// holding odd files or none. It carries on and loses nothing.
#include "ContentFiles.h"
#include "EditorDialogFixture.h"

#include <filesystem>

using EditorBadContentTest = EditorDialogFixture;

TEST_F(EditorBadContentTest, MegabyteLinesAreShownWholeAndSurviveSavesAndTheEnd) {
    folder.write("data/lang.txt", "English\r\n");
    const std::string megabyte(1 << 20, 'x');
    std::vector<ListItem> items = {
        {.name = "long " + megabyte, .image = megabyte + ".png", .text = megabyte + " end"},
        {.name = "short", .text = "Short"}};
    folder.write("data/English/long", listBytes(items));
    open();
    choose("list", "long");
    choose("exercise", QString::fromStdString(items[0].name));
    EXPECT_EQ(textBox().text(), QString::fromStdString(items[0].text));

    // A change to the other exercise rewrites the list with the long lines whole.
    choose("exercise", "short");
    retype("Short one");
    choose("exercise", QString::fromStdString(items[0].name));
    items[1].text = "Short one";
    EXPECT_EQ(file("data/English/long"), listBytes(items));

    // Ending with the long text in the box keeps it as it is.
    dialog->accept();
    EXPECT_EQ(file("data/English/long"), listBytes(items));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(EditorBadContentTest, AListRemovedByHandIsTakenFromTheColumnWhenChosen) {
    writeContent();
    open();
    choose("list", "toys");
    std::filesystem::remove(folder.path() / "data/English/animals");
    const std::vector<std::string> before = allPaths();
    choose("list", "animals");
    EXPECT_EQ(errors, QStringList({"The list data\\English\\animals is no longer there."}));
    EXPECT_EQ(column("list").entries(), QStringList({"toys"}));
    EXPECT_EQ(column("exercise").count(), 0);
    EXPECT_FALSE(textBox().isEnabled());
    EXPECT_EQ(allPaths(), before);
}

TEST_F(EditorBadContentTest, AListFileItMayNotWriteKeepsTheWorkUntilItCanBeSaved) {
    writeContent();
    const std::filesystem::path animals = folder.path() / "data/English/animals";
    const std::string before = file("data/English/animals");
    std::filesystem::permissions(animals, std::filesystem::perms::owner_read |
                                              std::filesystem::perms::group_read |
                                              std::filesystem::perms::others_read);
    open();
    choose("list", "animals");
    choose("exercise", "dog");
    retype("Puppy");
    choose("exercise", "cat");
    EXPECT_EQ(errors, QStringList({"The output file could not be opened. Save aborted. File: "
                                   "data\\English\\animals\nThe file or folder is read-only."}));
    EXPECT_EQ(dialog->exercises()[1].text, u"Puppy");
    EXPECT_EQ(file("data/English/animals"), before);

    // Another list and the end ask first; the user stays, and the work is still there.
    answers = {false, false};
    choose("list", "toys");
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(selected("list"), QString("animals"));
    EXPECT_EQ(questions.back(), "The list \"animals\" could not be saved. Close the editor anyway? "
                                "The changes will be lost.");

    // Once the file may be written again, the save button writes what was kept.
    std::filesystem::permissions(animals, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    errors.clear();
    press("save");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_NE(file("data/English/animals").find("\r\nPuppy\r\n"), std::string::npos);
}

// What the game shows is shown as it shows it (which formats it takes is the pictures' own
// test); what it turns away shows only the colour.
TEST_F(EditorBadContentTest, OddPictureFilesAreListedAssignedAndPreviewedOnlyWhenSound) {
    writeContent();
    const std::string small = png(Qt::green);
    struct Case {
        std::string fileName; // as on disk
        QString shown;
        std::string bytes;
        bool preview;
    };
    const Case cases[] = {
        {"my cat.png", "my cat.png", small, true},
        {"\xE4ng.png", "\u00E4ng.png", small, true}, // a name made on Windows, not UTF-8
        {"EMPTY.PNG", "EMPTY.PNG", "", false},
        {"text.png", "text.png", "hello", false},
        {"cut.png", "cut.png", small.substr(0, small.size() / 2), false},
        {"too large.png", "too large.png", png::solidRgb(6000, 5000, 0x00FF00), false},
        {"drawing.svg", "drawing.svg",
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">"
         "<rect width=\"40\" height=\"30\" fill=\"#00ff00\"/></svg>",
         true},
        {"icon.ico", "icon.ico", png(Qt::green, "ICO"), false}, // Qt reads it, the game does not
    };
    for (const Case& c : cases) {
        folder.write("gfx/images/" + c.fileName, c.bytes);
    }
    folder.makeFolder("gfx/images/folder.png");
    open();
    QStringList shown;
    for (const Case& c : cases) {
        shown.push_back(c.shown);
    }
    shown += QStringList({"broken.png", "cat.png", "dog.png"});
    QStringList entries = column("image").entries();
    entries.sort();
    shown.sort();
    EXPECT_EQ(entries, shown);

    choose("list", "animals");
    choose("exercise", "dog");
    for (const Case& c : cases) {
        choose("image", c.shown);
        EXPECT_EQ(preview().hasPicture(), c.preview) << c.fileName;
        EXPECT_EQ(dialog->exercises()[1].image, c.shown.toStdU16String()) << c.fileName;
    }
    EXPECT_NE(file("data/English/animals").find("\r\nicon.ico\r\n"), std::string::npos);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(EditorBadContentTest, MissingMediaFoldersLeaveEmptyColumnsAndTheListWorkable) {
    folder.write("data/lang.txt", "English\r\n");
    const std::vector<ListItem> items = {
        {.name = "dog", .image = "dog.png", .text = "Dog", .colour = "-1"}};
    folder.write("data/English/animals", listBytes(items));
    elsewhere.write("hello.wav", "RIFF");
    open();
    EXPECT_EQ(column("image").count(), 0);
    EXPECT_EQ(column("sound").count(), 0);
    EXPECT_EQ(column("speech").entries(), QStringList({" None"}));
    choose("list", "animals");
    choose("exercise", "dog");
    EXPECT_FALSE(selected("image"));
    EXPECT_FALSE(preview().hasPicture());

    // The names the list holds stay, though no file answers to them.
    press("nextColour");
    EXPECT_EQ(
        file("data/English/animals"),
        listBytes({{.name = "dog", .image = "dog.png", .text = "Dog", .colour = "-16777216"}}));

    // A recording cannot go where there is no folder for it: said, and nothing is made.
    chosenFiles = {elsewhere.path() / "hello.wav"};
    const std::vector<std::string> before = allPaths();
    press("addSpeech");
    EXPECT_EQ(errors, QStringList({"The file could not be copied to speech\\English\\hello.wav. "
                                   "Its folder is missing."}));
    EXPECT_EQ(allPaths(), before);
}
