// SPDX-License-Identifier: GPL-3.0-or-later
// The key codes screens are handed: Windows virtual-key codes (Esc 27, Enter 13, Space 32,
// letters 65 to 90), whatever keyboard, switch interface or controller sent them. Named here are
// the keys the screens act on.
#pragma once

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
