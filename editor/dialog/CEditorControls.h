// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main dialog and their arrangement: five titled, sorted columns, each with
// an add and a delete button under it, the text box under the List column, the colour preview
// with its two arrows under the Image column, the play order with its arrows and the undo
// button under the text box, and the save and close buttons at the bottom right, with the switch
// settings button to their left. Qt layouts keep the arrangement right at any screen scale; the
// dialog owns every control through Qt's parent chain.
#pragma once

#include "editor/texts/EditorTexts.h"

#include <QFont>
#include <array>
#include <string_view>

class CPreviewWidget;
class CSortedColumn;
class CTextBox;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

class CEditorControls {
public:
    enum Column { ListColumn, ExerciseColumn, ImageColumn, SoundColumn, SpeechColumn, Columns };

    // Gives `dialog` its name, icon and frame, creates the controls as its children and lays
    // them out.
    explicit CEditorControls(QDialog& dialog);
    // The controls outlive the dialog's other parts, which go first; nothing the controls
    // signal while Qt takes them down (a lost focus, an emptied column) may reach those.
    ~CEditorControls();

    CSortedColumn& column(Column which) const { return *columns[static_cast<std::size_t>(which)]; }

    // Arial, 18 pixels, weight 600, with the same stand-ins as the game's fonts.
    static QFont columnFont();

    // The titles and the play order's tips in the language of `texts`, the columns sorted in the
    // alphabetical order of `language` (English where the language is not known).
    void showLanguage(const EditorTexts& texts, std::u16string_view language);

    std::array<QLabel*, Columns> titles{};
    std::array<CSortedColumn*, Columns> columns{};
    std::array<QToolButton*, Columns> addButtons{};
    std::array<QToolButton*, Columns> deleteButtons{};
    QLabel* textTitle = nullptr;
    CTextBox* textBox = nullptr;
    // The chosen exercise's place in the order the game plays the list ("3 of 12"), and the
    // buttons that move it earlier or later in it.
    QLabel* playOrder = nullptr;
    QToolButton* playEarlier = nullptr;
    QToolButton* playLater = nullptr;
    // Takes back the last deletion, move or renaming of an exercise; beside the arrows.
    QPushButton* undo = nullptr;
    CPreviewWidget* preview = nullptr;
    QToolButton* previousColour = nullptr;
    QToolButton* nextColour = nullptr;
    QToolButton* save = nullptr;
    QToolButton* close = nullptr;
    // Opens the switch settings.
    QPushButton* switchSettings = nullptr;
    // Opens the summary of the game's session log.
    QPushButton* sessionLog = nullptr;

private:
    // The parts of the dialog, each made of its controls and laid out.
    void addColumns(QGridLayout& grid, const QFont& font);
    QVBoxLayout* textArea(const QFont& font);
    QHBoxLayout* playOrderRow(const QFont& font);
    QVBoxLayout* colourArea();
    QHBoxLayout* endingRow();
    void chainTabs();

    QDialog& dialog_;
};
