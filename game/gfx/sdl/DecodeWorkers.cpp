// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/DecodeWorkers.h"

#include "game/gfx/sdl/PictureStructure.h"

#include <algorithm>
#include <chrono>

namespace {

// As many workers as cores, so that a screen's pictures use them all; never more than this.
constexpr unsigned kMostWorkers = 8;

} // namespace

PendingPicture::~PendingPicture() {
    const std::lock_guard<std::mutex> held(shared_->mutex);
    shared_->abandoned = true;
}

std::optional<SurfacePtr> PendingPicture::takeWithin(std::optional<std::uint32_t> milliseconds,
                                                     const std::function<void()>& whenDone) {
    std::unique_lock<std::mutex> held(shared_->mutex);
    const auto ended = [this] { return shared_->done; };
    if (!milliseconds) {
        shared_->finished.wait(held, ended);
    } else if (!shared_->finished.wait_for(held, std::chrono::milliseconds(*milliseconds), ended)) {
        shared_->whenDone = whenDone;
        return std::nullopt;
    }
    return std::move(shared_->pixels);
}

DecodeWorkers::~DecodeWorkers() {
    std::deque<Job> dropped;
    {
        const std::lock_guard<std::mutex> held(mutex_);
        stopping_ = true;
        dropped.swap(jobs_);
    }
    wanted_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
    for (Job& job : dropped) {
        finish(*job.shared, nullptr);
    }
}

std::unique_ptr<PendingPicture> DecodeWorkers::decode(PictureFile file, PixelSize most) {
    return post(Job{std::move(file), nullptr, {}, most, nullptr});
}

std::unique_ptr<PendingPicture> DecodeWorkers::decodeRest(std::unique_ptr<InputStream> input,
                                                          PictureStart start, PixelSize most) {
    return post(Job{{}, std::move(input), std::move(start), most, nullptr});
}

std::unique_ptr<PendingPicture> DecodeWorkers::post(Job job) {
    auto shared = std::make_shared<PendingPicture::Shared>();
    job.shared = shared;
    {
        const std::lock_guard<std::mutex> held(mutex_);
        jobs_.push_back(std::move(job));
        if (threads_.empty()) {
            const unsigned cores =
                std::clamp(std::thread::hardware_concurrency(), 1u, kMostWorkers);
            for (unsigned i = 0; i < cores; ++i) {
                threads_.emplace_back([this] { work(); });
            }
        }
    }
    wanted_.notify_one();
    return std::make_unique<PendingPicture>(std::move(shared));
}

void DecodeWorkers::work() {
    std::unique_lock<std::mutex> held(mutex_);
    while (true) {
        wanted_.wait(held, [this] { return stopping_ || !jobs_.empty(); });
        if (stopping_) {
            return;
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        held.unlock();
        bool abandoned = false;
        {
            const std::lock_guard<std::mutex> picture(job.shared->mutex);
            abandoned = job.shared->abandoned;
        }
        // A picture whose screen has gone is not decoded at all.
        finish(*job.shared, abandoned ? nullptr : decoded(job));
        held.lock();
    }
}

SurfacePtr DecodeWorkers::decoded(Job& job) {
    if (!job.rest) {
        return decodeRaster(job.file, job.most);
    }
    std::optional<PictureFile> file = readPictureRest(*job.rest, std::move(job.start));
    job.rest.reset();
    if (!file || !layableBeforeDecoding(*file)) {
        return nullptr;
    }
    return decodeRaster(*file, job.most);
}

void DecodeWorkers::finish(PendingPicture::Shared& shared, SurfacePtr pixels) {
    std::function<void()> whenDone;
    {
        const std::lock_guard<std::mutex> held(shared.mutex);
        shared.pixels = std::move(pixels);
        shared.done = true;
        // No one waits for a picture whose screen has gone.
        if (!shared.abandoned) {
            whenDone = std::move(shared.whenDone);
        }
    }
    shared.finished.notify_all();
    if (whenDone) {
        whenDone();
    }
}
