// SPDX-License-Identifier: GPL-3.0-or-later
// SDL's joystick subsystem, through which both programs hear switch interfaces that are game
// controllers: started on its own, so that a machine without controllers still runs, and shut
// down again when this object goes. SDL counts starts, so other starts are not disturbed. The
// controllers opened through it must be closed before it goes.
#pragma once

class JoystickSubsystem {
public:
    JoystickSubsystem();
    ~JoystickSubsystem();
    JoystickSubsystem(const JoystickSubsystem&) = delete;
    JoystickSubsystem& operator=(const JoystickSubsystem&) = delete;

    // False when SDL could not start it.
    bool started() const { return started_; }

private:
    bool started_ = false;
};
