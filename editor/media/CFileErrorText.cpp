#include "editor/media/CFileErrorText.h"

#include <cerrno>

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
