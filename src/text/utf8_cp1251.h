// File names from the file system (UTF-8) as the model keeps text (Windows-1251 bytes), and
// the model's addresses back to the file system's names.
#pragma once

#include <string>
#include <string_view>

namespace lumeris {

// Each character Windows-1251 cannot hold, and each byte that is not part of a well-formed
// UTF-8 sequence, becomes "?".
std::string utf8ToCp1251(std::string_view utf8);

// The one byte that stands for no character (0x98) becomes "?".
std::string cp1251ToUtf8(std::string_view bytes);

} // namespace lumeris
