// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/app/CNoDisplayGuard.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* orNone(const char* value) {
    return value != nullptr && *value != '\0' ? value : "(not set)";
}

} // namespace

CNoDisplayGuard* CNoDisplayGuard::holding_ = nullptr;

CNoDisplayGuard::CNoDisplayGuard() {
    holding_ = this;
    previous_ = qInstallMessageHandler(&CNoDisplayGuard::handle);
}

CNoDisplayGuard::~CNoDisplayGuard() {
    qInstallMessageHandler(previous_);
    holding_ = nullptr;
    for (const QString& held : held_) {
        std::fprintf(stderr, "%s\n", held.toLocal8Bit().constData());
    }
}

void CNoDisplayGuard::handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        if (holding_ != nullptr) {
            holding_->held_.push_back(text);
        }
        return;
    }
    // The only fatal message while Qt starts: no platform plugin could reach a display.
    std::fprintf(stderr,
                 "vimoedit: there is no display to show the editor on (DISPLAY is %s, "
                 "WAYLAND_DISPLAY is %s). Start it from the desktop, or set DISPLAY to the "
                 "desktop's display.\n",
                 orNone(std::getenv("DISPLAY")), orNone(std::getenv("WAYLAND_DISPLAY")));
    std::_Exit(kNoDisplayStatus);
}
