// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's own widgets on their own: the sorted columns, the preview's painting and the
// new-item dialog, as real Qt widgets.
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "editor/dialog/CNewListDialog.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSortedColumn.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QColor pixelOf(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixelColor(x, y);
}

} // namespace

TEST(SortedColumn, SortsWithoutRegardToCaseInTheLanguagesOrder) {
    struct Case {
        const char* locale;
        QStringList added;
        QStringList sorted;
    };
    const Case cases[] = {
        {"en_US",
         {"dog.wav", "Cat.wav", "apple.wav", "cat2.wav"},
         {"apple.wav", "Cat.wav", "cat2.wav", "dog.wav"}},
        {"en_US", {"zebra", " None", "apple"}, {" None", "apple", "zebra"}}, // the blank first
        {"sv_SE", {"öga", "zebra", "åska", "apa"}, {"apa", "zebra", "åska", "öga"}},
    };
    for (const Case& c : cases) {
        CSortedColumn column;
        column.setCollationLocale(QLocale(QString::fromLatin1(c.locale)));
        for (const QString& text : c.added) {
            column.addEntry(text);
        }
        EXPECT_EQ(column.entries(), c.sorted) << c.added.join(',').toStdString();
    }
}

TEST(SortedColumn, PrefixSelectionFindsTheFirstSortedEntryIgnoringCaseAndStaysQuiet) {
    CSortedColumn column;
    for (const char* text : {"cat.wav", "Cat2.wav", "dog.wav", " None"}) {
        column.addEntry(QString::fromLatin1(text), QString::fromLatin1(text) == " None");
    }
    QSignalSpy chosen(&column, &CSortedColumn::chosen);
    struct Case {
        QString prefix;
        std::optional<QString> selected;
    };
    const Case cases[] = {
        {"CAT", "cat.wav"}, {"cat2", "Cat2.wav"},    {"dog.wav", "dog.wav"},
        {"", std::nullopt}, {"horse", std::nullopt}, {" N", std::nullopt}, // None is no file
    };
    for (const Case& c : cases) {
        column.selectFirstStartingWith(c.prefix);
        EXPECT_EQ(column.selectedText(), c.selected) << c.prefix.toStdString();
    }
    EXPECT_EQ(chosen.count(), 0);
}

TEST(SortedColumn, TheUserCanChooseButNotUnchoose) {
    CSortedColumn column;
    column.resize(200, 200);
    column.addEntry("a");
    column.addEntry("b");
    column.show();
    QSignalSpy chosen(&column, &CSortedColumn::chosen);
    const QPoint onB = column.visualItemRect(column.item(1)).center();
    QTest::mouseClick(column.viewport(), Qt::LeftButton, {}, onB);
    EXPECT_EQ(column.selectedText(), QString("b"));
    EXPECT_EQ(chosen.count(), 1);
    // Ctrl+click and a click on empty space keep the selection.
    QTest::mouseClick(column.viewport(), Qt::LeftButton, Qt::ControlModifier, onB);
    QTest::mouseClick(column.viewport(), Qt::LeftButton, {}, QPoint(100, 190));
    EXPECT_EQ(column.selectedText(), QString("b"));
    EXPECT_EQ(chosen.count(), 1);
}

// The picture-and-word screen in miniature: the colour as the game fills the screen with it, the
// picture whole in its shape, the word beneath it in black or white, whichever reads.
TEST(PreviewWidget, PaintsTheColourAsTheGameDoesThePictureInItsShapeAndTheWordReadable) {
    QWidget background;
    auto* preview = new CPreviewWidget(&background);
    background.resize(CPreviewWidget::kWidth, CPreviewWidget::kHeight);
    background.show();
    // A 2 x 1 picture, left half blue and right half yellow.
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixelColor(0, 0, Qt::blue);
    picture.setPixelColor(1, 0, Qt::yellow);
    preview->setPicture(picture);
    EXPECT_TRUE(preview->hasPicture());

    struct Case {
        std::uint32_t colour;
        QColor inside;
        QColor word;
    };
    const Case cases[] = {
        {0xFFDB3A3A, QColor(0xDB, 0x3A, 0x3A), Qt::black},
        {0x00000000, QColor(Qt::black), Qt::white},        // transparent: the game shows black
        {0x00FFFFFF, QColor(0x80, 0x80, 0x80), Qt::black}, // no colour: the activity's grey
    };
    // The frame at 16 %: without a word the picture's box is in the middle, where 96 x 72 holds
    // it at 96 x 48 from (16, 24). With one the box is at the top (the picture from y 12) and the
    // word from y 76.
    for (const char* word : {"", "Wo"}) {
        preview->setText(word);
        const int top = *word == '\0' ? 24 : 12;
        for (const Case& c : cases) {
            const std::string what = std::to_string(c.colour) + " " + word;
            preview->setColour(c.colour);
            const QImage shown = background.grab().toImage();
            EXPECT_EQ(shown.pixelColor(64, top - 3), c.inside) << what;
            EXPECT_EQ(shown.pixelColor(24, top + 2), QColor(Qt::blue)) << what;
            EXPECT_EQ(shown.pixelColor(104, top + 45), QColor(Qt::yellow)) << what;
            int wordPixels = 0;
            for (int y = 76; y < 94; ++y) {
                for (int x = 2; x < 126; ++x) {
                    // Letters 12 pixels high are smoothed at their edges.
                    const QColor pixel = shown.pixelColor(x, y);
                    wordPixels += std::abs(pixel.red() - c.word.red()) +
                                              std::abs(pixel.green() - c.word.green()) +
                                              std::abs(pixel.blue() - c.word.blue()) <
                                          96
                                      ? 1
                                      : 0;
                }
            }
            EXPECT_EQ(wordPixels > 10, *word != '\0') << what;
        }
    }
    preview->releasePicture();
    EXPECT_FALSE(preview->hasPicture());
    EXPECT_EQ(pixelOf(background, 24, 16), QColor(0x80, 0x80, 0x80));
}

// The prompt is the eighth line of the language's tool.txt.
TEST(NewListDialog, OpensWithFocusInAnEmptyBoxAndGivesTheTextExactlyAsTyped) {
    TemporaryFolder folder;
    folder.write("data/lang.txt", "Svenska\r\n");
    folder.write("data/Svenska/Tool/tool.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\nSkriv namnet");
    DiskFileSystem files(folder.path());
    struct Case {
        const char* what;
        QString typed;
        const char* button; // null: the key ends it
        Qt::Key key;
        std::optional<QString> result;
    };
    const Case cases[] = {
        {"Enter", "  farm animals ", nullptr, Qt::Key_Return, "  farm animals "},
        {"OK with nothing typed", "", "ok", {}, ""},
        {"Esc", "cars", nullptr, Qt::Key_Escape, std::nullopt},
    };
    for (const Case& c : cases) {
        CNewListDialog dialog(files);
        std::optional<QString> result;
        // The dialog runs modally, so the keys come once it is up.
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit*>("name")) << c.what;
            EXPECT_EQ(dialog.name(), QString()) << c.what;
            EXPECT_EQ(dialog.findChild<QLabel*>("prompt")->text(), "Skriv namnet");
            QTest::keyClicks(dialog.findChild<QLineEdit*>("name"), c.typed);
            if (c.button != nullptr) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(c.button), Qt::LeftButton);
            } else {
                QTest::keyClick(dialog.findChild<QLineEdit*>("name"), c.key);
            }
        });
        if (dialog.exec() == QDialog::Accepted) {
            result = dialog.name();
        }
        EXPECT_EQ(result, c.result) << c.what;
    }
}
