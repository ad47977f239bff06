// The reader in load mode on any bytes: it never crashes, hangs or allocates without bound,
// and whatever it read whole can be written and read back.
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
    if (!readScheme(splitLines(bytes), ReadMode::load(), scheme, view, doc, nullptr))
        return 0;
    const std::string written = saveBytes(scheme, view, doc);
    Scheme again;
    if (!readScheme(splitLines(written), ReadMode::load(), again, view, doc, nullptr))
        __builtin_trap();
    return 0;
}
