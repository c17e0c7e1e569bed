// Entry of the game. It reads its command line, opens the content folder and builds the
// settings record (which writes options\vimo.opt on a first start), then ends.
#include "common/files/DiskFileSystem.h"
#include "game/content/Options.h"
#include "game/shell/CommandLine.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    const auto commandLine = parseCommandLine(arguments, error);
    if (!commandLine) {
        std::fprintf(stderr, "Vimo: %s\n", error.c_str());
        return 2;
    }
    std::error_code ec;
    const std::filesystem::path folder = commandLine->contentFolder.empty()
                                             ? std::filesystem::current_path(ec)
                                             : commandLine->contentFolder;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "Vimo: the content folder %s does not exist\n", folder.c_str());
        return 1;
    }
    DiskFileSystem files(folder);
    Options options(files);
    return 0;
}
