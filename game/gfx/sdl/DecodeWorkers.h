// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the raster pictures a screen loads on worker threads, one per processor core, so that
// a screen of many large photos is decoded in the time of a few, while the screen goes on laying
// itself out. A picture is waited for only when it is first drawn.
#pragma once

#include "common/pictures/PictureFile.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/RasterDecode.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// One picture's decoding, begun on a worker: its pixels once they are there.
class PendingPicture {
public:
    struct Shared {
        std::mutex mutex;
        std::condition_variable finished;
        bool done = false;
        bool abandoned = false;
        SurfacePtr pixels;
    };

    explicit PendingPicture(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
    // A decoding not yet begun is then never made.
    ~PendingPicture();
    PendingPicture(const PendingPicture&) = delete;
    PendingPicture& operator=(const PendingPicture&) = delete;

    // Waits for the decoding's end; null when the picture could not be decoded.
    SurfacePtr take();

private:
    std::shared_ptr<Shared> shared_;
};

class DecodeWorkers {
public:
    DecodeWorkers() = default;
    // Decodings not yet begun are dropped, each ending without pixels; one under way is finished.
    ~DecodeWorkers();
    DecodeWorkers(const DecodeWorkers&) = delete;
    DecodeWorkers& operator=(const DecodeWorkers&) = delete;

    // Starts decoding `file` into the pixels kept of it within `most` (decodeRaster). The workers
    // start with the first picture.
    std::unique_ptr<PendingPicture> decode(PictureFile file, PixelSize most);

private:
    struct Job {
        PictureFile file;
        PixelSize most;
        std::shared_ptr<PendingPicture::Shared> shared;
    };

    void work();
    static void finish(PendingPicture::Shared& shared, SurfacePtr pixels);

    std::mutex mutex_;
    std::condition_variable wanted_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};
