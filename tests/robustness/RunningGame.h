// SPDX-License-Identifier: GPL-3.0-or-later
// The real game program, running in the background without a display: SDL's dummy video driver
// keeps each frame it shows as a picture file in the game's working folder, so a test can see
// what the game shows, end it as the system would (SIGTERM), and read how it ended. It can run
// as the unprivileged user "nobody", for whom permission bits hold even where tests run as root,
// from a copy of the program in a folder that user may enter.
#pragma once

#include "TemporaryFolder.h"
#include "game/gfx/sdl/GraphicsHandles.h"

#include <SDL.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

class RunningGame {
public:
    struct Setup {
        std::filesystem::path contentFolder;
        std::vector<std::string> environment; // NAME=value, over the dummy drivers
        bool asNobody = false;
    };

    explicit RunningGame(const Setup& setup) {
        std::filesystem::permissions(scratch_.path(), std::filesystem::perms::all);
        std::string game = std::string(VIMO_BIN_DIR) + "/Vimo";
        if (setup.asNobody) {
            // The build folder may lie where only its owner can enter (a clone in a private
            // folder), so the unprivileged user runs a copy of its own.
            const std::filesystem::path copy = scratch_.path() / "Vimo";
            std::filesystem::copy_file(game, copy);
            game = copy.string();
        }
        const std::string errors = (scratch_.path() / "stderr").string();
        // The settings asked for, then the dummy drivers, then the test's own environment: the
        // first of a name counts. Made before the fork: the child calls only what is safe before
        // exec.
        std::vector<std::string> environment = setup.environment;
        environment.insert(environment.end(),
                           {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy",
                            "SDL_RENDER_DRIVER=software", "SDL_VIDEO_DUMMY_SAVE_FRAMES=1"});
        for (char** inherited = environ; *inherited != nullptr; ++inherited) {
            environment.emplace_back(*inherited);
        }
        std::vector<char*> envp;
        for (std::string& setting : environment) {
            envp.push_back(setting.data());
        }
        envp.push_back(nullptr);
        const std::string content = setup.contentFolder.string();
        const char* argv[] = {game.c_str(), "--windowed", "--content", content.c_str(), nullptr};
        const passwd* nobody = ::getpwnam("nobody");
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            if (fd < 0 || ::dup2(fd, 2) < 0 || ::chdir(scratch_.path().c_str()) != 0) {
                ::_exit(126);
            }
            if (setup.asNobody &&
                (nobody == nullptr || ::setgroups(0, nullptr) != 0 ||
                 ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)) {
                ::_exit(125);
            }
            ::execve(game.c_str(), const_cast<char* const*>(argv), envp.data());
            ::_exit(127);
        }
    }

    ~RunningGame() {
        if (pid_ > 0 && !ended_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        // Files the game made as another user are removed like the others.
    }

    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;

    // Waits up to `seconds` for a frame whose pixel (x, y) is `rgb`; false if none came.
    bool waitForPixel(int x, int y, std::uint32_t rgb, int seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < deadline) {
            if (const auto seen = lastFramePixel(x, y); seen && *seen == rgb) {
                return true;
            }
            if (hasEnded()) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // Asks the game to end as the system does at logout, and returns its exit status (-1 when it
    // did not end within ten seconds, or not normally).
    int terminate() {
        ::kill(pid_, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            if (hasEnded()) {
                return exitStatus_;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }

    std::string standardError() const {
        return TemporaryFolder::readFile(scratch_.path() / "stderr");
    }

private:
    bool hasEnded() {
        if (ended_) {
            return true;
        }
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            ended_ = true;
            exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return ended_;
    }

    // 0xRRGGBB at (x, y) of the newest frame the dummy driver kept.
    std::optional<std::uint32_t> lastFramePixel(int x, int y) const {
        std::filesystem::path newest;
        for (const auto& entry : std::filesystem::directory_iterator(scratch_.path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("SDL_window", 0) == 0 && entry.path().extension() == ".bmp" &&
                entry.path() > newest) {
                newest = entry.path();
            }
        }
        if (newest.empty()) {
            return std::nullopt;
        }
        const SurfacePtr frame(SDL_LoadBMP(newest.c_str()));
        if (!frame) {
            return std::nullopt; // still being written
        }
        const SurfacePtr pixels(SDL_ConvertSurfaceFormat(frame.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        if (!pixels || x >= pixels->w || y >= pixels->h) {
            return std::nullopt;
        }
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const unsigned char*>(pixels->pixels) + y * pixels->pitch);
        return row[x] & 0xFFFFFF;
    }

    TemporaryFolder scratch_;
    pid_t pid_ = -1;
    bool ended_ = false;
    int exitStatus_ = -1;
};
