// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shell/MainLoop.h"

#include "RecordingGraphics.h"
#include "TestServices.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A screen that writes down every call and leaves with the ids it is told to, then stays.
class LoggingScreen : public Screen {
public:
    LoggingScreen(std::string name, Log& log, std::vector<NextScreen> ids)
        : name_(std::move(name)), log_(log), ids_(std::move(ids)) {}
    ~LoggingScreen() override { note("destroyed"); }
    bool begin(Graphics&, Graphics&, Image&) override {
        note("begin");
        return true;
    }
    NextScreen update() override {
        note("update");
        return taken_ < ids_.size() ? ids_[taken_++] : NextScreen(Stay);
    }
    void draw() override { note("draw"); }
    void keyDown(int key) override { note("key " + std::to_string(key)); }
    void keyUp(int key) override { note("key up " + std::to_string(key)); }
    void mouseDown(int x, int) override { note("press " + std::to_string(x)); }

private:
    void note(const std::string& call) { log_.push_back(name_ + " " + call); }

    std::string name_;
    Log& log_;
    std::vector<NextScreen> ids_;
    std::size_t taken_ = 0;
};

// Builds a logging screen that follows the script of the first screen, the next one staying.
class ScriptedFactory : public ScreenFactory {
public:
    ScriptedFactory(ScreenServices services, Log& log) : ScreenFactory(services), log_(log) {}
    std::vector<NextScreen> script;

protected:
    std::unique_ptr<Screen> make(ScreenId id) override {
        log_.push_back(std::to_string(id) + " built");
        return std::make_unique<LoggingScreen>(std::to_string(id), log_, std::exchange(script, {}));
    }

private:
    Log& log_;
};

} // namespace

// The fixture is the loop's message source, one scripted message or none per turn, a tenth of a
// second after the one before, and its frame sink.
class MainLoopTest : public ::testing::Test, public EventSource, public FrameSink {
protected:
    std::optional<InputEvent> next(NextTurn) override {
        test.clock.advanceMilliseconds(100);
        return taken < turns.size() ? turns[taken++] : std::nullopt;
    }
    void endTurn() override { log.push_back("frame"); }
    void screenChanging() override { log.push_back("changing"); }
    void pressTaken() override { log.push_back("pressed"); }

    Log log;
    TestServices test;
    ScriptedFactory factory{test.services(), log};
    std::vector<std::optional<InputEvent>> turns;
    std::size_t taken = 0;
    RecordingGraphics offscreen;
    RecordingGraphics::FakeImage image{"offscreen", 800, 600};
};

// Each turn hands the screen one message or none, then updates, then draws; a press and a change
// tell the frame sink first (so that their sound can wait for the frame that answers them), and a
// change destroys the old screen before the new one is built and begun. With the log on, every
// switch press is a row of the day's log, a held key once, written at each change.
TEST_F(MainLoopTest, EachTurnTakesOneMessageThenUpdatesThenDrawsAndLogsTheSwitchPresses) {
    test.folder.write("options/access.opt", "log=1\r\n");
    InputEvent controller{InputEvent::KeyDown, kKeySpace, 0, 0};
    controller.fromController = true;
    turns = {InputEvent{InputEvent::KeyDown, kKeySpace, 0, 0},
             InputEvent{InputEvent::KeyDown, kKeySpace, 0, 0}, // the keyboard's repeat
             std::nullopt,
             InputEvent{InputEvent::KeyUp, kKeySpace, 0, 0},
             InputEvent{InputEvent::KeyDown, kKeyEnter, 0, 0},
             controller,
             InputEvent{InputEvent::MouseDown, 0, 5, 6}};
    factory.script = {Stay, Stay, Stay, Stay, Stay, Stay, FindImagesId};
    factory.build(MenuId);
    factory.current()->begin(offscreen, offscreen, image);
    factory.script = {Quit};
    runMainLoop(factory, *this, *this, {offscreen, offscreen, image});
    EXPECT_EQ(log, (Log{"0 built",   "0 begin",    "pressed",  "0 key 32",    "0 update", "0 draw",
                        "frame",     "pressed",    "0 key 32", "0 update",    "0 draw",   "frame",
                        "0 update",  "0 draw",     "frame",    "0 key up 32", "0 update", "0 draw",
                        "frame",     "pressed",    "0 key 13", "0 update",    "0 draw",   "frame",
                        "pressed",   "0 key 32",   "0 update", "0 draw",      "frame",    "pressed",
                        "0 press 5", "0 update",   "changing", "0 destroyed", "3 built",  "3 begin",
                        "3 update",  "3 destroyed"}));
    EXPECT_EQ(factory.current(), nullptr);
    EXPECT_EQ(test.folder.read("log/2026-03-14.csv"),
              "time,screen,input,event,detail,right\r\n"
              "2026-03-14T09:30:00.000,Menu,,start,,\r\n"
              "2026-03-14T09:30:00.100,Menu,first,press,,\r\n"
              "2026-03-14T09:30:00.500,Menu,second,press,,\r\n"
              "2026-03-14T09:30:00.600,Menu,controller,press,,\r\n"
              "2026-03-14T09:30:00.700,Menu,mouse,press,,\r\n"
              "2026-03-14T09:30:00.700,Menu,,end,,\r\n"
              "2026-03-14T09:30:00.700,Find images,,start,,\r\n"
              "2026-03-14T09:30:00.800,Find images,,end,,\r\n");
}

// The child's switch timing sits between the messages and the screen: a 0.2 s tap is nothing, a
// press held 0.4 s comes in the turn its time is up; the adult's options screen gets it at once.
TEST_F(MainLoopTest, ThePressesOfTheChildsScreensComeAsTheSwitchTimingSays) {
    test.folder.write("options/access.opt", "acceptTime=400\r\n");
    const InputEvent space{InputEvent::KeyDown, kKeySpace, 0, 0};
    const InputEvent spaceUp{InputEvent::KeyUp, kKeySpace, 0, 0};
    turns = {space,        std::nullopt, spaceUp, space, std::nullopt, std::nullopt,
             std::nullopt, std::nullopt, spaceUp, space, spaceUp};
    factory.script = {Stay, Stay, Stay, Stay, Stay, Stay, Stay, Stay, OptionsId};
    factory.build(MenuId);
    factory.current()->begin(offscreen, offscreen, image);
    factory.script = {Stay, Stay, Quit};
    runMainLoop(factory, *this, *this, {offscreen, offscreen, image});
    std::erase_if(log, [](const std::string& line) {
        return line.ends_with("update") || line.ends_with("draw") || line == "frame" ||
               line == "pressed";
    });
    EXPECT_EQ(log, (Log{"0 built", "0 begin", "0 key 32", "0 key up 32", "changing", "0 destroyed",
                        "7 built", "7 begin", "7 key 32", "7 key up 32", "7 destroyed"}));
}
