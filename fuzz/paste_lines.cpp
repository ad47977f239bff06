// The paste of plain lines on any bytes, with the pointer near the ends of the coordinate
// range: one item per line that holds more than blanks (and a hub above three lines), names
// without control characters and no longer than a cut name, and a saved text that reads back.
#include "edit/plain_lines.h"
#include "reads_back.h"
#include "text/lines.h"

#include <cstdint>
#include <limits>
#include <string_view>

using namespace lumeris;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = splitLines(bytes);
    Scheme scheme;
    pastePlainLines(scheme, lines, std::numeric_limits<std::int32_t>::max() - 40,
                    std::numeric_limits<std::int32_t>::min() + 70, 128);

    std::int32_t filled = 0;
    for (const std::string& line : lines)
        filled += line.find_first_not_of("\t ") != std::string::npos;
    const bool hub = lines.size() > 3;
    if (scheme.ItemCount != filled + hub || scheme.LinkCount != (hub ? filled : 0) ||
        scheme.BusyDepth != 0)
        __builtin_trap();
    for (const CPoint* p = scheme.ItemList; p; p = p->Next) {
        if (p->Name.size() > PastedNameLimit + 3)
            __builtin_trap();
        for (char c : p->Name)
            if (static_cast<unsigned char>(c) < 32)
                __builtin_trap();
    }
    ViewState view;
    Document doc;
    trapUnlessSavedTextReadsBack(scheme, view, doc);
    return 0;
}
