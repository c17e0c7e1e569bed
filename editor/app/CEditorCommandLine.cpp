// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/app/CEditorCommandLine.h"

std::optional<CEditorCommandLine>
CEditorCommandLine::parse(const std::vector<std::string>& arguments, std::string& error) {
    CEditorCommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
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
                    " (known: --content DIR, --profile DIR, --children DIR, --help, --version)";
            return std::nullopt;
        }
    }
    return line;
}

std::string CEditorCommandLine::usage() {
    return "Usage: vimoedit [--content DIR] [--profile DIR] [--children DIR]\n"
           "The list editor of the Vimo game: lists of pictures, sounds, recorded speech,\n"
           "words and colours that the game's activities show.\n"
           "\n"
           "  --content DIR  use DIR as the content folder (pictures, sounds, lists)\n"
           "                 instead of the current folder\n"
           "  --profile DIR  the Switch settings and Session log act on the child whose\n"
           "                 settings (options/) and log (log/) are kept in DIR\n"
           "  --children DIR DIR holds one profile folder per child: the editor shows a\n"
           "                 choice of the child, with New child..., Rename... and\n"
           "                 Delete...; --profile names the child chosen first\n"
           "  --help         print this help and end\n"
           "  --version      print the version and end\n"
           "\n"
           "Lists are saved as soon as they change. Ctrl+C ends the editor as its close box "
           "does.\n"
           "Started as vimoedit, the installed launcher, the content folder is the user's own\n"
           "copy in ~/.local/share/vimo (under $XDG_DATA_HOME where that is set), made on\n"
           "the first start from the installed content (/usr/share/games/vimo/content\n"
           "in the package).\n";
}
