// SPDX-License-Identifier: GPL-3.0-or-later
// Lets the system stop the editor: SIGINT (Ctrl+C), SIGTERM (logout, shutdown) and SIGHUP (a
// closed terminal, a logout on some desktops) run a given action on the editor's own thread,
// which ends it the way its close box does, so that the text being typed is stored and the list
// saved. The handler only writes a byte into a pipe that the event loop watches; everything else
// happens outside the handler.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class CQuitSignals : public QObject {
public:
    // Installs the handlers; set up after the sound back end, which installs handlers of its
    // own that would swallow the signals. At most one may exist at a time.
    explicit CQuitSignals(std::function<void()> quit);
    // Gives the signals back to the system's default handling.
    ~CQuitSignals() override;

    CQuitSignals(const CQuitSignals&) = delete;
    CQuitSignals& operator=(const CQuitSignals&) = delete;

private:
    void signalled();

    std::function<void()> quit_;
    int readEnd_ = -1;
    int writeEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
