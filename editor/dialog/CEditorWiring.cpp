// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CEditorWiring.h"

#include "editor/dialog/CEditorControls.h"
#include "editor/dialog/CFileDropTarget.h"
#include "editor/dialog/CListActions.h"
#include "editor/dialog/CListEditorDialog.h"
#include "editor/dialog/CMediaColumns.h"
#include "editor/dialog/CPlayOrderDrag.h"
#include "editor/dialog/CPreviewWidget.h"
#include "editor/dialog/CSortedColumn.h"
#include "editor/dialog/CTextBox.h"
#include "editor/dialog/QtText.h"

#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace {

using Controls = CEditorControls;

constexpr std::u16string_view kClick = u"sfx\\click.wav";

} // namespace

void CEditorWiring::wire(CListEditorDialog& dialog, CEditorControls& controls, CMediaColumns& media,
                         CListActions& actions, Sound& sound) {
    const CEditorWiring wiring(dialog, controls, media, actions, sound);
    wiring.wireColumns();
    wiring.wireMedia();
    wiring.wireButtons();
}

template <typename Action>
void CEditorWiring::onClick(QAbstractButton* button, Action action) const {
    QObject::connect(button, &QAbstractButton::clicked, &dialog_, action);
}

template <typename Action>
void CEditorWiring::onClickWithSound(QAbstractButton* button, Action action) const {
    onClick(button, [&sound = sound_] { sound.playOnce(kClick); });
    onClick(button, action);
}

void CEditorWiring::wireColumns() const {
    CListEditorDialog& dialog = dialog_;
    QObject::connect(&controls_.column(Controls::ListColumn), &CSortedColumn::chosen, &dialog,
                     &CListEditorDialog::listChosen);
    QObject::connect(&controls_.column(Controls::ExerciseColumn), &CSortedColumn::chosen, &dialog,
                     &CListEditorDialog::exerciseChosen);
    // F2 or a double click renames the chosen list or exercise.
    const auto onRename = [&dialog](CSortedColumn& column, auto action) {
        QObject::connect(&column, &QListWidget::itemDoubleClicked, &dialog, action);
        QObject::connect(
            new QShortcut(QKeySequence(Qt::Key_F2), &column, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, &dialog, action);
    };
    QObject::connect(new CPlayOrderDrag(controls_.column(Controls::ExerciseColumn)),
                     &CPlayOrderDrag::droppedOnto, &dialog,
                     [&dialog](std::size_t place) { dialog.moveInPlayOrderTo(place); });
    onRename(controls_.column(Controls::ListColumn), [&actions = actions_] { actions.rename(); });
    onRename(controls_.column(Controls::ExerciseColumn), [&dialog] { dialog.renameExercise(); });
    QObject::connect(controls_.textBox, &CTextBox::focusLost, &dialog,
                     [&dialog](Qt::FocusReason reason) {
                         // The box's own context menu takes the focus for a moment; that is no
                         // leaving.
                         if (reason != Qt::PopupFocusReason) {
                             dialog.storeText();
                         }
                     });
    QObject::connect(controls_.textBox, &CTextBox::textEdited, controls_.preview,
                     &CPreviewWidget::setText);
}

void CEditorWiring::wireMedia() const {
    CListEditorDialog& dialog = dialog_;
    CMediaColumns& media = media_;
    for (CMediaKind::Kind kind : {CMediaKind::Image, CMediaKind::Sound, CMediaKind::Speech}) {
        const auto index = Controls::ImageColumn + static_cast<std::size_t>(kind);
        QObject::connect(controls_.columns[index], &CSortedColumn::chosen, &dialog,
                         [&dialog, kind] { dialog.mediaChosen(kind); });
        if (kind != CMediaKind::Image) {
            QObject::connect(controls_.columns[index], &CSortedColumn::chosenAgain, &dialog,
                             [&dialog, kind] { dialog.mediaChosenAgain(kind); });
        }
        // A column filled anew has lost its choice: the exercise's file is chosen again.
        onClickWithSound(controls_.addButtons[index], [&dialog, &media, kind] {
            media.addFile(kind);
            dialog.showState();
        });
        onClickWithSound(controls_.deleteButtons[index], [&dialog, &media, kind] {
            media.deleteFile(kind);
            dialog.showState();
        });
        // A right click deletes a file without choosing it, which would assign it.
        controls_.columns[index]->offerEntryAction(
            toQString(dialog.texts()[EditorTexts::DeleteFileAction]));
        QObject::connect(controls_.columns[index], &CSortedColumn::entryActionTaken, &dialog,
                         [&dialog, &media, kind](const QString& name) {
                             media.deleteFile(kind, fromQString(name));
                             dialog.showState();
                         });
        // Files dropped on the column are copied in as added ones are.
        QObject::connect(new CFileDropTarget(*controls_.columns[index]->viewport()),
                         &CFileDropTarget::dropped, &dialog,
                         [&dialog, &media, kind](const std::vector<std::filesystem::path>& files) {
                             media.copyIn(kind, files);
                             dialog.showState();
                         });
    }
}

void CEditorWiring::wireButtons() const {
    using D = CListEditorDialog;
    CListEditorDialog& dialog = dialog_;
    CListActions& actions = actions_;
    onClickWithSound(controls_.addButtons[Controls::ListColumn], [&actions] { actions.add(); });
    onClickWithSound(controls_.deleteButtons[Controls::ListColumn],
                     [&actions] { actions.remove(); });
    onClickWithSound(controls_.addButtons[Controls::ExerciseColumn], &D::addExercise);
    onClickWithSound(controls_.deleteButtons[Controls::ExerciseColumn], &D::deleteExercise);
    onClickWithSound(controls_.undo, &D::undo);
    // Ctrl+Z anywhere but in the text box, which takes back its own typing.
    QObject::connect(new QShortcut(QKeySequence::Undo, &dialog), &QShortcut::activated, &dialog,
                     &D::undo);
    onClick(controls_.playEarlier, [&dialog] { dialog.moveInPlayOrder(true); });
    onClick(controls_.playLater, [&dialog] { dialog.moveInPlayOrder(false); });
    onClick(controls_.nextColour, [&dialog] { dialog.moveColour(true); });
    onClick(controls_.previousColour, [&dialog] { dialog.moveColour(false); });
    onClick(controls_.save, &D::saveList);
    // The click is heard whole before the editor ends.
    onClick(controls_.close, [&dialog, &sound = sound_] {
        sound.playToEnd(kClick);
        dialog.accept();
    });
    onClick(controls_.switchSettings, &D::openSwitchSettings);
    onClick(controls_.sessionLog, &D::openSessionLog);
}
