// The scheme's objects: items, links, traces and view entries. Plain records with public
// fields; the Scheme owns them and keeps every chain they are linked into.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumeris {

// Common base of the scheme's objects; it has no fields and no behaviour of its own.
struct CVisual {};

// A decoded picture. The core only owns it; the Qt layer decides what it holds.
struct Picture {
    virtual ~Picture() = default;
};

struct CPoint;
struct CLink;

// Logic type codes of an item.
enum ItemType : std::uint8_t {
    TypeBoolean = 0,
    TypeReal = 1,
    TypeFlag = 2,
    TypeFuzzy = 3,
    TypeProjection = 4,
    TypeLispAtom = 5,
    TypeLispList = 6,
    TypeLispVector = 7,
};

// A trace: one source item's influence held by one item. Traces are kept by value in their
// owner's list, so that a step walks each list as one block of memory.
struct CVolume : CVisual {
    CPoint* Source = nullptr;
    float Value = 0;
    float MinInput = 1;
    float Accum = 0;
};

// One entry of a projection item's view.
struct ViewEntry {
    CPoint* Item = nullptr;
    std::int32_t DX = 0;
    std::int32_t DY = 0;
    bool Vis = true;
    std::uint32_t JournalStamp = 0; // the journal step that last reported it
    ViewEntry* Prev = nullptr;      // the projection item's chain, newest first
    ViewEntry* Next = nullptr;

    // Index: the chain of all entries, in any view, whose Item is the same item.
    CPoint* Owner = nullptr;
    ViewEntry* ItemPrev = nullptr;
    ViewEntry* ItemNext = nullptr;
};

// An item of the scheme.
// The fields every step reads come first, together, so that a step over many items touches
// few cache lines of each. (Aligning the item to a cache line saves little there and slows
// reading a file: over-aligned allocations cost more.)
// Once the item is in a scheme, AndOr, IsCust and Type change through the Scheme's setters
// (setAndOr, setIsCust, setType), which advance its change stamp.
struct CPoint : CVisual {
    float Value = 0;
    float AndOr = 1.0f;
    float Custom = 0;
    std::int32_t IsCust = 0;
    std::uint8_t Type = TypeReal;
    std::vector<CVolume> Traces; // sorted by source name (see traceNameLess)
    std::string url;

    std::int32_t id = 0;
    bool Vis = true; // beside the position: the hit tests read both for every link's target
    std::string Name;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    float VelX = 0;
    float VelY = 0;
    CLink* OutLinks = nullptr; // links whose From is this item, newest first
    CPoint* Prev = nullptr;    // ItemList neighbour toward the head (newer)
    CPoint* Next = nullptr;    // ItemList neighbour toward the tail (older)
    std::string text;
    std::string photo;
    std::shared_ptr<Picture> PhotoImage; // shared with the history of the edits
    std::uint32_t NameColor = 0;
    std::int32_t Mark = 0;
    ViewEntry* ViewEntries = nullptr; // projection items only, newest first

    // Indexes that let the destroy cascade and the readers avoid whole-scheme scans.
    CLink* InLinks = nullptr;           // links whose To is this item, in LinkList order
    std::vector<CPoint*> ReachedItems;  // the items holding a trace whose Source is this item
    ViewEntry* EntriesNaming = nullptr; // view entries anywhere whose Item is this item
    CPoint* SameIdNewer = nullptr;      // items sharing this id, in ItemList order
    CPoint* SameIdOlder = nullptr;
    std::uint64_t Seq = 0;          // creation order: a larger Seq stands nearer the ItemList head
    std::uint32_t JournalStamp = 0; // the journal step that last reported it, and where
    std::uint32_t JournalSlot = 0;
};

// A directed link between two items.
struct CLink : CVisual {
    CPoint* From = nullptr;
    CPoint* To = nullptr;
    std::string Name;
    // The coefficient. Once the link is made, change it through Scheme::setCoefficient,
    // which advances the scheme's change stamp.
    float Value = 1.0f;
    float AndOr = 0.0f;
    CLink* PrevOut = nullptr; // From's OutLinks chain
    CLink* NextOut = nullptr;
    CLink* Prev = nullptr; // LinkList neighbour toward the head (newer)
    CLink* Next = nullptr; // LinkList neighbour toward the tail (older)

    // Index: To's InLinks chain, in LinkList order.
    CLink* PrevIn = nullptr;
    CLink* NextIn = nullptr;
    std::uint32_t JournalStamp = 0; // the journal step that last reported it
};

} // namespace lumeris
