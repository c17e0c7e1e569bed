// SPDX-License-Identifier: GPL-3.0-or-later
// The stretches of time the session log's summary adds up: a day, an ISO week (Monday to
// Sunday, numbered in the year its Thursday falls in) or a calendar month, each named by a key
// that sorts in time order.
#pragma once

#include <string>
#include <string_view>

enum class LogPeriod { Day, Week, Month };

// The key of the period that holds `day` (YYYY-MM-DD): the day itself, "YYYY-Www" for its ISO
// week (2026-W01) or "YYYY-MM" for its month; empty when `day` is no date.
std::string logPeriodOf(std::string_view day, LogPeriod period);
