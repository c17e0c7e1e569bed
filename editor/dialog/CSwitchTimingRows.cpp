// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSwitchTimingRows.h"

#include "editor/dialog/QtText.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <cmath>

namespace {

// A tenth of a second: the finest the boxes show and step.
constexpr double kStepSeconds = 0.1;

QCheckBox* checkBox(QWidget* parent, const char* name) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

double CSwitchTimingRows::secondsOf(int milliseconds) {
    return milliseconds / 1000.0;
}

int CSwitchTimingRows::millisecondsOf(double seconds) {
    return static_cast<int>(std::lround(seconds * 1000));
}

void CSwitchTimingRows::TimeBox::show(int milliseconds) {
    box->setValue(secondsOf(milliseconds));
    shownMilliseconds = milliseconds;
    shownSeconds = box->value();
}

int CSwitchTimingRows::TimeBox::milliseconds() const {
    return box->value() == shownSeconds ? shownMilliseconds : millisecondsOf(box->value());
}

CSwitchTimingRows::TimeBox CSwitchTimingRows::timeBox(QWidget* parent, const char* name,
                                                      int shortest, int longest) const {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(1);
    box->setSingleStep(kStepSeconds);
    box->setRange(secondsOf(shortest), secondsOf(longest));
    box->setSuffix(toQString(texts_[EditorTexts::SecondsSuffix]));
    if (shortest == 0) {
        box->setSpecialValueText(toQString(texts_[EditorTexts::TimeOff]));
    }
    return TimeBox{box};
}

CSwitchTimingRows::CSwitchTimingRows(const EditorTexts& texts, QWidget* parent,
                                     const AddRow& addRow)
    : texts_(texts) {
    acceptTime_ = timeBox(parent, "acceptTime", 0, AccessSettings::kLongestAcceptTime);
    addRow(EditorTexts::AcceptTimeLabel, acceptTime_.box, EditorTexts::AcceptTimeMeaning);
    actOnRelease_ = checkBox(parent, "actOnRelease");
    addRow(EditorTexts::ActOnReleaseLabel, actOnRelease_, EditorTexts::ActOnReleaseMeaning);
    ignoreRepeatTime_ =
        timeBox(parent, "ignoreRepeatTime", 0, AccessSettings::kLongestIgnoreRepeatTime);
    addRow(EditorTexts::IgnoreRepeatLabel, ignoreRepeatTime_.box, EditorTexts::IgnoreRepeatMeaning);

    scanTime_ = timeBox(parent, "scanTimeMs", 0, AccessSettings::kLongestScanTime);
    scanTime_.box->setSpecialValueText(toQString(texts_[EditorTexts::ScanTimeOfOptions]));
    QObject::connect(scanTime_.box, &QDoubleSpinBox::valueChanged, scanTime_.box,
                     [this](double seconds) { skipScanTimeGap(seconds); });
    addRow(EditorTexts::ScanTimeLabel, scanTime_.box, EditorTexts::ScanTimeMeaning);
    firstItemDelay_ = timeBox(parent, "firstItemDelay", 0, AccessSettings::kLongestFirstItemDelay);
    addRow(EditorTexts::FirstItemDelayLabel, firstItemDelay_.box,
           EditorTexts::FirstItemDelayMeaning);
    scanStartsOnPress_ = checkBox(parent, "scanStartsOnPress");
    addRow(EditorTexts::ScanStartsOnPressLabel, scanStartsOnPress_,
           EditorTexts::ScanStartsOnPressMeaning);
    waitForCue_ = checkBox(parent, "waitForCue");
    addRow(EditorTexts::WaitForCueLabel, waitForCue_, EditorTexts::WaitForCueMeaning);

    lockHoldTime_ = timeBox(parent, "lockHoldTime", AccessSettings::kShortestLockHoldTime,
                            AccessSettings::kLongestLockHoldTime);
    addRow(EditorTexts::LockHoldTimeLabel, lockHoldTime_.box, EditorTexts::LockHoldTimeMeaning);
}

void CSwitchTimingRows::skipScanTimeGap(double seconds) {
    const double shortest = secondsOf(AccessSettings::kShortestScanTime);
    if (seconds > 0 && seconds < shortest) {
        // Up from "as on the options screen" goes to the shortest step, down from it back.
        scanTime_.box->setValue(lastScanTime_ == 0 ? shortest : 0);
        return;
    }
    lastScanTime_ = seconds;
}

void CSwitchTimingRows::show(const AccessSettings& settings) {
    acceptTime_.show(settings.acceptTime);
    actOnRelease_->setChecked(settings.actOnRelease);
    ignoreRepeatTime_.show(settings.ignoreRepeatTime);
    scanTime_.show(settings.scanTimeMs);
    firstItemDelay_.show(settings.firstItemDelay);
    scanStartsOnPress_->setChecked(settings.scanStartsOnPress);
    waitForCue_->setChecked(settings.waitForCue);
    lockHoldTime_.show(settings.lockHoldTime);
}

void CSwitchTimingRows::putInto(AccessSettings& settings) const {
    settings.acceptTime = acceptTime_.milliseconds();
    settings.actOnRelease = actOnRelease_->isChecked();
    settings.ignoreRepeatTime = ignoreRepeatTime_.milliseconds();
    settings.scanTimeMs = scanTime_.milliseconds();
    settings.firstItemDelay = firstItemDelay_.milliseconds();
    settings.scanStartsOnPress = scanStartsOnPress_->isChecked();
    settings.waitForCue = waitForCue_->isChecked();
    settings.lockHoldTime = lockHoldTime_.milliseconds();
}
