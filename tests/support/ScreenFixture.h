// SPDX-License-Identifier: GPL-3.0-or-later
// What every screen test starts from: the fake services over a content folder of its own, a
// recording drawing, the settings and the list written as the game's editors write them.
#pragma once

#include "ContentFiles.h"
#include "RecordingGraphics.h"
#include "TestServices.h"
#include "game/content/Options.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

// An exercise with the picture <name>.png, and the editor's "no colour" unless told.
inline ListItem exerciseItem(const std::string& name, std::int32_t colour = 16777215,
                             const std::string& sound = {}, const std::string& speech = {},
                             const std::string& text = {}) {
    return {name, name + ".png", sound, speech, text, std::to_string(colour)};
}

inline bool contains(const Calls& calls, const std::string& part) {
    return std::ranges::any_of(
        calls, [&](const std::string& call) { return call.find(part) != std::string::npos; });
}

class ScreenFixture : public ::testing::Test {
protected:
    ScreenFixture() {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
    }

    // The settings file: every setting at its default, then as `change` sets them.
    void writeSettings(const std::function<void(Options&)>& change) {
        Options options(test.files);
        options.setDefaultOptions();
        change(options);
        options.writeOptionsFile();
    }

    void writeList(const std::vector<ListItem>& items, const std::string& language = "English") {
        test.folder.write("data/" + language + "/vimo", listBytes(items));
    }

    // Begins `screen` as the factory's caller does, keeping what begin answered.
    void begin(Screen& screen) { begun = screen.begin(graphics, graphics, window); }

    // The screen S as the factory builds it, begun on settings written as `change` sets them.
    template <typename S> std::unique_ptr<S> started(const std::function<void(Options&)>& change) {
        writeSettings(change);
        auto screen = std::make_unique<S>(services);
        begin(*screen);
        return screen;
    }

    // The calls the next frame makes.
    Calls frame(Screen& screen) {
        graphics.calls.clear();
        screen.draw();
        return graphics.takeCalls();
    }

    // The sounds so far, forgetting them.
    Calls heard() { return std::exchange(test.sound.calls, {}); }

    // Presses and releases of the switch, a second apart: always past the key time.
    void press(Screen& screen, int times = 1) {
        for (int p = 0; p < times; ++p) {
            test.clock.advanceMilliseconds(1000);
            screen.keyDown(kKeySpace);
            screen.keyUp(kKeySpace);
        }
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
    int begun = -1;
};
