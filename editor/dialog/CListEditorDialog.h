// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's one window: five sorted columns (List, Exercise, Image, Sound, Speech), the text
// box and the colour preview. It loads the chosen list, shows the chosen exercise, assigns the
// chosen picture, sound and speech to it, and writes the list after every change, so that the
// adult's work is on disk at all times. Whatever ends the dialog, the text being typed is stored
// and the list saved first.
#pragma once

#include "common/audio/Sound.h"
#include "common/content/Exercise.h"
#include "common/files/FileSystem.h"
#include "editor/app/CEditorPlatform.h"
#include "editor/dialog/CEditorControls.h"
#include "editor/dialog/CEditorMessages.h"
#include "editor/dialog/CMediaColumns.h"
#include "editor/lists/CEditedList.h"
#include "editor/lists/CListFolder.h"
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
    ~CListEditorDialog() override;

    const std::u16string& language() const { return language_; }
    const EditorTexts& texts() const { return texts_; }
    // The exercises of the open list, in file order.
    const std::vector<Exercise>& exercises() const { return edited_.exercises(); }
    int colourIndex() const { return edited_.colourIndex(); }

    // Every way of ending (Enter, Esc, the close box, the close button) comes through here.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectControls();

    // The columns' entries, made anew when what they hold changes.
    void refreshAll();
    void fillExerciseColumn();
    // Decides every control's state (what is chosen, the text box, the preview) from the list
    // being edited.
    void showState();
    void showPlayOrder();

    // What the user does.
    void listChosen();
    void exerciseChosen();
    void mediaChosen(CMediaKind::Kind kind);
    void addList();
    // Tells why a name cannot be a list's, when it cannot.
    bool refusesListName(std::u16string_view name);
    void deleteList();
    void renameList();
    void renameExercise();
    void addExercise();
    void deleteExercise();
    std::optional<bool> storeText();
    void moveColour(bool forward);
    void moveInPlayOrder(bool earlier);
    void closeButton();
    void playClick();
    // A sound or speech clicked while it is chosen plays again.
    void mediaChosenAgain(CMediaKind::Kind kind);
    void connectReplays();
    // Tells about lines the opened list's file holds after its end.
    void tellLinesAfterEnd();

    // Writing, and asking before unwritten changes are let go.
    bool saved(bool written);
    // The user chose to load the open list from the disk again rather than write over it.
    void reloadList();
    bool letGoOfUnsaved();
    bool keepWorkBeforeEnding();
    // Asks before a change drops the lines after the list's end; false keeps the file and what
    // is shown.
    bool mayRewrite();

    FileSystem& files_;
    Sound& sound_;
    std::u16string language_;
    EditorTexts texts_;
    CListFolder lists_;
    CEditorControls controls_;
    CEditorMessages messages_;
    CMediaColumns media_;
    CEditedList edited_;
    bool reloadChosen_ = false; // asked before writing over a list changed on disk
};
