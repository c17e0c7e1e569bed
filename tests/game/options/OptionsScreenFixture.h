// SPDX-License-Identifier: GPL-3.0-or-later
// An options screen over a content folder of the test's own, with the fakes of the screen tests
// and the picture sizes of the demo content: frame.png 234 x 100, so the first row of boxes
// stands at x 24, 282 and 540, y 250, the second row at y 410.
#pragma once

#include "RecordingGraphics.h"
#include "SettingsRecord.h"
#include "TestServices.h"
#include "common/text/Utf8.h"
#include "game/options/OptionsScreen.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using Calls = std::vector<std::string>;

class OptionsScreenFixture : public ::testing::Test {
protected:
    OptionsScreenFixture() {
        test.folder.makeFolder("options");
        // The sizes of the demo content's pictures, the pictures of one size together.
        const std::tuple<int, int, const char*> sizes[] = {
            {234, 100, "options\\frame"},
            {112, 87, "options\\selectedFrame"},
            {800, 600, "options\\about"},
            {60, 60, "buttons\\stop buttons\\reset buttons\\about"},
            {64, 64,
             "options\\offCross buttons\\musicOn buttons\\soundOn options\\random "
             "options\\ordered options\\useStop options\\useEsc buttons\\scanTime "
             "buttons\\keyTime options\\findPause"},
            {120, 64, "buttons\\oneContact"},
            {134, 64, "buttons\\twoContacts options\\speed0 options\\speed1 options\\speed2"},
            {88, 64,
             "options\\numPatterns1 options\\numPatterns2 options\\numPatterns4 "
             "options\\numPatterns8 options\\numFinds2 options\\numFinds3 options\\numFinds4"},
            {96, 64, "options\\speechOn options\\speechOff options\\textOn options\\textOff"},
            {56, 34, "options\\capsOn options\\capsOff"},
            {150, 64,
             "options\\contactMode0 options\\contactMode1 options\\contactMode2 options\\movie"},
            {100, 75,
             "menu\\game00s menu\\game01s menu\\game02s menu\\game03s menu\\game04s "
             "menu\\game05s menu\\game06s"},
        };
        for (const auto& [width, height, names] : sizes) {
            std::istringstream list(names);
            for (std::string name; list >> name;) {
                graphics.setImageSize(fromUtf8("gfx\\" + name + ".png"), width, height);
            }
        }
        // Three lists, and help lines "Help 1" to "Help 22".
        for (const char* name : {"a", "b", "c"}) {
            test.folder.write(std::string("data/English/") + name, "");
        }
        std::string help = "\xEF\xBB\xBF";
        for (int k = 1; k <= 22; ++k) {
            help += "Help " + std::to_string(k) + "\r\n";
        }
        test.folder.write("data/English/Options/options.txt", help);
    }

    // Writes the settings (the defaults, changed by `adjust`) and builds and begins a screen on
    // them, as the screen factory does.
    std::unique_ptr<OptionsScreen> makeScreen(const std::function<void(Options&)>& adjust = {}) {
        {
            Options options(test.files);
            options.setDefaultOptions();
            if (adjust) {
                adjust(options);
            }
            options.writeOptionsFile();
        }
        auto screen = std::make_unique<OptionsScreen>(services);
        screen->begin(graphics, graphics, window);
        screen->update();
        return screen;
    }

    static void pressOn(OptionsScreen& screen, const Picture& picture) {
        screen.mouseDown(static_cast<int>(picture.centreX()), static_cast<int>(picture.centreY()));
        screen.update();
    }

    static void chooseTab(OptionsScreen& screen, int tab) {
        pressOn(screen, screen.layout().tabs.at(static_cast<std::size_t>(tab)));
    }

    // The calls of one drawn frame.
    Calls frame(OptionsScreen& screen) {
        graphics.calls.clear();
        screen.update();
        screen.draw();
        return graphics.takeCalls();
    }

    static bool has(const Calls& calls, const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    // How many calls mention `part`.
    static std::ptrdiff_t countOf(const Calls& calls, const std::string& part) {
        return std::count_if(calls.begin(), calls.end(),
                             [&](const std::string& c) { return c.find(part) != c.npos; });
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
};
