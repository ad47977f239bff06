#include "journal.h"

#include "scheme.h"

#include <utility>

namespace lumeris {

namespace {

std::size_t heldBytes(const CPoint* item) {
    return sizeof(CPoint) + item->Name.capacity() + item->url.capacity() + item->text.capacity() +
           item->photo.capacity();
}

} // namespace

void Journal::setRecording(bool on) {
    if (!on)
        clear();
    recording_ = on;
}

void Journal::startReporting() {
    endDrift(); // the run ends before the edit, so that its step holds the places it left
    if (!open_.empty())
        return;
    forgetUndone();
}

void Journal::forgetUndone() {
    for (Step& step : undone_) {
        bytes_ -= step.bytes;
        release(step, false);
    }
    undone_.clear();
}

void Journal::noteDrift(Scheme& scheme) {
    if (!recording())
        return;
    if (!open_.empty()) {
        for (CPoint* p = scheme.ItemList; p; p = p->Next)
            if (wants(p->JournalStamp))
                noteItem(p, false);
        return;
    }
    if (drifting_)
        return;
    drifting_ = true;
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        drift_.items.push_back({p, false, fieldsOf(p), {}});
}

void Journal::endDrift() {
    if (!drifting_)
        return;
    drifting_ = false;
    Step run = std::exchange(drift_, {});
    settle(run);
    if (run.empty())
        return;
    forgetUndone();
    bytes_ += run.bytes;
    done_.push_back(std::move(run));
    keepWithinLimits();
}

void Journal::add(Op op) {
    startReporting();
    open_.ops.push_back(std::move(op));
}

void Journal::noteItem(CPoint* item, bool withValue) {
    if (item->JournalStamp == serial_) {
        ItemChange& change = open_.items[item->JournalSlot];
        if (withValue && !change.withValue) {
            change.withValue = true;
            change.before.Value = item->Value;
        }
        return;
    }
    startReporting();
    item->JournalStamp = serial_;
    item->JournalSlot = static_cast<std::uint32_t>(open_.items.size());
    open_.items.push_back({item, withValue, fieldsOf(item), {}});
}

void Journal::noteLink(CLink* link) {
    startReporting();
    link->JournalStamp = serial_;
    open_.links.push_back({link, {link->Value, link->AndOr}, {}});
}

void Journal::noteEntry(ViewEntry* entry) {
    startReporting();
    entry->JournalStamp = serial_;
    open_.entries.push_back({entry, {entry->DX, entry->DY, entry->Vis}, {}});
}

void Journal::noteText(std::string& field, std::string before) {
    // Typing writes the same field again and again: the first report keeps the text before.
    if (!open_.ops.empty() && open_.ops.back().kind == Op::Text &&
        open_.ops.back().object == &field)
        return;
    add({Op::Text, &field, std::move(before)});
}

void Journal::notePhoto(CPoint* item, std::shared_ptr<Picture> before) {
    add({Op::Photo, item, {}, std::move(before)});
}

void Journal::noteId(CPoint* item, std::int32_t before) {
    add({Op::Id, item, {}, {}, before});
}

Journal::ItemFields Journal::fieldsOf(const CPoint* item) {
    return {item->X,      item->Y,      item->Value, item->AndOr,
            item->Custom, item->IsCust, item->Type,  item->Vis};
}

void Journal::restore(CPoint* item, const ItemFields& fields, bool withValue) {
    item->X = fields.X;
    item->Y = fields.Y;
    if (withValue)
        item->Value = fields.Value;
    item->AndOr = fields.AndOr;
    item->Custom = fields.Custom;
    item->IsCust = fields.IsCust;
    item->Type = fields.Type;
    item->Vis = fields.Vis;
}

void Journal::settle(Step& step) {
    std::erase_if(step.items, [](ItemChange& c) {
        c.after = fieldsOf(c.item);
        if (!c.withValue)
            c.after.Value = c.before.Value;
        return c.after == c.before;
    });
    std::erase_if(step.links, [](LinkChange& c) {
        c.after = {c.link->Value, c.link->AndOr};
        return c.after == c.before;
    });
    std::erase_if(step.entries, [](EntryChange& c) {
        c.after = {c.entry->DX, c.entry->DY, c.entry->Vis};
        return c.after == c.before;
    });
    // A name typed and typed back changed nothing.
    if (step.ops.size() == 1 && step.ops[0].kind == Op::Text &&
        *static_cast<std::string*>(step.ops[0].object) == step.ops[0].text)
        step.ops.clear();

    step.bytes = sizeof(Step) + step.items.size() * sizeof(ItemChange) +
                 step.links.size() * sizeof(LinkChange) + step.entries.size() * sizeof(EntryChange);
    for (const Op& op : step.ops) {
        step.bytes += sizeof(Op) + op.text.capacity();
        if (op.kind == Op::ItemIn || op.kind == Op::ItemOut)
            step.bytes += heldBytes(static_cast<const CPoint*>(op.object));
        else if (op.kind == Op::LinkIn || op.kind == Op::LinkOut)
            step.bytes += sizeof(CLink);
        else if (op.kind == Op::EntryIn || op.kind == Op::EntryOut)
            step.bytes += sizeof(ViewEntry);
    }
}

bool Journal::joinsLast(const Step& step) const {
    auto textOnly = [](const Step& s) {
        return s.ops.size() == 1 && s.ops[0].kind == Op::Text && s.items.empty() &&
               s.links.empty() && s.entries.empty();
    };
    return !sealed_ && !done_.empty() && textOnly(step) && textOnly(done_.back()) &&
           done_.back().ops[0].object == step.ops[0].object;
}

void Journal::endStep() {
    if (open_.empty())
        return;
    settle(open_);
    if (!open_.empty())
        ++edits_;
    // Text joining the last step needs no step of its own: that step holds the text before both.
    if (!open_.empty() && !joinsLast(open_)) {
        bytes_ += open_.bytes;
        done_.push_back(std::move(open_));
        keepWithinLimits();
    }
    open_ = {};
    ++serial_;
    sealed_ = false;
}

void Journal::keepWithinLimits() {
    while (done_.size() > 1 && (done_.size() > MaxSteps || bytes_ > MaxBytes)) {
        bytes_ -= done_.front().bytes;
        release(done_.front(), true);
        done_.pop_front();
    }
}

void Journal::undo(Scheme& scheme) {
    endDrift();
    endStep();
    if (done_.empty())
        return;
    Step step = std::move(done_.back());
    done_.pop_back();
    undoStep(scheme, step);
    undone_.push_back(std::move(step));
    ++edits_;
    ++serial_;
    sealed_ = true;
}

void Journal::redo(Scheme& scheme) {
    endDrift();
    endStep();
    if (undone_.empty())
        return;
    Step step = std::move(undone_.back());
    undone_.pop_back();
    redoStep(scheme, step);
    done_.push_back(std::move(step));
    ++edits_;
    ++serial_;
    sealed_ = true;
}

void Journal::rollback(Scheme& scheme) {
    undoStep(scheme, open_);
    release(open_, false);
    open_ = {};
    ++serial_;
}

void Journal::apply(Scheme& scheme, Op& op, bool forward) {
    switch (op.kind) {
    case Op::ItemIn:
    case Op::ItemOut:
        if ((op.kind == Op::ItemIn) == forward)
            scheme.putBack(static_cast<CPoint*>(op.object));
        else
            scheme.takeOut(static_cast<CPoint*>(op.object));
        break;
    case Op::LinkIn:
    case Op::LinkOut:
        if ((op.kind == Op::LinkIn) == forward)
            scheme.putBack(static_cast<CLink*>(op.object));
        else
            scheme.takeOut(static_cast<CLink*>(op.object));
        break;
    case Op::EntryIn:
    case Op::EntryOut:
        if ((op.kind == Op::EntryIn) == forward)
            scheme.putBack(static_cast<ViewEntry*>(op.object));
        else
            scheme.takeOut(static_cast<ViewEntry*>(op.object));
        break;
    case Op::Reverse:
        scheme.reverseLinks();
        break;
    // The rest swap the field with the report, which so holds the other side for the way back.
    case Op::Text:
        std::swap(*static_cast<std::string*>(op.object), op.text);
        break;
    case Op::Photo:
        std::swap(static_cast<CPoint*>(op.object)->PhotoImage, op.photo);
        break;
    case Op::Id:
        scheme.swapId(static_cast<CPoint*>(op.object), op.id);
        break;
    }
}

void Journal::writeFields(const Step& step, bool after) {
    for (const ItemChange& c : step.items)
        restore(c.item, after ? c.after : c.before, c.withValue);
    for (const LinkChange& c : step.links) {
        const LinkFields& f = after ? c.after : c.before;
        c.link->Value = f.Value, c.link->AndOr = f.AndOr;
    }
    for (const EntryChange& c : step.entries) {
        const EntryFields& f = after ? c.after : c.before;
        c.entry->DX = f.DX, c.entry->DY = f.DY, c.entry->Vis = f.Vis;
    }
}

void Journal::undoStep(Scheme& scheme, Step& step) {
    replaying_ = true;
    writeFields(step, false);
    for (auto op = step.ops.rbegin(); op != step.ops.rend(); ++op)
        apply(scheme, *op, false);
    scheme.replayed();
    replaying_ = false;
}

void Journal::redoStep(Scheme& scheme, Step& step) {
    replaying_ = true;
    for (Op& op : step.ops)
        apply(scheme, op, true);
    writeFields(step, true);
    scheme.replayed();
    replaying_ = false;
}

void Journal::release(Step& step, bool done) {
    for (const Op& op : step.ops) {
        const bool out =
            op.kind == Op::ItemOut || op.kind == Op::LinkOut || op.kind == Op::EntryOut;
        const bool in = op.kind == Op::ItemIn || op.kind == Op::LinkIn || op.kind == Op::EntryIn;
        if (!(done ? out : in))
            continue;
        if (op.kind == Op::ItemIn || op.kind == Op::ItemOut)
            delete static_cast<CPoint*>(op.object);
        else if (op.kind == Op::LinkIn || op.kind == Op::LinkOut)
            delete static_cast<CLink*>(op.object);
        else
            delete static_cast<ViewEntry*>(op.object);
    }
    step.ops.clear();
}

void Journal::clear() {
    for (Step& step : done_)
        release(step, true);
    for (Step& step : undone_)
        release(step, false);
    release(open_, true);
    done_.clear();
    undone_.clear();
    open_ = {};
    drift_ = {};
    drifting_ = false;
    bytes_ = 0;
    ++serial_;
    sealed_ = false;
}

} // namespace lumeris
