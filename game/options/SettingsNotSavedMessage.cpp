// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsNotSavedMessage.h"

#include "common/files/FileErrorCause.h"

namespace {

// The message's cause for the system's `error`; its fix is the text after it.
GameTexts::Text causeOf(std::uint32_t error) {
    switch (fileErrorCauseOf(error)) {
    case FileErrorCause::DiskFull:
        return GameTexts::DiskFull;
    case FileErrorCause::ReadOnly:
        return GameTexts::ReadOnly;
    case FileErrorCause::NoPermission:
        return GameTexts::NoWritePermission;
    case FileErrorCause::NotFound:
    case FileErrorCause::NotAFolder:
        return GameTexts::OptionsFolderMissing;
    case FileErrorCause::IsAFolder:
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
