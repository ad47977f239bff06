// What one paste has changed, so that a paste stopped by a data error can leave the scheme as
// it was before (the program keeps running and keeps every earlier edit).
#pragma once

#include "model/document.h"
#include "model/scheme.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumeris {

class PasteJournal {
  public:
    PasteJournal(const Scheme& scheme, const Document& doc);

    void itemCreated(CPoint* item) { items_.push_back(item); }
    void linkCreated(CLink* link) { links_.push_back(link); }
    // FindOrAddViewEntry, remembering whether the entry is new or what it held before.
    ViewEntry* takeViewEntry(Scheme& scheme, CPoint* projection, CPoint* item);

    // Removes every entry, link and item the paste added, restores the entries it changed and
    // the counters and document fields the reader touched.
    void undo(Scheme& scheme, Document& doc);

  private:
    struct EntryBefore {
        ViewEntry* entry;
        std::int32_t DX;
        std::int32_t DY;
        bool Vis;
    };

    std::vector<CPoint*> items_;
    std::vector<CLink*> links_;
    std::vector<ViewEntry*> addedEntries_;
    std::vector<EntryBefore> changedEntries_;
    std::int32_t lastId_;
    std::int32_t linkHandleX_;
    std::int32_t linkHandleY_;
    bool schemeChanged_;
    std::string backGroundImage_;
};

} // namespace lumeris
