// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/media/CFileErrorText.h"

#include "common/files/FileErrorCause.h"

namespace {

EditorTexts::Text writeFailureOf(std::uint32_t error) {
    switch (fileErrorCauseOf(error)) {
    case FileErrorCause::DiskFull:
        return EditorTexts::DiskFull;
    case FileErrorCause::ReadOnly:
        return EditorTexts::ReadOnly;
    case FileErrorCause::NoPermission:
        return EditorTexts::NoWritePermission;
    case FileErrorCause::NotFound:
    case FileErrorCause::NotAFolder:
        return EditorTexts::FolderMissing;
    case FileErrorCause::IsAFolder:
        return EditorTexts::FolderHasThatName;
    case FileErrorCause::AlreadyThere:
        return EditorTexts::FileHasThatName;
    default:
        return EditorTexts::DiskError;
    }
}

EditorTexts::Text removalFailureOf(std::uint32_t error) {
    switch (fileErrorCauseOf(error)) {
    case FileErrorCause::NotFound:
        return EditorTexts::RemoveNotFound;
    case FileErrorCause::NotAFolder:
    case FileErrorCause::IsAFolder:
    case FileErrorCause::InvalidPath:
        return EditorTexts::RemoveInvalidPath;
    case FileErrorCause::NoPermission:
    case FileErrorCause::ReadOnly:
        return EditorTexts::RemoveDenied;
    case FileErrorCause::InUse:
        return EditorTexts::RemoveSharingViolation;
    case FileErrorCause::Locked:
        return EditorTexts::RemoveLockingViolation;
    default:
        return EditorTexts::RemoveUnknownError;
    }
}

} // namespace

std::u16string CFileErrorText::writeFailureCause(const EditorTexts& texts, std::uint32_t error) {
    return texts[writeFailureOf(error)];
}

std::u16string CFileErrorText::copyFailed(const EditorTexts& texts, std::uint32_t error,
                                          std::u16string_view path) {
    return texts.with(EditorTexts::CopyFailed, path) + u" " + writeFailureCause(texts, error);
}

std::u16string CFileErrorText::removeFailed(const EditorTexts& texts, std::uint32_t error,
                                            std::u16string_view path) {
    return texts.with(removalFailureOf(error), path);
}
