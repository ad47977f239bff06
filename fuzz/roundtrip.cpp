// Property: for a random scheme, write -> read -> write gives the same text up to the order of
// the entries inside each view group, and reading once more restores that order too.
#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace lumeris;

namespace {

float anyFloat(FuzzedDataProvider& in) {
    const auto bits = in.ConsumeIntegral<std::uint32_t>();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void randomItem(FuzzedDataProvider& in, Scheme& scheme) {
    CPoint* p = scheme.createItem(in.ConsumeRandomLengthString(20), in.ConsumeIntegral<int32_t>(),
                                  in.ConsumeIntegral<int32_t>());
    p->Type = in.ConsumeIntegral<std::uint8_t>() % 9 == 0 ? TypeProjection
                                                          : in.ConsumeIntegral<std::uint8_t>();
    p->Value = anyFloat(in);
    p->AndOr = anyFloat(in);
    p->Custom = anyFloat(in);
    p->IsCust = in.ConsumeIntegral<std::int32_t>();
    p->Vis = in.ConsumeBool();
    p->url = in.ConsumeRandomLengthString(20);
    p->photo = in.ConsumeRandomLengthString(20);
    p->text = in.ConsumeRandomLengthString(40);
}

void randomScheme(FuzzedDataProvider& in, Scheme& scheme, ViewState& view, Document& doc) {
    scheme.LastId = in.ConsumeIntegralInRange(-1000000, 1000000);
    view.ScreenX = in.ConsumeIntegral<std::int32_t>();
    view.ScreenY = in.ConsumeIntegral<std::int32_t>();
    view.Scale = static_cast<float>(in.ConsumeIntegralInRange(1, 100000)) / 1000.0f;
    doc.BackGroundImage = in.ConsumeRandomLengthString(20);
    std::vector<CPoint*> items;
    const int itemCount = in.ConsumeIntegralInRange(0, 30);
    for (int i = 0; i < itemCount; ++i) {
        randomItem(in, scheme);
        items.push_back(scheme.ItemList);
    }
    if (items.empty())
        return;
    auto pick = [&] { return items[in.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)]; };
    const int linkCount = in.ConsumeIntegralInRange(0, 60);
    for (int i = 0; i < linkCount; ++i) {
        CLink* link = scheme.createLink(pick(), pick());
        link->Value = anyFloat(in);
        link->AndOr = anyFloat(in);
        link->Name = in.ConsumeRandomLengthString(10);
    }
    const int entryCount = in.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < entryCount; ++i) {
        CPoint* projection = pick();
        if (projection->Type != TypeProjection)
            continue;
        ViewEntry* entry = scheme.findOrAddViewEntry(projection, pick());
        entry->DX = in.ConsumeIntegral<std::int32_t>();
        entry->DY = in.ConsumeIntegral<std::int32_t>();
        entry->Vis = in.ConsumeBool();
    }
}

std::string reread(const std::string& text) {
    Scheme scheme;
    ViewState view;
    Document doc;
    if (!readScheme(splitLines(text), ReadMode::load(), scheme, view, doc, nullptr))
        __builtin_trap();
    return saveBytes(scheme, view, doc);
}

// The entry lines of each view group in sorted order.
std::vector<std::string> withSortedGroups(const std::string& text) {
    std::vector<std::string> lines = splitLines(text);
    auto group = std::find(lines.begin(), lines.end(), std::string(ViewsCaption));
    while (group != lines.end()) {
        group = std::find_if(group + 1, lines.end(), [](auto& l) { return l.starts_with(' '); });
        if (group == lines.end())
            break;
        auto end = std::find_if(group + 1, lines.end(), [](auto& l) { return l.starts_with(' '); });
        std::sort(group + 1, end);
        group = end - 1;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Scheme scheme;
    ViewState view;
    Document doc;
    randomScheme(in, scheme, view, doc);
    const std::string first = saveBytes(scheme, view, doc);
    const std::string second = reread(first);
    if (withSortedGroups(first) != withSortedGroups(second) || reread(second) != first)
        __builtin_trap();
    return 0;
}
