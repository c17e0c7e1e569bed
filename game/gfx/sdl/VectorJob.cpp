// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/VectorJob.h"

#include <chrono>
#include <utility>

VectorJob::VectorJob(std::span<const unsigned char> svg, int width, int height,
                     PictureBudget budget, std::function<void()> done)
    : process_(svg, width, height, budget), width_(width), height_(height) {
    waiter_ = std::thread([this, done = std::move(done)] {
        const Outcome outcome = process_.finish();
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            outcome_ = outcome;
        }
        known_.notify_all();
        if (done) {
            done();
        }
    });
}

VectorJob::~VectorJob() {
    process_.stop();
    waiter_.join();
}

VectorJob::Outcome VectorJob::waitFor(std::optional<std::uint32_t> milliseconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto isKnown = [this] { return outcome_ != Outcome::Running; };
    if (milliseconds) {
        known_.wait_for(lock, std::chrono::milliseconds(*milliseconds), isKnown);
    } else {
        known_.wait(lock, isKnown);
    }
    return outcome_;
}

SurfacePtr VectorJob::pixels() {
    if (waitFor(0) != Outcome::Drawn) {
        return nullptr;
    }
    // The process's memory is only read from here on; the surface borrows it.
    const int width = process_.width();
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(process_.pixels()), width, process_.height(), 32, width * 4,
        SDL_PIXELFORMAT_ARGB8888));
}
