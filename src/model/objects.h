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
    // Scheme::StepCount of the step that last reset MinInput and Accum; the step resets a
    // trace when it first touches it instead of visiting every trace up front.
    std::uint32_t StepStamp = 0;
};

// One entry of a projection item's view.
struct ViewEntry {
    CPoint* Item = nullptr;
    std::int32_t DX = 0;
    std::int32_t DY = 0;
    bool Vis = true;
    ViewEntry* Prev = nullptr; // the projection item's chain, newest first
    ViewEntry* Next = nullptr;

    // Index: the chain of all entries, in any view, whose Item is the same item.
    CPoint* Owner = nullptr;
    ViewEntry* ItemPrev = nullptr;
    ViewEntry* ItemNext = nullptr;
};

// A position in an item's trace list that holds no trace.
constexpr std::uint32_t NoSlot = 0xFFFFFFFFu;

// The propagation step's index of one item (kept by src/engine).
struct ItemStepIndex {
    std::uint32_t ListPosition = 0;    // the item's place in the step's copy of ItemList
    std::uint32_t OwnSlot = NoSlot;    // position of the trace whose Source is the item
    std::uint32_t BuiltFor = 0;        // TraceListVersion that PassOn was built from
    bool Valid = false;                // cleared when any item's flag type changes
    bool WasFlag = false;              // Type was 2 at the last step
    std::vector<std::uint32_t> PassOn; // positions of the own and flag-sourced traces, ascending
    // What the spread plan was built for; a change makes the plan stale.
    std::uint8_t PlannedType = 0xFF;
    std::int32_t PlannedIsCust = 0;
    float PlannedAndOr = 0;
};

// The propagation step's index of one link (kept by src/engine): the positions, in the To
// item's list, of the traces its contributions reach, in the order the link passes its From
// item's traces. Entries are checked against the trace's Source before use.
struct LinkStepIndex {
    std::uint32_t First = NoSlot;
    std::vector<std::uint32_t> Rest;
};

// An item of the scheme.
// The fields every step reads come first, together, so that a step over many items touches
// few cache lines of each. (Aligning the item to a cache line saves little there and slows
// reading a file: over-aligned allocations cost more.)
struct CPoint : CVisual {
    float Value = 0;
    float AndOr = 1.0f;
    float Custom = 0;
    std::int32_t IsCust = 0;
    std::uint8_t Type = TypeReal;
    std::uint32_t TraceListVersion = 0; // bumped whenever a trace joins or leaves Traces
    std::vector<CVolume> Traces;        // sorted by source name (see traceNameLess)
    ItemStepIndex StepIndex;
    std::string url;

    std::int32_t id = 0;
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
    std::unique_ptr<Picture> PhotoImage;
    std::uint32_t NameColor = 0;
    std::int32_t Mark = 0;
    ViewEntry* ViewEntries = nullptr; // projection items only, newest first
    bool Vis = true;

    // Indexes that let the destroy cascade and the readers avoid whole-scheme scans.
    CLink* InLinks = nullptr;           // links whose To is this item, in LinkList order
    std::vector<CPoint*> ReachedItems;  // the items holding a trace whose Source is this item
    ViewEntry* EntriesNaming = nullptr; // view entries anywhere whose Item is this item
    CPoint* SameIdNewer = nullptr;      // items sharing this id, in ItemList order
    CPoint* SameIdOlder = nullptr;
    std::uint64_t Seq = 0; // creation order: a larger Seq stands nearer the ItemList head
};

// A directed link between two items.
struct CLink : CVisual {
    CPoint* From = nullptr;
    CPoint* To = nullptr;
    std::string Name;
    // The coefficient. Once the link is made, change it through Scheme::setCoefficient: the
    // step keeps a copy of every coefficient.
    float Value = 1.0f;
    float AndOr = 0.0f;
    CLink* PrevOut = nullptr; // From's OutLinks chain
    CLink* NextOut = nullptr;
    CLink* Prev = nullptr; // LinkList neighbour toward the head (newer)
    CLink* Next = nullptr; // LinkList neighbour toward the tail (older)

    // Index: To's InLinks chain, in LinkList order.
    CLink* PrevIn = nullptr;
    CLink* NextIn = nullptr;

    LinkStepIndex StepIndex;
};

} // namespace lumeris
