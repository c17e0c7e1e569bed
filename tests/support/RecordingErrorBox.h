// SPDX-License-Identifier: GPL-3.0-or-later
// An error box for screen tests: it records each message instead of showing it.
#pragma once

#include "game/platform/ErrorBox.h"

#include <string>
#include <vector>

class RecordingErrorBox : public ErrorBox {
public:
    struct Message {
        std::u16string text;
        std::u16string caption;
    };
    void showError(std::u16string_view text, std::u16string_view caption) override {
        messages.push_back({std::u16string(text), std::u16string(caption)});
    }
    std::vector<Message> messages;
};
