// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeldSound.h"

#include <utility>

void HeldSound::release() {
    holding_ = false;
    std::vector<Call> calls;
    calls.swap(calls_);
    for (const Call& call : calls) {
        switch (call.kind) {
        case Kind::Stop:
            sound_.stop();
            break;
        case Kind::PlayOnce:
            sound_.playOnce(call.text);
            break;
        case Kind::PlayOnceUnlessBusy:
            sound_.playOnceUnlessBusy(call.text);
            break;
        case Kind::PlayLooping:
            sound_.playLooping(call.text);
            break;
        case Kind::Command:
            sound_.sendCommand(call.text);
            break;
        }
    }
}

bool HeldSound::held(Kind kind, std::u16string_view text) {
    if (!holding_) {
        return false;
    }
    calls_.push_back(Call{kind, std::u16string(text)});
    return true;
}

void HeldSound::stop() {
    if (!held(Kind::Stop, {})) {
        sound_.stop();
    }
}

void HeldSound::playOnce(std::u16string_view path) {
    if (!held(Kind::PlayOnce, path)) {
        sound_.playOnce(path);
    }
}

void HeldSound::playOnceUnlessBusy(std::u16string_view path) {
    if (!held(Kind::PlayOnceUnlessBusy, path)) {
        sound_.playOnceUnlessBusy(path);
    }
}

void HeldSound::playLooping(std::u16string_view path) {
    if (!held(Kind::PlayLooping, path)) {
        sound_.playLooping(path);
    }
}

void HeldSound::playToEnd(std::u16string_view path) {
    release();
    sound_.playToEnd(path);
}

bool HeldSound::playing() const {
    for (auto call = calls_.rbegin(); call != calls_.rend(); ++call) {
        if (call->kind != Kind::Command) {
            return call->kind != Kind::Stop;
        }
    }
    return sound_.playing();
}

int HeldSound::sendCommand(std::u16string_view command) {
    if (held(Kind::Command, command)) {
        return 0;
    }
    return sound_.sendCommand(command);
}
