#include "game/shell/MainLoop.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A screen that writes down every call and leaves with the ids it is told to.
class LoggingScreen : public Screen {
public:
    LoggingScreen(std::string name, Log& log, std::deque<ScreenId> ids)
        : name_(std::move(name)), log_(log), ids_(std::move(ids)) {}
    ~LoggingScreen() override { log_.push_back(name_ + " destroyed"); }
    int begin(Graphics& o, Graphics& w, Image& i) override {
        log_.push_back(name_ + " begin");
        return Screen::begin(o, w, i);
    }
    ScreenId update() override {
        log_.push_back(name_ + " update");
        if (ids_.empty()) {
            return Stay;
        }
        ScreenId id = ids_.front();
        ids_.pop_front();
        return id;
    }
    int draw() override {
        log_.push_back(name_ + " draw");
        return 1;
    }
    int keyDown(int key) override {
        log_.push_back(name_ + " key " + std::to_string(key));
        return 1;
    }
    int mouseDown(int x, int y) override {
        log_.push_back(name_ + " press " + std::to_string(x) + "," + std::to_string(y));
        return 1;
    }
    int mouseMove(int x, int y) override {
        log_.push_back(name_ + " move " + std::to_string(x) + "," + std::to_string(y));
        return 1;
    }

private:
    std::string name_;
    Log& log_;
    std::deque<ScreenId> ids_;
};

class ScriptedFactory : public ScreenFactory {
public:
    ScriptedFactory(ScreenServices services, Log& log) : ScreenFactory(services), log_(log) {}
    std::deque<std::deque<ScreenId>> scripts; // one per screen built, in order

protected:
    std::unique_ptr<Screen> make(ScreenId id) override {
        std::deque<ScreenId> ids;
        if (!scripts.empty()) {
            ids = std::move(scripts.front());
            scripts.pop_front();
        }
        return std::make_unique<LoggingScreen>("screen" + std::to_string(id), log_, ids);
    }

private:
    Log& log_;
};

class ScriptedEvents : public EventSource {
public:
    std::deque<std::optional<InputEvent>> turns;
    std::optional<InputEvent> next() override {
        if (turns.empty()) {
            return std::nullopt;
        }
        auto event = turns.front();
        turns.pop_front();
        return event;
    }
};

class CountingFrames : public FrameSink {
public:
    void endTurn() override { ++frames; }
    int frames = 0;
};

class NoImage : public Image {
public:
    int width() const override { return 800; }
    int height() const override { return 600; }
};

InputEvent key(int code) { return {InputEvent::KeyDown, code, 0, 0}; }
InputEvent press(int x, int y) { return {InputEvent::MouseDown, 0, x, y}; }
InputEvent move(int x, int y) { return {InputEvent::MouseMove, 0, x, y}; }

} // namespace

class MainLoopTest : public ::testing::Test {
protected:
    void run(std::deque<ScreenId> firstScript) {
        factory.scripts.push_front(std::move(firstScript));
        ASSERT_EQ(factory.build(MenuId), 1);
        factory.current()->begin(offscreen, offscreen, image);
        runMainLoop(factory, events, frames, {offscreen, offscreen, image});
    }

    Log log;
    TestServices test;
    ScriptedFactory factory{test.services(), log};
    ScriptedEvents events;
    CountingFrames frames;
    RecordingGraphics offscreen;
    NoImage image;
};

TEST_F(MainLoopTest, EachTurnTakesOneMessageThenUpdatesThenDraws) {
    events.turns = {move(5, 6), press(5, 6), std::nullopt, key(27)};
    run({Stay, Stay, Stay, Quit});
    EXPECT_EQ(log, (Log{"screen0 begin", "screen0 move 5,6", "screen0 update", "screen0 draw",
                        "screen0 press 5,6", "screen0 update", "screen0 draw", "screen0 update",
                        "screen0 draw", "screen0 key 27", "screen0 update",
                        "screen0 destroyed"}));
    EXPECT_EQ(frames.frames, 3);
}

TEST_F(MainLoopTest, AChangeDestroysTheOldScreenBeforeTheNewOneIsBuiltAndBegun) {
    factory.scripts = {{Stay, Quit}}; // the second screen's script
    run({MenuId});
    EXPECT_EQ(log, (Log{"screen0 begin", "screen0 update", "screen0 destroyed", "screen0 begin",
                        "screen0 update", "screen0 draw", "screen0 update", "screen0 destroyed"}));
    EXPECT_EQ(factory.current(), nullptr);
}

TEST_F(MainLoopTest, AQuitRequestFromTheSystemEndsTheLoopAtOnce) {
    events.turns = {InputEvent{InputEvent::Quit, 0, 0, 0}};
    run({});
    EXPECT_EQ(log, (Log{"screen0 begin"}));
    EXPECT_NE(factory.current(), nullptr); // the entry destroys it on the way out
}
