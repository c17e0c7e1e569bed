// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gfx/sdl/RowShrinker.h"

#include <algorithm>

namespace {

// The source line after the last that target line `index` of `target` covers, of `source`.
int bandEnd(int index, int source, int target) {
    return static_cast<int>((static_cast<std::int64_t>(index) + 1) * source / target);
}

} // namespace

RowShrinker::RowShrinker(int sourceWidth, int sourceHeight, SDL_Surface& target)
    : sourceHeight_(sourceHeight), target_(target), columnEnds_(static_cast<std::size_t>(target.w)),
      sums_(static_cast<std::size_t>(target.w) * 4) {
    for (int column = 0; column < target.w; ++column) {
        columnEnds_[static_cast<std::size_t>(column)] = bandEnd(column, sourceWidth, target.w);
    }
}

void RowShrinker::take(const std::uint32_t* row) {
    if (targetRow_ >= target_.h) {
        return;
    }
    int column = 0;
    std::uint64_t* sum = sums_.data();
    for (const int end : columnEnds_) {
        std::uint64_t alpha = 0;
        std::uint64_t red = 0;
        std::uint64_t green = 0;
        std::uint64_t blue = 0;
        for (; column < end; ++column) {
            const std::uint32_t pixel = row[column];
            const std::uint32_t a = pixel >> 24;
            alpha += a;
            red += ((pixel >> 16) & 0xFF) * a;
            green += ((pixel >> 8) & 0xFF) * a;
            blue += (pixel & 0xFF) * a;
        }
        sum[0] += alpha;
        sum[1] += red;
        sum[2] += green;
        sum[3] += blue;
        sum += 4;
    }
    ++rowsInBand_;
    ++sourceRow_;
    if (sourceRow_ >= bandEnd(targetRow_, sourceHeight_, target_.h)) {
        finishTargetRow();
    }
}

void RowShrinker::finishTargetRow() {
    auto* out =
        reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(target_.pixels) +
                                         static_cast<std::ptrdiff_t>(targetRow_) * target_.pitch);
    int start = 0;
    const std::uint64_t* sum = sums_.data();
    for (std::size_t column = 0; column < columnEnds_.size(); ++column, sum += 4) {
        const int end = columnEnds_[column];
        const auto pixels =
            static_cast<std::uint64_t>(end - start) * static_cast<std::uint64_t>(rowsInBand_);
        start = end;
        const std::uint64_t alpha = sum[0];
        if (alpha == 0 || pixels == 0) {
            out[column] = 0;
            continue;
        }
        const auto channel = [alpha](std::uint64_t weighted) {
            return static_cast<std::uint32_t>((weighted + alpha / 2) / alpha);
        };
        out[column] = static_cast<std::uint32_t>((alpha + pixels / 2) / pixels) << 24 |
                      channel(sum[1]) << 16 | channel(sum[2]) << 8 | channel(sum[3]);
    }
    std::fill(sums_.begin(), sums_.end(), 0);
    rowsInBand_ = 0;
    ++targetRow_;
}
