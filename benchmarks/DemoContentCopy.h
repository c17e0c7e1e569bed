// SPDX-License-Identifier: GPL-3.0-or-later
// A private copy of the repository's demo content folder, so that benchmarks run on real content
// while the settings the screens write never reach the repository. Removed when it goes.
#pragma once

#include <filesystem>

class DemoContentCopy {
public:
    // Copies the folder `source` into a fresh temporary folder; throws when it cannot.
    explicit DemoContentCopy(const std::filesystem::path& source);
    ~DemoContentCopy();
    DemoContentCopy(const DemoContentCopy&) = delete;
    DemoContentCopy& operator=(const DemoContentCopy&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
