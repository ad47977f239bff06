// Projection items' views and the animated switch between them.
#include "scheme.h"

#include <cmath>
#include <numbers>

namespace lumeris {

ViewEntry* Scheme::findOrAddViewEntry(CPoint* projection, CPoint* item) {
    if (!projection)
        return nullptr;
    for (ViewEntry* e = projection->ViewEntries; e; e = e->Next)
        if (e->Item == item)
            return e;
    auto* entry = new ViewEntry;
    entry->Item = item;
    entry->Vis = item->Vis;
    entry->Owner = projection;
    entry->Next = projection->ViewEntries;
    if (projection->ViewEntries)
        projection->ViewEntries->Prev = entry;
    projection->ViewEntries = entry;
    entry->ItemNext = item->EntriesNaming;
    if (item->EntriesNaming)
        item->EntriesNaming->ItemPrev = entry;
    item->EntriesNaming = entry;
    if (journal_.recording())
        journal_.entryIn(entry);
    return entry;
}

void Scheme::destroyViewEntry(ViewEntry* entry) {
    takeOut(entry);
    if (journal_.recording())
        journal_.entryOut(entry);
    else
        delete entry;
}

void Scheme::takeOut(ViewEntry* entry) {
    (entry->Prev ? entry->Prev->Next : entry->Owner->ViewEntries) = entry->Next;
    if (entry->Next)
        entry->Next->Prev = entry->Prev;
    (entry->ItemPrev ? entry->ItemPrev->ItemNext : entry->Item->EntriesNaming) = entry->ItemNext;
    if (entry->ItemNext)
        entry->ItemNext->ItemPrev = entry->ItemPrev;
}

void Scheme::putBack(ViewEntry* entry) {
    (entry->Prev ? entry->Prev->Next : entry->Owner->ViewEntries) = entry;
    if (entry->Next)
        entry->Next->Prev = entry;
    (entry->ItemPrev ? entry->ItemPrev->ItemNext : entry->Item->EntriesNaming) = entry;
    if (entry->ItemNext)
        entry->ItemNext->ItemPrev = entry;
}

void Scheme::dropView(CPoint* item) {
    if (item == CurrentView) {
        completeViewSwitch();
        switchViewpoint(nullptr);
        completeViewSwitch();
    }
    while (item->ViewEntries)
        destroyViewEntry(item->ViewEntries);
}

namespace {

std::size_t entryCount(const CPoint* projection) {
    std::size_t n = 0;
    for (const ViewEntry* e = projection ? projection->ViewEntries : nullptr; e; e = e->Next)
        ++n;
    return n;
}

} // namespace

void Scheme::switchViewpoint(CPoint* projection) {
    if (ViewSwitchFrame != 0)
        return;
    BusyGuard busy(*this);
    const std::size_t nOld = entryCount(CurrentView);
    const std::size_t nNew = entryCount(projection);
    for (CPoint* p = ItemList; p; p = p->Next)
        if (p->Mark == 1)
            p->Mark = 0;
    if (nOld + nNew > 0) {
        ViewSwitchMoves.clear();
        ViewSwitchMoves.reserve(nOld + nNew);
        for (ViewEntry* e = CurrentView ? CurrentView->ViewEntries : nullptr; e; e = e->Next) {
            CPoint* item = e->Item;
            item->X -= e->DX;
            item->Y -= e->DY;
            ViewSwitchMoves.push_back({item, e->DX, e->DY, item->X, item->Y});
            item->Mark = 1;
            std::swap(item->Vis, e->Vis);
        }
        for (ViewEntry* e = projection ? projection->ViewEntries : nullptr; e; e = e->Next) {
            CPoint* item = e->Item;
            ViewSwitchMoves.push_back({item, e->DX, e->DY, item->X, item->Y});
            std::swap(item->Vis, e->Vis);
        }
        ViewSwitchOld = nOld;
        ViewSwitchFrame = 1;
    }
    CurrentView = projection;
}

void Scheme::stepViewSwitch() {
    if (ViewSwitchFrame == 0)
        return;
    BusyGuard busy(*this);
    MouseButtonState = MouseButtonNone;
    const int f = ViewSwitchFrame;
    const float angle = static_cast<float>(f) / 7.0f * std::numbers::pi_v<float>;
    const float c = 0.5f - std::cos(angle) / 2.0f;
    const float rest = 1.0f - c;
    for (std::size_t i = 0; i < ViewSwitchMoves.size(); ++i) {
        const ViewSwitchMove& m = ViewSwitchMoves[i];
        if (!m.Item)
            continue;
        const auto dx = static_cast<std::int32_t>(
            std::trunc((i < ViewSwitchOld ? rest : c) * static_cast<float>(m.DX)));
        const auto dy = static_cast<std::int32_t>(
            std::trunc((i < ViewSwitchOld ? rest : c) * static_cast<float>(m.DY)));
        if (i >= ViewSwitchOld && m.Item->Mark == 1) {
            m.Item->X += dx;
            m.Item->Y += dy;
        } else {
            m.Item->X = dx + m.StartX;
            m.Item->Y = dy + m.StartY;
        }
    }
    ++RedrawRequests;
    if (f == 7) {
        ViewSwitchFrame = 0;
        ViewSwitchMoves.clear();
        ViewSwitchOld = 0;
    } else {
        ViewSwitchFrame = f + 1;
    }
}

void Scheme::completeViewSwitch() {
    while (ViewSwitchFrame != 0)
        stepViewSwitch();
}

} // namespace lumeris
