// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoContentCopy.h"

#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

DemoContentCopy::DemoContentCopy(const fs::path& source) {
    std::random_device seed;
    std::mt19937_64 names(seed());
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("vimo-bench-" + std::to_string(names()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
        }
    }
    if (path_.empty()) {
        throw std::runtime_error("cannot make a temporary folder for the content");
    }
    fs::copy(source, path_, fs::copy_options::recursive);
}

DemoContentCopy::~DemoContentCopy() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}
