// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsScreen.h"

#include "common/text/NumberText.h"
#include "game/content/GameTexts.h"
#include "game/options/OptionsControlTable.h"
#include "game/options/SettingsNotSavedMessage.h"
#include "game/platform/KeyCodes.h"
#include "game/screen/SettingsRow.h"

#include <string>

namespace {

std::u16string widened(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string decimal(int value) {
    return widened(std::to_string(value));
}

// Two significant digits, and one decimal always: "0.2 s" ... "1.0 s".
std::u16string keyTimeText(float keyTime) {
    std::string text = formatSignificant(static_cast<double>(keyTime), 2);
    if (!text.empty() && text.back() == '.') {
        text += '0';
    }
    return widened(text) + u" s";
}

// A language may bring its own about picture, in its words; the shared one is English.
std::u16string aboutPictureOf(const FileSystem& files, const std::u16string& language) {
    const std::u16string own = u"data\\" + language + u"\\Options\\about.png";
    return files.exists(own) ? own : u"gfx\\options\\about.png";
}

// Measuring a text is the costly part of a turn, so a value is set again only when it changed.
void setTextIfChanged(Picture& picture, const std::u16string& text) {
    if (picture.text != text) {
        picture.setText(text);
    }
}

} // namespace

OptionsScreen::OptionsScreen(ScreenServices& services)
    : services_(services), options_(services.files, services.unsavedSettings),
      choosers_(services.files, services.random, services.clock), layout_(services.clock),
      controls_(options_, layout_, choosers_), painter_(layout_, options_, choosers_) {}

OptionsScreen::~OptionsScreen() {
    if (unsavedChanges_) {
        std::uint32_t error = 0;
        saveSettings(error);
    }
}

bool OptionsScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    logSettings(services_, options_);
    choosers_.setUp(options_);
    texts_.read(services_.files, options_.language);
    layout_.load(offscreen, aboutPictureOf(services_.files, options_.language),
                 GameTexts::read(services_.files, options_.language)[GameTexts::VersionLine]);
    setHelpLine(u"");
    prepareValueTexts();
    return true;
}

NextScreen OptionsScreen::update() {
    if (valueTextsDue_) {
        prepareValueTexts();
    }
    return nextScreenId_;
}

void OptionsScreen::prepareValueTexts() {
    if (offscreen_ == nullptr) {
        return;
    }
    valueTextsDue_ = false;
    Picture& scan = layout_.scanTime;
    setTextIfChanged(scan, decimal(options_.scanTime) + u" s");
    scan.centreTextVerticallyOnPicture();
    scan.textRect.x = layout_.scanBox.centreX() + 30;

    Picture& key = layout_.keyTime;
    setTextIfChanged(key, keyTimeText(options_.keyTime));
    key.centreTextVerticallyOnPicture();
    key.textRect.x = layout_.keyBox.centreX() + 30;

    Picture& patterns = layout_.numPatterns[0];
    setTextIfChanged(patterns, decimal(options_.numPatterns));
    patterns.centreTextVerticallyOnPicture();
    patterns.textRect.x = layout_.countBox.centreX() + 52;

    Picture& finds = layout_.numFinds[0];
    setTextIfChanged(finds, decimal(options_.numFinds));
    finds.centreTextVerticallyOnPicture();
    finds.textRect.x = layout_.countBox.centreX() + 52;

    Picture& pause = layout_.findPause;
    setTextIfChanged(pause, decimal(options_.findPause) + u" s");
    pause.centreTextVerticallyOnPicture();
    const Picture& pauseBox = layout_.pauseBox;
    pause.textRect.x = pauseBox.x + pauseBox.width - pause.textRect.width - 60;

    Picture& language = layout_.languageBox;
    setTextIfChanged(language, LanguageChooser::shownName(options_.language));
    language.centreTextOnPicture();

    if (OptionsControlTable::showsOn(&OptionsLayout::listBox, tab_)) {
        Picture& list = layout_.listBox;
        setTextIfChanged(list, options_.listName[slotOf(tab_)]);
        list.centreTextOnPicture();
    }
}

void OptionsScreen::draw() {
    if (offscreen_ == nullptr) {
        return;
    }
    painter_.paint(*offscreen_, tab_, aboutShown_);
    present();
}

void OptionsScreen::mouseDown(int x, int y) {
    // Only a press changes values: a setting, the tab, a reset.
    valueTextsDue_ = true;
    if (layout_.stopButton.contains(x, y)) {
        click();
        if (aboutShown_) {
            closeAbout();
        } else {
            leave();
        }
        return;
    }
    // The about picture covers the controls: a press on it must not change a setting the adult
    // cannot see.
    if (aboutShown_) {
        return;
    }
    if (layout_.resetButton.contains(x, y)) {
        click();
        reset();
        return;
    }
    if (layout_.aboutButton.contains(x, y)) {
        click();
        showAbout();
        return;
    }
    for (int i = 0; i < OptionsLayout::kTabs; ++i) {
        if (layout_.tabs[static_cast<std::size_t>(i)].contains(x, y)) {
            chooseTab(tabAt(i));
            return;
        }
    }
    const std::u16string language = options_.language;
    if (controls_.press(tab_, x, y)) {
        unsavedChanges_ = true;
    }
    if (options_.language != language) {
        followLanguage();
        setHelpLine(texts_.line(layout_.helpLineAt(tab_, x, y)));
    }
}

void OptionsScreen::followLanguage() {
    texts_.read(services_.files, options_.language);
    choosers_.fillLists(options_);
    if (offscreen_ != nullptr) {
        layout_.loadAbout(
            *offscreen_, aboutPictureOf(services_.files, options_.language),
            GameTexts::read(services_.files, options_.language)[GameTexts::VersionLine]);
    }
}

void OptionsScreen::mouseMove(int x, int y) {
    layout_.stopButton.hoverTest(x, y);
    if (aboutShown_) {
        return;
    }
    layout_.resetButton.hoverTest(x, y);
    layout_.aboutButton.hoverTest(x, y);
    setHelpLine(texts_.line(layout_.helpLineAt(tab_, x, y)));
}

void OptionsScreen::keyDown(int key) {
    if (key == kKeyEscape) {
        if (aboutShown_) {
            closeAbout();
        } else {
            leave();
        }
    }
}

void OptionsScreen::click() {
    if (options_.soundOn[0] == 1) {
        services_.sound.playOnce(u"sfx\\click.wav");
    }
}

void OptionsScreen::reset() {
    if (!options_.readOptionsFile(u"options\\" + options_.language + u".opt")) {
        options_.setDefaultOptions();
    }
    // The choosers and the colour cycle stay where they stood.
    unsavedChanges_ = true;
}

void OptionsScreen::showAbout() {
    aboutShown_ = true;
    layout_.placeStopButtonForAbout();
}

void OptionsScreen::closeAbout() {
    aboutShown_ = false;
    layout_.placeStopButtonInCorner();
}

bool OptionsScreen::saveSettings(std::uint32_t& error) {
    if (options_.writeOptionsFile(error)) {
        services_.unsavedSettings.reset();
        return true;
    }
    services_.unsavedSettings = static_cast<const SettingValues&>(options_);
    return false;
}

void OptionsScreen::leave() {
    nextScreenId_ = MenuId;
    // Without a change the file already holds what the screen showed, and a failure loses
    // nothing: the adult is not troubled with it.
    const bool changed = unsavedChanges_ || services_.unsavedSettings.has_value();
    std::uint32_t error = 0;
    if (saveSettings(error)) {
        unsavedChanges_ = false;
        return;
    }
    if (!changed) {
        services_.unsavedSettings.reset();
        return;
    }
    // The changes stay marked, so the destructor tries once more.
    unsavedChanges_ = true;
    const GameTexts texts = GameTexts::read(services_.files, options_.language);
    services_.errorBox.showError(SettingsNotSavedMessage::text(texts, error),
                                 texts[GameTexts::SettingsNotSavedCaption]);
}

void OptionsScreen::chooseTab(OptionsTab tab) {
    // The colour cycle goes on from the new tab's colour.
    choosers_.selectColour(options_.backgroundColour[slotOf(tab)]);
    setHelpLine(u"");
    tab_ = tab;
}

void OptionsScreen::setHelpLine(std::u16string_view text) {
    Picture& help = layout_.helpLine;
    help.setText(text);
    help.setTextPosition(400 - help.textRect.width / 2, 175);
}
