// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/activities/MovingPictureScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using Calls = std::vector<std::string>;

namespace {

struct Settings {
    int movie = 1;
    int speed = 50;
    int useStop = 0;
    int musicOn = 0;
    std::uint32_t background = 0xFF3FCEFD;
};

// The six lines of one exercise: name, image, sound, speech, text, colour.
std::string exercise(const std::string& name, const std::string& sound,
                     std::int32_t colour = 16777215) {
    return name + "\r\n" + name + ".png\r\n" + sound + "\r\n\r\n\r\n" + std::to_string(colour) +
           "\r\n";
}

} // namespace

class MovingPictureScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        test.folder.makeFolder("options");
        graphics.setImageSize(u"gfx\\buttons\\stop.png", 60, 60);
        setPictureSize(200, 100);
        for (const std::string file :
             {"images/e0.wav", "images/e1.wav", "images/e2.wav", "sounds/a.wav", "sounds/b.wav"}) {
            test.folder.write("sfx/" + file, "x");
        }
        writeList(exercise("e0", "e0.wav") + exercise("e1", "e1.wav") + exercise("e2", "e2.wav"));
    }

    void writeList(const std::string& text) { test.folder.write("data/English/vimo", text); }
    void setPictureSize(int width, int height) {
        for (const char16_t* name :
             {u"gfx\\images\\e0.png", u"gfx\\images\\e1.png", u"gfx\\images\\e2.png"}) {
            graphics.setImageSize(name, width, height);
        }
    }

    // Built and begun as the factory does it, on the settings given, the list in its order;
    // then one turn standing still.
    std::unique_ptr<MovingPictureScreen> makeScreen(const Settings& settings = {}) {
        {
            Options options(test.files);
            options.movie = settings.movie;
            options.speedGame6 = settings.speed;
            options.useStop = settings.useStop;
            options.musicOn[MovingPictureId] = settings.musicOn;
            options.random[MovingPictureId] = 0;
            options.backgroundColour[MovingPictureId] = settings.background;
            options.writeOptionsFile();
        }
        auto screen = std::make_unique<MovingPictureScreen>(services);
        begun = screen->begin(graphics, graphics, window);
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

    // The next frame, all of it or only its exercise picture's name.
    Calls frame(MovingPictureScreen& screen) {
        graphics.calls.clear();
        screen.draw();
        return graphics.calls;
    }
    std::string pictureShown(MovingPictureScreen& screen) {
        for (const std::string& call : frame(screen)) {
            if (call.rfind("image gfx\\images\\", 0) == 0) {
                return call.substr(17, call.find(".png") - 17);
            }
        }
        return {};
    }

    TestServices test;
    ScreenServices services = test.services();
    RecordingGraphics graphics;
    RecordingGraphics::FakeImage window{"window", 800, 600};
    int begun = -1;
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
    // The last three are what a hand-edited file might hold: they take the usual speed, since no
    // speed would divide by zero and a huge one stand still.
    const Case cases[] = {{0, 50, 100, 133}, {1, 25, 200, 266}, {2, 75, 65, 86},
                          {0, 0, 100, 133},  {0, -5, 100, 133}, {0, 5000, 100, 133}};
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
    writeList(exercise("e0", "e0.wav") + exercise("e1", "gone.wav") + exercise("e2", ""));
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

// Esc and the stop button in use lead back to the menu; every key or press, on the stop button
// too, silences the start music, once. Leaving stops and closes it.
TEST_F(MovingPictureScreenTest, AnyFirstKeyOrPressSilencesTheMusicAndEscOrTheStopButtonLeave) {
    const Calls open = {"Open music\\intro6.wav ALIAS music\\intro6.wav TYPE Waveaudio wait",
                        "Seek music\\intro6.wav to 0", "Play music\\intro6.wav"};
    struct Case {
        int key; // 0: a press at (x, y)
        int useStop, x, y;
        NextScreen next;
    };
    const Case cases[] = {
        {kKeySpace, 0, 0, 0, Stay},    // the switch
        {kKeyEscape, 0, 0, 0, MenuId}, // Esc
        {0, 1, 70, 70, MenuId},        // the stop button's corner
        {0, 1, 71, 40, Stay},          // beside it
        {0, 0, 40, 40, Stay},          // where no stop button is shown
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + " at " + std::to_string(c.x));
        test.sound.calls.clear();
        auto screen = makeScreen({.useStop = c.useStop, .musicOn = 1});
        EXPECT_EQ(test.sound.calls, (Calls{"stop", open[0], open[1], open[2]}));
        test.sound.calls.clear();
        if (c.key == 0) {
            screen->mouseDown(c.x, c.y);
        } else {
            screen->keyDown(c.key);
        }
        screen->keyDown(kKeySpace); // sends nothing more
        EXPECT_EQ(test.sound.calls, Calls{"Stop music\\intro6.wav"});
        EXPECT_EQ(screen->update(), c.next);
        test.sound.calls.clear();
        screen.reset();
        EXPECT_EQ(test.sound.calls, (Calls{"stop", "Close music\\intro6.wav"}));
    }
    // Left before any press, the music stops and closes; without music there is none.
    makeScreen({.musicOn = 1}).reset();
    EXPECT_EQ(Calls(test.sound.calls.end() - 3, test.sound.calls.end()),
              (Calls{"stop", "Stop music\\intro6.wav", "Close music\\intro6.wav"}));
    test.sound.calls.clear();
    makeScreen().reset();
    EXPECT_EQ(test.sound.calls, (Calls{"stop", "stop"}));
}

TEST_F(MovingPictureScreenTest, TheFrameShowsTheBackgroundRuleThePictureAndTheStopButtonInUse) {
    writeList(exercise("e0", "e0.wav", -65536) + exercise("e1", "e1.wav") +
              exercise("e2", "e2.wav", -16711936));
    struct Case {
        std::uint32_t background;
        int useStop, exercisesLater;
        std::string clear;
    };
    const Case cases[] = {
        {0xFF3FCEFD, 0, 0, "clear ff3fcefd"},
        {0xFF808080, 1, 0, "clear ff808080"}, // grey: e1's colour, and it has none
        {0xFF808080, 0, 1, "clear ff00ff00"},
        {0xFF808080, 1, 2, "clear ffff0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exercisesLater);
        auto screen = makeScreen({.useStop = c.useStop, .background = c.background});
        for (int n = 0; n < c.exercisesLater; ++n) {
            ASSERT_NE(pressAndWaitForTheNext(*screen), 0);
        }
        const Picture& picture = screen->movingPicture();
        Calls expected = {c.clear, "image gfx\\images\\e" +
                                       std::to_string((1 + c.exercisesLater) % 3) + ".png at " +
                                       std::to_string(static_cast<int>(picture.x)) + "," +
                                       std::to_string(static_cast<int>(picture.y))};
        if (c.useStop == 1) {
            expected.push_back("image gfx\\buttons\\stop.png at 10,10");
        }
        expected.push_back("image window in 0,0 800x600");
        EXPECT_EQ(frame(*screen), expected);
    }
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

TEST_F(MovingPictureScreenTest, AMissingListSendsTheChildBackAndAnEmptyOneStaysUsable) {
    std::filesystem::remove(test.folder.path() / "data/English/vimo");
    auto missing = makeScreen();
    EXPECT_EQ(begun, 0);
    EXPECT_EQ(missing->update(), MenuId);
    ASSERT_EQ(test.errorBox.messages.size(), 1u);
    EXPECT_EQ(test.errorBox.messages[0].text, u"A list is missing: data\\English\\vimo");

    writeList("");
    auto empty = makeScreen({.useStop = 1, .background = 0xFF808080});
    EXPECT_EQ(begun, 1);
    test.sound.calls.clear();
    empty->keyDown(kKeySpace);
    turns(*empty, 100);
    EXPECT_TRUE(test.sound.calls.empty());
    EXPECT_EQ(frame(*empty), (Calls{"clear ff808080", "image gfx\\buttons\\stop.png at 10,10",
                                    "image window in 0,0 800x600"}));
    empty->keyDown(kKeyEscape);
    EXPECT_EQ(empty->update(), MenuId);
}
