#include "paste_journal.h"

namespace lumeris {

PasteJournal::PasteJournal(const Scheme& scheme, const Document& doc)
    : lastId_(scheme.LastId), linkHandleX_(scheme.LinkHandleX), linkHandleY_(scheme.LinkHandleY),
      schemeChanged_(scheme.SchemeChanged), backGroundImage_(doc.BackGroundImage) {}

ViewEntry* PasteJournal::takeViewEntry(Scheme& scheme, CPoint* projection, CPoint* item) {
    const ViewEntry* headBefore = projection->ViewEntries;
    ViewEntry* entry = scheme.findOrAddViewEntry(projection, item);
    // A new entry always goes to the head of the chain.
    if (entry == projection->ViewEntries && entry != headBefore)
        addedEntries_.push_back(entry);
    else
        changedEntries_.push_back({entry, entry->DX, entry->DY, entry->Vis});
    return entry;
}

void PasteJournal::undo(Scheme& scheme, Document& doc) {
    for (auto e = changedEntries_.rbegin(); e != changedEntries_.rend(); ++e) {
        e->entry->DX = e->DX;
        e->entry->DY = e->DY;
        e->entry->Vis = e->Vis;
    }
    for (auto e = addedEntries_.rbegin(); e != addedEntries_.rend(); ++e)
        scheme.removeViewEntry(*e);
    // Links first: a pasted link may join two items that were there before the paste.
    for (auto l = links_.rbegin(); l != links_.rend(); ++l)
        scheme.destroyLink(*l);
    for (auto p = items_.rbegin(); p != items_.rend(); ++p)
        scheme.destroyItem(*p);
    scheme.LastId = lastId_;
    scheme.LinkHandleX = linkHandleX_;
    scheme.LinkHandleY = linkHandleY_;
    scheme.SchemeChanged = schemeChanged_;
    doc.BackGroundImage = backGroundImage_;
    items_.clear();
    links_.clear();
    addedEntries_.clear();
    changedEntries_.clear();
}

} // namespace lumeris
