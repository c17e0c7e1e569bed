// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSwitchSettingsDialog.h"

#include "editor/dialog/CSwitchTestPad.h"
#include "editor/dialog/CSwitchTimingRows.h"
#include "editor/dialog/CWheelNeedsFocus.h"
#include "editor/dialog/QtText.h"
#include "editor/media/CFileErrorText.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

// Often enough that a press lights up at once to the eye.
constexpr int kPollMilliseconds = 20;
// The narrowest a setting's meaning is wrapped to; the dialog is at least this wide.
constexpr int kMeaningWidth = 460;
// Room kept for the window's title bar and frame when the dialog is fitted to the screen.
constexpr int kWindowFrame = 60;

QSpinBox* spinBox(QWidget* parent, const QString& name, int largest) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, largest);
    return box;
}

QCheckBox* checkBox(QWidget* parent, const QString& name) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

CSwitchSettingsDialog::CSwitchSettingsDialog(FileSystem& files, const EditorTexts& texts,
                                             std::unique_ptr<ControllerButtons> controllers,
                                             std::function<void(const QString&)> tell,
                                             const AccessSettings& defaults, QWidget* parent)
    : QDialog(parent), files_(files), texts_(texts), controllers_(std::move(controllers)),
      tell_(std::move(tell)) {
    setObjectName(QStringLiteral("switchSettings"));
    setWindowTitle(toQString(texts[EditorTexts::SwitchSettingsTitle]));
    auto* testBox = new QGroupBox(toQString(texts[EditorTexts::TestTitle]), this);
    test_ = new CSwitchTestPad(texts, testBox);
    (new QVBoxLayout(testBox))->addWidget(test_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingRows());
    layout->addWidget(testBox);
    layout->addWidget(okAndCancel());
    fitToScreen();

    showSettings(readAccessSettings(files_, kAccessSettingsPath, defaults));
    if (controllers_) {
        connect(&poll_, &QTimer::timeout, this, &CSwitchSettingsDialog::pollControllers);
        poll_.start(kPollMilliseconds);
    }
}

QScrollArea* CSwitchSettingsDialog::settingRows() {
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("settingRows"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* rows = new QWidget(scroll_);
    auto* grid = new QGridLayout(rows);
    grid->setColumnStretch(1, 1);
    addScanRows(*grid);
    addOtherRows(*grid);

    auto* heading = new QLabel(toQString(texts_[EditorTexts::TimingTitle]), rows);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, grid->rowCount(), 0, 1, 2);
    timing_ = std::make_unique<CSwitchTimingRows>(
        texts_, rows,
        [this, grid](EditorTexts::Text name, QWidget* control, EditorTexts::Text meaning) {
            addRow(*grid, name, control, meaning);
        });
    scroll_->setWidget(rows);
    (new CWheelNeedsFocus(this))->guardControlsIn(*rows);
    // As wide as the rows, so that only their height ever scrolls.
    scroll_->setMinimumWidth(rows->minimumSizeHint().width() +
                             scroll_->verticalScrollBar()->sizeHint().width());
    return scroll_;
}

void CSwitchSettingsDialog::fitToScreen() {
    // The rows all shown where the screen has room for them; on a low screen (768 pixels, say)
    // they scroll, while the test area and OK stay in sight.
    const int rowsHeight = scroll_->widget()->sizeHint().height();
    const int wanted = sizeHint().height() - scroll_->sizeHint().height() + rowsHeight;
    const int room = (screen() ? screen()->availableGeometry().height() : wanted) - kWindowFrame;
    resize(sizeHint().width(), std::min(wanted, room));
}

void CSwitchSettingsDialog::addScanRows(QGridLayout& grid) {
    cue_ = new QComboBox(this);
    cue_->setObjectName(QStringLiteral("scanCue"));
    for (EditorTexts::Text cue :
         {EditorTexts::ScanCueNone, EditorTexts::ScanCueTick, EditorTexts::ScanCueItem}) {
        cue_->addItem(toQString(texts_[cue]));
    }
    addRow(grid, EditorTexts::ScanCueLabel, cue_, EditorTexts::ScanCueMeaning);

    rounds_ = spinBox(this, QStringLiteral("scanRounds"), AccessSettings::kLargestScanRounds);
    rounds_->setSpecialValueText(toQString(texts_[EditorTexts::ScanRoundsForever]));
    addRow(grid, EditorTexts::ScanRoundsLabel, rounds_, EditorTexts::ScanRoundsMeaning);

    frameWidth_ = spinBox(this, QStringLiteral("scanFrameWidth"), AccessSettings::kBoldestFrame);
    frameWidth_->setSpecialValueText(toQString(texts_[EditorTexts::FrameWidthOwn]));
    // A width of 1 is no bold frame: the arrows go from 0 straight to 2 and back.
    connect(frameWidth_, &QSpinBox::valueChanged, this, [this](int width) {
        if (width > 0 && width < AccessSettings::kThinnestFrame) {
            frameWidth_->setValue(lastFrameWidth_ == 0 ? AccessSettings::kThinnestFrame : 0);
            return;
        }
        lastFrameWidth_ = width;
        frameColour_->setEnabled(width > 0);
    });
    addRow(grid, EditorTexts::FrameWidthLabel, frameWidth_, EditorTexts::FrameWidthMeaning);

    frameColour_ = new QPushButton(toQString(texts_[EditorTexts::FrameColourChoose]), this);
    frameColour_->setObjectName(QStringLiteral("scanFrameColour"));
    connect(frameColour_, &QPushButton::clicked, this, &CSwitchSettingsDialog::chooseColour);
    addRow(grid, EditorTexts::FrameColourLabel, frameColour_, EditorTexts::FrameColourMeaning);
}

void CSwitchSettingsDialog::addOtherRows(QGridLayout& grid) {
    kioskLock_ = checkBox(this, QStringLiteral("kioskLock"));
    addRow(grid, EditorTexts::KioskLockLabel, kioskLock_, EditorTexts::KioskLockMeaning);
    log_ = checkBox(this, QStringLiteral("log"));
    addRow(grid, EditorTexts::LogLabel, log_, EditorTexts::LogMeaning);

    firstButton_ = spinBox(this, QStringLiteral("controllerFirstButton"),
                           AccessSettings::kLargestControllerButton);
    addRow(grid, EditorTexts::ControllerButtonLabel, firstButton_,
           EditorTexts::ControllerButtonMeaning);
}

QDialogButtonBox* CSwitchSettingsDialog::okAndCancel() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(toQString(texts_[EditorTexts::OkButton]));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(toQString(texts_[EditorTexts::CancelButton]));
    connect(buttons, &QDialogButtonBox::accepted, this, &CSwitchSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSwitchSettingsDialog::reject);
    return buttons;
}

CSwitchSettingsDialog::~CSwitchSettingsDialog() = default;

void CSwitchSettingsDialog::addRow(QGridLayout& grid, EditorTexts::Text name, QWidget* control,
                                   EditorTexts::Text meaning) {
    const int row = grid.rowCount();
    auto* label = new QLabel(toQString(texts_[name]), this);
    label->setBuddy(control);
    auto* explanation = new QLabel(toQString(texts_[meaning]), this);
    explanation->setWordWrap(true);
    explanation->setContentsMargins(0, 0, 0, 6);
    // A wrapped label's height follows its width, which the grid does not ask for: it gets the
    // height of its narrowest wrapping, so no line is cut off.
    explanation->setMinimumWidth(kMeaningWidth);
    explanation->setMinimumHeight(explanation->heightForWidth(kMeaningWidth));
    explanation->setForegroundRole(QPalette::PlaceholderText);
    grid.addWidget(label, row, 0);
    grid.addWidget(control, row, 1, Qt::AlignLeft);
    grid.addWidget(explanation, row + 1, 0, 1, 2);
}

void CSwitchSettingsDialog::showSettings(const AccessSettings& settings) {
    cue_->setCurrentIndex(settings.scanCue);
    rounds_->setValue(settings.scanRounds);
    frameWidth_->setValue(settings.scanFrameWidth);
    frameColour_->setEnabled(settings.scanFrameWidth > 0);
    colour_ = settings.scanFrameColour;
    showColour();
    kioskLock_->setChecked(settings.kioskLock);
    log_->setChecked(settings.log);
    firstButton_->setValue(settings.controllerFirstButton);
    timing_->show(settings);
}

AccessSettings CSwitchSettingsDialog::shown() const {
    AccessSettings settings;
    settings.scanCue = cue_->currentIndex();
    settings.scanRounds = rounds_->value();
    settings.scanFrameWidth = frameWidth_->value();
    settings.scanFrameColour = colour_;
    settings.kioskLock = kioskLock_->isChecked();
    settings.log = log_->isChecked();
    settings.controllerFirstButton = firstButton_->value();
    timing_->putInto(settings);
    return settings;
}

void CSwitchSettingsDialog::showColour() {
    QPixmap swatch(24, 16);
    swatch.fill(QColor::fromRgba(colour_));
    frameColour_->setIcon(QIcon(swatch));
}

void CSwitchSettingsDialog::chooseColour() {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgba(colour_), this,
                                                 toQString(texts_[EditorTexts::FrameColourLabel]));
    if (chosen.isValid()) {
        colour_ = chosen.rgba();
        showColour();
    }
}

void CSwitchSettingsDialog::pollControllers() {
    if (!controllers_) {
        return;
    }
    for (int button : controllers_->takePresses()) {
        test_->controllerPressed(button, firstButton_->value());
    }
}

void CSwitchSettingsDialog::accept() {
    std::uint32_t error = 0;
    if (!writeAccessSettings(files_, shown(), error)) {
        tell_(toQString(fillIn(texts_[EditorTexts::SwitchSettingsSaveFailed],
                               {std::u16string_view(u"options/access.opt"),
                                CFileErrorText::writeFailureCause(texts_, error)})));
        return;
    }
    QDialog::accept();
}

void CSwitchSettingsDialog::done(int result) {
    // The controllers are let go of as soon as the dialog closes, not when Qt deletes it.
    poll_.stop();
    controllers_.reset();
    QDialog::done(result);
}
