// Text fields of the scheme layout: written so that they never break it, read back as stored.
#pragma once

#include <string>
#include <string_view>

namespace lumeris {

// Any text field but `text`: TAB, CR and LF each become a space.
void appendPlainField(std::string& out, std::string_view field);

// The `text` field: TAB becomes a space; CR LF, a lone CR and a lone LF each become the two
// characters backslash and "n".
void appendTextField(std::string& out, std::string_view field);

// Reading `text`: every backslash followed by "n" becomes CR LF, left to right.
std::string expandLineBreaks(std::string_view field);

} // namespace lumeris
