// The message that tells why a file could not be removed or copied, naming the file by its path
// in the content folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CFileErrorText {
public:
    // "<path> was not found.", "Access to <path> was denied." and so on, by the system's error.
    static std::u16string removeFailed(std::uint32_t error, std::u16string_view path);
};
