#include "edit/web_address.h"

#include "model/scheme.h"
#include "text/cp1251_case.h"

#include <array>

namespace lumeris {

bool isWebAddress(std::string_view text) {
    static constexpr std::array<std::string_view, 6> Prefixes = {"WWW.",   "HTTP://", "HTTPS://",
                                                                 "FTP://", "FILE://", "MAILTO:"};
    // The longest prefix is eight characters.
    const std::string upper = upperPrefixCp1251(text, 8);
    const std::string_view start = upper;
    for (std::string_view prefix : Prefixes)
        if (start.starts_with(prefix))
            return true;
    return false;
}

void setSelectedUrl(Scheme& scheme, const std::string& text) {
    if (CPoint* item = scheme.Selected.item) {
        scheme.setText(item->url, text);
        ++scheme.RedrawRequests;
    }
}

} // namespace lumeris
