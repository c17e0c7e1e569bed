#include "DemoContentCopy.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

DemoContentCopy::DemoContentCopy(const fs::path& source) {
    std::string pattern = (fs::temp_directory_path() / "vimo-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder for the content");
    }
    path_ = pattern;
    fs::copy(source, path_, fs::copy_options::recursive);
}

DemoContentCopy::~DemoContentCopy() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}
