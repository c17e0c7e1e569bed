// SPDX-License-Identifier: GPL-3.0-or-later
// One SVG picture being drawn at one size away from the loop's thread: the process drawing it
// under the picture budget and a thread that waits for it, so the loop waits for it no longer
// than it chooses to and hears when it is done.
#pragma once

#include "common/pictures/sdl/SvgRasterProcess.h"
#include "game/gfx/sdl/GraphicsHandles.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <thread>

class VectorJob {
public:
    using Outcome = SvgRasterProcess::Outcome;

    // Starts drawing at once (on the loop's thread, which alone uses SDL). `done` runs on the
    // waiting thread once the outcome is known; it may be empty.
    VectorJob(std::span<const unsigned char> svg, int width, int height, PictureBudget budget,
              std::function<void()> done);
    // Ends the drawing if it still runs; never waits out its budget.
    ~VectorJob();
    VectorJob(const VectorJob&) = delete;
    VectorJob& operator=(const VectorJob&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    // The outcome, waiting for it at most `milliseconds` (none: until it is known, which is within
    // the budget); Running when it is not known by then.
    Outcome waitFor(std::optional<std::uint32_t> milliseconds);
    // After Drawn: the pixels, in ARGB8888, as a surface over the job's memory, good while the job
    // lives; null otherwise.
    SurfacePtr pixels();

private:
    SvgRasterProcess process_;
    int width_;
    int height_;
    std::mutex mutex_;
    std::condition_variable known_;
    Outcome outcome_ = Outcome::Running;
    std::thread waiter_;
};
