// SPDX-License-Identifier: GPL-3.0-or-later
// One command for the independent wave devices, taken apart:
//   "Open <path> ALIAS <alias> TYPE <type> wait", "Seek <alias> to <n>", "Play <alias>",
//   "Stop <alias>", "Close <alias>".
// Keywords are read in any letter case. Names hold backslashes and may hold spaces, so each form
// is read from its ends, where its keywords are.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DeviceCommand {
    enum class Verb { Open, Seek, Play, Stop, Close };

    Verb verb = Verb::Play;
    std::u16string path;        // Open
    std::u16string alias;       // every form
    std::u16string type;        // Open
    std::uint32_t position = 0; // Seek, in milliseconds

    // Empty when the text is none of the five forms, names an empty path or alias, or seeks to
    // something that is not a position.
    static std::optional<DeviceCommand> parse(std::u16string_view text);
};
