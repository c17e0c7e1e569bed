// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomGenerator.h"

#include <cmath>
#include <cstdint>

int randomInRange(RandomGenerator& generator, int low, int high) {
    const int r = generator.next();
    // The product is taken in 32 bits as the game always took it; the wrap is defined here.
    const auto span = static_cast<std::uint32_t>(high) - static_cast<std::uint32_t>(low) + 1u;
    const auto v = static_cast<std::int32_t>(static_cast<std::uint32_t>(r) * span);
    const auto offset =
        static_cast<std::int64_t>(std::trunc(static_cast<double>(v) * (-1.0 / 32768.0)));
    return static_cast<int>(static_cast<std::int64_t>(low) - offset);
}
