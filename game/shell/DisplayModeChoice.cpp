// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayModeChoice.h"

std::optional<ChosenDisplayMode>
chooseGameDisplayMode(const std::vector<OfferedDisplayMode>& modes) {
    for (int bits : {16, 32, 8}) {
        for (std::size_t i = 0; i < modes.size(); ++i) {
            const OfferedDisplayMode& mode = modes[i];
            if (mode.width == 800 && mode.height == 600 && mode.bytesPerPixel * 8 == bits) {
                return ChosenDisplayMode{i, bits};
            }
        }
    }
    return std::nullopt;
}
