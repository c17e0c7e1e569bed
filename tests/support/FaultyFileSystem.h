// SPDX-License-Identifier: GPL-3.0-or-later
// The disk, with faults on demand: reads that fail after a given number of bytes (a disk error
// part-way through a file), files that cannot be replaced at all (a read-only folder, no
// permission), writes and appends that fail after a given number of bytes (a full disk), a file
// that cannot be removed, and something else done to the disk in the middle of a save (another
// program saving too).
#pragma once

#include "common/files/DiskFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <limits>
#include <utility>

class FaultyFileSystem : public DiskFileSystem {
public:
    using DiskFileSystem::DiskFileSystem;

    // A read that would go past this many bytes of a file fails.
    std::size_t readFailsAfter = std::numeric_limits<std::size_t>::max();
    // Replacing any file fails at once with this error (EROFS, EACCES); 0 for none.
    std::uint32_t replacingFailsWith = 0;
    // Writes fail once this many bytes would have been written to one file.
    std::size_t writeFailsAfter = std::numeric_limits<std::size_t>::max();
    // Runs once, when the next save's first bytes are about to reach its file.
    std::function<void()> duringNextSave;
    // The next removal of a file fails with this error (EBUSY: the file is open elsewhere).
    std::uint32_t nextRemovalFailsWith = 0;
    // The disk's room for appends: one that goes past it writes what still fits and fails with
    // ENOSPC, as a disk that fills up part-way through a write does.
    std::size_t appendRoom = std::numeric_limits<std::size_t>::max();

    bool append(std::u16string_view path, std::string_view bytes, std::uint32_t& error) override {
        const std::size_t fits = std::min(bytes.size(), appendRoom);
        appendRoom -= fits;
        if (!DiskFileSystem::append(path, bytes.substr(0, fits), error)) {
            return false;
        }
        error = fits < bytes.size() ? ENOSPC : 0;
        return error == 0;
    }

    bool remove(std::u16string_view path, std::uint32_t& error) override {
        error = std::exchange(nextRemovalFailsWith, 0);
        return error == 0 && DiskFileSystem::remove(path, error);
    }

    std::unique_ptr<InputStream> openForReading(std::u16string_view path) const override {
        auto real = DiskFileSystem::openForReading(path);
        if (!real) {
            return nullptr;
        }
        return std::make_unique<FailingInput>(std::move(real), readFailsAfter);
    }

    std::unique_ptr<OutputStream> openForReplacing(std::u16string_view path,
                                                   std::uint32_t& error) override {
        if (replacingFailsWith != 0) {
            error = replacingFailsWith;
            return nullptr;
        }
        auto real = DiskFileSystem::openForReplacing(path, error);
        if (!real) {
            return nullptr;
        }
        return std::make_unique<FailingOutput>(std::move(real), writeFailsAfter,
                                               std::exchange(duringNextSave, nullptr));
    }

private:
    class FailingInput : public InputStream {
    public:
        FailingInput(std::unique_ptr<InputStream> real, std::size_t budget)
            : real_(std::move(real)), budget_(budget) {}
        std::ptrdiff_t read(unsigned char* buffer, std::size_t size,
                            std::uint32_t& error) override {
            // The disk fails inside the request that crosses the budget, as a real one would.
            if (size > budget_ - position_) {
                error = EIO;
                return -1;
            }
            const std::ptrdiff_t got = real_->read(buffer, size, error);
            if (got > 0) {
                position_ += static_cast<std::size_t>(got);
            }
            return got;
        }
        bool rewind(std::uint32_t& error) override {
            position_ = 0;
            return real_->rewind(error);
        }
        std::uint64_t size() const override { return real_->size(); }

    private:
        std::unique_ptr<InputStream> real_;
        std::size_t budget_;
        std::size_t position_ = 0;
    };

    class FailingOutput : public OutputStream {
    public:
        FailingOutput(std::unique_ptr<OutputStream> real, std::size_t budget,
                      std::function<void()> meanwhile)
            : real_(std::move(real)), budget_(budget), meanwhile_(std::move(meanwhile)) {}
        bool write(const unsigned char* bytes, std::size_t size, std::uint32_t& error) override {
            if (auto meanwhile = std::exchange(meanwhile_, nullptr)) {
                meanwhile();
            }
            if (size > budget_) {
                error = ENOSPC;
                return false;
            }
            budget_ -= size;
            return real_->write(bytes, size, error);
        }
        bool commit(std::uint32_t& error) override { return real_->commit(error); }

    private:
        std::unique_ptr<OutputStream> real_;
        std::size_t budget_;
        std::function<void()> meanwhile_;
    };
};
