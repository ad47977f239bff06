#include "exchange/dot.h"

#include "exchange/node_ids.h"
#include "text/numbers.h"
#include "text/utf8_cp1251.h"

#include <cmath>

namespace lumeris {

namespace {

// A double-quoted DOT string; line breaks become Graphviz's "\n".
void appendQuoted(std::string& out, const std::string& cp1251) {
    const std::string text = cp1251ToUtf8(cp1251);
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    out += '"';
}

// From 1 point for a coefficient of 0 to 4 points for 1 or -1.
float penWidth(float coefficient) {
    return 1.0f + 3.0f * std::fmin(std::fabs(coefficient), 1.0f);
}

} // namespace

std::string writeDot(const Scheme& scheme) {
    const auto ids = exportNodeIds(scheme);
    std::string out = "digraph scheme {\n";
    for (const CPoint* item = scheme.ItemTail; item; item = item->Prev) {
        out += "  " + ids.at(item) + " [label=";
        appendQuoted(out, item->Name);
        out += ", pos=\"";
        appendInteger(out, item->X);
        out += ',';
        appendInteger(out, -std::int64_t{item->Y});
        out += "\"];\n";
    }
    for (const CLink* link = scheme.LinkTail; link; link = link->Prev) {
        out += "  " + ids.at(link->From) + " -> " + ids.at(link->To) + " [label=\"";
        appendReal(out, link->Value);
        out += "\", penwidth=";
        appendReal(out, penWidth(link->Value));
        out += link->Value < 0 ? ", color=red];\n" : "];\n";
    }
    out += "}\n";
    return out;
}

} // namespace lumeris
