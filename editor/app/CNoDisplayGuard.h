// SPDX-License-Identifier: GPL-3.0-or-later
// Holds while Qt starts its display connection. Without a display Qt ends the process with advice
// to reinstall the program; under this guard the editor says instead that there is no display to
// show it on, and ends with status 1 (there is no display to show a message box on either).
// Qt's own warnings of the failed start are dropped then; when the start succeeds they are
// passed on as they came.
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

class CNoDisplayGuard {
public:
    // The editor's exit status when it finds no display.
    static constexpr int kNoDisplayStatus = 1;

    CNoDisplayGuard();
    // Passes on what Qt said meanwhile, and gives Qt its message handler back.
    ~CNoDisplayGuard();
    CNoDisplayGuard(const CNoDisplayGuard&) = delete;
    CNoDisplayGuard& operator=(const CNoDisplayGuard&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text);

    static CNoDisplayGuard* holding_; // the guard that holds, for Qt's plain-function handler

    QtMessageHandler previous_ = nullptr;
    std::vector<QString> held_; // Qt's warnings while it starts
};
