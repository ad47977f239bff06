#include "engine/dump.h"

#include <cstdio>
#include <fstream>

namespace lumeris {

namespace {

void appendReal(std::string& out, float value) {
    char text[32];
    std::snprintf(text, sizeof text, " %.9g", static_cast<double>(value));
    out += text;
}

void appendInt(std::string& out, long long value) {
    out += ' ';
    out += std::to_string(value);
}

} // namespace

std::string dumpScheme(const Scheme& scheme) {
    std::string out;
    for (const CPoint* item = scheme.ItemTail; item; item = item->Prev) {
        out += 'I';
        appendInt(out, item->id);
        appendInt(out, item->X);
        appendInt(out, item->Y);
        appendReal(out, item->VelX);
        appendReal(out, item->VelY);
        appendReal(out, item->Value);
        appendInt(out, static_cast<long long>(item->Traces.size()));
        for (const CVolume& v : item->Traces) {
            appendInt(out, v.Source->id);
            appendReal(out, v.Value);
        }
        out += '\n';
    }
    for (const CLink* link = scheme.LinkTail; link; link = link->Prev) {
        out += 'L';
        appendInt(out, link->From->id);
        appendInt(out, link->To->id);
        appendReal(out, link->Value);
        out += '\n';
    }
    return out;
}

bool saveDump(const std::string& path, const Scheme& scheme) {
    const std::string text = dumpScheme(scheme);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace lumeris
