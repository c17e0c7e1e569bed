// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the list editor. It runs in the content folder, its current directory unless
// `--content` names another, and ends when its dialog ends.
#include "editor/app/CEditorCommandLine.h"
#include "editor/app/CListEditorApp.h"
#include "editor/app/CNoDisplayGuard.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char** argv) {
    // Read before Qt starts, so that --help and --version need no display.
    std::string error;
    const auto commandLine =
        CEditorCommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!commandLine) {
        std::fprintf(stderr, "vimoedit: %s\n", error.c_str());
        return 2;
    }
    if (commandLine->help) {
        std::fputs(CEditorCommandLine::usage().c_str(), stdout);
        return 0;
    }
    if (commandLine->version) {
        std::printf("vimoedit %s\n", VIMO_VERSION);
        return 0;
    }
    const std::filesystem::path systemFile = systemSettingsPath(std::getenv("VIMO_SYSTEM_CONFIG"));
    const SystemSettings system = readSystemSettings(systemFile);
    // Named from where the editor was started, before it moves into the content folder.
    const auto absolute = [](const std::filesystem::path& folder) {
        std::error_code unknown;
        return folder.empty() ? folder : std::filesystem::absolute(folder, unknown);
    };
    const std::filesystem::path profile = absolute(commandLine->profileFolder);
    const std::filesystem::path children = absolute(commandLine->childrenFolder);
    // A folder named on the command line wins over the administrator's shared one.
    const std::filesystem::path content =
        commandLine->contentFolder.empty() ? system.content : commandLine->contentFolder;
    if (!content.empty()) {
        // The editor takes every path relative to its current directory.
        std::error_code failed;
        std::filesystem::current_path(content, failed);
        if (failed) {
            std::fprintf(stderr,
                         "vimoedit: the content folder %s cannot be opened: %s. Name an existing "
                         "folder with --content DIR, or start vimoedit in its content folder.\n",
                         content.c_str(), failed.message().c_str());
            return 2;
        }
    }
    int qtArgc = 1; // Qt sees no arguments of its own: all were read above
    std::optional<CNoDisplayGuard> noDisplay(std::in_place);
    QApplication application(qtArgc, argv);
    noDisplay.reset();
    QApplication::setApplicationName(QStringLiteral("vimoedit"));
    CListEditorApp editor(profile, children, system, systemFile);
    return editor.run();
}
