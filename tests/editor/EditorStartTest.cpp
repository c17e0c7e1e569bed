// SPDX-License-Identifier: GPL-3.0-or-later
// The real editor program, started in a content folder the way a user starts it: it comes up,
// waits for the user, and writes nothing until the user changes something.
#include "TemporaryFolder.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

} // namespace

TEST(EditorStart, ComesUpInAContentFolderAndWaitsForTheUserWithoutWriting) {
    TemporaryFolder content;
    content.write("data/lang.txt", "Swedish\r\n");
    content.write("data/Swedish/djur", "\xEF\xBB\xBF"
                                       "katt\r\n\r\n\r\n\r\n\r\n-1\r\n");
    content.makeFolder("gfx/images");
    const int before = entriesBelow(content.path());
    const std::string program = std::string(VIMO_BIN_DIR) + "/vimoedit";

    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(content.path().c_str()) == 0) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        }
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    // Still running after a while: the dialog is up and waits, nothing failed on the way.
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 30 && ended == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ended = ::waitpid(child, &status, WNOHANG);
    }
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    EXPECT_EQ(ended, 0) << "the editor ended by itself, status " << status;
    EXPECT_EQ(entriesBelow(content.path()), before);
}
