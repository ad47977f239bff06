// The scheme: the item and link lists with their indexes, the counters, the view switch and
// the program-wide signals that every part raises. One instance per running program, owned by
// the application object (or by a test) and passed by reference.
#pragma once

#include "journal.h"
#include "objects.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace lumeris {

// A reference to an item or a link (at most one is set).
struct ObjectRef {
    CPoint* item = nullptr;
    CLink* link = nullptr;

    bool empty() const { return item == nullptr && link == nullptr; }
    void clear() { item = nullptr, link = nullptr; }
    bool operator==(const ObjectRef&) const = default;
};

// What Hovered is.
enum HoverKinds { HoverNothing = 0, HoverItem = 1, HoverLink = 2, HoverItemName = 3 };

// Canvas interaction states.
enum EditStates {
    EditIdle = 0,
    EditItemSelected = 1,
    EditLinkSelected = 2,
    EditNameEditing = 3,
    EditGroupChosen = 6,
};

// No mouse button is held on the canvas.
constexpr int MouseButtonNone = 255;

// One item moved by a running view switch.
struct ViewSwitchMove {
    CPoint* Item; // null once the item was destroyed during the switch
    std::int32_t DX;
    std::int32_t DY;
    std::int32_t StartX;
    std::int32_t StartY;
};

class Scheme {
  public:
    Scheme() = default;
    Scheme(const Scheme&) = delete;
    Scheme& operator=(const Scheme&) = delete;
    ~Scheme();

    // Lists, newest first; the tails are the oldest objects.
    CPoint* ItemList = nullptr;
    CPoint* ItemTail = nullptr;
    CLink* LinkList = nullptr;
    CLink* LinkTail = nullptr;
    std::int32_t ItemCount = 0;
    std::int32_t LinkCount = 0;
    std::int32_t LastId = 0;

    CPoint* CurrentView = nullptr;
    int ViewSwitchFrame = 0;
    std::vector<ViewSwitchMove> ViewSwitchMoves;
    std::size_t ViewSwitchOld = 0; // the first records belong to the view being left

    ObjectRef Selected;
    int EditState = EditIdle;
    ObjectRef Hovered;
    int HoverKind = HoverNothing;
    std::int32_t LinkHandleX = 0;
    std::int32_t LinkHandleY = 0;
    // Owned by the canvas; kept here because a view switch ends any drag in progress.
    int MouseButtonState = MouseButtonNone;

    bool SchemeChanged = false;
    int BusyDepth = 0;
    int RedrawRequests = 0;
    std::uint8_t DefaultItemType = TypeReal;

    // Advanced by every operation and setter below that changes what the propagation step
    // depends on besides values: the lists, the links' ends, the trace lists, coefficients,
    // Type, IsCust and AndOr. Caches of the scheme's shape are good while it stands still.
    std::uint64_t changeStamp() const { return changeStamp_; }

    // Items and links.
    CPoint* createItem(std::string name, std::int32_t x, std::int32_t y);
    CPoint* cloneItem(CPoint* source);
    void destroyItem(CPoint* item);
    CLink* createLink(CPoint* from, CPoint* to);
    void destroyLink(CLink* link);
    void empty();

    // The history of edits; the operations below report every change to it.
    Journal& journal() { return journal_; }

    // An edit calls touch before it writes an object's plain fields (an item's place,
    // visibility and logic; a link's coefficient; a view entry's place and visibility), and
    // touchValue before it sets an item's value. Objects made by the same action need none.
    void touch(CPoint* item) {
        if (journal_.wants(item->JournalStamp))
            journal_.noteItem(item, false);
    }
    void touchValue(CPoint* item) {
        if (journal_.recording())
            journal_.noteItem(item, true);
    }
    void touch(CLink* link) {
        if (journal_.wants(link->JournalStamp))
            journal_.noteLink(link);
    }
    void touch(ViewEntry* entry) {
        if (journal_.wants(entry->JournalStamp))
            journal_.noteEntry(entry);
    }
    // The edits of text fields (names, addresses, pictures' names, comments, the document's
    // background picture) and of an item's picture.
    void setText(std::string& field, std::string value);
    void setPhoto(CPoint* item, std::shared_ptr<Picture> picture);

    // The plain writes of the fields the step's rules follow, once the object is in the
    // scheme. Each only stores the value and advances the change stamp.
    void setCoefficient(CLink* link, float value) { touch(link), link->Value = value, changed(); }
    void setType(CPoint* item, std::uint8_t type) { touch(item), item->Type = type, changed(); }
    void setIsCust(CPoint* item, std::int32_t isCust) {
        touch(item), item->IsCust = isCust, changed();
    }
    void setAndOr(CPoint* item, float andOr) { touch(item), item->AndOr = andOr, changed(); }
    // The logic-type command: a flag gets the fixed value 1, the other built-in types lose
    // their fixed value, a projection item that stops being one loses its view.
    void changeType(CPoint* item, std::uint8_t type);
    // Exchanges every link's ends; each link joins its new source's OutLinks chain.
    void reverseLinks();

    // Gives an item another id; readers call it right after creating the item.
    void setId(CPoint* item, std::int32_t id);
    // The newest item with this id, as a scan of ItemList from its head would find it.
    CPoint* findById(std::int32_t id) const;

    // Traces (their meaning belongs to the propagation step). A trace pointer stays valid
    // until a trace joins or leaves the same owner's list.
    CVolume* findTrace(CPoint* owner, const CPoint* source) const;
    // Inserts a new trace before the first one whose source name is greater or equal.
    CVolume* addTrace(CPoint* owner, CPoint* source);
    // Inserts a new trace at this position of the owner's list, for callers that know where
    // addTrace would put it (the step appends a batch and then orders the list itself).
    CVolume* addTraceAt(CPoint* owner, CPoint* source, std::size_t position);

    // Views.
    void dropView(CPoint* item);
    ViewEntry* findOrAddViewEntry(CPoint* projection, CPoint* item);
    // Frees one view entry; a paste stopped by a data error takes back the entries it added.
    void removeViewEntry(ViewEntry* entry) { destroyViewEntry(entry); }
    void switchViewpoint(CPoint* projection);
    void stepViewSwitch();
    // Runs the switch in progress to its end at once.
    void completeViewSwitch();

  private:
    friend class Journal;

    void changed() { ++changeStamp_; }
    // Taking an object out of its lists and putting it back between the same neighbours: the
    // halves of destroying it that the journal replays.
    void takeOut(CPoint* item);
    void takeOut(CLink* link);
    void takeOut(ViewEntry* entry);
    void putBack(CPoint* item);
    void putBack(CLink* link);
    void putBack(ViewEntry* entry);
    void swapId(CPoint* item, std::int32_t& id);
    // After a replay: every cache of the scheme's shape is stale, the file has changed.
    void replayed();
    // Emptying: frees every link at once, leaving the items without links.
    void dropAllLinks();
    // Removes every trace whose Source is the item, and the item's own list.
    void destroyTracesOf(CPoint* item);
    void destroyViewEntry(ViewEntry* entry);
    void unlinkFromIdIndex(CPoint* item);
    void linkIntoIdIndex(CPoint* item);
    void pushLinkChains(CLink* link);

    Journal journal_;
    std::unordered_map<std::int32_t, CPoint*> newestById_;
    std::uint64_t lastSeq_ = 0;
    // Starts at a clock reading, so that a cache kept for a scheme that lived at the same
    // address cannot take this one's stamp for its own.
    std::uint64_t changeStamp_ =
        std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) << 8;
};

// The order of traces in a list: source names compared byte-wise as unsigned characters.
bool traceNameLess(const std::string& a, const std::string& b);

// Raises BusyDepth for the lifetime of the guard.
class BusyGuard {
  public:
    explicit BusyGuard(Scheme& scheme) : scheme_(scheme) { ++scheme_.BusyDepth; }
    ~BusyGuard() { --scheme_.BusyDepth; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    Scheme& scheme_;
};

} // namespace lumeris
