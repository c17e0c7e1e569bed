// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--windowed") {
            line.windowed = true;
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--content") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                error = "--content needs the folder that holds the game's content";
                return std::nullopt;
            }
            line.contentFolder = arguments[++i];
        } else if (argument == "--profile") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                error = "--profile needs the child's folder for settings and the log";
                return std::nullopt;
            }
            line.profileFolder = arguments[++i];
        } else if (argument == "--children") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                error = "--children needs the folder that holds the children's profiles";
                return std::nullopt;
            }
            line.childrenFolder = arguments[++i];
        } else {
            error = "unknown argument: " + argument +
                    " (known: --windowed, --content DIR, --profile DIR, --children DIR, --help,"
                    " --version)";
            return std::nullopt;
        }
    }
    return line;
}

std::string commandLineUsage() {
    return "Usage: Vimo [--windowed] [--content DIR] [--profile DIR | --children DIR]\n"
           "A picture-and-sound game for young children, played with one or two switches,\n"
           "the keyboard or the mouse.\n"
           "\n"
           "  --windowed     play in an 800 x 600 window instead of the whole screen\n"
           "  --content DIR  use DIR as the content folder (pictures, sounds, lists, settings)\n"
           "                 instead of the current folder\n"
           "  --profile DIR  keep the child's settings (options/) and log (log/) in DIR,\n"
           "                 made when missing; the content folder is then only read\n"
           "  --children DIR choose the child among the profiles in DIR, a folder each:\n"
           "                 with several, the game starts on their pictures and names\n"
           "  --help         print this help and end\n"
           "  --version      print the version and end\n"
           "\n"
           "Esc ends an activity, and in the menu ends the game.\n"
           "Started as vimo, the installed launcher, the content folder is the user's own\n"
           "copy in ~/.local/share/vimo (under $XDG_DATA_HOME where that is set), made on\n"
           "the first start from the installed content (/usr/share/games/vimo/content\n"
           "in the package), or the shared folder of /etc/vimo/vimo.conf, and the\n"
           "children's profiles are in ~/.local/share/vimo/children.\n";
}
