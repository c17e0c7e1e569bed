// SPDX-License-Identifier: GPL-3.0-or-later
// What one press on an options control makes of a setting: each setting runs through its own
// cycle of values. Values read from the options file that lie outside a cycle either follow the
// same stepping rule or stay as they are, setting by setting, so a press never invents a value.
#pragma once

namespace SettingCycles {

// + 0.2 seconds, back to 0.2 above 1.1: 0.2, 0.4, 0.6, 0.8, 1.0, 0.2. A value that the step
// cannot move any more (far below zero, or not a number) also starts again at 0.2, so the
// control never goes dead.
float nextKeyTime(float keyTime);
// + 1 second, back to 1 above 5.
int nextScanTime(int scanTime);
// 1, 2, 4, 8, 1; any other number stays.
int nextNumPatterns(int numPatterns);
// + 1, back to 2 above 4.
int nextNumFinds(int numFinds);
// + 1 second, back to 2 above 10.
int nextFindPause(int findPause);
// 75, 50, 25, 75 (slow, medium, fast); any other number stays.
int nextSpeed(int speed);
// 10, 20, 30, 10; any other number stays.
int nextLineWidth(int lineWidth);
// + 1, back to 0 above 2.
int nextContactMode(int contactMode);
// On and off: the lowest bit inverted, whatever the other bits hold.
int toggled(int flag);

} // namespace SettingCycles
