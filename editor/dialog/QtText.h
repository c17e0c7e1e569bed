// SPDX-License-Identifier: GPL-3.0-or-later
// Texts cross between the portable code (UTF-16 std::u16string) and the widgets (QString) here,
// unit for unit.
#pragma once

#include <QString>
#include <string>
#include <string_view>

inline QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string fromQString(const QString& text) {
    return text.toStdU16String();
}
