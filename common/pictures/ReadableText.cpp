// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ReadableText.h"

#include <cmath>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// A channel's share of light, undoing the sRGB curve.
double linear(std::uint32_t argb, int shift) {
    const double c = ((argb >> shift) & 0xFFu) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(std::uint32_t argb) {
    return 0.2126 * linear(argb, 16) + 0.7152 * linear(argb, 8) + 0.0722 * linear(argb, 0);
}

double contrastRatio(std::uint32_t first, std::uint32_t second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05);
}

std::uint32_t readableTextColour(std::uint32_t background) {
    return contrastRatio(background, kWhite) > contrastRatio(background, kBlack) ? kWhite : kBlack;
}
