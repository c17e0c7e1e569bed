#include "game/shell/MenuScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <algorithm>
#include <gtest/gtest.h>

using Points = std::vector<std::pair<int, int>>;
using Calls = std::vector<std::string>;

class MenuScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\menu\\selFrame.png", 272, 207);
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
        graphics.setImageSize(u"gfx\\buttons\\options.png", 60, 60);
        for (char16_t n = u'1'; n <= u'6'; ++n) {
            graphics.setImageSize(u"gfx\\menu\\game0" + std::u16string(1, n) + u".png", 260, 195);
        }
    }

    // A menu built and begun as the factory does it, with settings written to the folder first.
    std::unique_ptr<MenuScreen> makeMenu(int oneContact = 0, int scanTime = 3, int music = 1) {
        {
            Options options(test.files);
            options.oneContact = oneContact;
            options.scanTime = scanTime;
            options.musicOn[0] = music;
            options.writeOptionsFile();
        }
        auto menu = std::make_unique<MenuScreen>(services);
        menu->begin(graphics, graphics, window);
        test.pointer.screen = menu.get();
        return menu;
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
};

TEST_F(MenuScreenTest, LaysOutTwoRowsOfThreeThatReactAcrossTheirWholeSetSize) {
    auto menu = makeMenu();
    const Points corners = {{7, 100}, {269, 100}, {531, 100}, {7, 350}, {269, 350}, {531, 350}};
    ASSERT_EQ(menu->activityPictures().size(), 6u);
    for (std::size_t i = 0; i < corners.size(); ++i) {
        EXPECT_EQ(menu->activityPictures()[i].x, corners[i].first);
        EXPECT_EQ(menu->activityPictures()[i].y, corners[i].second);
    }
    struct Case {
        int x;
        int y;
        ScreenId id;
    };
    const Case cases[] = {
        {267, 200, RingsId},          // the shared edge belongs to activity 1
        {268, 200, Stay},             // the gap between two pictures
        {269, 100, ShapesId},         {791, 545, MovingPictureId},
        {400, 320, Stay},             // between the rows
        {20, 20, Quit},               // the stop button
        {100, 30, OptionsId},         // the options button
        {7, 350, PaintId},            {790, 295, FindImagesId},
    };
    for (const Case& c : cases) {
        auto fresh = makeMenu();
        fresh->mouseDown(c.x, c.y);
        EXPECT_EQ(fresh->update(), c.id) << c.x << "," << c.y;
    }
}

TEST_F(MenuScreenTest, OneSwitchScansThroughTheSixPicturesAndTheStopButtonEveryScanTime) {
    auto menu = makeMenu(1, 3);
    // Turns a millisecond apart, as the loop runs them.
    std::vector<std::uint32_t> stepTimes;
    const std::uint32_t start = test.clock.milliseconds();
    for (int turn = 0; turn < 24'100; ++turn) {
        test.clock.advanceMilliseconds(1);
        const std::size_t before = test.pointer.moves.size();
        menu->update();
        if (test.pointer.moves.size() != before) {
            stepTimes.push_back(test.clock.milliseconds() - start);
        }
    }
    // Three seconds exactly is not yet later than the step time: each step comes a moment after.
    EXPECT_EQ(stepTimes, (std::vector<std::uint32_t>{3001, 6002, 9003, 12004, 15005, 18006,
                                                     21007, 24008}));
    EXPECT_EQ(test.pointer.moves, (Points{{137, 197}, {399, 197}, {661, 197}, {137, 447},
                                          {399, 447}, {661, 447}, {40, 40}, {137, 197}}));
    // One switch then selects where the scanning is.
    menu->keyDown(kKeyEnter);
    EXPECT_EQ(test.pointer.presses, (Points{{137, 197}}));
    EXPECT_EQ(menu->update(), RingsId);
}

TEST_F(MenuScreenTest, TwoSwitchesStepWithSpaceAndSelectWithEnter) {
    auto menu = makeMenu(0);
    test.clock.advanceMilliseconds(60'000);
    menu->update();
    EXPECT_TRUE(test.pointer.moves.empty()); // no scanning by itself with two switches
    menu->keyDown(kKeyEnter);                // before any step: the first picture
    EXPECT_EQ(test.pointer.presses, (Points{{137, 197}}));

    auto second = makeMenu(0);
    second->keyDown(kKeySpace);
    second->keyDown(kKeySpace);
    second->keyDown(kKeyEnter);
    EXPECT_EQ(test.pointer.presses.back(), (std::pair<int, int>{399, 197}));
    EXPECT_EQ(second->update(), ShapesId);

    auto third = makeMenu(1);
    third->keyDown(kKeyEscape); // Esc quits whatever the switch setup
    EXPECT_EQ(third->update(), Quit);
}

TEST_F(MenuScreenTest, TheSelectionFrameFollowsThePointerCentredOnThePicture) {
    auto menu = makeMenu();
    graphics.calls.clear();
    menu->draw();
    Calls frame = graphics.calls;
    EXPECT_EQ(frame.front(), "clear ff2236aa");
    EXPECT_EQ(std::count(frame.begin(), frame.end(), "image gfx\\menu\\selFrame.png at 1,94"), 0);

    menu->keyDown(kKeySpace);
    test.pointer.deliverMoves(); // the move arrives in a later turn
    graphics.calls.clear();
    menu->draw();
    frame = graphics.calls;
    // Centred on the picture's centre (137, 197.5): 137 - 272 / 2 = 1, 197.5 - 207 / 2 = 94.
    EXPECT_EQ(std::count(frame.begin(), frame.end(), "image gfx\\menu\\selFrame.png at 1,94"), 1);
    EXPECT_EQ(frame.back(), "image window in 0,0 800x600");
}

TEST_F(MenuScreenTest, PlaysItsMusicWhenAllowedAndStopsItsSoundWhenItGoes) {
    makeMenu(0, 3, 1).reset();
    EXPECT_EQ(test.sound.calls, (Calls{"playOnce music\\menu.wav", "stop"}));
    test.sound.calls.clear();
    makeMenu(0, 3, 0).reset();
    EXPECT_EQ(test.sound.calls, (Calls{"stop"}));
}
