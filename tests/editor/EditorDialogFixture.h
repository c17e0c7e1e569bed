// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog over a content folder of the test's own, with stand-ins for the desktop
// dialogs: questions and names are answered from queues the test fills, and every question,
// message and file choice is written down. Sounds go to a recording sound sink; game controllers
// press the buttons the test queues.
#pragma once

#include "FaultyFileSystem.h"
#include "RecordingSound.h"
#include "TemporaryFolder.h"
#include "editor/dialog/CListEditorDialog.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSortedColumn.h"
#include "editor/dialog/CTextBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

class EditorDialogFixture : public ::testing::Test {
public:
    TemporaryFolder folder;
    TemporaryFolder elsewhere;
    FaultyFileSystem files{folder.path()};
    RecordingSound sound;
    std::unique_ptr<CListEditorDialog> dialog;

    // What the stand-ins answer, in order; an unexpected question fails the test.
    std::deque<bool> answers;
    std::deque<std::optional<QString>> names;
    std::vector<std::filesystem::path> chosenFiles; // none: Cancel
    // What the dialog asked and showed.
    QStringList questions;
    QStringList errors;
    int namesAsked = 0;
    QStringList renamesOffered; // the current names the rename box showed
    QStringList fileFilters;
    std::vector<std::filesystem::path> fileFolders;
    // Controller buttons pressed, heard at the next poll, and how many listeners are open.
    std::deque<int> controllerPresses;
    int controllersOpen = 0;

    class QueuedControllers : public ControllerButtons {
    public:
        explicit QueuedControllers(EditorDialogFixture& test) : test_(test) {
            ++test_.controllersOpen;
        }
        ~QueuedControllers() override { --test_.controllersOpen; }
        std::vector<int> takePresses() override {
            std::vector<int> presses(test_.controllerPresses.begin(),
                                     test_.controllerPresses.end());
            test_.controllerPresses.clear();
            return presses;
        }

    private:
        EditorDialogFixture& test_;
    };

    static std::string list(std::initializer_list<const char*> lines) {
        std::string bytes = "\xEF\xBB\xBF";
        for (const char* line : lines) {
            bytes += std::string(line) + "\r\n";
        }
        return bytes;
    }

    // A small picture of one colour, in the given file format.
    static std::string png(QColor colour, const char* format = "PNG") {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, format)) << format;
        return bytes.toStdString();
    }

    // An English content folder with two lists and a few media files.
    void writeContent() {
        folder.write("data/lang.txt", "English\r\n");
        folder.write("data/English/animals",
                     list({"cat", "cat.png", "cat", "", "Cat", "-16777216",     //
                           "dog", "dog.png", "dog.wav", "dog.wav", "Dog", "-1", //
                           "cat", "other.png", "", "", "second cat", "-1"}));
        folder.write("data/English/toys", list({"ball", "", "", "", "Ball", "16777215"}));
        folder.makeFolder("data/English/Tool");
        folder.write("gfx/images/cat.png", png(Qt::red));
        folder.write("gfx/images/dog.png", png(Qt::blue));
        folder.write("gfx/images/broken.png", "not a picture");
        folder.write("sfx/images/cat.wav", "RIFF");
        folder.write("sfx/images/dog.wav", "RIFF");
        folder.write("speech/English/dog.wav", "RIFF");
        folder.write("sfx/click.wav", "RIFF");
    }

    std::optional<QString> nextName() {
        if (names.empty()) {
            ADD_FAILURE() << "unexpected name dialog";
            return std::nullopt;
        }
        std::optional<QString> name = names.front();
        names.pop_front();
        return name;
    }

    CEditorPlatform platform() {
        CEditorPlatform platform;
        platform.askYesNo = [this](QWidget*, const QString& question) {
            questions.push_back(question);
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << question.toStdString();
                return false;
            }
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        };
        platform.showError = [this](QWidget*, const QString& message) {
            errors.push_back(message);
        };
        platform.askName = [this](QWidget*) {
            ++namesAsked;
            return nextName();
        };
        platform.askNewName = [this](QWidget*, const QString&, const QString& current) {
            renamesOffered.push_back(current);
            return nextName();
        };
        platform.chooseFiles = [this](QWidget*, const QString& filter,
                                      const std::filesystem::path& start) {
            fileFilters.push_back(filter);
            fileFolders.push_back(start);
            return chosenFiles;
        };
        platform.openControllers = [this] { return std::make_unique<QueuedControllers>(*this); };
        return platform;
    }

    void open() {
        dialog = std::make_unique<CListEditorDialog>(files, sound, platform());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    // The English content, the dialog open, and the list and exercise of these names chosen.
    void openContent(const char* listName = nullptr, const char* exerciseName = nullptr) {
        writeContent();
        open();
        if (listName != nullptr) {
            choose("list", listName);
        }
        if (exerciseName != nullptr) {
            choose("exercise", exerciseName);
        }
    }

    void TearDown() override {
        // A dialog still open ends without questions left to answer.
        if (dialog && dialog->isVisible()) {
            answers.push_back(true);
            dialog->reject();
        }
        dialog.reset();
        EXPECT_TRUE(answers.empty() || answers == std::deque<bool>{true});
        EXPECT_TRUE(names.empty());
    }

    CSortedColumn& column(const char* name) const {
        auto* found = dialog->findChild<CSortedColumn*>(QString::fromLatin1(name) + "Column");
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    QAbstractButton& button(const char* name) const {
        auto* found = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    CTextBox& textBox() const { return *dialog->findChild<CTextBox*>("textBox"); }
    CPreviewWidget& preview() const { return *dialog->findChild<CPreviewWidget*>("preview"); }

    // Clicks the first entry showing `text`, as the user would.
    void choose(const char* columnName, const QString& text) {
        CSortedColumn& list = column(columnName);
        for (int row = 0; row < list.count(); ++row) {
            if (list.item(row)->text() == text) {
                list.scrollToItem(list.item(row));
                QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                                  list.visualItemRect(list.item(row)).center());
                return;
            }
        }
        ADD_FAILURE() << "no entry " << text.toStdString() << " in " << columnName;
    }
    void press(const char* name) { QTest::mouseClick(&button(name), Qt::LeftButton); }
    // Types `text` over what the text box holds, as the user would.
    void retype(const char* text) {
        QTest::mouseClick(&textBox(), Qt::LeftButton);
        textBox().selectAll();
        QTest::keyClicks(&textBox(), text);
    }

    // Drops files from the file manager on a column, as the user would.
    void drop(const char* columnName, const std::vector<std::filesystem::path>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::filesystem::path& file : paths) {
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(file.string())));
        }
        data.setUrls(urls);
        QWidget* target = column(columnName).viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted()) << columnName;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    }

    std::optional<QString> selected(const char* columnName) const {
        return column(columnName).selectedText();
    }

    std::string file(const std::string& relative) const { return folder.read(relative); }

    // Every path below the content folder, for "nothing was written" checks.
    std::vector<std::string> allPaths() const {
        std::vector<std::string> paths;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            paths.push_back(std::filesystem::relative(entry.path(), folder.path()).string());
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    }
};
