// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsNotSavedMessage.h"

#include <cerrno>

namespace {

// The message's cause for the system's `error`; its fix is the text after it.
GameTexts::Text causeOf(std::uint32_t error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return GameTexts::DiskFull;
    case EROFS:
        return GameTexts::ReadOnly;
    case EACCES:
    case EPERM:
        return GameTexts::NoWritePermission;
    case ENOENT:
    case ENOTDIR:
        return GameTexts::OptionsFolderMissing;
    case EISDIR:
        return GameTexts::FolderHasSettingsName;
    default:
        return GameTexts::DiskError;
    }
}

} // namespace

std::u16string SettingsNotSavedMessage::text(const GameTexts& texts, std::uint32_t error) {
    const GameTexts::Text cause = causeOf(error);
    return fillIn(texts[GameTexts::SettingsNotSaved],
                  {texts[cause], texts[static_cast<GameTexts::Text>(cause + 1)]});
}
