#include "CommandLine.h"

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--windowed") {
            line.windowed = true;
        } else if (argument == "--content") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                error = "--content needs the folder that holds the game's content";
                return std::nullopt;
            }
            line.contentFolder = arguments[++i];
        } else {
            error = "unknown argument: " + argument + " (known: --windowed, --content DIR)";
            return std::nullopt;
        }
    }
    return line;
}
