// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/MovingPictureScreen.h"

#include "ScreenFixture.h"

#include <set>

class MovingPictureScreenTest : public ScreenFixture {
protected:
    MovingPictureScreenTest() {
        for (const std::string file : {"images/e0.wav", "images/e1.wav", "sounds/a.wav"}) {
            test.folder.write("sfx/" + file, "x");
        }
        writeList({exerciseItem("e0", 16777215, "e0.wav"), exerciseItem("e1", 16777215, "e1.wav"),
                   exerciseItem("e2", 16777215, "gone.wav")});
    }

    // Built and begun as the factory does it, the list in its order; then one turn standing
    // still.
    std::unique_ptr<MovingPictureScreen> makeScreen(int movie, int speed = 25) {
        auto screen = started<MovingPictureScreen>([&](Options& options) {
            options.movie = movie;
            options.speedGame6 = speed;
            options.musicOn[MovingPictureId] = 0;
            options.random[MovingPictureId] = 0;
        });
        turns(*screen, 1);
        return screen;
    }

    // The exercise whose picture the next frame draws.
    std::string shownPicture(MovingPictureScreen& screen) {
        for (const std::string& call : frame(screen)) {
            if (call.starts_with("image gfx\\images\\")) {
                return call.substr(0, call.find(".png"));
            }
        }
        return {};
    }

    // Turns of the loop, a tenth of a second apart.
    void turns(MovingPictureScreen& screen, int count) {
        for (int n = 0; n < count; ++n) {
            test.clock.advanceMilliseconds(100);
            screen.update();
        }
    }
};

// Up, right, down, left, then from the lower left, lower right, upper right and upper left
// corners, each once before any repeats, each starting at its edge. The speed setting s gives 5
// times the whole of 1000 / s pixels a second, more across on a diagonal; a setting outside 1 to
// 1000 counts as 50. In film mode one press carries the picture off. The list begins at its
// second exercise; a missing sound falls back on the sounds folder's.
TEST_F(MovingPictureScreenTest, EachDirectionStartsAtItsEdgeMovesAtTheSpeedAndComesOnce) {
    const std::pair<int, float> speeds[] = {{0, 100}, {1, 5000}, {1000, 5}, {1001, 100}};
    for (const auto& [speed, pixels] : speeds) {
        const auto each = makeScreen(1, speed);
        const Picture& p = each->movingPicture();
        EXPECT_EQ(std::abs(p.velocityY != 0 ? p.velocityY : p.velocityX), pixels) << speed;
    }
    const std::array<float, 6> directions[8] = {
        // across, down, and the ends of the start's x and y (of a picture of no size, a point)
        {0, -1, 0, 800, 600, 600}, {1, 0, 0, 0, 0, 600},    {0, 1, 0, 800, 0, 0},
        {-1, 0, 800, 800, 0, 600}, {1, -1, 0, 0, 600, 600}, {-1, -1, 800, 800, 600, 600},
        {-1, 1, 800, 800, 0, 0},   {1, 1, 0, 0, 0, 0},
    };
    const auto sign = [](float v) { return v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f); };
    auto screen = makeScreen(1);
    const Picture& picture = screen->movingPicture();
    std::vector<long> order;
    std::u16string sounds; // of the first four exercises
    for (std::uint32_t n = 0; n < 16; ++n) {
        sounds += n < 4 ? screen->soundPath() + u" " : u"";
        turns(*screen, 5); // without a press the picture waits
        const auto* d = std::ranges::find_if(directions, [&](const auto& each) {
            return each[0] == sign(picture.velocityX) && each[1] == sign(picture.velocityY);
        });
        ASSERT_NE(d, std::end(directions));
        order.push_back(d - std::begin(directions));
        EXPECT_EQ(picture.velocityX, (*d)[0] * ((*d)[1] != 0 ? 266 : 200));
        EXPECT_EQ(picture.velocityY, (*d)[1] * 200);
        EXPECT_EQ(picture.x, std::clamp(picture.x, (*d)[2] - 0.01f, (*d)[3] + 0.01f));
        EXPECT_EQ(picture.y, std::clamp(picture.y, (*d)[4] - 0.01f, (*d)[5] + 0.01f));
        // Each exercise seeds the generator from the wall clock: let the seconds differ.
        test.clock.setWallSeconds(1'800'000'000 + n * 7919);
        screen->keyDown(kKeySpace);
        screen->keyUp(kKeySpace);
        heard();
        int turn = 0; // until the next exercise starts, silencing the last one's sound
        while (++turn < 2000 && !contains(test.sound.calls, "stop")) {
            turns(*screen, 1);
        }
        ASSERT_GE(turn, 25) << "600 pixels at 200 a second";
        ASSERT_LT(turn, 2000);
    }
    EXPECT_EQ(std::set<long>(order.begin(), order.begin() + 8).size(), 8u);
    EXPECT_EQ(std::set<long>(order.begin() + 8, order.end()).size(), 8u);
    EXPECT_EQ(sounds,
              u"sfx\\images\\e1.wav sfx\\sounds\\a.wav sfx\\images\\e0.wav sfx\\images\\e1.wav ");
}

// Otherwise it moves only while held, asking for its sound every turn (which starts again only
// once the channel is free); released it stands silent.
TEST_F(MovingPictureScreenTest, HeldItMovesWithItsSoundReleasedItStandsAndGoesOnWithoutAJump) {
    auto screen = makeScreen(0);
    const Picture& picture = screen->movingPicture();
    const auto at = [&] { return std::make_pair(picture.x, picture.y); };
    const auto start = at();
    heard();
    screen->keyDown(kKeySpace);
    turns(*screen, 10);
    EXPECT_EQ(heard(), Calls(10, "playOnceUnlessBusy sfx\\images\\e1.wav"));
    screen->keyUp(kKeySpace);
    const auto moved = at();
    EXPECT_NE(moved, start);
    turns(*screen, 50);
    EXPECT_EQ(at(), moved);
    EXPECT_EQ(heard(), Calls{"stop"});

    // Standing is not made up for, however long the game slept before the press came: a tap of
    // a tenth of a second moves a tenth, and the display refresh the press moves at once.
    for (const std::uint32_t rest : {1u, 999u, 60'000u}) {
        const auto from = at();
        test.clock.advanceMilliseconds(rest); // asleep, without a turn
        screen->keyDown(kKeySpace);
        turns(*screen, 1);
        screen->keyUp(kKeySpace);
        EXPECT_NEAR(picture.x, from.first + picture.velocityX * 0.116f, 0.01f) << rest;
        EXPECT_NEAR(picture.y, from.second + picture.velocityY * 0.116f, 0.01f) << rest;
    }
    screen->mouseDown(400, 300);

    // A switch still held when the next exercise comes must be let go first.
    const std::string first = shownPicture(*screen);
    for (int n = 0; n < 2000 && shownPicture(*screen) == first; ++n) {
        screen->keyDown(kKeySpace); // auto-repeat
        turns(*screen, 1);
    }
    const auto next = at();
    screen->keyDown(kKeySpace);
    turns(*screen, 20);
    EXPECT_EQ(at(), next);
    screen->mouseUp(400, 300);
    screen->keyDown(kKeySpace);
    turns(*screen, 1);
    EXPECT_NE(at(), next);
}
