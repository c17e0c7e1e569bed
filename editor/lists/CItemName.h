// SPDX-License-Identifier: GPL-3.0-or-later
// Rules for the names the editor turns into files or writes into list lines: which names can
// safely be a file directly inside one content folder, and how a typed text is kept to one line.
#pragma once

#include <string>
#include <string_view>

class CItemName {
public:
    // Why a name cannot be a new file, in the order the checks run.
    enum class Fault {
        None,
        NoName,    // empty, "." or ".."
        Character, // a folder separator, line break, control character or one of < > : " | ? *
        Ending,    // a blank or a dot at the end
        Device,    // a device name of Windows, with any extension
        Temporary, // the file layer's hidden temporary name
        TooLong,   // over 255 bytes
    };

    // True when `name` stays inside the folder it is put in: not empty, not "." or "..", no
    // folder separator of any platform ('/' or '\'), no line break (a list holds names one a
    // line). Names found on disk that fail this are not offered.
    static bool staysInFolder(std::u16string_view name);

    // True when a new file may be given this name: it stays in its folder and it is a name that
    // every platform the content folder travels to accepts and keeps as typed: no control
    // characters, none of < > : " | ? *, no blank or dot at the end (Windows drops them), no
    // device name (CON, NUL, COM1...), no hidden temporary name of the file layer, at most 255
    // bytes.
    static bool isPortableFileName(std::u16string_view name) {
        return faultOf(name) == Fault::None;
    }
    // What keeps `name` from being a new file; None when it may be one.
    static Fault faultOf(std::u16string_view name);
    // A name that may be a new file, made from `name` (one made elsewhere, as a screenshot's
    // "10:11:12"): refused characters become '-', blanks and dots at the end go, a device name
    // gets a '_' after its stem, a hidden temporary name loses its dot, and a name too long is
    // cut before its extension. `name` itself when it is fine already.
    static std::u16string corrected(std::u16string_view name);

    // `name` with " (number)" before its extension, "duck (2).png" for "duck.png", cut before
    // that where it would be too long: a name for a second file where `name` is taken.
    static std::u16string numbered(std::u16string_view name, int number);

    // The text with every line break (CR, LF) turned into a blank, so that it fills exactly one
    // line of a list.
    static std::u16string onOneLine(std::u16string_view text);
};
