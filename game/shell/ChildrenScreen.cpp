// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildrenScreen.h"

#include "game/platform/KeyCodes.h"
#include "game/screen/ScanFrame.h"
#include "game/screen/ScanSetup.h"

#include <algorithm>

namespace {

// Soft colours for the cards of children without a photo, told apart by their order.
constexpr std::uint32_t kCardColours[] = {0xFF4A90D9, 0xFFE67E22, 0xFF27AE60, 0xFF8E44AD,
                                          0xFFC0392B, 0xFF16A085, 0xFFD4AC0D, 0xFF7F8C8D};

// Dark text on a light background, light text on a dark one.
std::uint32_t textColourOn(std::uint32_t background) {
    const unsigned r = (background >> 16) & 0xFF;
    const unsigned g = (background >> 8) & 0xFF;
    const unsigned b = background & 0xFF;
    return (r * 299 + g * 587 + b * 114) / 1000 > 140 ? 0xFF000000 : 0xFFFFFFFF;
}

std::u16string firstLetter(const std::u16string& name) {
    if (name.empty()) {
        return {};
    }
    // A letter outside the basic plane comes as a pair, which stays whole.
    const bool pair = name.size() > 1 && name[0] >= 0xD800 && name[0] < 0xDC00;
    return name.substr(0, pair ? 2 : 1);
}

} // namespace

ChildrenScreen::ChildrenScreen(ScreenServices& services, std::vector<ChildProfile> children,
                               std::function<void(std::size_t)> chosen)
    : services_(services), children_(std::move(children)), stopButton_(services.clock),
      scanner_(services.clock, services.pointer, [this](int x, int y) { mouseDown(x, y); }),
      options_(services.files, services.unsavedSettings),
      leave_(services.clock, services.access.kioskLock,
             static_cast<std::uint32_t>(services.access.lockHoldTime)),
      chosen_(std::move(chosen)) {}

ChildrenScreen::~ChildrenScreen() {
    scanner_.clearTargets();
}

bool ChildrenScreen::begin(Graphics& offscreen, Graphics& window, Image& offscreenImage) {
    Screen::begin(offscreen, window, offscreenImage);
    const std::vector<RectF> places = childCardPlaces(children_.size());
    // Every card has the same size: a square picture above a band for the name.
    const float side = places.empty() ? 0 : places[0].width;
    const float nameHeight = places.empty() ? 0 : places[0].height - side;
    nameFont_ = offscreen.createFont(u"sans-serif", nameHeight * 0.7f, FontUnit::Pixel);
    letterFont_ = offscreen.createFont(u"sans-serif", side * 0.6f, FontUnit::Pixel);
    cards_.clear();
    photos_.clear();
    for (std::size_t k = 0; k < children_.size(); ++k) {
        const RectF place = places[k];
        Picture card(services_.clock);
        card.setTarget(&offscreen);
        card.setPosition(place.x, place.y);
        card.setSize(place.width, place.height);
        card.setFrameMargin(8);
        cards_.push_back(std::move(card));

        Picture photo(services_.clock);
        const ChildProfile& child = children_[k];
        if (!child.photo.empty()) {
            const std::u16string path =
                u"children\\" + child.name + u"\\" + child.photo.filename().u16string();
            photo.load(path, &offscreen, false, {static_cast<int>(side), static_cast<int>(side)});
        }
        // After loading, which takes the file's own size.
        photo.setPosition(place.x, place.y);
        photo.setSize(side, side);
        photo.setKeepsShape(true);
        photos_.push_back(std::move(photo));
    }

    stopButton_.load(u"gfx\\buttons\\stop.png", offscreen_, true);
    stopButton_.setFrameColour(0xFFFF0000);
    stopButton_.setPosition(10, 10);
    stopButton_.setFrameMargin(10);

    for (const Picture& card : cards_) {
        scanner_.addTarget(&card);
    }
    if (!(leave_.locked() && options_.oneContact != 0)) {
        scanner_.addTarget(&stopButton_);
    }
    setUpScanning(scanner_, services_, options_, [](std::size_t) { return std::u16string(); });
    return true;
}

NextScreen ChildrenScreen::update() {
    scanner_.tick();
    if (leave_.heldLongEnough()) {
        next_ = Quit;
    }
    return next_;
}

NextTurn ChildrenScreen::nextTurn() const {
    return next_.stays() ? scanner_.nextTurn().soonest(leave_.nextTurn()) : NextTurn::now();
}

void ChildrenScreen::drawCard(std::size_t k) {
    const Picture& card = cards_[k];
    Picture& photo = photos_[k];
    const float nameHeight = card.height - photo.height;
    const std::uint32_t text = textColourOn(options_.backgroundColour[0]);
    if (photo.hasImage()) {
        photo.draw();
    } else {
        const float side = photo.width;
        const RectF square{photo.x, photo.y, side, side};
        const std::uint32_t colour = kCardColours[k % std::size(kCardColours)];
        offscreen_->fillRectangle(square, colour);
        const std::u16string letter = firstLetter(children_[k].name);
        const RectF size = offscreen_->measureString(letter, *letterFont_);
        offscreen_->drawString(letter, *letterFont_,
                               {square.x, square.y + (side - size.height) / 2, side, size.height},
                               textColourOn(colour), TextAlignment::Centre);
    }
    offscreen_->drawString(children_[k].name, *nameFont_,
                           {card.x, card.y + card.height - nameHeight, card.width, nameHeight},
                           text, TextAlignment::Centre);
}

void ChildrenScreen::draw() {
    if (!offscreen_) {
        return;
    }
    offscreen_->clear(options_.backgroundColour[0]);
    for (std::size_t k = 0; k < cards_.size(); ++k) {
        drawCard(k);
    }
    stopButton_.draw();
    const bool bold = usesBoldScanFrame(services_.access);
    if (bold) {
        drawBoldScanFrame(*offscreen_, stopButton_, services_.access);
    } else {
        stopButton_.drawFrame();
    }
    for (Picture& card : cards_) {
        if (bold) {
            drawBoldScanFrame(*offscreen_, card, services_.access);
        } else {
            card.drawFrame();
        }
    }
    present();
}

void ChildrenScreen::mouseDown(int x, int y) {
    if (leave_.holding() || !next_.stays()) {
        return;
    }
    if (scanner_.press()) {
        return; // it woke the resting scan
    }
    if (stopButton_.contains(x, y)) {
        if (leave_.press(HoldToLeave::Pointer)) {
            next_ = Quit;
        }
        return;
    }
    for (std::size_t k = 0; k < cards_.size(); ++k) {
        if (cards_[k].contains(x, y)) {
            chosen_(k);
            next_ = Quit;
            return;
        }
    }
}

void ChildrenScreen::mouseMove(int x, int y) {
    for (Picture& card : cards_) {
        card.hoverTest(x, y);
    }
    stopButton_.hoverTest(x, y);
    if (!stopButton_.contains(x, y)) {
        leave_.pointerLeft();
    }
}

void ChildrenScreen::mouseUp(int, int) {
    leave_.release();
}

void ChildrenScreen::keyUp(int) {
    leave_.release();
}

void ChildrenScreen::keyDown(int key) {
    if (leave_.holding()) {
        return;
    }
    switch (key) {
    case kKeyEscape:
        if (leave_.press(HoldToLeave::Key)) {
            next_ = Quit;
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
