// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/media/CFileErrorText.h"

#include <cerrno>

namespace {

EditorTexts::Text causeOf(std::uint32_t error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return EditorTexts::DiskFull;
    case EROFS:
        return EditorTexts::ReadOnly;
    case EACCES:
    case EPERM:
        return EditorTexts::NoWritePermission;
    case ENOENT:
    case ENOTDIR:
        return EditorTexts::FolderMissing;
    case EISDIR:
        return EditorTexts::FolderHasThatName;
    case EEXIST:
        return EditorTexts::FileHasThatName;
    default:
        return EditorTexts::DiskError;
    }
}

EditorTexts::Text removalFailureOf(std::uint32_t error) {
    switch (error) {
    case ENOENT:
        return EditorTexts::RemoveNotFound;
    case ENOTDIR:
    case EISDIR:
    case EINVAL:
    case ENAMETOOLONG:
    case ELOOP:
        return EditorTexts::RemoveInvalidPath;
    case EACCES:
    case EPERM:
    case EROFS:
        return EditorTexts::RemoveDenied;
    case EBUSY:
    case ETXTBSY:
        return EditorTexts::RemoveSharingViolation;
    case ENOLCK:
    case EDEADLK:
        return EditorTexts::RemoveLockingViolation;
    default:
        return EditorTexts::RemoveUnknownError;
    }
}

} // namespace

std::u16string CFileErrorText::writeFailureCause(const EditorTexts& texts, std::uint32_t error) {
    return texts[causeOf(error)];
}

std::u16string CFileErrorText::copyFailed(const EditorTexts& texts, std::uint32_t error,
                                          std::u16string_view path) {
    return texts.with(EditorTexts::CopyFailed, path) + u" " + writeFailureCause(texts, error);
}

std::u16string CFileErrorText::removeFailed(const EditorTexts& texts, std::uint32_t error,
                                            std::u16string_view path) {
    return texts.with(removalFailureOf(error), path);
}
