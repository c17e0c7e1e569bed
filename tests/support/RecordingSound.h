// SPDX-License-Identifier: GPL-3.0-or-later
// A sound sink for screen tests: it plays nothing and writes down every call in order, as text
// ("playOnce music\menu.wav", "stop", device commands as they were sent). It also keeps track of
// whether the shared channel would be playing: a started sound keeps the channel busy until the
// test lets it end, so a play-unless-busy request can be shown not to restart it.
#pragma once

#include "common/audio/Sound.h"
#include "common/text/Utf8.h"

#include <string>
#include <vector>

class RecordingSound : public Sound {
public:
    // Every call, in the order made (UTF-8, paths as given).
    std::vector<std::string> calls;
    // True while the shared channel plays; set by the play calls, cleared by stop. Tests may set
    // it themselves.
    bool sharedChannelBusy = false;
    // What sendCommand answers.
    int commandResult = 0;

    void stop() override {
        calls.push_back("stop");
        sharedChannelBusy = false;
    }
    void playOnce(std::u16string_view path) override { start("playOnce", path); }
    void playOnceUnlessBusy(std::u16string_view path) override {
        if (sharedChannelBusy) {
            calls.push_back("playOnceUnlessBusy " + toUtf8(path));
            return;
        }
        start("playOnceUnlessBusy", path);
    }
    void playLooping(std::u16string_view path) override { start("playLooping", path); }
    void playToEnd(std::u16string_view path) override {
        start("playToEnd", path);
        sharedChannelBusy = false;
    }
    bool playing() const override { return sharedChannelBusy; }
    int sendCommand(std::u16string_view command) override {
        calls.push_back(toUtf8(command));
        return commandResult;
    }

private:
    void start(const char* form, std::u16string_view path) {
        calls.push_back(form + (" " + toUtf8(path)));
        sharedChannelBusy = true;
    }
};
