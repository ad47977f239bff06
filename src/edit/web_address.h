// Whether an item's address is a web address, for the plain-text paste and for opening
// addresses.
#pragma once

#include <string_view>

namespace lumeris {

// The text begins, in any letter case, with "WWW.", "HTTP://", "HTTPS://", "FTP://", "FILE://"
// or "MAILTO:".
bool isWebAddress(std::string_view text);

} // namespace lumeris
