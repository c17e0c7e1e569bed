// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/ContentFolder.h"

bool looksLikeContentFolder(const FileSystem& files) {
    return files.exists(u"data\\lang.txt") || files.exists(u"gfx\\menu");
}
