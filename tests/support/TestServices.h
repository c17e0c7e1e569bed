// SPDX-License-Identifier: GPL-3.0-or-later
// The services a screen gets from the factory, all fakes, over a content folder of the test's
// own on disk.
#pragma once

#include "FakeClock.h"
#include "FakeLocalClock.h"
#include "FakePointer.h"
#include "NextScreenPrinter.h"
#include "RecordingErrorBox.h"
#include "RecordingSound.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "game/screen/ScreenServices.h"

struct TestServices {
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    FakeClock clock;
    RecordingSound sound;
    FakePointer pointer;
    RecordingErrorBox errorBox;
    RandomGenerator random;
    LastPressTimes lastPressTimes{};
    std::optional<SettingValues> unsavedSettings;
    AccessSettings access;
    FakeLocalClock localClock{clock};
    SessionLog log{files, localClock};
    SystemSettings system;

    ScreenServices services() {
        return ScreenServices{files,          clock,           sound,  pointer, errorBox, random,
                              lastPressTimes, unsavedSettings, access, log,     system};
    }
};
