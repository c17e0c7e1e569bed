#include "game/activities/MovingPictureScreen.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <algorithm>
#include <cmath>
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

// Up, right, down, left, then the corners: up-right, up-left, down-left, down-right.
int directionOf(const Picture& picture) {
    const auto sign = [](float v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); };
    const std::pair<int, int> headings[8] = {{0, -1}, {1, 0},   {0, 1},  {-1, 0},
                                             {1, -1}, {-1, -1}, {-1, 1}, {1, 1}};
    return static_cast<int>(
        std::find(std::begin(headings), std::end(headings),
                  std::make_pair(sign(picture.velocityX), sign(picture.velocityY))) -
        std::begin(headings));
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

    // One turn of the loop, `ms` after the last.
    void turn(MovingPictureScreen& screen, std::uint32_t ms = 100) {
        test.clock.advanceMilliseconds(ms);
        screen.update();
    }

    // Each exercise starts by silencing the last one's sound.
    long exercisesStarted() const {
        return std::count(test.sound.calls.begin(), test.sound.calls.end(), "stop");
    }

    // A press and release (with `movie` 1 enough to send the picture off), then turns until the
    // next exercise has started; false when it never does.
    bool pressAndWaitForTheNext(MovingPictureScreen& screen) {
        screen.keyDown(kKeySpace);
        screen.keyUp(kKeySpace);
        const long before = exercisesStarted();
        for (int n = 0; n < 2000 && exercisesStarted() == before; ++n) {
            turn(screen);
        }
        return exercisesStarted() != before;
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

TEST_F(MovingPictureScreenTest, EachDirectionStartsAtItsEdgeMovesItsWayAndComesOnceBeforeRepeats) {
    struct Start {
        float xFrom, xTo, yFrom, yTo; // equal ends for a fixed place
    };
    struct Case {
        int width;
        int height;
        Start starts[8]; // by direction
    };
    const Case cases[] = {
        // A strip of 0.15 of the width shows (30 pixels); a corner 80 across and 60 deep.
        {200,
         100,
         {{0, 600, 570, 570},
          {-170, -170, 0, 500},
          {0, 600, -70, -70},
          {770, 770, 0, 500},
          {-120, -120, 540, 540},
          {720, 720, 540, 540},
          {720, 720, -40, -40},
          {-120, -120, -40, -40}}},
        // Larger than the screen: a negative bound, and the start lies between it and 0.
        {1000,
         700,
         {{-200, 0, 450, 450},
          {-850, -850, -100, 0},
          {-200, 0, -550, -550},
          {650, 650, -100, 0},
          {-600, -600, 300, 300},
          {400, 400, 300, 300},
          {400, 400, -400, -400},
          {-600, -600, -400, -400}}},
        // A missing picture: an invisible point that still crosses the whole screen.
        {0,
         0,
         {{0, 800, 600, 600},
          {0, 0, 0, 600},
          {0, 800, 0, 0},
          {800, 800, 0, 600},
          {0, 0, 600, 600},
          {800, 800, 600, 600},
          {800, 800, 0, 0},
          {0, 0, 0, 0}}},
    };
    // Pixels a second at the default speed: 100 straight, 133 across on a diagonal.
    const std::pair<float, float> velocities[8] = {{0, -100},   {100, 0},    {0, 100},
                                                   {-100, 0},   {133, -100}, {-133, -100},
                                                   {-133, 100}, {133, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        setPictureSize(c.width, c.height);
        auto screen = makeScreen();
        const Picture& picture = screen->movingPicture();
        std::vector<int> directions;
        for (std::uint32_t n = 0; n < 16; ++n) {
            const int k = directionOf(picture);
            ASSERT_LT(k, 8);
            SCOPED_TRACE("direction " + std::to_string(k));
            directions.push_back(k);
            const Start& start = c.starts[k];
            EXPECT_TRUE(picture.x >= start.xFrom - 0.01f && picture.x <= start.xTo + 0.01f)
                << picture.x;
            EXPECT_TRUE(picture.y >= start.yFrom - 0.01f && picture.y <= start.yTo + 0.01f)
                << picture.y;
            EXPECT_EQ(std::make_pair(picture.velocityX, picture.velocityY), velocities[k]);

            const float x = picture.x;
            const float y = picture.y;
            screen->keyDown(kKeySpace);
            turn(*screen, 500);
            EXPECT_NEAR(picture.x, x + velocities[k].first * 0.5f, 0.01f);
            EXPECT_NEAR(picture.y, y + velocities[k].second * 0.5f, 0.01f);
            // Each exercise seeds the generator from the wall clock: let the seconds differ.
            test.clock.setWallSeconds(1'800'000'000 + n * 7919);
            ASSERT_TRUE(pressAndWaitForTheNext(*screen));
        }
        EXPECT_EQ(std::set<int>(directions.begin(), directions.begin() + 8).size(), 8u);
        EXPECT_EQ(std::set<int>(directions.begin() + 8, directions.end()).size(), 8u);
    }
}

TEST_F(MovingPictureScreenTest, TheSpeedSettingGivesPixelsPerSecondAndDiagonalsGoFurtherAcross) {
    struct Case {
        int speed;
        float straight;
        float across; // on a diagonal, while up or down goes at `straight`
    };
    const Case cases[] = {
        {75, 65, 86},
        {50, 100, 133},
        {25, 200, 266},
        // What a hand-edited file might hold: no speed would divide by zero, a huge one stand.
        {0, 100, 133},
        {-5, 100, 133},
        {5000, 100, 133},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed);
        Settings settings;
        settings.speed = c.speed;
        auto screen = makeScreen(settings);
        std::set<std::pair<float, float>> seen;
        for (int n = 0; n < 8; ++n) {
            seen.emplace(std::abs(screen->movingPicture().velocityX),
                         std::abs(screen->movingPicture().velocityY));
            ASSERT_TRUE(pressAndWaitForTheNext(*screen));
        }
        EXPECT_EQ(seen, (std::set<std::pair<float, float>>{
                            {0, c.straight}, {c.straight, 0}, {c.across, c.straight}}));
    }
}

TEST_F(MovingPictureScreenTest, HeldItMovesWithItsSoundReleasedItStandsAndGoesOnWithoutAJump) {
    Settings settings;
    settings.movie = 0;
    auto screen = makeScreen(settings);
    const Picture& picture = screen->movingPicture();
    const std::pair<float, float> start{picture.x, picture.y};
    const auto travelled = [&](float seconds) {
        return std::make_pair(start.first + picture.velocityX * seconds,
                              start.second + picture.velocityY * seconds);
    };
    test.sound.calls.clear();
    screen->keyDown(kKeySpace);
    for (int n = 0; n < 10; ++n) {
        turn(*screen);
    }
    const std::pair<float, float> moved{picture.x, picture.y};
    EXPECT_NEAR(moved.first, travelled(1.0f).first, 0.01f);
    EXPECT_NEAR(moved.second, travelled(1.0f).second, 0.01f);
    // Asked for every turn, the sound starts again only once the channel is free.
    EXPECT_EQ(test.sound.calls, Calls(10, "playOnceUnlessBusy sfx\\images\\e1.wav"));
    EXPECT_TRUE(test.sound.sharedChannelBusy);

    screen->keyUp(kKeySpace);
    EXPECT_FALSE(test.sound.sharedChannelBusy);
    test.sound.calls.clear();
    for (int n = 0; n < 50; ++n) {
        turn(*screen);
    }
    EXPECT_EQ(std::make_pair(picture.x, picture.y), moved);
    EXPECT_TRUE(test.sound.calls.empty());

    // Five seconds standing are not made up for: a tenth of a second moves a tenth.
    screen->mouseDown(400, 300);
    turn(*screen);
    const auto expected = travelled(1.1f);
    EXPECT_NEAR(picture.x, expected.first, 0.01f);
    EXPECT_NEAR(picture.y, expected.second, 0.01f);
    EXPECT_EQ(test.sound.calls, Calls{"playOnceUnlessBusy sfx\\images\\e1.wav"});

    // A switch still held when the next exercise comes must be let go first.
    for (int n = 0; n < 2000 && pictureShown(*screen) == "e1"; ++n) {
        screen->keyDown(kKeySpace); // auto-repeat
        turn(*screen);
    }
    ASSERT_EQ(pictureShown(*screen), "e2");
    const std::pair<float, float> next{picture.x, picture.y};
    for (int n = 0; n < 20; ++n) {
        screen->keyDown(kKeySpace);
        turn(*screen);
    }
    EXPECT_EQ(std::make_pair(picture.x, picture.y), next);
    screen->mouseUp(400, 300);
    screen->keyDown(kKeySpace);
    turn(*screen);
    EXPECT_NE(std::make_pair(picture.x, picture.y), next);
}

TEST_F(MovingPictureScreenTest, WithMovieOnePressCarriesThePictureOffAndTheNextOneWaits) {
    auto screen = makeScreen();
    EXPECT_EQ(pictureShown(*screen), "e1");
    int turns = 0;
    screen->keyDown(kKeyEnter);
    screen->keyUp(kKeyEnter);
    for (const long before = exercisesStarted(); exercisesStarted() == before && turns < 1000;
         ++turns) {
        turn(*screen);
    }
    // At least 640 pixels at 100 or 133 a second, in tenths of a second.
    EXPECT_GE(turns, 64);
    EXPECT_LT(turns, 1000);
    EXPECT_EQ(pictureShown(*screen), "e2");
    const Picture& picture = screen->movingPicture();
    const std::pair<float, float> standing{picture.x, picture.y};
    for (int n = 0; n < 30; ++n) {
        turn(*screen);
    }
    EXPECT_EQ(std::make_pair(picture.x, picture.y), standing);
}

TEST_F(MovingPictureScreenTest, TheListBeginsAtItsSecondExerciseAndMissingSoundsFallBack) {
    writeList(exercise("e0", "e0.wav") + exercise("e1", "gone.wav") + exercise("e2", ""));
    auto screen = makeScreen();
    std::string pictures;
    std::vector<std::u16string> sounds;
    for (int n = 0; n < 4; ++n) {
        pictures += pictureShown(*screen) + " ";
        sounds.push_back(screen->soundPath());
        ASSERT_TRUE(pressAndWaitForTheNext(*screen));
    }
    EXPECT_EQ(pictures, "e1 e2 e0 e1 ");
    // The fallbacks come in shuffled order, each once before any repeats.
    const std::set<std::u16string> fallbacks{u"sfx\\sounds\\a.wav", u"sfx\\sounds\\b.wav"};
    EXPECT_EQ((std::set<std::u16string>{sounds[0], sounds[1]}), fallbacks);
    EXPECT_EQ(sounds[2], u"sfx\\images\\e0.wav");
    EXPECT_EQ(fallbacks.count(sounds[3]), 1u);

    // With nothing to fall back on, the picture moves in silence.
    std::filesystem::remove_all(test.folder.path() / "sfx/sounds");
    auto silent = makeScreen(Settings{0});
    EXPECT_TRUE(silent->soundPath().empty());
    const float x = silent->movingPicture().x;
    const float y = silent->movingPicture().y;
    test.sound.calls.clear();
    silent->keyDown(kKeySpace);
    turn(*silent);
    EXPECT_NE(std::make_pair(silent->movingPicture().x, silent->movingPicture().y),
              std::make_pair(x, y));
    EXPECT_TRUE(test.sound.calls.empty());
}

TEST_F(MovingPictureScreenTest, TheIntroMusicPlaysBesideAndAnyFirstKeyOrPressSilencesIt) {
    const Calls open = {"Open music\\intro6.wav ALIAS music\\intro6.wav TYPE Waveaudio wait",
                        "Seek music\\intro6.wav to 0", "Play music\\intro6.wav"};
    for (const int key : {kKeySpace, kKeyEscape, 65, -1}) { // -1: a mouse press
        SCOPED_TRACE(key);
        test.sound.calls.clear();
        Settings settings;
        settings.musicOn = 1;
        auto screen = makeScreen(settings);
        EXPECT_EQ(test.sound.calls, (Calls{"stop", open[0], open[1], open[2]}));
        test.sound.calls.clear();
        if (key < 0) {
            screen->mouseDown(400, 300);
        } else {
            screen->keyDown(key);
        }
        screen->keyDown(kKeySpace); // sends nothing more
        EXPECT_EQ(test.sound.calls, Calls{"Stop music\\intro6.wav"});
        EXPECT_EQ(screen->update(), key == kKeyEscape ? MenuId : Stay);
        test.sound.calls.clear();
        screen.reset();
        EXPECT_EQ(test.sound.calls, (Calls{"stop", "Close music\\intro6.wav"}));
    }
    // Left before any press, the music stops and closes; without music there is none.
    Settings settings;
    settings.musicOn = 1;
    makeScreen(settings).reset();
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
        int useStop;
        int exercisesLater;
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
        Settings settings;
        settings.background = c.background;
        settings.useStop = c.useStop;
        auto screen = makeScreen(settings);
        for (int n = 0; n < c.exercisesLater; ++n) {
            ASSERT_TRUE(pressAndWaitForTheNext(*screen));
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
    struct Press {
        int useStop;
        int x;
        int y;
        ScreenId next;
    };
    for (const Press& p :
         {Press{1, 70, 70, MenuId}, Press{1, 71, 40, Stay}, Press{0, 40, 40, Stay}}) {
        Settings settings;
        settings.useStop = p.useStop;
        auto screen = makeScreen(settings);
        screen->mouseDown(p.x, p.y);
        EXPECT_EQ(screen->update(), p.next) << p.useStop << " at " << p.x;
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
    Settings settings;
    settings.useStop = 1;
    settings.background = 0xFF808080;
    auto empty = makeScreen(settings);
    EXPECT_EQ(begun, 1);
    test.sound.calls.clear();
    empty->keyDown(kKeySpace);
    for (int n = 0; n < 100; ++n) {
        turn(*empty);
    }
    EXPECT_TRUE(test.sound.calls.empty());
    EXPECT_EQ(frame(*empty), (Calls{"clear ff808080", "image gfx\\buttons\\stop.png at 10,10",
                                    "image window in 0,0 800x600"}));
    empty->keyDown(kKeyEscape);
    EXPECT_EQ(empty->update(), MenuId);
}
