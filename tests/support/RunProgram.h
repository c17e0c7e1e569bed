// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one of the project's programs as a user would start it, and waits for it to end.
#pragma once

#include "TemporaryFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ProgramResult {
    int exitCode = -1;  // -1 when it did not end normally
    std::string output; // its standard output and standard error, in the order written
};

inline ProgramResult runProgram(const std::string& program,
                                const std::vector<std::string>& arguments,
                                const std::filesystem::path& workingFolder,
                                const std::vector<std::string>& environment = {}) {
    const TemporaryFolder folder;
    const std::filesystem::path outputFile = folder.path() / "output";
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || ::chdir(workingFolder.c_str()) != 0) {
            ::_exit(127);
        }
        ::dup2(out, 1);
        ::dup2(out, 2);
        for (const std::string& setting : environment) {
            ::putenv(const_cast<char*>(setting.c_str()));
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ProgramResult result;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.output = TemporaryFolder::readFile(outputFile);
    return result;
}
