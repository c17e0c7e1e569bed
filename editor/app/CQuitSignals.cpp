// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/app/CQuitSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

// A closed terminal (SIGHUP) ends the editor as a logout does, not at once with the typed text
// lost.
constexpr std::array<int, 3> kQuitSignals = {SIGINT, SIGTERM, SIGHUP};

// The pipe's write end, for the handler; -1 while no handler is installed.
volatile std::sig_atomic_t gWriteEnd = -1;

extern "C" void onQuitSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a request; nothing more is needed.
    [[maybe_unused]] const ssize_t written = ::write(gWriteEnd, &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kQuitSignals) {
        sigaction(signal, &action, nullptr);
    }
}

} // namespace

CQuitSignals::CQuitSignals(std::function<void()> quit) : quit_(std::move(quit)) {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // the editor still runs; only the system's stop request goes unheard
    }
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CQuitSignals::signalled);
    gWriteEnd = writeEnd_;
    setHandler(onQuitSignal);
}

CQuitSignals::~CQuitSignals() {
    if (readEnd_ < 0) {
        return;
    }
    setHandler(SIG_DFL);
    gWriteEnd = -1;
    delete notifier_;
    ::close(readEnd_);
    ::close(writeEnd_);
}

void CQuitSignals::signalled() {
    std::array<char, 64> bytes{};
    while (::read(readEnd_, bytes.data(), bytes.size()) > 0) {
    }
    quit_();
}
