// SPDX-License-Identifier: GPL-3.0-or-later
// Where the adult sets up switch access: the settings of options\access.opt, each with its
// meaning in one line, and a test area that shows what the game heard of a press and how each
// screen takes it. The settings scroll when the screen is too low for all of them. It shows the
// file's settings when opened and writes them on OK; Cancel leaves the file as it is. While it is
// open it listens to game controllers, and lets go of them when it closes.
#pragma once

#include "common/content/AccessSettings.h"
#include "common/files/FileSystem.h"
#include "editor/platform/ControllerButtons.h"
#include "editor/texts/EditorTexts.h"

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

class CSwitchTestPad;
class CSwitchTimingRows;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QPushButton;
class QScrollArea;
class QSpinBox;

class CSwitchSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // `files` holds the child's settings and `texts` gives the words; both must outlive the
    // dialog. `controllers` may be nothing; `tell` shows an error message. A setting the file
    // lacks shows as `defaults` has it (the administrator's, or the built-in ones), as the game
    // takes it.
    CSwitchSettingsDialog(FileSystem& files, const EditorTexts& texts,
                          std::unique_ptr<ControllerButtons> controllers,
                          std::function<void(const QString&)> tell,
                          const AccessSettings& defaults = AccessSettings{},
                          QWidget* parent = nullptr);
    ~CSwitchSettingsDialog() override;

    // The settings as the controls show them.
    AccessSettings shown() const;

    // Writes the settings; when that fails, says why and stays open.
    void accept() override;
    void done(int result) override;

private:
    // Every setting's row, in a scroll area: the scan's settings (cue, rounds, frame width and
    // colour), then the kiosk lock, the log and the controllers' first button, then the switch
    // timing; the OK and Cancel buttons.
    QScrollArea* settingRows();
    void addScanRows(QGridLayout& grid);
    void addOtherRows(QGridLayout& grid);
    QDialogButtonBox* okAndCancel();
    // As high as all rows need, but no higher than the screen.
    void fitToScreen();
    void showSettings(const AccessSettings& settings);
    // One setting's row: its name, its control and, under them, its meaning.
    void addRow(QGridLayout& grid, EditorTexts::Text name, QWidget* control,
                EditorTexts::Text meaning);
    void chooseColour();
    void showColour();
    void pollControllers();

    FileSystem& files_;
    const EditorTexts& texts_;
    std::unique_ptr<ControllerButtons> controllers_;
    std::function<void(const QString&)> tell_;
    QTimer poll_;

    QComboBox* cue_ = nullptr;
    QSpinBox* rounds_ = nullptr;
    QSpinBox* frameWidth_ = nullptr;
    QPushButton* frameColour_ = nullptr;
    QCheckBox* kioskLock_ = nullptr;
    QCheckBox* log_ = nullptr;
    QSpinBox* firstButton_ = nullptr;
    std::unique_ptr<CSwitchTimingRows> timing_;
    QScrollArea* scroll_ = nullptr;
    CSwitchTestPad* test_ = nullptr;
    std::uint32_t colour_ = AccessSettings().scanFrameColour;
    int lastFrameWidth_ = 0;
};
