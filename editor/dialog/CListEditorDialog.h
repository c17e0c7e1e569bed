// The editor's one window: five sorted columns (List, Exercise, Image, Sound, Speech), the text
// box and the colour preview. It loads the chosen list, shows the chosen exercise, assigns the
// chosen picture, sound and speech to it, and writes the list after every change, so that the
// adult's work is on disk at all times. Whatever ends the dialog, the text being typed is stored
// and the list saved first.
#pragma once

#include "common/audio/Sound.h"
#include "common/files/FileSystem.h"
#include "editor/app/CEditorPlatform.h"
#include "editor/dialog/CEditorControls.h"
#include "editor/lists/CListFolder.h"
#include "editor/media/CMediaFolder.h"
#include "editor/texts/EditorTexts.h"
#include "common/content/Exercise.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <vector>

class CSortedColumn;

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
    // The exercises of the list loaded last, in file order.
    const std::vector<Exercise>& exercises() const { return exercises_; }
    int colourIndex() const { return colourIndex_; }

    // Every way of ending (Enter, Esc, the close box, the close button) comes through here.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CSortedColumn& column(CEditorControls::Column which) const;
    CSortedColumn& mediaColumn(CMediaKind::Kind kind) const;
    CMediaFolder& media(CMediaKind::Kind kind);

    // Columns and selection.
    void refreshAll();
    void enumerateLists();
    void fillExerciseColumn();
    void fillMediaColumn(CMediaKind::Kind kind);
    void listChosen();
    void showExercise();
    void showNoExercise();
    Exercise* chosenExercise();

    // Lists and exercises.
    void loadList(const std::u16string& name);
    bool saveList();
    bool askToDiscardUnsaved();
    bool settleUnsavedChanges();
    void addList();
    void deleteList();
    void addExercise();
    void deleteExercise();
    void storeText();
    bool takeTypedText(Exercise& exercise);
    void moveColour(bool forward);

    // Media files and the preview.
    void mediaChosen(CMediaKind::Kind kind);
    void addMediaFile(CMediaKind::Kind kind);
    void deleteMediaFile(CMediaKind::Kind kind);
    void updatePreview();

    void playClick();
    void closeButton();
    bool keepWorkBeforeEnding();

    FileSystem& files_;
    Sound& sound_;
    CEditorPlatform platform_;
    std::u16string language_;
    EditorTexts texts_;
    CListFolder lists_;
    std::array<CMediaFolder, 3> media_;
    CEditorControls controls_;

    std::vector<std::u16string> listNames_;
    std::vector<Exercise> exercises_;
    // The list whose exercises are held, while it is the one selected.
    std::optional<std::u16string> loadedList_;
    // The held exercises differ from the file: the last save failed.
    bool unsaved_ = false;
    int colourIndex_ = 0;
    bool saving_ = false;
    bool textBoxQuiet_ = false;
    bool ending_ = false;
};
