// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlSound.h"

#include "common/audio/NullSound.h"
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

SdlSound::SdlSound(const FileSystem& files) : files_(files), cache_(files) {
    if (!subsystem_.started()) {
        return;
    }
    mixer_.emplace();
    if (!mixer_->isOpen()) {
        mixer_.reset();
        return;
    }
    // Only the shared channel to begin with; wave devices add theirs. Reserved channels are
    // never picked for "any free channel", so nothing else can take them.
    channelCount_ = Mix_AllocateChannels(1);
    Mix_ReserveChannels(channelCount_);
}

SdlSound::~SdlSound() {
    if (isOpen()) {
        Mix_HaltChannel(-1);
    }
}

bool SdlSound::isOpen() const {
    return mixer_.has_value();
}

void SdlSound::stop() {
    if (isOpen()) {
        Mix_HaltChannel(kSharedChannel);
    }
}

void SdlSound::playOnce(std::u16string_view path) {
    playShared(path, 0);
}

void SdlSound::playOnceUnlessBusy(std::u16string_view path) {
    if (isOpen() && Mix_Playing(kSharedChannel) == 0) {
        playShared(path, 0);
    }
}

void SdlSound::playLooping(std::u16string_view path) {
    playShared(path, -1);
}

void SdlSound::playToEnd(std::u16string_view path) {
    playShared(path, 0);
    if (sharedChunk_ == nullptr) {
        return;
    }
    const std::uint64_t limit =
        std::min(mixer_->milliseconds(*sharedChunk_) + kEndMarginMs, kLongestWaitMs);
    const Uint64 start = SDL_GetTicks64();
    while (Mix_Playing(kSharedChannel) != 0 && SDL_GetTicks64() - start < limit) {
        SDL_Delay(kPollMs);
    }
}

void SdlSound::playShared(std::u16string_view path, int loops) {
    if (!isOpen()) {
        return;
    }
    // A new sound cuts off the one playing, even when it cannot play itself. The channel holds
    // its sound until then, so the cache may let go of it meanwhile.
    Mix_HaltChannel(kSharedChannel);
    sharedChunk_.reset();
    sharedPath_.clear();
    SharedChunk chunk = cache_.get(path);
    if (chunk && Mix_PlayChannel(kSharedChannel, chunk.get(), loops) == kSharedChannel) {
        sharedChunk_ = std::move(chunk);
        sharedPath_ = path;
    }
}

bool SdlSound::sharedChannelPlaying() const {
    return isOpen() && Mix_Playing(kSharedChannel) != 0;
}

std::u16string SdlSound::sharedChannelSound() const {
    if (sharedChannelPlaying() && sharedChunk_ != nullptr &&
        Mix_GetChunk(kSharedChannel) == sharedChunk_.get()) {
        return sharedPath_;
    }
    return {};
}

bool SdlSound::devicePlaying(std::u16string_view alias) const {
    const auto device = findDevice(alias);
    return device != devices_.end() && Mix_Playing(device->channel) != 0;
}

int SdlSound::sendCommand(std::u16string_view text) {
    if (!isOpen()) {
        return answer(CommandResult::Done);
    }
    const std::optional<DeviceCommand> command = DeviceCommand::parse(text);
    if (!command) {
        return answer(CommandResult::NotACommand);
    }
    if (command->verb == DeviceCommand::Verb::Open) {
        return open(*command);
    }
    const auto device = findDevice(command->alias);
    if (device == devices_.end()) {
        return answer(CommandResult::NoSuchDevice);
    }
    switch (command->verb) {
    case DeviceCommand::Verb::Seek:
        return seek(*device, command->position);
    case DeviceCommand::Verb::Play:
        return play(*device);
    case DeviceCommand::Verb::Stop:
        Mix_HaltChannel(device->channel);
        return answer(CommandResult::Done);
    case DeviceCommand::Verb::Close:
        close(device);
        return answer(CommandResult::Done);
    case DeviceCommand::Verb::Open:
        break;
    }
    return answer(CommandResult::NotACommand);
}

int SdlSound::open(const DeviceCommand& command) {
    if (!equalsIgnoringCase(command.type, u"Waveaudio")) {
        return answer(CommandResult::NotAWaveDevice);
    }
    // Another device under the same name keeps it: closing that name must not silence a
    // device its owner did not open.
    if (findDevice(command.alias) != devices_.end()) {
        return answer(CommandResult::AliasInUse);
    }
    // From the cache: a screen's start music comes back whenever the screen does.
    SharedChunk chunk = cache_.get(command.path);
    if (!chunk) {
        return answer(CommandResult::CannotLoad);
    }
    const int channel = takeChannel();
    if (channel < 0) {
        return answer(CommandResult::CannotLoad);
    }
    devices_.push_back(Device{command.alias, channel, std::move(chunk), nullptr});
    return answer(CommandResult::Done);
}

int SdlSound::seek(Device& device, std::uint32_t position) {
    Mix_HaltChannel(device.channel);
    device.fromPosition.reset();
    const std::uint64_t offset = mixer_->bytesAt(position);
    if (offset > device.chunk->alen) {
        return answer(CommandResult::PastTheEnd);
    }
    if (offset > 0) {
        device.fromPosition.reset(Mix_QuickLoad_RAW(
            device.chunk->abuf + offset, device.chunk->alen - static_cast<Uint32>(offset)));
        if (!device.fromPosition) {
            return answer(CommandResult::CannotPlay);
        }
    }
    return answer(CommandResult::Done);
}

int SdlSound::play(Device& device) {
    Mix_Chunk* chunk = device.fromPosition ? device.fromPosition.get() : device.chunk.get();
    if (chunk->alen == 0) {
        // Sought to the very end: nothing is left to play.
        Mix_HaltChannel(device.channel);
        return answer(CommandResult::Done);
    }
    if (Mix_PlayChannel(device.channel, chunk, 0) != device.channel) {
        return answer(CommandResult::CannotPlay);
    }
    return answer(CommandResult::Done);
}

void SdlSound::close(std::vector<Device>::iterator device) {
    Mix_HaltChannel(device->channel);
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

int SdlSound::takeChannel() {
    if (!freeChannels_.empty()) {
        const int channel = freeChannels_.back();
        freeChannels_.pop_back();
        return channel;
    }
    const int wanted = channelCount_ + 1;
    if (Mix_AllocateChannels(wanted) != wanted) {
        return -1;
    }
    Mix_ReserveChannels(wanted);
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
