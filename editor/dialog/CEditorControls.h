// The controls of the main dialog and their arrangement: five titled, sorted columns, each with
// an add and a delete button under it, the text box under the List column, the colour preview
// with its two arrows under the Image column, and the save and close buttons at the bottom
// right. Qt layouts keep the arrangement right at any screen scale; the dialog owns every
// control through Qt's parent chain.
#pragma once

#include <QFont>
#include <array>

class CPreviewWidget;
class CSortedColumn;
class CTextBox;
class QDialog;
class QLabel;
class QToolButton;

class CEditorControls {
public:
    enum Column { ListColumn, ExerciseColumn, ImageColumn, SoundColumn, SpeechColumn, Columns };

    // Creates the controls as children of `dialog` and lays them out.
    explicit CEditorControls(QDialog& dialog);

    // Arial, 18 pixels, weight 600, with the same stand-ins as the game's fonts.
    static QFont columnFont();

    std::array<QLabel*, Columns> titles{};
    std::array<CSortedColumn*, Columns> columns{};
    std::array<QToolButton*, Columns> addButtons{};
    std::array<QToolButton*, Columns> deleteButtons{};
    QLabel* textTitle = nullptr;
    CTextBox* textBox = nullptr;
    CPreviewWidget* preview = nullptr;
    QToolButton* previousColour = nullptr;
    QToolButton* nextColour = nullptr;
    QToolButton* save = nullptr;
    QToolButton* close = nullptr;
};
