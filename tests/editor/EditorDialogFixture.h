// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog over a content folder of the test's own, with stand-ins for the desktop
// dialogs: questions and names are answered from queues the test fills, and every question,
// message and file choice is written down. Sounds go to a recording sound sink; game controllers
// press the buttons the test queues.
#pragma once

#include "ContentFiles.h"
#include "FaultyFileSystem.h"
#include "RecordingSound.h"
#include "TemporaryFolder.h"
#include "editor/dialog/CListEditorDialog.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSortedColumn.h"
#include "editor/dialog/CTextBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>
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
    std::vector<std::filesystem::path> chosenFiles;        // none: Cancel
    std::function<bool(std::u16string_view)> soundDecodes; // unset: sounds told by their kind
    std::function<bool(std::span<const unsigned char>)> vectorDraws; // unset: SVGs as others
    // What the dialog asked and showed.
    QStringList questions;
    QStringList errors;
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

    // English content (no lang.txt): two lists, the editor's own folder and a few media files.
    void writeContent() {
        folder.write("data/English/animals",
                     listBytes({{"cat", "cat.png", "cat", "", "Cat", "-16777216"},
                                {"dog", "dog.png", "dog.wav", "dog.wav", "Dog", "-1"},
                                {"cat", "other.png", "", "", "second cat", "-1"}}));
        folder.write("data/English/toys", listBytes({{"ball", "", "", "", "Ball"}}));
        folder.makeFolder("data/English/Tool");
        folder.write("gfx/images/cat.png", solidPng(0xFF0000));
        folder.write("gfx/images/dog.png", solidPng(0x0000FF));
        folder.write("gfx/images/broken.png", "not a picture");
        folder.write("sfx/images/cat.wav", "RIFF");
        folder.write("sfx/images/dog.wav", "RIFF");
        folder.write("speech/English/dog.wav", "RIFF");
    }

    template <typename T> T next(std::deque<T>& queue, const QString& what) {
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected " << what.toStdString();
            return T();
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }

    CEditorPlatform platform() {
        CEditorPlatform platform;
        platform.askYesNo = [this](QWidget*, const QString& question) {
            questions.push_back(question);
            return next(answers, question);
        };
        platform.showError = [this](QWidget*, const QString& message) {
            errors.push_back(message);
        };
        platform.askName = [this](QWidget*) { return next(names, "name dialog"); };
        platform.askNewName = [this](QWidget*, const QString&, const QString&) {
            return next(names, "rename dialog");
        };
        platform.chooseFiles = [this](QWidget*, const QString&, const std::filesystem::path&) {
            return chosenFiles;
        };
        platform.openControllers = [this] { return std::make_unique<QueuedControllers>(*this); };
        platform.soundDecodes = soundDecodes;
        platform.vectorDraws = vectorDraws;
        return platform;
    }

    // The English content, the dialog open, and the list and exercise of these names chosen.
    void openContent(const char* listName = nullptr, const char* exerciseName = nullptr) {
        writeContent();
        dialog = std::make_unique<CListEditorDialog>(files, sound, platform());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
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
    // Right-clicks the entry `text` and takes the first action of the menu that opens.
    void rightClick(const char* columnName, const QString& text) {
        CSortedColumn& list = column(columnName);
        const QPoint at = list.visualItemRect(list.findItems(text, Qt::MatchExactly)[0]).center();
        QTest::mouseClick(list.viewport(), Qt::RightButton, {}, at);
        QTimer::singleShot(0, [] {
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        });
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &menu);
    }
    void press(const char* name) {
        auto* found = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(found, nullptr) << name;
        QTest::mouseClick(found, Qt::LeftButton);
    }

    // Which of the buttons that need a list, an exercise or a file chosen can be pressed.
    QStringList pressable() const {
        QStringList enabled;
        for (const char* name : {"deleteList", "addExercise", "deleteExercise", "previousColour",
                                 "nextColour", "save", "deleteImage", "deleteSpeech"}) {
            if (dialog->findChild<QAbstractButton*>(QString::fromLatin1(name))->isEnabled()) {
                enabled.push_back(name);
            }
        }
        return enabled;
    }

    std::optional<QString> selected(const char* columnName) const {
        return column(columnName).selectedText();
    }

    std::string file(const std::string& relative) const { return folder.read(relative); }
    bool exists(const std::string& relative) const {
        return std::filesystem::exists(folder.path() / relative);
    }
};
