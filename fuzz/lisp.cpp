// Feeds arbitrary bytes to the Lisp import and checks the shape of what it builds.
#include "import/lisp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumeris::Scheme scheme;
    lumeris::importLisp(scheme, std::string_view(reinterpret_cast<const char*>(data), size), 0, 0);
    // Every element links to exactly one earlier element, except the first.
    if (scheme.ItemCount > 0 && scheme.LinkCount != scheme.ItemCount - 1)
        std::abort();
    return 0;
}
