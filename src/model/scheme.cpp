#include "scheme.h"

namespace lumeris {

Scheme::~Scheme() {
    journal_.setRecording(false);
    empty();
}

void Scheme::setText(std::string& field, std::string value) {
    if (field == value)
        return;
    if (journal_.recording())
        journal_.noteText(field, field);
    field = std::move(value);
}

void Scheme::setPhoto(CPoint* item, std::shared_ptr<Picture> picture) {
    if (journal_.recording())
        journal_.notePhoto(item, item->PhotoImage);
    item->PhotoImage = std::move(picture);
}

CPoint* Scheme::createItem(std::string name, std::int32_t x, std::int32_t y) {
    auto* item = new CPoint;
    // A file may hold the largest id; the next one wraps around instead of overflowing.
    LastId = static_cast<std::int32_t>(static_cast<std::uint32_t>(LastId) + 1u);
    item->id = LastId;
    item->Seq = ++lastSeq_;
    item->Name = std::move(name);
    item->X = x;
    item->Y = y;
    item->Type = DefaultItemType;
    item->Next = ItemList;
    if (ItemList)
        ItemList->Prev = item;
    else
        ItemTail = item;
    ItemList = item;
    ++ItemCount;
    changed();
    linkIntoIdIndex(item);
    SchemeChanged = true;
    if (journal_.recording())
        journal_.itemIn(item);
    return item;
}

CPoint* Scheme::cloneItem(CPoint* source) {
    CLink* const firstOld = LinkList;
    CPoint* clone = createItem({}, source->X + 16, source->Y - 16);
    if (!source->Name.empty())
        clone->Name = source->Name + " " + std::to_string(clone->id);
    clone->Value = source->Value;
    clone->AndOr = source->AndOr;
    clone->Custom = source->Custom;
    clone->IsCust = source->IsCust;
    clone->Type = source->Type;
    for (CLink* l = firstOld; l; l = l->Next) {
        CLink* copy = nullptr;
        if (l->From == source)
            copy = createLink(clone, l->To);
        else if (l->To == source)
            copy = createLink(l->From, clone);
        if (copy) {
            copy->Name = l->Name;
            copy->Value = l->Value;
            copy->AndOr = l->AndOr;
        }
    }
    return clone;
}

void Scheme::destroyItem(CPoint* item) {
    BusyGuard busy(*this);
    if (item->Type == TypeProjection || item->ViewEntries)
        dropView(item);
    while (item->EntriesNaming)
        destroyViewEntry(item->EntriesNaming);
    while (item->OutLinks)
        destroyLink(item->OutLinks);
    while (item->InLinks)
        destroyLink(item->InLinks);
    takeOut(item);
    if (journal_.recording())
        journal_.itemOut(item);
    else
        delete item;
}

void Scheme::takeOut(CPoint* item) {
    if (item == CurrentView) {
        completeViewSwitch();
        switchViewpoint(nullptr);
        completeViewSwitch();
    }
    for (auto& move : ViewSwitchMoves)
        if (move.Item == item)
            move.Item = nullptr;
    destroyTracesOf(item);
    (item->Prev ? item->Prev->Next : ItemList) = item->Next;
    (item->Next ? item->Next->Prev : ItemTail) = item->Prev;
    --ItemCount;
    changed();
    unlinkFromIdIndex(item);
    if (Selected.item == item) {
        Selected.clear();
        EditState = EditIdle;
    }
    if (Hovered.item == item) {
        Hovered.clear();
        HoverKind = HoverNothing;
    }
    SchemeChanged = true;
}

void Scheme::putBack(CPoint* item) {
    (item->Prev ? item->Prev->Next : ItemList) = item;
    (item->Next ? item->Next->Prev : ItemTail) = item;
    ++ItemCount;
    linkIntoIdIndex(item);
}

void Scheme::swapId(CPoint* item, std::int32_t& id) {
    const std::int32_t current = item->id;
    setId(item, id);
    id = current;
}

void Scheme::replayed() {
    changed();
    SchemeChanged = true;
    ++RedrawRequests;
}

void Scheme::pushLinkChains(CLink* link) {
    CPoint* from = link->From;
    link->PrevOut = nullptr;
    link->NextOut = from->OutLinks;
    if (from->OutLinks)
        from->OutLinks->PrevOut = link;
    from->OutLinks = link;

    CPoint* to = link->To;
    link->PrevIn = nullptr;
    link->NextIn = to->InLinks;
    if (to->InLinks)
        to->InLinks->PrevIn = link;
    to->InLinks = link;
}

CLink* Scheme::createLink(CPoint* from, CPoint* to) {
    if (!from || !to)
        return nullptr;
    auto* link = new CLink;
    link->From = from;
    link->To = to;
    link->Next = LinkList;
    if (LinkList)
        LinkList->Prev = link;
    else
        LinkTail = link;
    LinkList = link;
    ++LinkCount;
    changed();
    pushLinkChains(link);
    if (journal_.recording())
        journal_.linkIn(link);
    // Summed in 64 bits: positions near the 32-bit limits must not overflow; the third fits.
    LinkHandleX = static_cast<std::int32_t>((2 * std::int64_t{from->X} + to->X) / 3);
    LinkHandleY = static_cast<std::int32_t>((2 * std::int64_t{from->Y} + to->Y) / 3);
    SchemeChanged = true;
    return link;
}

void Scheme::destroyLink(CLink* link) {
    takeOut(link);
    if (journal_.recording())
        journal_.linkOut(link);
    else
        delete link;
}

void Scheme::takeOut(CLink* link) {
    (link->PrevOut ? link->PrevOut->NextOut : link->From->OutLinks) = link->NextOut;
    if (link->NextOut)
        link->NextOut->PrevOut = link->PrevOut;
    (link->PrevIn ? link->PrevIn->NextIn : link->To->InLinks) = link->NextIn;
    if (link->NextIn)
        link->NextIn->PrevIn = link->PrevIn;
    (link->Prev ? link->Prev->Next : LinkList) = link->Next;
    (link->Next ? link->Next->Prev : LinkTail) = link->Prev;
    --LinkCount;
    changed();
    if (Selected.link == link) {
        Selected.clear();
        EditState = EditIdle;
    }
    if (Hovered.link == link) {
        Hovered.clear();
        HoverKind = HoverNothing;
    }
}

void Scheme::putBack(CLink* link) {
    (link->PrevOut ? link->PrevOut->NextOut : link->From->OutLinks) = link;
    if (link->NextOut)
        link->NextOut->PrevOut = link;
    (link->PrevIn ? link->PrevIn->NextIn : link->To->InLinks) = link;
    if (link->NextIn)
        link->NextIn->PrevIn = link;
    (link->Prev ? link->Prev->Next : LinkList) = link;
    (link->Next ? link->Next->Prev : LinkTail) = link;
    ++LinkCount;
}

void Scheme::empty() {
    BusyGuard busy(*this);
    // Emptying starts another scheme: its history starts anew too.
    journal_.clear();
    Journal::Quiet quiet(journal_);
    // Views first, so that no switch or entry outlives the items it names.
    completeViewSwitch();
    CurrentView = nullptr;
    ViewSwitchMoves.clear();
    dropAllLinks();
    // Every trace goes too: dropping the lists first spares each item's destroy the search
    // of the lists its influence has reached.
    for (CPoint* p = ItemList; p; p = p->Next) {
        p->Traces.clear();
        p->ReachedItems.clear();
    }
    while (ItemList)
        destroyItem(ItemList);
    ++RedrawRequests;
}

void Scheme::dropAllLinks() {
    // Every link goes, so none needs unlinking from the chains of its ends: freeing them in
    // list order costs what they are, not a cache miss at two random items per link.
    for (CLink* l = LinkList; l;) {
        CLink* next = l->Next;
        delete l;
        l = next;
    }
    LinkList = LinkTail = nullptr;
    LinkCount = 0;
    changed();
    for (CPoint* p = ItemList; p; p = p->Next)
        p->OutLinks = p->InLinks = nullptr;
    if (Selected.link) {
        Selected.clear();
        EditState = EditIdle;
    }
    if (Hovered.link) {
        Hovered.clear();
        HoverKind = HoverNothing;
    }
}

void Scheme::changeType(CPoint* item, std::uint8_t type) {
    touch(item);
    if (item->Type == TypeProjection && type != TypeProjection)
        dropView(item);
    if (type == TypeFlag) {
        item->Custom = 1.0f;
        item->IsCust = 1;
    } else if (type <= TypeProjection) {
        item->Custom = 0;
        item->IsCust = 0;
    }
    setType(item, type);
    SchemeChanged = true;
    ++RedrawRequests;
}

void Scheme::reverseLinks() {
    for (CPoint* p = ItemList; p; p = p->Next)
        p->OutLinks = p->InLinks = nullptr;
    // Pushing from the oldest link keeps every chain in LinkList order.
    for (CLink* l = LinkTail; l; l = l->Prev) {
        std::swap(l->From, l->To);
        pushLinkChains(l);
    }
    changed();
    if (journal_.recording())
        journal_.linksReversed();
}

void Scheme::linkIntoIdIndex(CPoint* item) {
    CPoint*& newest = newestById_[item->id];
    item->SameIdNewer = nullptr;
    item->SameIdOlder = newest;
    if (!newest || newest->Seq < item->Seq) {
        if (newest)
            newest->SameIdNewer = item;
        newest = item;
        return;
    }
    CPoint* before = newest;
    while (before->SameIdOlder && before->SameIdOlder->Seq > item->Seq)
        before = before->SameIdOlder;
    item->SameIdNewer = before;
    item->SameIdOlder = before->SameIdOlder;
    if (before->SameIdOlder)
        before->SameIdOlder->SameIdNewer = item;
    before->SameIdOlder = item;
}

void Scheme::unlinkFromIdIndex(CPoint* item) {
    if (item->SameIdOlder)
        item->SameIdOlder->SameIdNewer = item->SameIdNewer;
    if (item->SameIdNewer) {
        item->SameIdNewer->SameIdOlder = item->SameIdOlder;
    } else if (item->SameIdOlder) {
        newestById_[item->id] = item->SameIdOlder;
    } else {
        newestById_.erase(item->id);
    }
    item->SameIdNewer = item->SameIdOlder = nullptr;
}

void Scheme::setId(CPoint* item, std::int32_t id) {
    if (journal_.recording())
        journal_.noteId(item, item->id);
    unlinkFromIdIndex(item);
    item->id = id;
    linkIntoIdIndex(item);
}

CPoint* Scheme::findById(std::int32_t id) const {
    auto found = newestById_.find(id);
    return found == newestById_.end() ? nullptr : found->second;
}

} // namespace lumeris
