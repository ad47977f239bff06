// The reader in paste mode on any bytes, into a scheme that already holds items, a link and a
// view: a paste that fails leaves the scheme exactly as it was.
#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace lumeris;

namespace {

std::string state(Scheme& scheme, const ViewState& view, const Document& doc) {
    return saveBytes(scheme, view, doc) + std::to_string(scheme.LastId) + " " +
           std::to_string(scheme.ItemCount) + " " + std::to_string(scheme.LinkCount) + " " +
           std::to_string(scheme.LinkHandleX) + " " + std::to_string(scheme.LinkHandleY);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Scheme scheme;
    ViewState view;
    Document doc;
    doc.BackGroundImage = "back.bmp";
    CPoint* a = scheme.createItem("a", 10, 20);
    CPoint* b = scheme.createItem("b", -30, 40);
    CPoint* projection = scheme.createItem("p", 0, 0);
    projection->Type = TypeProjection;
    scheme.findOrAddViewEntry(projection, a)->DX = 5;
    scheme.findOrAddViewEntry(projection, b)->Vis = false;
    scheme.createLink(a, b);
    scheme.createLink(b, projection);
    const std::string before = state(scheme, view, doc);

    const ReadResult result =
        readScheme(splitLines(bytes), ReadMode::paste(100, 200), scheme, view, doc, nullptr);
    if (!result && (state(scheme, view, doc) != before || doc.BackGroundImage != "back.bmp" ||
                    scheme.BusyDepth != 0))
        __builtin_trap();
    return 0;
}
