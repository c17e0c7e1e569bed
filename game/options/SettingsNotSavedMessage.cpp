// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsNotSavedMessage.h"

#include <cerrno>

namespace {

struct CauseAndFix {
    std::u16string_view cause;
    std::u16string_view fix;
};

CauseAndFix causeOf(std::uint32_t error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {u"The disk is full.", u"free some space on the disk"};
    case EROFS:
        return {u"The folder is read-only.", u"make the options folder writable"};
    case EACCES:
    case EPERM:
        return {u"Vimo may not write there.",
                u"give the user who runs Vimo permission to write in the options folder"};
    case ENOENT:
    case ENOTDIR:
        return {u"The options folder is missing.",
                u"make a folder named options in the content folder, after renaming any file "
                u"of that name"};
    case EISDIR:
        return {u"A folder has the name of the settings file.",
                u"remove the folder options/vimo.opt"};
    default:
        return {u"The disk reported an error.", u"check the disk"};
    }
}

} // namespace

std::u16string SettingsNotSavedMessage::text(std::uint32_t error) {
    const CauseAndFix why = causeOf(error);
    return u"The settings could not be saved. " + std::u16string(why.cause) +
           u" The changes hold until Vimo ends. To keep them, " + std::u16string(why.fix) +
           u", then open the options screen and leave it again.";
}
