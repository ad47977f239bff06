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

// A trace: one source item's influence held by one item.
struct CVolume : CVisual {
    CPoint* Source = nullptr;
    float Value = 0;
    float MinInput = 1;
    float Accum = 0;
    // Scheme::StepCount of the step that last reset MinInput and Accum; the step resets a
    // trace when it first touches it instead of visiting every trace up front.
    std::uint32_t StepStamp = 0;
    CVolume* Prev = nullptr; // owner's trace list, sorted by source name
    CVolume* Next = nullptr;

    // Index: the chain of all traces, in any item, whose Source is the same item.
    CPoint* Owner = nullptr;
    CVolume* SourcePrev = nullptr;
    CVolume* SourceNext = nullptr;
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

// The propagation step's index of one item (kept by src/engine).
struct ItemStepIndex {
    CVolume* OwnTrace = nullptr;     // the trace whose Source is the item; it dies with the item
    std::vector<CVolume*> Order;     // every trace, in trace order
    std::vector<bool> OrderFromFlag; // per entry of Order: its source is a flag item
    std::vector<CVolume*> PassOn;    // the own and flag-sourced traces, in trace order
    std::uint32_t BuiltFor = 0;      // TraceListVersion that Order and PassOn were built from
    bool Valid = false;              // cleared when any item's flag type changes
    bool WasFlag = false;            // Type was 2 at the last step
};

// The propagation step's index of one link (kept by src/engine): the To item's traces that
// its contributions reach, in the order the link passes its From item's traces. Entries are
// checked against Source and Owner before use and refilled when they do not match.
struct LinkStepIndex {
    CVolume* First = nullptr;
    std::vector<CVolume*> Rest;
    std::uint64_t DestroyEpoch = 0; // Scheme::TracesDestroyed when the entries were valid
};

// An item of the scheme.
struct CPoint : CVisual {
    std::int32_t id = 0;
    std::string Name;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    float VelX = 0;
    float VelY = 0;
    float Value = 0;
    float AndOr = 1.0f;
    float Custom = 0;
    std::int32_t IsCust = 0;
    std::uint8_t Type = TypeReal;
    CLink* OutLinks = nullptr; // links whose From is this item, newest first
    CPoint* Prev = nullptr;    // ItemList neighbour toward the head (newer)
    CPoint* Next = nullptr;    // ItemList neighbour toward the tail (older)
    CVolume* Traces = nullptr;
    std::string url;
    std::string text;
    std::string photo;
    std::unique_ptr<Picture> PhotoImage;
    std::uint32_t NameColor = 0;
    std::int32_t Mark = 0;
    ViewEntry* ViewEntries = nullptr; // projection items only, newest first
    bool Vis = true;

    // Indexes that let the destroy cascade and the readers avoid whole-scheme scans.
    CLink* InLinks = nullptr;           // links whose To is this item, in LinkList order
    CVolume* SourcedTraces = nullptr;   // traces anywhere whose Source is this item
    ViewEntry* EntriesNaming = nullptr; // view entries anywhere whose Item is this item
    CPoint* SameIdNewer = nullptr;      // items sharing this id, in ItemList order
    CPoint* SameIdOlder = nullptr;
    std::uint64_t Seq = 0; // creation order: a larger Seq stands nearer the ItemList head
    std::uint32_t TraceListVersion = 0; // bumped whenever a trace joins or leaves Traces
    ItemStepIndex StepIndex;
};

// A directed link between two items.
struct CLink : CVisual {
    CPoint* From = nullptr;
    CPoint* To = nullptr;
    std::string Name;
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
