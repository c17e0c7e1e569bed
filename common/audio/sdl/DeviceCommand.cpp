// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceCommand.h"

namespace {

constexpr std::u16string_view kAlias = u" ALIAS ";
constexpr std::u16string_view kType = u" TYPE ";
constexpr std::u16string_view kWait = u" wait";
constexpr std::u16string_view kTo = u" to ";
// Nine digits always fit; a longer position is no position in a sound.
constexpr std::size_t kLongestPosition = 9;

char16_t asciiUpper(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

bool sameWord(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i]) != asciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

bool keywordAt(std::u16string_view text, std::size_t at, std::u16string_view keyword) {
    return at + keyword.size() <= text.size() && sameWord(text.substr(at, keyword.size()), keyword);
}

std::size_t findLast(std::u16string_view text, std::u16string_view keyword) {
    for (std::size_t at = text.size() + 1; at-- > 0;) {
        if (keywordAt(text, at, keyword)) {
            return at;
        }
    }
    return std::u16string_view::npos;
}

std::optional<DeviceCommand> parseOpen(std::u16string_view rest) {
    if (rest.size() >= kWait.size() && keywordAt(rest, rest.size() - kWait.size(), kWait)) {
        rest.remove_suffix(kWait.size());
    }
    const std::size_t typeAt = findLast(rest, kType);
    if (typeAt == std::u16string_view::npos) {
        return std::nullopt;
    }
    const std::u16string_view names = rest.substr(0, typeAt);
    // "<path> ALIAS <alias>", where either name may itself hold the keyword. The wave player
    // names each device after its file, so a split into two equal names wins; otherwise the
    // last keyword, since paths are the longer names.
    std::size_t split = std::u16string_view::npos;
    for (std::size_t at = 0; at < names.size(); ++at) {
        if (!keywordAt(names, at, kAlias)) {
            continue;
        }
        split = at;
        if (names.substr(0, at) == names.substr(at + kAlias.size())) {
            break;
        }
    }
    if (split == std::u16string_view::npos) {
        return std::nullopt;
    }
    DeviceCommand command;
    command.verb = DeviceCommand::Verb::Open;
    command.path = names.substr(0, split);
    command.alias = names.substr(split + kAlias.size());
    command.type = rest.substr(typeAt + kType.size());
    if (command.path.empty() || command.alias.empty() || command.type.empty()) {
        return std::nullopt;
    }
    return command;
}

std::optional<DeviceCommand> parseSeek(std::u16string_view rest) {
    const std::size_t toAt = findLast(rest, kTo);
    if (toAt == std::u16string_view::npos) {
        return std::nullopt;
    }
    const std::u16string_view digits = rest.substr(toAt + kTo.size());
    if (digits.empty() || digits.size() > kLongestPosition) {
        return std::nullopt;
    }
    std::uint32_t position = 0;
    for (char16_t unit : digits) {
        if (unit < u'0' || unit > u'9') {
            return std::nullopt;
        }
        position = position * 10 + static_cast<std::uint32_t>(unit - u'0');
    }
    DeviceCommand command;
    command.verb = DeviceCommand::Verb::Seek;
    command.alias = rest.substr(0, toAt);
    command.position = position;
    if (command.alias.empty()) {
        return std::nullopt;
    }
    return command;
}

} // namespace

std::optional<DeviceCommand> DeviceCommand::parse(std::u16string_view text) {
    const std::size_t space = text.find(u' ');
    if (space == std::u16string_view::npos) {
        return std::nullopt;
    }
    const std::u16string_view word = text.substr(0, space);
    const std::u16string_view rest = text.substr(space + 1);
    if (sameWord(word, u"Open")) {
        return parseOpen(rest);
    }
    if (sameWord(word, u"Seek")) {
        return parseSeek(rest);
    }
    DeviceCommand command;
    if (sameWord(word, u"Play")) {
        command.verb = Verb::Play;
    } else if (sameWord(word, u"Stop")) {
        command.verb = Verb::Stop;
    } else if (sameWord(word, u"Close")) {
        command.verb = Verb::Close;
    } else {
        return std::nullopt;
    }
    command.alias = rest;
    if (command.alias.empty()) {
        return std::nullopt;
    }
    return command;
}
