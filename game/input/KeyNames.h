// SPDX-License-Identifier: GPL-3.0-or-later
// The names the session log gives keys that are none of the switches, so a therapist can see
// which key of a switch interface the child pressed. Keys are named as the SDL library names
// them, but for letters, which are written small as its key codes are ("x"): digits and
// punctuation by their character, "F5", "Keypad 1", "PageUp", "Left"...
#pragma once

#include <string>

// The name of a Windows virtual-key code as the screens are handed it; "#" and the code for one
// without a name.
std::string keyNameOf(int virtualKey);
