// SPDX-License-Identifier: GPL-3.0-or-later
// The switch settings dialog's rows for the switch timing a therapist fits to a child's body: how
// long a press is held before it counts, acting on release, repeats passed over, the scan's own
// step and its extra time on the first target, scanning that waits for a press or for the cue,
// and the lock's hold time. Times are kept in milliseconds and shown as seconds with one decimal.
#pragma once

#include "common/content/AccessSettings.h"
#include "editor/texts/EditorTexts.h"

#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QWidget;

class CSwitchTimingRows {
public:
    // Adds one setting's row: its name, its control and its meaning.
    using AddRow =
        std::function<void(EditorTexts::Text name, QWidget* control, EditorTexts::Text meaning)>;

    // Makes the controls as children of `parent` and hands each to `addRow`, in order.
    CSwitchTimingRows(const EditorTexts& texts, QWidget* parent, const AddRow& addRow);

    void show(const AccessSettings& settings);
    // Puts the timing settings as the controls show them into `settings`.
    void putInto(AccessSettings& settings) const;

    // Milliseconds as the spin boxes' seconds, and back, to the nearest millisecond.
    static double secondsOf(int milliseconds);
    static int millisecondsOf(double seconds);

private:
    // A time in seconds; a time it was shown with comes back as it was while the box still shows
    // it, so a value set by hand finer than a tenth of a second survives OK.
    struct TimeBox {
        QDoubleSpinBox* box = nullptr;
        int shownMilliseconds = 0;
        double shownSeconds = 0;
        void show(int milliseconds);
        int milliseconds() const;
    };

    TimeBox timeBox(QWidget* parent, const char* name, int shortest, int longest) const;
    // Keeps the scan step out of the gap between 0 and the shortest step, as the arrows pass it.
    void skipScanTimeGap(double seconds);

    const EditorTexts& texts_;
    TimeBox acceptTime_;
    QCheckBox* actOnRelease_ = nullptr;
    TimeBox ignoreRepeatTime_;
    TimeBox scanTime_;
    TimeBox firstItemDelay_;
    QCheckBox* scanStartsOnPress_ = nullptr;
    QCheckBox* waitForCue_ = nullptr;
    TimeBox lockHoldTime_;
    double lastScanTime_ = 0;
};
