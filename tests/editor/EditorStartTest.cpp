// SPDX-License-Identifier: GPL-3.0-or-later
// The real editor program, started on a content folder the way a user starts it: it comes up,
// waits for the user, writes nothing until the user changes something, and ends with status 0
// when the system asks it to stop. Its command line prints, or refuses what it does not know.
#include "TemporaryFolder.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The number of entries below `folder`, files and folders alike.
int entriesBelow(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::recursive_directory_iterator(folder)) {
        ++count;
    }
    return count;
}

// Starts the editor in the folder `from` with `arguments`; its standard output and error go to
// `output`.
pid_t startEditor(const std::filesystem::path& from, std::vector<std::string> arguments,
                  const std::filesystem::path& output) {
    const std::string program = std::string(VIMO_BIN_DIR) + "/vimoedit";
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (::chdir(from.c_str()) == 0 && std::freopen(output.c_str(), "w", stdout) != nullptr &&
            ::dup2(::fileno(stdout), 2) == 2) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            ::execv(program.c_str(), argv.data());
        }
        ::_exit(127);
    }
    return child;
}

} // namespace

TEST(EditorStart, TheCommandLinePrintsHelpAndVersionAndRefusesWhatItDoesNotKnow) {
    TemporaryFolder folder;
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* printed;
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: vimoedit [--content DIR]"},
        {{"--version"}, 0, "vimoedit " VIMO_VERSION "\n"},
        {{"--windowed"}, 2, "unknown argument: --windowed (known: --content DIR, --help"},
        {{"--content"}, 2, "--content needs the folder"},
        {{"--content", "nowhere"}, 2, "the content folder nowhere cannot be opened"},
    };
    for (const Case& c : cases) {
        const pid_t child = startEditor(folder.path(), c.arguments, folder.path() / "out");
        ASSERT_GT(child, 0);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.status) << c.arguments[0];
        EXPECT_NE(folder.read("out").find(c.printed), std::string::npos)
            << c.arguments[0] << ": " << folder.read("out");
    }
}

TEST(EditorStart, ComesUpInAContentFolderAndWaitsForTheUserWithoutWriting) {
    TemporaryFolder content;
    content.write("data/lang.txt", "Swedish\r\n");
    content.write("data/Swedish/djur", "\xEF\xBB\xBF"
                                       "katt\r\n\r\n\r\n\r\n\r\n-1\r\n");
    content.makeFolder("gfx/images");
    const int before = entriesBelow(content.path());
    TemporaryFolder elsewhere;
    const pid_t child = startEditor(elsewhere.path(), {"--content", content.path().string()},
                                    elsewhere.path() / "out");
    ASSERT_GT(child, 0);
    // Still running after a while: the dialog is up and waits, nothing failed on the way.
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 30 && ended == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ended = ::waitpid(child, &status, WNOHANG);
    }
    EXPECT_EQ(ended, 0) << "the editor ended by itself, status " << status;
    if (ended == 0) {
        // Logout or shutdown: the editor ends as its close box ends it.
        ::kill(child, SIGTERM);
        for (int i = 0; i < 50 && ended == 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ended = ::waitpid(child, &status, WNOHANG);
        }
        if (ended == 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        EXPECT_TRUE(ended != 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_EQ(entriesBelow(content.path()), before);
}
