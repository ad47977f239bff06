// The legacy reader on any bytes: it never crashes, hangs or allocates without bound, and a
// legacy file it read whole is saved in the current layout that reads back.
#include "files/legacy_reader.h"
#include "files/lines.h"
#include "files/scheme_reader.h"
#include "files/scheme_writer.h"

#include <cstdint>
#include <string_view>

using namespace lumeris;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Scheme scheme;
    ViewState view;
    Document doc;
    if (!readLegacy(bytes, scheme, view, doc, nullptr))
        return 0;
    const std::string written = saveBytes(scheme, view, doc);
    Scheme again;
    if (!readScheme(splitLines(written), ReadMode::load(), again, view, doc, nullptr))
        __builtin_trap();
    return 0;
}
