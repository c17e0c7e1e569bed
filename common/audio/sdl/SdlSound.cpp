// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlSound.h"

#include "common/audio/NullSound.h"
#include "common/audio/SoundFormat.h"
#include "common/audio/sdl/DeviceCommand.h"
#include "common/text/CaseFolding.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>

namespace {

constexpr int kSharedChannel = 0;

// Answers of sendCommand; callers only tell 0 from the rest.
enum class CommandResult : int {
    Done = 0,
    NotACommand,
    NotAWaveDevice,
    AliasInUse,
    CannotLoad,
    NoSuchDevice,
    PastTheEnd,
    CannotPlay,
};

int answer(CommandResult result) {
    return static_cast<int>(result);
}

constexpr std::uint64_t kEndMarginMs = 500;
constexpr std::uint64_t kLongestWaitMs = 10'000;
constexpr Uint32 kPollMs = 5;

} // namespace

SdlSound::SdlSound(const FileSystem& files, std::chrono::milliseconds quietBeforeClosing)
    : files_(files), cache_(files) {
    if (!subsystem_.started()) {
        return;
    }
    session_.emplace(quietBeforeClosing);
    if (!session_->usable()) {
        session_.reset();
        return;
    }
    // Only the shared channel to begin with; wave devices add theirs.
    const Lock held = session_->hold();
    session_->setChannels(held, 1);
    channelCount_ = 1;
}

SdlSound::~SdlSound() {
    if (!isOpen()) {
        return;
    }
    {
        const Lock held = session_->hold();
        halt(held, -1);
        devices_.clear();
        sharedChunk_.reset();
    }
    // From here on nothing closes the device behind the cache's back while it frees its sounds.
    session_->stopClosing();
}

bool SdlSound::isOpen() const {
    return session_.has_value();
}

bool SdlSound::deviceOpen() const {
    if (!isOpen()) {
        return false;
    }
    const Lock held = session_->hold();
    return session_->isOpen(held);
}

bool SdlSound::channelPlaying(const Lock& held, int channel) const {
    return session_->isOpen(held) && Mix_Playing(channel) != 0;
}

void SdlSound::halt(const Lock& held, int channel) {
    if (session_->isOpen(held)) {
        Mix_HaltChannel(channel);
    }
}

void SdlSound::stop() {
    if (isOpen()) {
        halt(session_->hold(), kSharedChannel);
    }
}

void SdlSound::playOnce(std::u16string_view path) {
    if (isOpen()) {
        playShared(session_->hold(), path, 0);
    }
}

void SdlSound::playOnceUnlessBusy(std::u16string_view path) {
    if (!isOpen()) {
        return;
    }
    const Lock held = session_->hold();
    if (!channelPlaying(held, kSharedChannel)) {
        playShared(held, path, 0);
    }
}

void SdlSound::playLooping(std::u16string_view path) {
    if (isOpen()) {
        playShared(session_->hold(), path, -1);
    }
}

void SdlSound::playToEnd(std::u16string_view path) {
    if (!isOpen()) {
        return;
    }
    std::uint64_t length = 0;
    {
        const Lock held = session_->hold();
        playShared(held, path, 0);
        if (sharedChunk_ == nullptr) {
            return;
        }
        length = session_->milliseconds(*sharedChunk_);
    }
    // The lock is let go between looks; the device stays open while the sound plays.
    const std::uint64_t limit = std::min(length + kEndMarginMs, kLongestWaitMs);
    const Uint64 start = SDL_GetTicks64();
    while (playing() && SDL_GetTicks64() - start < limit) {
        SDL_Delay(kPollMs);
    }
}

void SdlSound::playShared(const Lock& held, std::u16string_view path, int loops) {
    // A new sound cuts off the one playing, even when it cannot play itself. The channel holds
    // its sound until then, so the cache may let go of it meanwhile.
    halt(held, kSharedChannel);
    sharedChunk_.reset();
    sharedPath_.clear();
    if (!session_->wake(held)) {
        return;
    }
    SharedChunk chunk = cache_.get(path);
    if (chunk && Mix_PlayChannel(kSharedChannel, chunk.get(), loops) == kSharedChannel) {
        sharedChunk_ = std::move(chunk);
        sharedPath_ = path;
    }
}

bool SdlSound::playing() const {
    return isOpen() && channelPlaying(session_->hold(), kSharedChannel);
}

bool SdlSound::decodes(std::u16string_view path) {
    if (isOpen()) {
        const Lock held = session_->hold();
        if (session_->wake(held)) {
            return cache_.get(path) != nullptr;
        }
    }
    return playable(soundFormatOfFile(files_, path));
}

std::u16string SdlSound::sharedChannelSound() const {
    if (!isOpen()) {
        return {};
    }
    const Lock held = session_->hold();
    if (channelPlaying(held, kSharedChannel) && sharedChunk_ != nullptr &&
        Mix_GetChunk(kSharedChannel) == sharedChunk_.get()) {
        return sharedPath_;
    }
    return {};
}

bool SdlSound::devicePlaying(std::u16string_view alias) const {
    if (!isOpen()) {
        return false;
    }
    const Lock held = session_->hold();
    const auto device = findDevice(alias);
    return device != devices_.end() && channelPlaying(held, device->channel);
}

int SdlSound::sendCommand(std::u16string_view text) {
    if (!isOpen()) {
        return answer(CommandResult::Done);
    }
    const std::optional<DeviceCommand> command = DeviceCommand::parse(text);
    if (!command) {
        return answer(CommandResult::NotACommand);
    }
    const Lock held = session_->hold();
    if (command->verb == DeviceCommand::Verb::Open) {
        return open(held, *command);
    }
    const auto device = findDevice(command->alias);
    if (device == devices_.end()) {
        return answer(CommandResult::NoSuchDevice);
    }
    switch (command->verb) {
    case DeviceCommand::Verb::Seek:
        return seek(held, *device, command->position);
    case DeviceCommand::Verb::Play:
        return play(held, *device);
    case DeviceCommand::Verb::Stop:
        halt(held, device->channel);
        return answer(CommandResult::Done);
    case DeviceCommand::Verb::Close:
        close(held, device);
        return answer(CommandResult::Done);
    case DeviceCommand::Verb::Open:
        break;
    }
    return answer(CommandResult::NotACommand);
}

int SdlSound::open(const Lock& held, const DeviceCommand& command) {
    if (!equalsIgnoringCase(command.type, u"Waveaudio")) {
        return answer(CommandResult::NotAWaveDevice);
    }
    // Another device under the same name keeps it: closing that name must not silence a
    // device its owner did not open.
    if (findDevice(command.alias) != devices_.end()) {
        return answer(CommandResult::AliasInUse);
    }
    // Decoding needs the output device's format, so it opens; a device that cannot open any
    // more is silent, as when there was none.
    if (!session_->wake(held)) {
        return answer(CommandResult::Done);
    }
    // From the cache: a screen's start music comes back whenever the screen does.
    SharedChunk chunk = cache_.get(command.path);
    if (!chunk) {
        return answer(CommandResult::CannotLoad);
    }
    const int channel = takeChannel(held);
    if (channel < 0) {
        return answer(CommandResult::CannotLoad);
    }
    devices_.push_back(Device{command.alias, channel, std::move(chunk), nullptr});
    return answer(CommandResult::Done);
}

int SdlSound::seek(const Lock& held, Device& device, std::uint32_t position) {
    halt(held, device.channel);
    device.fromPosition.reset();
    const std::uint64_t offset = session_->bytesAt(position);
    if (offset > device.chunk->alen) {
        return answer(CommandResult::PastTheEnd);
    }
    if (offset > 0) {
        if (!session_->wake(held)) {
            return answer(CommandResult::Done);
        }
        device.fromPosition.reset(Mix_QuickLoad_RAW(
            device.chunk->abuf + offset, device.chunk->alen - static_cast<Uint32>(offset)));
        if (!device.fromPosition) {
            return answer(CommandResult::CannotPlay);
        }
    }
    return answer(CommandResult::Done);
}

int SdlSound::play(const Lock& held, Device& device) {
    Mix_Chunk* chunk = device.fromPosition ? device.fromPosition.get() : device.chunk.get();
    if (chunk->alen == 0) {
        // Sought to the very end: nothing is left to play.
        halt(held, device.channel);
        return answer(CommandResult::Done);
    }
    if (!session_->wake(held)) {
        return answer(CommandResult::Done);
    }
    if (Mix_PlayChannel(device.channel, chunk, 0) != device.channel) {
        return answer(CommandResult::CannotPlay);
    }
    return answer(CommandResult::Done);
}

void SdlSound::close(const Lock& held, std::vector<Device>::iterator device) {
    halt(held, device->channel);
    freeChannels_.push_back(device->channel);
    devices_.erase(device);
}

std::vector<SdlSound::Device>::iterator SdlSound::findDevice(std::u16string_view alias) {
    return std::find_if(devices_.begin(), devices_.end(), [&](const Device& device) {
        return equalsIgnoringCase(device.alias, alias);
    });
}

std::vector<SdlSound::Device>::const_iterator
SdlSound::findDevice(std::u16string_view alias) const {
    return std::find_if(devices_.begin(), devices_.end(), [&](const Device& device) {
        return equalsIgnoringCase(device.alias, alias);
    });
}

int SdlSound::takeChannel(const Lock& held) {
    if (!freeChannels_.empty()) {
        const int channel = freeChannels_.back();
        freeChannels_.pop_back();
        return channel;
    }
    const int wanted = channelCount_ + 1;
    if (!session_->setChannels(held, wanted)) {
        return -1;
    }
    channelCount_ = wanted;
    return wanted - 1;
}

std::unique_ptr<Sound> openSound(const FileSystem& files) {
    auto sound = std::make_unique<SdlSound>(files);
    if (sound->isOpen()) {
        return sound;
    }
    return std::make_unique<NullSound>();
}
