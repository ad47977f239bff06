// Letter case of Windows-1251 text, the same whatever the process locale.
#pragma once

#include <string>
#include <string_view>

namespace lumeris {

// The capital of a Latin or Cyrillic small letter; any other byte as it is.
char upperCp1251(char c);

// The first `count` characters of the text (all of a shorter text), upper-cased.
std::string upperPrefixCp1251(std::string_view text, std::size_t count);

} // namespace lumeris
