// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuScreen.h"

#include "common/text/Utf8.h"
#include "game/platform/KeyCodes.h"
#include "game/screen/ScanFrame.h"
#include "game/screen/ScanSetup.h"
#include "game/screen/SettingsRow.h"

#include <string>

namespace {

// An activity's spoken name has a folder of its own beside the language's speech recordings, so
// the editor's Speech column offers only words an exercise can say; content made before keeps
// the names among the recordings, where they are still found.
std::u16string spokenActivityName(const FileSystem& files, const std::u16string& language,
                                  std::size_t activity) {
    const std::u16string file =
        u"menu" + std::u16string(1, static_cast<char16_t>(u'1' + activity)) + u".wav";
    const std::u16string own = u"speech\\" + language + u"\\menu\\" + file;
    return files.exists(own) ? own : u"speech\\" + language + u"\\" + file;
}

} // namespace

MenuScreen::MenuScreen(ScreenServices& services)
    : services_(services), stopButton_(services.clock), optionsButton_(services.clock),
      selectionFrame_(services.clock),
      scanner_(services.clock, services.pointer, [this](int x, int y) { mouseDown(x, y); }),
      options_(services.files, services.unsavedSettings),
      leave_(services.clock, services.access.kioskLock,
             static_cast<std::uint32_t>(services.access.lockHoldTime)),
      openOptions_(services.clock, services.system.optionsLock,
                   static_cast<std::uint32_t>(services.access.lockHoldTime)) {}

MenuScreen::~MenuScreen() {
    services_.sound.stop();
    scanner_.clearTargets();
}

bool MenuScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    logSettings(services_, options_);

    // Two rows of three, 262 pixels apart: the counter runs 7, 269, ... and wraps to the second
    // row at 793.
    activities_.clear();
    int number = 1;
    for (int counter = 7; counter < 1579; counter += 262, ++number) {
        Picture picture(services_.clock);
        const std::u16string path =
            u"gfx\\menu\\game0" + std::u16string(1, static_cast<char16_t>(u'0' + number)) + u".png";
        picture.load(path, offscreen_, true);
        if (counter < 793) {
            picture.setPosition(static_cast<float>(counter), 100);
        } else {
            picture.setPosition(static_cast<float>(counter - 786), 350);
        }
        // Drawn at the image's own size; this size is what reacts to the pointer.
        picture.setSize(260, 195);
        activities_.push_back(std::move(picture));
    }

    stopButton_.load(u"gfx\\buttons\\stop.png", offscreen_, true);
    stopButton_.setFrameColour(0xFFFF0000);
    stopButton_.setPosition(10, 10);
    stopButton_.setFrameMargin(10);

    optionsButton_.load(u"gfx\\buttons\\options.png", offscreen_, true);
    optionsButton_.setPosition(80, 10);
    optionsButton_.setFrameMargin(10);

    selectionFrame_.load(u"gfx\\menu\\selFrame.png", offscreen_, true);

    if (options_.musicOn[0] != 0) {
        services_.sound.playOnce(u"music\\menu.wav");
    }

    for (const Picture& picture : activities_) {
        scanner_.addTarget(&picture);
    }
    // Under the lock a single switch, pressed while the scanning is on the stop button, would
    // only start a hold the child cannot finish: the scanning passes it by.
    if (!(leave_.locked() && options_.oneContact != 0)) {
        scanner_.addTarget(&stopButton_);
    }
    // An activity's cue is its spoken name; the stop button has none of its own.
    setUpScanning(scanner_, services_, options_, [this](std::size_t target) {
        return target < activities_.size()
                   ? spokenActivityName(services_.files, options_.language, target)
                   : std::u16string();
    });
    return true;
}

NextScreen MenuScreen::update() {
    scanner_.tick();
    if (leave_.heldLongEnough()) {
        nextScreenId_ = Quit;
    } else if (openOptions_.heldLongEnough()) {
        nextScreenId_ = OptionsId;
    }
    return nextScreenId_;
}

NextTurn MenuScreen::nextTurn() const {
    return nextScreenId_.stays()
               ? scanner_.nextTurn().soonest(leave_.nextTurn()).soonest(openOptions_.nextTurn())
               : NextTurn::now();
}

void MenuScreen::draw() {
    if (!offscreen_) {
        return;
    }
    offscreen_->clear(options_.backgroundColour[0]);
    for (Picture& picture : activities_) {
        picture.draw();
    }
    stopButton_.draw();
    optionsButton_.draw();
    if (usesBoldScanFrame(services_.access)) {
        drawBoldScanFrame(*offscreen_, stopButton_, services_.access);
    } else {
        stopButton_.drawFrame();
    }
    optionsButton_.drawFrame();
    for (const Picture& picture : activities_) {
        if (usesBoldScanFrame(services_.access)) {
            drawBoldScanFrame(*offscreen_, picture, services_.access);
        } else if (picture.hover) {
            selectionFrame_.drawAt(picture.centreX() - selectionFrame_.width * 0.5f,
                                   picture.centreY() - selectionFrame_.height * 0.5f);
        }
    }
    present();
}

void MenuScreen::mouseDown(int x, int y) {
    if (leave_.holding() || openOptions_.holding()) {
        return; // the stop or options button held by the switch that chose it
    }
    if (scanner_.press()) {
        return; // it woke the resting scan
    }
    if (stopButton_.contains(x, y)) {
        if (leave_.press(HoldToLeave::Pointer)) {
            nextScreenId_ = Quit;
        }
    } else if (optionsButton_.contains(x, y)) {
        if (openOptions_.press(HoldToLeave::Pointer)) {
            nextScreenId_ = OptionsId;
        }
    } else {
        for (std::size_t k = 0; k < activities_.size(); ++k) {
            if (activities_[k].contains(x, y)) {
                nextScreenId_ = static_cast<ScreenId>(k + 1);
                services_.log.note(LogEvent::Choose,
                                   fromUtf8(rowOf(*nextScreenId_.screen()).logName));
                break;
            }
        }
    }
}

void MenuScreen::mouseMove(int x, int y) {
    for (Picture& picture : activities_) {
        picture.hoverTest(x, y);
    }
    stopButton_.hoverTest(x, y);
    optionsButton_.hoverTest(x, y);
    if (!stopButton_.contains(x, y)) {
        leave_.pointerLeft();
    }
    if (!optionsButton_.contains(x, y)) {
        openOptions_.pointerLeft();
    }
}

void MenuScreen::mouseUp(int, int) {
    leave_.release();
    openOptions_.release();
}

void MenuScreen::keyUp(int) {
    leave_.release();
    openOptions_.release();
}

void MenuScreen::keyDown(int key) {
    // While a hold runs, the held switch's auto-repeat must not choose again.
    if (leave_.holding()) {
        return;
    }
    switch (key) {
    case kKeyEscape:
        if (leave_.press(HoldToLeave::Key)) {
            nextScreenId_ = Quit;
        }
        break;
    case kKeySpace:
        scanner_.step();
        break;
    case kKeyEnter:
        scanner_.select();
        break;
    default:
        break;
    }
}
