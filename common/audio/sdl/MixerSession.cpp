// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixerSession.h"

#include <SDL_mixer.h>
#include <algorithm>

MixerSession::MixerSession(std::chrono::milliseconds quietBeforeClosing)
    : quiet_(quietBeforeClosing) {
    if (!claim_.held()) {
        return;
    }
    device_.emplace();
    if (!device_->isOpen()) {
        device_.reset();
        return;
    }
    format_ = device_->format();
    lastUse_ = std::chrono::steady_clock::now();
    closer_ = std::thread([this] { closeWhenQuiet(); });
}

MixerSession::~MixerSession() {
    stopClosing();
}

void MixerSession::stopClosing() {
    {
        const Lock held(mutex_);
        stopping_ = true;
    }
    opened_.notify_all();
    if (closer_.joinable()) {
        closer_.join();
    }
}

bool MixerSession::wake(const Lock&) {
    if (!format_) {
        return false;
    }
    lastUse_ = std::chrono::steady_clock::now();
    if (device_) {
        return true;
    }
    device_.emplace(format_);
    if (!device_->isOpen()) {
        device_.reset();
        return false;
    }
    if (channels_ > 0) {
        Mix_AllocateChannels(channels_);
        Mix_ReserveChannels(channels_);
    }
    opened_.notify_all();
    return true;
}

bool MixerSession::isOpen(const Lock&) const {
    return device_.has_value();
}

bool MixerSession::setChannels(const Lock&, int count) {
    if (!device_ || Mix_AllocateChannels(count) != count) {
        return false;
    }
    // Reserved channels are never picked for "any free channel", so nothing else takes them.
    Mix_ReserveChannels(count);
    channels_ = count;
    return true;
}

// While sound plays the device is looked at a few times in each quiet time (the audio thread
// wakes far more often then); once it has been silent, and untouched, for the whole quiet time
// it is closed, long after the last samples left SDL's buffers. A closed device is waited for
// without a timeout: this thread then sleeps until the next sound.
void MixerSession::closeWhenQuiet() {
    Lock held(mutex_);
    const auto whilePlaying = std::max(quiet_ / 4, std::chrono::milliseconds(1));
    while (!stopping_) {
        if (!device_) {
            opened_.wait(held);
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (Mix_Playing(-1) != 0) {
            lastUse_ = now;
            opened_.wait_for(held, whilePlaying);
        } else if (now - lastUse_ >= quiet_) {
            device_.reset();
        } else {
            opened_.wait_until(held, lastUse_ + quiet_);
        }
    }
}

std::uint64_t MixerSession::milliseconds(const Mix_Chunk& chunk) const {
    if (!format_) {
        return 0;
    }
    return chunk.alen / format_->bytesPerFrame() * 1000 /
           static_cast<std::uint64_t>(format_->frequency);
}

std::uint64_t MixerSession::bytesAt(std::uint64_t milliseconds) const {
    if (!format_) {
        return 0;
    }
    return milliseconds * static_cast<std::uint64_t>(format_->frequency) / 1000 *
           format_->bytesPerFrame();
}
