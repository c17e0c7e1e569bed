// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the raster pictures a screen loads on worker threads, one per processor core, so that
// a screen of many large photos is decoded in the time of a few, while the screen goes on laying
// itself out. A picture is waited for only when it is first drawn.
#pragma once

#include "common/pictures/PictureFile.h"
#include "game/gfx/sdl/GraphicsHandles.h"
#include "game/gfx/sdl/RasterDecode.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
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
        // Runs on the worker once the decoding ends, when a frame went on without the picture.
        std::function<void()> whenDone;
    };

    explicit PendingPicture(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
    // A decoding not yet begun is then never made.
    ~PendingPicture();
    PendingPicture(const PendingPicture&) = delete;
    PendingPicture& operator=(const PendingPicture&) = delete;

    // Waits for the decoding's end, at most `milliseconds` (none: until it ends); then the pixels,
    // null when the picture could not be decoded. Nothing when it has not ended by then:
    // `whenDone` then runs, on the worker, once it does.
    std::optional<SurfacePtr> takeWithin(std::optional<std::uint32_t> milliseconds,
                                         const std::function<void()>& whenDone);

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
    // The same for a file of which only `start` is read: the worker reads the rest from `input`
    // first. A file that then turns out cut short or damaged before its image data has no pixels.
    std::unique_ptr<PendingPicture> decodeRest(std::unique_ptr<InputStream> input,
                                               PictureStart start, PixelSize most);

private:
    struct Job {
        PictureFile file;
        // When only the start is read: the rest comes from here.
        std::unique_ptr<InputStream> rest;
        PictureStart start;
        PixelSize most;
        std::shared_ptr<PendingPicture::Shared> shared;
    };

    std::unique_ptr<PendingPicture> post(Job job);
    void work();
    static SurfacePtr decoded(Job& job);
    static void finish(PendingPicture::Shared& shared, SurfacePtr pixels);

    std::mutex mutex_;
    std::condition_variable wanted_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};
