// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one of the project's programs as a user would start it, and waits for it to end.
#pragma once

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ProgramResult {
    int exitCode = -1; // -1 when it did not end normally
    std::string standardError;
    std::string standardOutput;
};

inline ProgramResult runProgram(const std::string& program,
                                const std::vector<std::string>& arguments,
                                const std::filesystem::path& workingFolder,
                                const std::vector<std::string>& environment = {}) {
    const std::filesystem::path errorFile =
        std::filesystem::temp_directory_path() / ("vimo-stderr-" + std::to_string(::getpid()));
    const std::filesystem::path outputFile =
        std::filesystem::temp_directory_path() / ("vimo-stdout-" + std::to_string(::getpid()));
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(workingFolder.c_str()) != 0) {
            ::_exit(127);
        }
        const int fd = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            ::dup2(fd, 2);
        }
        const int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0) {
            ::dup2(out, 1);
        }
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
    const auto take = [](const std::filesystem::path& file, std::string& text) {
        if (FILE* in = std::fopen(file.c_str(), "rb")) {
            char buffer[4096];
            std::size_t got = 0;
            while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
                text.append(buffer, got);
            }
            std::fclose(in);
        }
        std::filesystem::remove(file);
    };
    take(errorFile, result.standardError);
    take(outputFile, result.standardOutput);
    return result;
}
