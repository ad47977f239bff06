// A scheme as lines a test can compare at a glance: "name x,y" per item and
// "from>to coefficient name" per link, oldest first, names in UTF-8.
#pragma once

#include "model/scheme.h"
#include "text/numbers.h"
#include "text/utf8_cp1251.h"

#include <string>
#include <vector>

namespace lumeris::test {

inline std::vector<std::string> itemLines(const Scheme& scheme) {
    std::vector<std::string> lines;
    for (const CPoint* p = scheme.ItemTail; p; p = p->Prev)
        lines.push_back(cp1251ToUtf8(p->Name) + " " + std::to_string(p->X) + "," +
                        std::to_string(p->Y));
    return lines;
}

inline std::vector<std::string> linkLines(const Scheme& scheme) {
    std::vector<std::string> lines;
    for (const CLink* l = scheme.LinkTail; l; l = l->Prev)
        lines.push_back(cp1251ToUtf8(l->From->Name) + ">" + cp1251ToUtf8(l->To->Name) + " " +
                        formatReal(l->Value) +
                        (l->Name.empty() ? "" : " " + cp1251ToUtf8(l->Name)));
    return lines;
}

} // namespace lumeris::test
