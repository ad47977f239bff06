// The reader in load mode on any bytes: it never crashes, hangs or allocates without bound,
// and whatever it read whole can be written and read back.
#include "reads_back.h"

#include <cstdint>
#include <string_view>

using namespace lumeris;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Scheme scheme;
    ViewState view;
    Document doc;
    if (!readScheme(splitLines(bytes), ReadMode::load(), scheme, view, doc, nullptr))
        return 0;
    trapUnlessSavedTextReadsBack(scheme, view, doc);
    return 0;
}
