// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialog/CSummaryFigures.h"

#include <algorithm>
#include <array>

namespace {

std::optional<double> seconds(const std::optional<long long>& milliseconds) {
    return milliseconds ? std::optional(static_cast<double>(*milliseconds) / 1000.0) : std::nullopt;
}

using Shown = CSummaryFigure::Shown;
using S = ActivitySummary;

const std::array<CSummaryFigure, 9> kFigures = {{
    {EditorTexts::LogSessions, Shown::Always,
     [](const S& s) { return std::optional<double>(s.sessions); }, 0, false},
    {EditorTexts::LogMinutes, Shown::Always,
     [](const S& s) { return std::optional(static_cast<double>(s.milliseconds) / 60'000.0); }, 1,
     false},
    {EditorTexts::LogPresses, Shown::Always,
     [](const S& s) { return std::optional<double>(s.presses); }, 0, false},
    {EditorTexts::LogCorrect, Shown::Answers,
     [](const S& s) { return std::optional<double>(s.correct); }, 0, false},
    {EditorTexts::LogWrong, Shown::Answers,
     [](const S& s) { return std::optional<double>(s.wrong); }, 0, false},
    {EditorTexts::LogShareRight, Shown::Answers, [](const S& s) { return s.shareRight(); }, 0,
     true},
    {EditorTexts::LogResponse, Shown::Always,
     [](const S& s) { return seconds(s.medianResponseMilliseconds); }, 1, false},
    {EditorTexts::LogFramedResponse, Shown::Scanning,
     [](const S& s) { return seconds(s.medianFramedToPressMilliseconds); }, 1, false},
    {EditorTexts::LogMissedPerTask, Shown::Scanning, [](const S& s) { return s.missedPerTask(); },
     2, false},
}};

} // namespace

std::span<const CSummaryFigure> CSummaryFigure::all() {
    return kFigures;
}

bool CSummaryFigure::about(const ActivitySummary& summary) const {
    switch (shown) {
    case Shown::Answers:
        return rowOf(summary.activity).answers;
    case Shown::Scanning:
        return summary.framed > 0 || summary.missed > 0;
    case Shown::Always:
        break;
    }
    return true;
}

bool CSummaryFigure::shownFor(std::span<const ActivitySummary> summaries) const {
    return std::any_of(summaries.begin(), summaries.end(),
                       [this](const ActivitySummary& s) { return about(s); });
}

QString CSummaryFigure::text(const ActivitySummary& summary, const QLocale& locale) const {
    const std::optional<double> figure = about(summary) ? value(summary) : std::nullopt;
    if (!figure) {
        return {};
    }
    if (percent) {
        return locale.toString(*figure * 100.0, 'f', decimals) + locale.percent();
    }
    return locale.toString(*figure, 'f', decimals);
}
