// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/DecodeWorkers.h"

#include <algorithm>

namespace {

// As many workers as cores, so that a screen's pictures use them all; never more than this.
constexpr unsigned kMostWorkers = 8;

} // namespace

PendingPicture::~PendingPicture() {
    const std::lock_guard<std::mutex> held(shared_->mutex);
    shared_->abandoned = true;
}

SurfacePtr PendingPicture::take() {
    std::unique_lock<std::mutex> held(shared_->mutex);
    shared_->finished.wait(held, [this] { return shared_->done; });
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
    auto shared = std::make_shared<PendingPicture::Shared>();
    {
        const std::lock_guard<std::mutex> held(mutex_);
        jobs_.push_back(Job{std::move(file), most, shared});
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
        finish(*job.shared, abandoned ? nullptr : decodeRaster(job.file, job.most));
        held.lock();
    }
}

void DecodeWorkers::finish(PendingPicture::Shared& shared, SurfacePtr pixels) {
    {
        const std::lock_guard<std::mutex> held(shared.mutex);
        shared.pixels = std::move(pixels);
        shared.done = true;
    }
    shared.finished.notify_all();
}
