// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted sessions on the real screens, each press passed through the press log and then to the
// screen as the main loop passes it, and the rows they leave in the day's log.
#include "ScreenFixture.h"
#include "common/text/Utf8.h"
#include "game/activities/FindImagesScreen.h"
#include "game/shell/MainLoop.h"
#include "game/shell/PressLog.h"
#include "game/shell/ScreenFactory.h"

#include <sstream>

namespace {

const std::string kShared = "switches=2;scanTime=1000;keyTime=200;acceptTime=0;actOnRelease=0;"
                            "ignoreRepeatTime=0;scanCue=0;waitForCue=0;firstItemDelay=0;"
                            "scanStartsOnPress=0;rounds=0;kioskLock=0;lockHoldTime=3000";
const std::string kScanning = "switches=1;scanTime=1000;keyTime=200;acceptTime=0;actOnRelease=0;"
                              "ignoreRepeatTime=0;scanCue=0;waitForCue=0;firstItemDelay=0;"
                              "scanStartsOnPress=0;rounds=2;kioskLock=0;lockHoldTime=3000";

struct Session {
    const char* what;
    ScreenId screen;
    int oneContact;
    int choices; // in find images
    // Words a second apart but for waits: "down:X" and "up:X" a key (by its letter or code),
    // "space" and "enter" a switch pressed and let go, "pick:right" or "pick:wrong" a click on a
    // find-images choice, "wait:<ms>" turns a tenth of a second apart.
    const char* script;
    // The rows after the time and screen columns: input, event, detail, right.
    std::vector<std::string> rows;
};

} // namespace

class LoggedSessionTest : public ScreenFixture {
protected:
    void input(InputEvent event) {
        presses.take(event, static_cast<GameScreen>(factory.currentId()));
        dispatch(event, factory.current());
    }
    void key(int code) {
        input({InputEvent::KeyDown, code});
        input({InputEvent::KeyUp, code});
    }
    void click(const std::string& choice) {
        const auto& choices = dynamic_cast<FindImagesScreen&>(*factory.current()).choices();
        const Picture& picture = *std::ranges::find(choices, choice == "right", &Picture::mark);
        const int x = static_cast<int>(picture.centreX());
        const int y = static_cast<int>(picture.centreY());
        input({InputEvent::MouseDown, 0, x, y});
        input({InputEvent::MouseUp, 0, x, y});
    }
    void turn(int milliseconds) {
        test.clock.advanceMilliseconds(static_cast<std::uint32_t>(milliseconds));
        factory.current()->update();
    }
    void play(const std::string& script) {
        std::istringstream words(script);
        for (std::string word; words >> word;) {
            const std::string what = word.substr(0, word.find(':'));
            const std::string arg = word.substr(std::min(word.size(), what.size() + 1));
            if (what == "wait") {
                for (int ms = 0; ms < std::stoi(arg); ms += 100) {
                    turn(100);
                }
                continue;
            }
            test.clock.advanceMilliseconds(1000);
            if (what == "down" || what == "up") {
                const int code = arg.size() == 1 ? arg[0] : std::stoi(arg);
                input({what == "down" ? InputEvent::KeyDown : InputEvent::KeyUp, code});
            } else if (what == "pick") {
                click(arg);
            } else {
                key(what == "space" ? kKeySpace : kKeyEnter);
            }
            turn(0);
        }
    }

    ScreenFactory factory{services};
    PressLog presses{test.log};
};

// Every press the screen takes is a row naming its input, a held key once; a choice names the
// picture pressed and the right one where that is another, and in the pause after the right one
// a press chooses nothing; each screen's settings come right after its start; each new series of
// frames and ring picture is a step; automatic scanning tells when the right choice is framed,
// left unpressed, and when the scan rests and wakes. No field begins with a formula's sign.
TEST_F(LoggedSessionTest, EachScriptedSessionLeavesItsRows) {
    test.folder.write("sfx/sounds/bell.wav", "RIFF");
    test.folder.write("gfx/paint/cat01.png", "");
    test.folder.write("gfx/paint/cat02.png", "");
    test.folder.write("gfx/paint/dog01.png", "");
    const Session sessions[] = {
        {"rings",
         RingsId,
         0,
         2,
         "down:X down:X wait:3000 up:X down:116 up:116",
         {",start,,", ",settings," + kShared + ",", ",step,bell,", "key:x,press,bell,",
          ",step,bell,", "key:F5,press,bell,"}},
        {"painting",
         PaintId,
         0,
         2,
         "space space space",
         {",start,,", ",settings," + kShared + ",", ",step,cat,", "first,press,cat,",
          "first,press,cat,", "first,press,cat,", ",step,dog,"}},
        {"find images",
         FindImagesId,
         0,
         2,
         "down:X up:X pick:wrong pick:right pick:right wait:3000 enter",
         {",start,,", ",settings," + kShared + ";list=vimo;exercises=3;choices=2,", ",step,'=1+1,",
          "mouse,press,'=1+1,", "mouse,choose,b,'=1+1", "mouse,wrong,b,'=1+1", "mouse,press,'=1+1,",
          "mouse,choose,'=1+1,", "mouse,correct,'=1+1,", "mouse,press,'=1+1,", ",step,c,",
          ",done,c,", "second,press,c,", "second,choose,'=1+1,c", "second,wrong,'=1+1,c"}},
        {"find images scanned",
         FindImagesId,
         1,
         1,
         "wait:2500 enter enter",
         {",start,,", ",settings," + kScanning + ";list=vimo;exercises=3;choices=1,",
          ",step,'=1+1,", ",framed,'=1+1,", ",missed,'=1+1,", ",framed,'=1+1,", ",rest,'=1+1,",
          "second,press,'=1+1,", "second,wake,'=1+1,", ",framed,'=1+1,", "second,press,'=1+1,",
          "second,choose,'=1+1,", "second,correct,'=1+1,"}},
        {"menu scanned",
         MenuId,
         1,
         1,
         "down:X wait:20000 enter",
         {",start,,", ",settings," + kScanning + ",", ",rest,,", "second,press,,",
          "second,wake,,"}},
    };
    for (const Session& session : sessions) {
        SCOPED_TRACE(session.what);
        writeList({exerciseItem("=1+1"), exerciseItem("b"), exerciseItem("c")});
        test.folder.write("options/access.opt", "log=1\r\nscanTimeMs=1000\r\nscanRounds=" +
                                                    std::string(session.oneContact ? "2" : "0"));
        writeSettings([&](Options& options) {
            options.oneContact = session.oneContact;
            options.numFinds = session.choices;
            options.random.fill(0);
            options.musicOn.fill(0);
        });
        std::filesystem::remove_all(test.folder.path() / "log");
        factory.build(session.screen);
        begin(*factory.current());
        if (session.screen == FindImagesId) {
            test.pointer.screen = factory.current();
        }
        play(session.script);
        factory.close();
        std::vector<std::string> rows;
        for (const auto& record : readCsv(test.folder.read("log/2026-03-14.csv"))) {
            EXPECT_FALSE(std::ranges::any_of(
                record, [](const std::string& field) { return field.starts_with('='); }));
            rows.push_back(record.at(2) + "," + record.at(3) + "," + record.at(4) + "," +
                           record.at(5));
        }
        rows.erase(rows.begin()); // the header
        rows.pop_back();          // the end
        EXPECT_EQ(rows, session.rows);
    }
}
