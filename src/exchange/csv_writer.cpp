#include "exchange/csv.h"

#include "text/numbers.h"
#include "text/utf8_cp1251.h"

namespace lumeris {

namespace {

// A field is quoted when it holds a comma, a quote or a line break, or begins or ends with a
// blank that a reader would trim.
void appendField(std::string& out, const std::string& cp1251) {
    const std::string text = cp1251ToUtf8(cp1251);
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.front() == '\t' ||
                                          text.back() == ' ' || text.back() == '\t'));
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

std::string writeCsv(const Scheme& scheme) {
    std::string out = "From,To,Weight,Name\r\n";
    for (const CLink* link = scheme.LinkTail; link; link = link->Prev) {
        appendField(out, link->From->Name);
        out += ',';
        appendField(out, link->To->Name);
        out += ',';
        appendReal(out, link->Value);
        out += ',';
        appendField(out, link->Name);
        out += "\r\n";
    }
    return out;
}

} // namespace lumeris
