// The record of edits that undo and redo replay. The scheme's operations and setters report
// every change to it while recording is on; the program marks where each user action ends, and
// what was reported since the last mark becomes one undo step.
//
// Replay is exact because steps are undone newest first and redone oldest first: an object
// taken out of the lists keeps its neighbours' pointers, and when its step is replayed the
// lists are again exactly as they were around it, so it goes back between the same two.
// An object out of the lists belongs to the journal until the step that took it out is
// forgotten.
#pragma once

#include "objects.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace lumeris {

class Scheme;

class Journal {
  public:
    Journal() = default;
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;
    ~Journal() { clear(); }

    // Off until the program turns it on (the command-line tool never does); turning it off
    // forgets the history.
    void setRecording(bool on);
    bool recording() const { return recording_ && !replaying_; }

    // Ends the user action in progress. A step of nothing but text typed into one field
    // joins the previous step when that one was the same, unless a seal came between.
    void endStep();
    // Starts a new text edit: the next step never joins the previous one.
    void seal() { sealed_ = true; }
    // Takes back what was reported since the last mark and forgets it.
    void rollback(Scheme& scheme);
    // Forgets every step, freeing the objects that only the history kept.
    void clear();

    bool canUndo() const { return !done_.empty() || !open_.empty() || drifting_; }
    bool canRedo() const { return !undone_.empty() && open_.empty(); }
    void undo(Scheme& scheme);
    void redo(Scheme& scheme);

    // Movement mode moves the items between events without reporting them. Called before each
    // of its steps: while an edit is going on, what moves belongs to that edit; otherwise the
    // places are kept from the first step on, and the run up to endDrift, the next edit or an
    // undo becomes one step of its own.
    void noteDrift(Scheme& scheme);
    // Movement mode switched off (or on): the run so far becomes its step.
    void endDrift();

    std::size_t steps() const { return done_.size(); }

    // Counts every edit made, undone or redone; a saved scheme remembers the count it had.
    std::uint64_t edits() const { return edits_; }
    // Whether an edit may have happened since edits() was `mark`: one made, undone or redone,
    // or one still going on. Without recording nothing can tell, so the answer is yes.
    bool changedSince(std::uint64_t mark) const {
        return !recording_ || edits_ != mark || !open_.empty();
    }
    std::size_t bytes() const { return bytes_; }

    // The history keeps at most this many steps and about this many bytes, dropping the oldest.
    static constexpr std::size_t MaxSteps = 1000;
    static constexpr std::size_t MaxBytes = std::size_t{256} << 20;

    // Reports nothing while it lives: the scheme is being emptied or loaded anew.
    class Quiet {
      public:
        explicit Quiet(Journal& journal) : journal_(journal), was_(journal.replaying_) {
            journal_.replaying_ = true;
        }
        ~Quiet() { journal_.replaying_ = was_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

      private:
        Journal& journal_;
        bool was_;
    };

    // Reports from the scheme. The fields an item's report keeps are its place, visibility and
    // logic; its value only when the edit sets the value (values the step changes are not
    // edits).
    bool wants(std::uint32_t stamp) const { return recording() && stamp != serial_; }
    void noteItem(CPoint* item, bool withValue);
    void noteLink(CLink* link);
    void noteEntry(ViewEntry* entry);
    void noteText(std::string& field, std::string before);
    void notePhoto(CPoint* item, std::shared_ptr<Picture> before);
    void noteId(CPoint* item, std::int32_t before);
    void itemIn(CPoint* item) { add({Op::ItemIn, item}); }
    void itemOut(CPoint* item) { add({Op::ItemOut, item}); }
    void linkIn(CLink* link) { add({Op::LinkIn, link}); }
    void linkOut(CLink* link) { add({Op::LinkOut, link}); }
    void entryIn(ViewEntry* entry) { add({Op::EntryIn, entry}); }
    void entryOut(ViewEntry* entry) { add({Op::EntryOut, entry}); }
    void linksReversed() { add({Op::Reverse, nullptr}); }

  private:
    struct Op {
        enum Kind : std::uint8_t {
            ItemIn,
            ItemOut,
            LinkIn,
            LinkOut,
            EntryIn,
            EntryOut,
            Reverse,
            Text,
            Photo,
            Id
        };
        Kind kind;
        void* object; // the object, or the text field of a Text op
        std::string text = {};
        std::shared_ptr<Picture> photo = {};
        std::int32_t id = 0;
    };
    struct ItemFields {
        std::int32_t X, Y;
        float Value, AndOr, Custom;
        std::int32_t IsCust;
        std::uint8_t Type;
        bool Vis;
        bool operator==(const ItemFields&) const = default;
    };
    struct ItemChange {
        CPoint* item;
        bool withValue;
        ItemFields before, after;
    };
    struct LinkFields {
        float Value, AndOr;
        bool operator==(const LinkFields&) const = default;
    };
    struct LinkChange {
        CLink* link;
        LinkFields before, after;
    };
    struct EntryFields {
        std::int32_t DX, DY;
        bool Vis;
        bool operator==(const EntryFields&) const = default;
    };
    struct EntryChange {
        ViewEntry* entry;
        EntryFields before, after;
    };
    struct Step {
        std::vector<Op> ops;
        std::vector<ItemChange> items;
        std::vector<LinkChange> links;
        std::vector<EntryChange> entries;
        std::size_t bytes = 0;
        bool empty() const {
            return ops.empty() && items.empty() && links.empty() && entries.empty();
        }
    };

    void add(Op op);
    // Before anything new is reported, the undone steps can no longer be redone.
    void startReporting();
    void forgetUndone();
    // The open step's fields after the action, keeping only what it changed.
    void settle(Step& step);
    bool joinsLast(const Step& step) const;
    void keepWithinLimits();
    static void apply(Scheme& scheme, Op& op, bool forward);
    // The plain fields of every object the step reported, as they were before or after it.
    static void writeFields(const Step& step, bool after);
    void undoStep(Scheme& scheme, Step& step);
    void redoStep(Scheme& scheme, Step& step);
    // Frees the objects a forgotten step holds: those it took out when it stands done, those
    // it brought in when it stands undone.
    static void release(Step& step, bool done);

    static ItemFields fieldsOf(const CPoint* item);
    static void restore(CPoint* item, const ItemFields& fields, bool withValue);

    std::deque<Step> done_;
    std::vector<Step> undone_;
    Step open_;
    Step drift_;            // while drifting_, every item with its fields from before the run
    bool drifting_ = false; // only while open_ is empty: the next report ends the run
    std::size_t bytes_ = 0;
    std::uint32_t serial_ = 1; // the open step's stamp; objects reported in it carry it
    std::uint64_t edits_ = 0;
    bool recording_ = false;
    bool replaying_ = false;
    bool sealed_ = false;
};

} // namespace lumeris
