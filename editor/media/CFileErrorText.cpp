// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/media/CFileErrorText.h"

#include <cerrno>

std::u16string CFileErrorText::writeFailureCause(std::uint32_t error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return u"The disk is full.";
    case EROFS:
        return u"The file or folder is read-only.";
    case EACCES:
    case EPERM:
        return u"You have no permission to write there.";
    case ENOENT:
    case ENOTDIR:
        return u"Its folder is missing.";
    case EISDIR:
        return u"A folder has that name.";
    case EEXIST:
        return u"A file of that name is already there.";
    default:
        return u"The disk reported an error.";
    }
}

std::u16string CFileErrorText::copyFailed(std::uint32_t error, std::u16string_view path) {
    return u"The file could not be copied to " + std::u16string(path) + u". " +
           writeFailureCause(error);
}

std::u16string CFileErrorText::removeFailed(std::uint32_t error, std::u16string_view path) {
    const std::u16string file(path);
    switch (error) {
    case ENOENT:
        return file + u" was not found.";
    case ENOTDIR:
    case EISDIR:
    case EINVAL:
    case ENAMETOOLONG:
    case ELOOP:
        return file + u" contains an invalid path.";
    case EACCES:
    case EPERM:
    case EROFS:
        return u"Access to " + file + u" was denied.";
    case EBUSY:
    case ETXTBSY:
        return u"A sharing violation occurred while accessing " + file + u".";
    case ENOLCK:
    case EDEADLK:
        return u"A locking violation occurred while accessing " + file + u".";
    default:
        return u"An unknown error occurred while accessing " + file + u".";
    }
}
