// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/MainLoop.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// The first of `items`, taken off; `none` when there is none left.
template <typename T> T takeFirst(std::deque<T>& items, T none = {}) {
    if (items.empty()) {
        return none;
    }
    T first = std::move(items.front());
    items.pop_front();
    return first;
}

// A screen that writes down every call and leaves with the ids it is told to, then stays.
class LoggingScreen : public Screen {
public:
    LoggingScreen(std::string name, Log& log, std::deque<NextScreen> ids)
        : name_(std::move(name)), log_(log), ids_(std::move(ids)) {}
    ~LoggingScreen() override { note("destroyed"); }
    int begin(Graphics&, Graphics&, Image&) override {
        note("begin");
        return 1;
    }
    NextScreen update() override {
        note("update");
        return takeFirst(ids_, NextScreen(Stay));
    }
    void draw() override { note("draw"); }
    void keyDown(int key) override { note("key " + std::to_string(key)); }
    void keyUp(int key) override { note("key up " + std::to_string(key)); }
    void mouseDown(int x, int y) override { note("press " + at(x, y)); }
    void mouseMove(int x, int y) override { note("move " + at(x, y)); }

private:
    void note(const std::string& call) { log_.push_back(name_ + " " + call); }
    static std::string at(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

    std::string name_;
    Log& log_;
    std::deque<NextScreen> ids_;
};

// Builds logging screens that follow the scripts, one script per screen built, in order.
class ScriptedFactory : public ScreenFactory {
public:
    ScriptedFactory(ScreenServices services, Log& log) : ScreenFactory(services), log_(log) {}
    std::deque<std::deque<NextScreen>> scripts;

protected:
    std::unique_ptr<Screen> make(ScreenId id) override {
        return std::make_unique<LoggingScreen>("screen" + std::to_string(id), log_,
                                               takeFirst(scripts));
    }

private:
    Log& log_;
};

} // namespace

// The fixture is the loop's message source (one scripted message or none per turn) and counts
// the frames it is asked to show.
class MainLoopTest : public ::testing::Test, public EventSource, public FrameSink {
protected:
    // Each turn comes a tenth of a second after the one before.
    std::optional<InputEvent> next(NextTurn) override {
        test.clock.advanceMilliseconds(100);
        return takeFirst(turns);
    }
    void endTurn() override { ++frames; }
    void screenChanging() override { log.push_back("changing"); }

    void run(std::deque<NextScreen> firstScript) {
        factory.scripts.push_front(std::move(firstScript));
        factory.build(MenuId);
        factory.current()->begin(offscreen, offscreen, image);
        runMainLoop(factory, *this, *this, {offscreen, offscreen, image});
    }

    Log log;
    TestServices test;
    ScriptedFactory factory{test.services(), log};
    std::deque<std::optional<InputEvent>> turns;
    int frames = 0;
    RecordingGraphics offscreen;
    RecordingGraphics::FakeImage image{"offscreen", 800, 600};
};

TEST_F(MainLoopTest, EachTurnTakesOneMessageThenUpdatesThenDraws) {
    turns = {InputEvent{InputEvent::MouseMove, 0, 5, 6}, InputEvent{InputEvent::MouseDown, 0, 5, 6},
             std::nullopt, InputEvent{InputEvent::KeyUp, 13, 0, 0},
             InputEvent{InputEvent::KeyDown, 27, 0, 0}};
    run({Stay, Stay, Stay, Stay, Quit});
    EXPECT_EQ(log, (Log{"screen0 begin", "screen0 move 5,6", "screen0 update", "screen0 draw",
                        "screen0 press 5,6", "screen0 update", "screen0 draw", "screen0 update",
                        "screen0 draw", "screen0 key up 13", "screen0 update", "screen0 draw",
                        "screen0 key 27", "screen0 update", "screen0 destroyed"}));
    EXPECT_EQ(frames, 4);
}

TEST_F(MainLoopTest, AChangeDestroysTheOldScreenBeforeTheNewOneIsBuiltAndBegun) {
    factory.scripts = {{Stay, Quit}}; // the second screen's script
    run({MenuId});
    // The frame sink hears of the change first, so that the new screen's sound can wait for its
    // first frame.
    EXPECT_EQ(log, (Log{"screen0 begin", "screen0 update", "changing", "screen0 destroyed",
                        "screen0 begin", "screen0 update", "screen0 draw", "screen0 update",
                        "screen0 destroyed"}));
    EXPECT_EQ(factory.current(), nullptr);
}

TEST_F(MainLoopTest, AQuitRequestFromTheSystemEndsTheLoopAtOnce) {
    turns = {InputEvent{InputEvent::Quit, 0, 0, 0}};
    run({});
    EXPECT_EQ(log, (Log{"screen0 begin"}));
    EXPECT_NE(factory.current(), nullptr); // the entry destroys it on the way out
}

TEST_F(MainLoopTest, WithTheLogOnEveryScreenAndSwitchPressIsARowWrittenAtEachChange) {
    test.folder.write("options/access.opt", "log=1\r\n");
    InputEvent controller{InputEvent::KeyDown, kKeyEnter, 0, 0};
    controller.fromController = true;
    turns = {InputEvent{InputEvent::KeyDown, kKeySpace, 0, 0},
             InputEvent{InputEvent::KeyDown, kKeySpace, 0, 0}, // the keyboard's repeat
             InputEvent{InputEvent::KeyUp, kKeySpace, 0, 0},
             controller,
             InputEvent{InputEvent::KeyUp, kKeyEnter, 0, 0},
             InputEvent{InputEvent::KeyDown, kKeyEnter, 0, 0},
             InputEvent{InputEvent::MouseDown, 0, 5, 6},
             InputEvent{InputEvent::KeyDown, kKeyEscape, 0, 0}};
    factory.scripts = {{Quit}};
    run({Stay, Stay, Stay, Stay, Stay, Stay, FindImagesId});

    EXPECT_EQ(test.folder.read("log/2026-03-14.csv"),
              "time,screen,input,event,detail\r\n"
              "2026-03-14T09:30:00.000,Menu,,start,\r\n"
              "2026-03-14T09:30:00.100,Menu,first,press,\r\n"
              "2026-03-14T09:30:00.400,Menu,controller,press,\r\n"
              "2026-03-14T09:30:00.600,Menu,second,press,\r\n"
              "2026-03-14T09:30:00.700,Menu,mouse,press,\r\n"
              "2026-03-14T09:30:00.700,Menu,,end,\r\n"
              "2026-03-14T09:30:00.700,Find images,,start,\r\n"
              "2026-03-14T09:30:00.800,Find images,,end,\r\n");
}
