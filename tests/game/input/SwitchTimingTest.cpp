// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/input/SwitchTiming.h"

#include "FakeClock.h"
#include "game/platform/KeyCodes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Timed {
    std::uint32_t ms;
    InputEvent event;
};

InputEvent down(int key) {
    return {InputEvent::KeyDown, key, 0, 0};
}
InputEvent up(int key) {
    return {InputEvent::KeyUp, key, 0, 0};
}
InputEvent click(InputEvent::Type type) {
    return {type, 0, 5, 6};
}

// "<ms> v<key>" for a key going down, "^<key>" up, "m<x>", "M<x>" and "~<x>" for the mouse's
// button going down, up and the mouse moving.
std::string written(std::uint32_t ms, const InputEvent& event) {
    const bool mouse = event.type >= InputEvent::MouseDown;
    return std::to_string(ms) + " " + "v^mM~"[event.type] +
           std::to_string(mouse ? event.x : event.key);
}

} // namespace

// A press counts once held the acceptance time (a shorter touch is nothing), or at its release
// when acting on release; presses within the ignore-repeat time of a counted one are passed over
// with their repeats and releases, whichever switch they come from; the keyboard's repeats pass
// only with every timing off; Esc and the adult's screen are untouched.
// The loop may sleep until nextTurn: a held-back press never comes due before it says.
TEST(SwitchTimingTest, PressesCountAsTheChildsTimingSays) {
    const InputEvent space = down(kKeySpace), spaceUp = up(kKeySpace);
    const struct {
        const char* what;
        AccessSettings settings;
        std::vector<Timed> script;
        std::vector<std::string> handed;
        bool forChild = true;
    } cases[] = {
        {"defaults: as they came, repeats too",
         {},
         {{0, space}, {50, space}, {100, spaceUp}, {120, click(InputEvent::MouseDown)}},
         {"0 v32", "50 v32", "100 ^32", "120 m5"}},
        {"acceptance: a 100 ms tap is nothing, a 700 ms press counts at 400",
         {.acceptTime = 400},
         {{0, space}, {100, spaceUp}, {1000, space}, {1100, space}, {1500, space}, {1700, spaceUp}},
         {"1400 v32", "1700 ^32"}},
        {"acceptance: the mouse's button at its own place; Esc and moves at once",
         {.acceptTime = 400},
         {{0, click(InputEvent::MouseDown)},
          {10, down(kKeyEscape)},
          {20, click(InputEvent::MouseMove)},
          {30, up(kKeyEscape)},
          {500, click(InputEvent::MouseUp)}},
         {"10 v27", "20 ~5", "30 ^27", "400 m5", "500 M5"}},
        {"acceptance: released in the turn it came due",
         {.acceptTime = 400},
         {{0, down(kKeyEnter)}, {400, up(kKeyEnter)}},
         {"400 v13", "400 ^13"}},
        {"on release: the press and its release together",
         {.actOnRelease = true},
         {{0, space}, {200, space}, {300, spaceUp}},
         {"300 v32", "300 ^32"}},
        {"on release after the acceptance time only",
         {.acceptTime = 400, .actOnRelease = true},
         {{0, space}, {100, spaceUp}, {1000, space}, {1700, spaceUp}},
         {"1700 v32", "1700 ^32"}},
        {"ignore repeats: a bounce and the other switch passed over, later ones count",
         {.ignoreRepeatTime = 400},
         {{0, space},
          {50, spaceUp},
          {200, space},
          {210, space},
          {250, spaceUp},
          {300, down(kKeyEnter)},
          {450, up(kKeyEnter)},
          {500, space},
          {550, spaceUp}},
         {"0 v32", "50 ^32", "500 v32", "550 ^32"}},
        {"ignore repeats from when the held press counted",
         {.acceptTime = 300, .ignoreRepeatTime = 400},
         {{0, space}, {350, spaceUp}, {600, space}, {1000, spaceUp}, {1100, space}},
         {"300 v32", "350 ^32", "1400 v32"}},
        {"the adult's screen: as they came",
         {.acceptTime = 400, .actOnRelease = true},
         {{0, space}, {100, spaceUp}},
         {"0 v32", "100 ^32"},
         false},
    };
    for (const auto& c : cases) {
        FakeClock clock;
        SwitchTiming timing(clock);
        timing.use(c.settings, c.forChild);
        std::vector<std::string> handed;
        std::vector<InputEvent> out;
        std::size_t next = 0;
        NextTurn due = NextTurn::never();
        for (std::uint32_t ms = 0; ms <= 2000; ++ms, clock.advanceMilliseconds(1)) {
            const bool message = next < c.script.size() && c.script[next].ms == ms;
            if (message) {
                timing.take(c.script[next++].event, out);
            }
            timing.turn(out);
            EXPECT_TRUE(out.empty() || message || due == NextTurn::in(1) || due.isNow())
                << c.what << ": came due at " << ms << " unannounced";
            for (const InputEvent& event : out) {
                handed.push_back(written(ms, event));
            }
            out.clear();
            due = timing.nextTurn();
        }
        EXPECT_EQ(handed, c.handed) << c.what;
    }
}
