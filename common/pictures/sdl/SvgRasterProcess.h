// SPDX-License-Identifier: GPL-3.0-or-later
// Draws an SVG picture in a child process of its own, under a time and memory budget: the
// rasteriser cannot be interrupted from inside, so a picture that would take minutes or gigabytes
// is ended from outside once its budget is spent and costs no more than that. The pixels come
// back through memory shared with the child.
#pragma once

#include "common/pictures/PictureBudget.h"

#include <cstdint>
#include <mutex>
#include <span>
#include <sys/types.h>

class SvgRasterProcess {
public:
    enum class Outcome {
        Running,
        Drawn,      // the pixels are there
        NotDrawn,   // the rasteriser read no picture from the file
        OverBudget, // out of time or memory, ended, or ended abnormally
    };

    // Starts the child at once, to draw the picture fitted in `width` x `height` keeping its
    // shape. Must be called where no other thread of the program is inside SDL (the loop's thread
    // of the game, the editor's window thread): the child has only this thread.
    SvgRasterProcess(std::span<const unsigned char> svg, int width, int height,
                     PictureBudget budget);
    // Whether the picture is drawn within `budget` at the largest size the game draws a picture
    // (fitted in its 800 x 600 screen): how the editor judges an SVG before copying it in.
    static bool drawsWithin(std::span<const unsigned char> svg, PictureBudget budget);

    // Ends a child still running and reaps it; never waits out its budget.
    ~SvgRasterProcess();
    SvgRasterProcess(const SvgRasterProcess&) = delete;
    SvgRasterProcess& operator=(const SvgRasterProcess&) = delete;

    // Blocks until the child has ended or its budget is spent (it is then ended). Called by one
    // thread at a time; the outcome, once known, stays.
    Outcome finish();
    // Ends the child now, from any thread; finish then returns OverBudget.
    void stop();

    // After Drawn: the picture's pixels in ARGB8888, `width()` apart, and its size (at most the
    // size asked for; one side is smaller when the picture's shape is not the box's).
    const std::uint32_t* pixels() const;
    int width() const;
    int height() const;

private:
    // The outcome of a child that has ended with `status`.
    Outcome ended(int status);
    // Waits for the child's end until the deadline; true when it ended.
    bool awaitEnd(std::uint64_t deadlineMs);

    PictureBudget budget_;
    std::size_t sharedBytes_ = 0;
    void* shared_ = nullptr;
    pid_t child_ = -1;
    int exitWatch_ = -1; // a descriptor readable once the child has ended; -1 without one
    std::uint64_t startMs_ = 0;
    std::mutex reaping_; // a child is signalled only while it has not been reaped
    bool reaped_ = false;
    Outcome outcome_ = Outcome::Running;
};
