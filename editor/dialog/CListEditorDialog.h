// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's one window: five sorted columns (List, Exercise, Image, Sound, Speech), the text
// box and the colour preview. It loads the chosen list, shows the chosen exercise, assigns the
// chosen picture, sound and speech to it, and writes the list after every change, so that the
// adult's work is on disk at all times. Whatever ends the dialog, the text being typed is stored
// and the list saved first. The list session holds the conversation about writing, the list
// actions work on whole lists and the wiring connects the controls to the handlers here.
#pragma once

#include "common/audio/Sound.h"
#include "common/content/AccessSettings.h"
#include "common/content/Exercise.h"
#include "common/files/FileSystem.h"
#include "editor/dialog/CEditorControls.h"
#include "editor/dialog/CEditorMessages.h"
#include "editor/dialog/CListActions.h"
#include "editor/dialog/CMediaColumns.h"
#include "editor/lists/CEditedList.h"
#include "editor/lists/CListFolder.h"
#include "editor/lists/CListSession.h"
#include "editor/platform/CEditorPlatform.h"
#include "editor/texts/EditorTexts.h"

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class CListEditorDialog : public QDialog {
    Q_OBJECT

public:
    // The content folder is the root of `files`; `sound` plays the clicks, sounds and speech.
    // Both must outlive the dialog.
    CListEditorDialog(FileSystem& files, Sound& sound, CEditorPlatform platform,
                      QWidget* parent = nullptr);

    const std::u16string& language() const { return language_; }
    const EditorTexts& texts() const { return texts_; }
    // The exercises of the open list, in file order.
    const std::vector<Exercise>& exercises() const { return edited_.exercises(); }
    int colourIndex() const { return edited_.colourIndex(); }

    // The Switch settings and Session log dialogs act on `childFiles` (a child's profile), with
    // `accessDefaults` under the child's own switch settings, instead of on the content folder
    // with the built-in defaults. `childFiles` must outlive the dialog.
    void actOnChild(FileSystem& childFiles, const AccessSettings& accessDefaults);
    // Shows `choice` (which child that is) across the foot of the dialog, which takes it.
    void showChildChoice(QWidget& choice);

    // Every way of ending (Enter, Esc, the close box, the close button) comes through here.
    void done(int result) override;
    // The system ends the editor (a signal): the typed text is stored and the list written once,
    // with no one asked; what fails is said on standard error and the editor ends all the same.
    // Called again meanwhile, it does nothing.
    void endForTheSystem();

    // What the user does, as the controls report it (CEditorWiring connects them).
    void listChosen();
    void exerciseChosen();
    void mediaChosen(CMediaKind::Kind kind);
    // A sound or speech clicked while it is chosen plays again.
    void mediaChosenAgain(CMediaKind::Kind kind);
    void renameExercise();
    void addExercise();
    void deleteExercise();
    // Takes back the last deletion, move or renaming of an exercise and writes the list.
    void undo();
    // What was typed in the text box goes to the chosen exercise: true when written, false when
    // held unsaved, nothing when nothing was typed or the user kept the lines after the end.
    std::optional<bool> storeText();
    void moveColour(bool forward);
    void moveInPlayOrder(bool earlier);
    // The chosen exercise was dragged onto the one at `place`, which it takes.
    void moveInPlayOrderTo(std::size_t place);
    void saveList();
    void openSwitchSettings();
    void openSessionLog();
    // Decides every control's state (what is chosen, what can be pressed, the text box, the
    // preview) from the list being edited.
    void showState();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // An exercise's word as the game shows it: in capitals when the game's settings ask for them.
    QString asTheGameShows(std::u16string text) const;
    // The columns' entries, made anew when what they hold changes.
    void refreshAll();
    void fillExerciseColumn();

    // Shows what a step of the list session came to; false when changes are held unsaved or
    // the user refused the step.
    bool shown(CListSession::Outcome outcome);

    FileSystem& files_;
    Sound& sound_;
    std::u16string language_;
    EditorTexts texts_;
    CListFolder lists_;
    CEditorControls controls_;
    CEditorMessages messages_;
    CMediaColumns media_;
    CEditedList edited_;
    CListSession session_;
    CListActions actions_;
    bool endingForTheSystem_ = false;
    FileSystem* childFiles_ = nullptr; // null: the content folder's
    AccessSettings accessDefaults_;
};
