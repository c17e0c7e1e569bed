// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/MovingPictureScreen.h"

#include "ActivityFixture.h"

#include <algorithm>
#include <set>

namespace {

struct Settings {
    int movie = 1;
    int speed = 50;
};

} // namespace

class MovingPictureScreenTest : public ActivityFixture {
protected:
    MovingPictureScreenTest() {
        setPictureSize(200, 100);
        for (const std::string file :
             {"images/e0.wav", "images/e1.wav", "images/e2.wav", "sounds/a.wav", "sounds/b.wav"}) {
            test.folder.write("sfx/" + file, "x");
        }
        writeList({exerciseItem("e0", 16777215, "e0.wav"), exerciseItem("e1", 16777215, "e1.wav"),
                   exerciseItem("e2", 16777215, "e2.wav")});
    }

    void setPictureSize(int width, int height) {
        for (const char16_t* name :
             {u"gfx\\images\\e0.png", u"gfx\\images\\e1.png", u"gfx\\images\\e2.png"}) {
            graphics.setImageSize(name, width, height);
        }
    }

    // Built and begun as the factory does it, on the settings given, the list in its order;
    // then one turn standing still.
    std::unique_ptr<MovingPictureScreen> makeScreen(const Settings& settings = {}) {
        writeSettings([&](Options& options) {
            options.movie = settings.movie;
            options.speedGame6 = settings.speed;
            options.musicOn[MovingPictureId] = 0;
            options.random[MovingPictureId] = 0;
        });
        auto screen = std::make_unique<MovingPictureScreen>(services);
        begin(*screen);
        screen->update();
        return screen;
    }

    // Turns of the loop, `ms` apart.
    void turns(MovingPictureScreen& screen, int count, std::uint32_t ms = 100) {
        for (int n = 0; n < count; ++n) {
            test.clock.advanceMilliseconds(ms);
            screen.update();
        }
    }

    // A press and release (with `movie` 1 enough to send the picture off), then turns until the
    // next exercise has started; the number of turns, or 0 when it never does.
    int pressAndWaitForTheNext(MovingPictureScreen& screen) {
        screen.keyDown(kKeySpace);
        screen.keyUp(kKeySpace);
        // Each exercise starts by silencing the last one's sound.
        const auto started = [this] { return std::ranges::count(test.sound.calls, "stop"); };
        const auto before = started();
        for (int n = 1; n <= 2000; ++n) {
            turns(screen, 1);
            if (started() != before) {
                return n;
            }
        }
        return 0;
    }

    // The name of the exercise picture the next frame shows.
    std::string pictureShown(MovingPictureScreen& screen) {
        for (const std::string& call : frame(screen)) {
            if (call.rfind("image gfx\\images\\", 0) == 0) {
                return call.substr(17, call.find(".png") - 17);
            }
        }
        return {};
    }
};

// Up, right, down, left, then from the lower left, lower right, upper right and upper left
// corners, each once before any repeats. A strip of 0.15 of the width shows at the start, a corner
// twice as deep and 4/3 as wide; a picture larger than the screen starts between a negative bound
// and 0, a missing one is an invisible point that still crosses the whole screen. The speed
// setting gives pixels a second, more across on a diagonal.
TEST_F(MovingPictureScreenTest, EachDirectionStartsAtItsEdgeMovesAtTheSpeedAndComesOnce) {
    struct Start {
        float xFrom, xTo, yFrom, yTo; // equal ends for a fixed place
    };
    const std::pair<int, int> sizes[3] = {{200, 100}, {1000, 700}, {0, 0}};
    struct Direction {
        float across, down;
        Start starts[3]; // by size
    };
    const Direction directions[8] = {
        {0, -1, {{0, 600, 570, 570}, {-200, 0, 450, 450}, {0, 800, 600, 600}}},
        {1, 0, {{-170, -170, 0, 500}, {-850, -850, -100, 0}, {0, 0, 0, 600}}},
        {0, 1, {{0, 600, -70, -70}, {-200, 0, -550, -550}, {0, 800, 0, 0}}},
        {-1, 0, {{770, 770, 0, 500}, {650, 650, -100, 0}, {800, 800, 0, 600}}},
        {1, -1, {{-120, -120, 540, 540}, {-600, -600, 300, 300}, {0, 0, 600, 600}}},
        {-1, -1, {{720, 720, 540, 540}, {400, 400, 300, 300}, {800, 800, 600, 600}}},
        {-1, 1, {{720, 720, -40, -40}, {400, 400, -400, -400}, {800, 800, 0, 0}}},
        {1, 1, {{-120, -120, -40, -40}, {-600, -600, -400, -400}, {0, 0, 0, 0}}},
    };
    struct Case {
        std::size_t size;
        int speed;
        float straight, across; // across on a diagonal, while up or down goes at `straight`
    };
    // The last two are what a hand-edited file might hold: they take the usual speed, since no
    // speed would divide by zero and a huge one stand still.
    const Case cases[] = {
        {1, 25, 200, 266}, {2, 75, 65, 86}, {0, 0, 100, 133}, {0, 5000, 100, 133}};
    const auto sign = [](float v) { return v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f); };
    for (const Case& c : cases) {
        const auto [width, height] = sizes[c.size];
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + ", speed " +
                     std::to_string(c.speed));
        setPictureSize(width, height);
        auto screen = makeScreen({.speed = c.speed});
        const Picture& picture = screen->movingPicture();
        std::vector<long> order;
        for (std::uint32_t n = 0; n < 16; ++n) {
            turns(*screen, 5); // without a press the picture waits
            const auto* d = std::ranges::find(
                directions, std::pair{sign(picture.velocityX), sign(picture.velocityY)},
                [](const Direction& each) {
                    return std::pair{each.across, each.down};
                });
            ASSERT_NE(d, std::end(directions));
            order.push_back(d - std::begin(directions));
            SCOPED_TRACE("direction " + std::to_string(order.back()));
            EXPECT_EQ(picture.velocityX, d->across * (d->down != 0 ? c.across : c.straight));
            EXPECT_EQ(picture.velocityY, d->down * c.straight);
            const Start& start = d->starts[c.size];
            // Within the start's ends.
            EXPECT_EQ(picture.x, std::clamp(picture.x, start.xFrom - 0.01f, start.xTo + 0.01f));
            EXPECT_EQ(picture.y, std::clamp(picture.y, start.yFrom - 0.01f, start.yTo + 0.01f));
            // Each exercise seeds the generator from the wall clock: let the seconds differ.
            test.clock.setWallSeconds(1'800'000'000 + n * 7919);
            ASSERT_NE(pressAndWaitForTheNext(*screen), 0);
        }
        EXPECT_EQ(std::set<long>(order.begin(), order.begin() + 8).size(), 8u);
        EXPECT_EQ(std::set<long>(order.begin() + 8, order.end()).size(), 8u);
    }
}

TEST_F(MovingPictureScreenTest, HeldItMovesWithItsSoundReleasedItStandsAndGoesOnWithoutAJump) {
    auto screen = makeScreen({.movie = 0});
    const Picture& picture = screen->movingPicture();
    const auto at = [&] { return std::make_pair(picture.x, picture.y); };
    const auto travelled = [&, start = at()](float seconds) {
        return std::make_pair(start.first + picture.velocityX * seconds,
                              start.second + picture.velocityY * seconds);
    };
    test.sound.calls.clear();
    screen->keyDown(kKeySpace);
    turns(*screen, 10);
    const auto moved = at();
    EXPECT_NEAR(moved.first, travelled(1.0f).first, 0.01f);
    EXPECT_NEAR(moved.second, travelled(1.0f).second, 0.01f);
    // Asked for every turn, the sound starts again only once the channel is free.
    EXPECT_EQ(test.sound.calls, Calls(10, "playOnceUnlessBusy sfx\\images\\e1.wav"));
    EXPECT_TRUE(test.sound.sharedChannelBusy);

    screen->keyUp(kKeySpace);
    EXPECT_FALSE(test.sound.sharedChannelBusy);
    test.sound.calls.clear();
    turns(*screen, 50);
    EXPECT_EQ(at(), moved);
    EXPECT_TRUE(test.sound.calls.empty());

    // Five seconds standing are not made up for: a tenth of a second moves a tenth.
    screen->mouseDown(400, 300);
    turns(*screen, 1);
    EXPECT_NEAR(picture.x, travelled(1.1f).first, 0.01f);
    EXPECT_NEAR(picture.y, travelled(1.1f).second, 0.01f);
    EXPECT_EQ(test.sound.calls, Calls{"playOnceUnlessBusy sfx\\images\\e1.wav"});

    // A switch still held when the next exercise comes must be let go first.
    for (int n = 0; n < 2000 && pictureShown(*screen) == "e1"; ++n) {
        screen->keyDown(kKeySpace); // auto-repeat
        turns(*screen, 1);
    }
    ASSERT_EQ(pictureShown(*screen), "e2");
    const auto next = at();
    for (int n = 0; n < 20; ++n) {
        screen->keyDown(kKeySpace);
        turns(*screen, 1);
    }
    EXPECT_EQ(at(), next);
    screen->mouseUp(400, 300);
    screen->keyDown(kKeySpace);
    turns(*screen, 1);
    EXPECT_NE(at(), next);
}

TEST_F(MovingPictureScreenTest, TheListBeginsAtItsSecondExerciseAndMissingSoundsFallBack) {
    writeList({exerciseItem("e0", 16777215, "e0.wav"), exerciseItem("e1", 16777215, "gone.wav"),
               exerciseItem("e2")});
    auto screen = makeScreen();
    std::string pictures;
    std::vector<std::u16string> sounds;
    for (int n = 0; n < 4; ++n) {
        pictures += pictureShown(*screen) + " ";
        sounds.push_back(screen->soundPath());
        // With `movie` one press carries the picture off: at least 640 pixels at 100 a second.
        ASSERT_GE(pressAndWaitForTheNext(*screen), 64);
    }
    EXPECT_EQ(pictures, "e1 e2 e0 e1 ");
    // The fallbacks come in shuffled order, each once before any repeats.
    const std::set<std::u16string> fallbacks{u"sfx\\sounds\\a.wav", u"sfx\\sounds\\b.wav"};
    EXPECT_EQ((std::set<std::u16string>{sounds[0], sounds[1]}), fallbacks);
    EXPECT_EQ(sounds[2], u"sfx\\images\\e0.wav");
    EXPECT_EQ(fallbacks.count(sounds[3]), 1u);

    // With nothing to fall back on, the picture moves in silence.
    std::filesystem::remove_all(test.folder.path() / "sfx/sounds");
    auto silent = makeScreen({.movie = 0});
    EXPECT_TRUE(silent->soundPath().empty());
    const Picture& picture = silent->movingPicture();
    const std::pair<float, float> start{picture.x, picture.y};
    test.sound.calls.clear();
    silent->keyDown(kKeySpace);
    turns(*silent, 1);
    EXPECT_NE(std::make_pair(picture.x, picture.y), start);
    EXPECT_TRUE(test.sound.calls.empty());
}

// The moving picture is drawn at its own size, so a portrait, a landscape and a 4:3 picture all
// keep their shape.
TEST_F(MovingPictureScreenTest, ThePictureMovesAtItsOwnSizeWhateverItsShape) {
    for (const auto& [width, height] : {std::pair{300, 800}, {1600, 900}, {400, 300}}) {
        setPictureSize(width, height);
        auto screen = makeScreen();
        const Picture& picture = screen->movingPicture();
        EXPECT_EQ(picture.width, static_cast<float>(width));
        EXPECT_EQ(picture.height, static_cast<float>(height));
        const Calls calls = frame(*screen);
        const std::string drawn = "image gfx\\images\\e1.png at " +
                                  std::to_string(static_cast<int>(picture.x)) + "," +
                                  std::to_string(static_cast<int>(picture.y));
        EXPECT_NE(std::find(calls.begin(), calls.end(), drawn), calls.end()) << width;
    }
}
