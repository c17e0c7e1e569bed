// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavePlayer.h"

#include <string>

namespace {

std::u16string decimal(int number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

WavePlayer::~WavePlayer() {
    stop();
    close();
}

void WavePlayer::open(std::u16string_view path) {
    if (!name_.empty()) {
        close();
    }
    // The device type comes from the name's ending; a name shorter than that ending is its own
    // type (and is refused like any type that is not a wave device).
    const std::u16string_view ending = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    deviceType_ = ending == u".wav" ? std::u16string(u"Waveaudio") : std::u16string(ending);
    name_ = path;
    send(u"Open " + name_ + u" ALIAS " + name_ + u" TYPE " + deviceType_ + u" wait");
}

void WavePlayer::play() {
    if (name_.empty()) {
        return;
    }
    stopped_ = 0;
    seek(0);
    send(u"Play " + name_);
}

void WavePlayer::stop() {
    if (name_.empty() || stopped_ == 1) {
        return;
    }
    stopped_ = 1;
    send(u"Stop " + name_);
}

void WavePlayer::seek(int position) {
    if (name_.empty()) {
        return;
    }
    send(u"Seek " + name_ + u" to " + decimal(position));
}

void WavePlayer::close() {
    if (name_.empty()) {
        return;
    }
    send(u"Close " + name_);
    name_.clear();
}

void WavePlayer::send(std::u16string command) {
    command_ = std::move(command);
    lastResult_ = sound_.sendCommand(command_);
}
