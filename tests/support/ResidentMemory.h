// SPDX-License-Identifier: GPL-3.0-or-later
// The memory this process holds, as the kernel counts it: resident now, and the peak since the
// last restart of the count, so a test can see what one operation cost at its worst moment.
#pragma once

#include <fstream>
#include <stdexcept>
#include <string>

class ResidentMemory {
public:
    // Starts counting the peak afresh from what is resident now.
    static void restartPeak() {
        std::ofstream clear("/proc/self/clear_refs");
        clear << "5";
        if (!clear) {
            throw std::runtime_error("the kernel does not let the peak be restarted");
        }
    }
    static long peakMiB() { return kib("VmHWM:") / 1024; }
    static long currentMiB() { return kib("VmRSS:") / 1024; }

    // The value of one line of /proc/self/status ("VmRSS:", "VmHWM:"), in KiB.
    static long kib(const std::string& name) {
        std::ifstream status("/proc/self/status");
        std::string word;
        while (status >> word) {
            if (word == name) {
                long kib = 0;
                status >> kib;
                return kib;
            }
        }
        throw std::runtime_error("no " + name + " in /proc/self/status");
    }
};
