// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyNames.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct NamedKey {
    int code;
    std::string_view name;
};

// The keys the platform back end hands on that are not letters, digits or function keys.
constexpr std::array<NamedKey, 43> kNamedKeys = {{
    {0x08, "Backspace"}, {0x09, "Tab"},      {0x0D, "Return"},      {0x10, "Shift"},
    {0x11, "Ctrl"},      {0x12, "Alt"},      {0x13, "Pause"},       {0x14, "CapsLock"},
    {0x1B, "Escape"},    {0x20, "Space"},    {0x21, "PageUp"},      {0x22, "PageDown"},
    {0x23, "End"},       {0x24, "Home"},     {0x25, "Left"},        {0x26, "Up"},
    {0x27, "Right"},     {0x28, "Down"},     {0x2C, "PrintScreen"}, {0x2D, "Insert"},
    {0x2E, "Delete"},    {0x5B, "Left GUI"}, {0x5C, "Right GUI"},   {0x5D, "Application"},
    {0x6A, "Keypad *"},  {0x6B, "Keypad +"}, {0x6D, "Keypad -"},    {0x6E, "Keypad ."},
    {0x6F, "Keypad /"},  {0x90, "Numlock"},  {0x91, "ScrollLock"},  {0xBA, ";"},
    {0xBB, "="},         {0xBC, ","},        {0xBD, "-"},           {0xBE, "."},
    {0xBF, "/"},         {0xC0, "`"},        {0xDB, "["},           {0xDC, "\\"},
    {0xDD, "]"},         {0xDE, "'"},        {0xE2, "\\"},
}};

constexpr int kKeypadZero = 0x60;
constexpr int kFunctionOne = 0x70;
constexpr int kFunctionKeys = 24;

} // namespace

std::string keyNameOf(int key) {
    if (key >= 'A' && key <= 'Z') {
        return std::string(1, static_cast<char>(key - 'A' + 'a'));
    }
    if (key >= '0' && key <= '9') {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= kKeypadZero && key <= kKeypadZero + 9) {
        return "Keypad " + std::to_string(key - kKeypadZero);
    }
    if (key >= kFunctionOne && key < kFunctionOne + kFunctionKeys) {
        return "F" + std::to_string(key - kFunctionOne + 1);
    }
    const auto named = std::find_if(kNamedKeys.begin(), kNamedKeys.end(),
                                    [key](const NamedKey& entry) { return entry.code == key; });
    return named != kNamedKeys.end() ? std::string(named->name) : "#" + std::to_string(key);
}
