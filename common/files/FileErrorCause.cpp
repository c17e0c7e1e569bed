// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileErrorCause.h"

#include <cerrno>

FileErrorCause fileErrorCauseOf(std::uint32_t error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileErrorCause::DiskFull;
    case EROFS:
        return FileErrorCause::ReadOnly;
    case EACCES:
    case EPERM:
        return FileErrorCause::NoPermission;
    case ENOENT:
        return FileErrorCause::NotFound;
    case ENOTDIR:
        return FileErrorCause::NotAFolder;
    case EISDIR:
        return FileErrorCause::IsAFolder;
    case EEXIST:
        return FileErrorCause::AlreadyThere;
    case EINVAL:
    case ENAMETOOLONG:
    case ELOOP:
        return FileErrorCause::InvalidPath;
    case EBUSY:
    case ETXTBSY:
        return FileErrorCause::InUse;
    case ENOLCK:
    case EDEADLK:
        return FileErrorCause::Locked;
    default:
        return FileErrorCause::Other;
    }
}
