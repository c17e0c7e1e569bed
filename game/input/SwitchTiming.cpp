// SPDX-License-Identifier: GPL-3.0-or-later
#include "SwitchTiming.h"

#include "game/platform/KeyCodes.h"

namespace {

// The contact a message of the mouse's buttons is from: below every key code.
constexpr int kMouseContact = -1;

std::optional<int> contactOf(const InputEvent& event) {
    switch (event.type) {
    case InputEvent::KeyDown:
    case InputEvent::KeyUp:
        return event.key == kKeyEscape ? std::nullopt : std::optional<int>(event.key);
    case InputEvent::MouseDown:
    case InputEvent::MouseUp:
        return kMouseContact;
    default:
        return std::nullopt;
    }
}

bool isDown(const InputEvent& event) {
    return event.type == InputEvent::KeyDown || event.type == InputEvent::MouseDown;
}

} // namespace

void SwitchTiming::use(const AccessSettings& settings, bool forChild) {
    settings_ = settings;
    forChild_ = forChild;
    for (auto& [key, contact] : down_) {
        if (contact.press == Press::HeldBack) {
            contact.press = Press::PassedOver;
        }
    }
}

bool SwitchTiming::timed() const {
    return forChild_ &&
           (settings_.acceptTime > 0 || settings_.actOnRelease || settings_.ignoreRepeatTime > 0);
}

void SwitchTiming::take(const InputEvent& event, std::vector<InputEvent>& out) {
    const std::optional<int> contact = contactOf(event);
    if (!contact) {
        out.push_back(event);
    } else if (isDown(event)) {
        pressDown(*contact, event, out);
    } else {
        release(*contact, event, out);
    }
}

void SwitchTiming::pressDown(int key, const InputEvent& event, std::vector<InputEvent>& out) {
    const auto found = down_.find(key);
    if (found != down_.end()) {
        // The keyboard's repeat, or a second button of the mouse. Timed, one hold is one press,
        // however long the child holds; untimed it goes where the press went, as it always has.
        if (found->second.press == Press::HandedOn && !timed()) {
            out.push_back(event);
        }
        return;
    }
    const std::uint32_t now = clock_.milliseconds();
    Contact& contact = down_[key] = Contact{Press::HeldBack, event, now};
    if (!timed()) {
        handOn(contact, out);
    } else if (lastCounted_ && elapsedMilliseconds(now, *lastCounted_) <
                                   static_cast<std::uint32_t>(settings_.ignoreRepeatTime)) {
        contact.press = Press::PassedOver;
    } else if (settings_.acceptTime == 0 && !settings_.actOnRelease) {
        handOn(contact, out);
    }
}

void SwitchTiming::release(int key, const InputEvent& event, std::vector<InputEvent>& out) {
    const auto found = down_.find(key);
    if (found == down_.end()) {
        // A release of a press this side never saw (it began before the game had the focus).
        out.push_back(event);
        return;
    }
    Contact& contact = found->second;
    if (contact.press == Press::HeldBack &&
        elapsedMilliseconds(clock_.milliseconds(), contact.since) >=
            static_cast<std::uint32_t>(settings_.acceptTime)) {
        // Held long enough: acting on release, or let go in the turn its time came.
        handOn(contact, out);
    }
    if (contact.press == Press::HandedOn) {
        out.push_back(event);
    }
    down_.erase(found);
}

void SwitchTiming::turn(std::vector<InputEvent>& out) {
    if (settings_.actOnRelease) {
        return;
    }
    const std::uint32_t now = clock_.milliseconds();
    for (auto& [key, contact] : down_) {
        if (contact.press == Press::HeldBack &&
            elapsedMilliseconds(now, contact.since) >=
                static_cast<std::uint32_t>(settings_.acceptTime)) {
            handOn(contact, out);
        }
    }
}

NextTurn SwitchTiming::nextTurn() const {
    NextTurn next = NextTurn::never();
    if (settings_.actOnRelease) {
        return next;
    }
    const std::uint32_t now = clock_.milliseconds();
    const auto acceptance = static_cast<std::uint32_t>(settings_.acceptTime);
    for (const auto& [key, contact] : down_) {
        if (contact.press == Press::HeldBack) {
            const std::uint32_t held = elapsedMilliseconds(now, contact.since);
            next = next.soonest(held >= acceptance ? NextTurn::now()
                                                   : NextTurn::in(acceptance - held));
        }
    }
    return next;
}

void SwitchTiming::handOn(Contact& contact, std::vector<InputEvent>& out) {
    contact.press = Press::HandedOn;
    lastCounted_ = clock_.milliseconds();
    out.push_back(contact.down);
}
