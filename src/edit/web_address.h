// Whether an item's address is a web address, for the plain-text paste and for opening
// addresses.
#pragma once

#include <string>
#include <string_view>

namespace lumeris {

class Scheme;

// The text begins, in any letter case, with "WWW.", "HTTP://", "HTTPS://", "FTP://", "FILE://"
// or "MAILTO:".
bool isWebAddress(std::string_view text);

// The address field's text (Windows-1251) becomes the Selected item's url at every change;
// a repaint is requested. Without a selected item nothing changes.
void setSelectedUrl(Scheme& scheme, const std::string& text);

} // namespace lumeris
