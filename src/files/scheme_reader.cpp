#include "scheme_reader.h"

#include "files/line_cursor.h"
#include "files/paste_journal.h"
#include "files/reader_support.h"
#include "files/text_fields.h"

#include <cstdint>
#include <optional>
#include <unordered_map>

namespace lumeris {

namespace {

std::int32_t wrappingAdd(std::int32_t a, std::int32_t b, std::int32_t c) {
    // Pasted positions wrap around like the 32-bit arithmetic they come from.
    return static_cast<std::int32_t>(static_cast<std::int64_t>(a) + b - c);
}

class SchemeReader {
  public:
    SchemeReader(const std::vector<std::string>& lines, const ReadMode& mode, Scheme& scheme,
                 ViewState& view, Document& doc, PictureLoader* pictures)
        : cursor_(lines, 2), lineCount_(lines.size()), mode_(mode), scheme_(scheme), view_(view),
          doc_(doc), pictures_(pictures) {
        if (pasting())
            journal_.emplace(scheme, doc);
    }

    ReadResult run() {
        try {
            readHeader();
            readItems();
            readLinks();
            readViews();
            if (!pasting())
                scheme_.LastId = highestId_;
            return ReadResult::success();
        } catch (const DataError& error) {
            if (journal_)
                journal_->undo(scheme_, doc_);
            // The cursor counts from 0; the user's editor counts from 1.
            return ReadResult::dataError(error.line + 1);
        } catch (...) {
            // Failures that are not data errors (a picture loader's, say) go on to the general
            // error report, but a paste still takes back what it added.
            if (journal_)
                journal_->undo(scheme_, doc_);
            throw;
        }
    }

  private:
    bool pasting() const { return mode_.kind == ReadMode::Paste; }

    void readHeader() {
        itemCount_ = cursor_.readInteger();
        linkCount_ = cursor_.readInteger();
        viewCount_ = cursor_.readInteger();
        const std::int32_t screenX = cursor_.readInteger();
        const std::int32_t screenY = cursor_.readInteger();
        const float scale = cursor_.readReal();
        scheme_.setText(doc_.BackGroundImage, std::string(cursor_.readText()));
        if (!pasting()) {
            applyStoredView(view_, screenX, screenY, scale);
            loadBackgroundPicture(doc_, pictures_);
        }
        cursor_.nextLine();
        cursor_.nextLine();
    }

    void readItems() {
        for (std::int32_t i = 0; i < itemCount_; ++i) {
            const std::int32_t id = cursor_.readInteger();
            CPoint* item = createItem(id);
            item->X = cursor_.readInteger();
            item->Y = cursor_.readInteger();
            item->Type = static_cast<std::uint8_t>(cursor_.readInteger() & 0xFF);
            item->Value = cursor_.readReal();
            item->AndOr = cursor_.readReal();
            item->Custom = cursor_.readReal();
            item->IsCust = cursor_.readInteger();
            item->Vis = cursor_.readInteger() == 1;
            item->Name = cursor_.readText();
            item->url = cursor_.readText();
            item->photo = cursor_.readText();
            item->text = expandLineBreaks(cursor_.readText());
            cursor_.nextLine();
            if (pasting())
                placePasted(*item, id);
            loadItemPhoto(*item, doc_, pictures_);
        }
    }

    // Load mode gives the item the id read; paste mode a fresh one, remembering the old.
    CPoint* createItem(std::int32_t id) {
        if (pasting()) {
            CPoint* item = scheme_.createItem({}, 0, 0);
            journal_->itemCreated(item);
            return item;
        }
        highestId_ = std::max(highestId_, id);
        CPoint* item;
        if (id == INT32_MIN) {
            scheme_.LastId = 0; // any value whose successor exists
            item = scheme_.createItem({}, 0, 0);
            scheme_.setId(item, id);
        } else {
            // A new item takes LastId + 1, so it is born with the id read (LastId is set to
            // the highest id at the end); this spares the id index a second update per item.
            scheme_.LastId = id - 1;
            item = scheme_.createItem({}, 0, 0);
        }
        rememberLoaded(id, item);
        return item;
    }

    // Load mode: the usual small ids go into a plain table, bounded by the number of lines,
    // which links look up without hashing. Every item read is newer than any item the scheme
    // held before, so the table's item is the one the scan from the head would find.
    void rememberLoaded(std::int32_t id, CPoint* item) {
        if (id < 0 || static_cast<std::size_t>(id) > lineCount_)
            return;
        if (loadedById_.size() <= static_cast<std::size_t>(id))
            loadedById_.resize(static_cast<std::size_t>(id) + 1);
        loadedById_[static_cast<std::size_t>(id)] = item;
    }

    // The first pasted item lands under the pointer; the others keep their distances to it.
    // The anchor is the first item's position even when that lies at x 0.
    void placePasted(CPoint& item, std::int32_t oldId) {
        if (!anchored_) {
            anchored_ = true;
            anchorX_ = item.X;
            anchorY_ = item.Y;
        }
        pastedById_[oldId] = &item;
        item.X = wrappingAdd(mode_.PointerX, item.X, anchorX_);
        item.Y = wrappingAdd(mode_.PointerY, item.Y, anchorY_);
        item.Mark = 2;
    }

    void readLinks() {
        cursor_.nextLine();
        for (std::int32_t i = 0; i < linkCount_; ++i) {
            CPoint* from = findItem(cursor_.readInteger());
            CPoint* to = findItem(cursor_.readInteger());
            CLink* link = scheme_.createLink(from, to);
            if (journal_)
                journal_->linkCreated(link);
            link->Value = cursor_.readReal();
            link->AndOr = cursor_.readReal();
            link->Name = cursor_.readText();
            cursor_.nextLine();
        }
    }

    void readViews() {
        cursor_.nextLine();
        for (std::int32_t i = 0; i < viewCount_; ++i) {
            const std::int32_t projectionId = cursor_.readInteger();
            const std::int32_t entryCount = cursor_.readInteger();
            cursor_.nextLine();
            CPoint* projection = findItem(projectionId);
            for (std::int32_t k = 0; k < entryCount; ++k)
                readViewEntry(projection);
        }
    }

    // An entry of a group whose item is no projection item is read and dropped: only
    // projection items hold views.
    void readViewEntry(CPoint* projection) {
        CPoint* item = findItem(cursor_.readInteger());
        const std::int32_t dx = cursor_.readInteger();
        const std::int32_t dy = cursor_.readInteger();
        const bool vis = cursor_.readInteger() == 1;
        cursor_.nextLine();
        if (projection->Type != TypeProjection)
            return;
        ViewEntry* entry = journal_ ? journal_->takeViewEntry(scheme_, projection, item)
                                    : scheme_.findOrAddViewEntry(projection, item);
        scheme_.touch(entry);
        entry->DX = dx;
        entry->DY = dy;
        entry->Vis = vis;
    }

    // A pasted old id first, else the newest item with that id; none is a data error.
    CPoint* findItem(std::int32_t id) {
        if (pasting()) {
            const auto pasted = pastedById_.find(id);
            if (pasted != pastedById_.end())
                return pasted->second;
        } else if (id >= 0 && static_cast<std::size_t>(id) < loadedById_.size() &&
                   loadedById_[static_cast<std::size_t>(id)]) {
            return loadedById_[static_cast<std::size_t>(id)];
        }
        CPoint* item = scheme_.findById(id);
        if (!item)
            cursor_.fail();
        return item;
    }

    LineCursor cursor_;
    std::size_t lineCount_;
    const ReadMode& mode_;
    Scheme& scheme_;
    ViewState& view_;
    Document& doc_;
    PictureLoader* pictures_;
    std::optional<PasteJournal> journal_;

    std::int32_t itemCount_ = 0;
    std::int32_t linkCount_ = 0;
    std::int32_t viewCount_ = 0;
    std::int32_t highestId_ = 0;
    std::unordered_map<std::int32_t, CPoint*> pastedById_;
    std::vector<CPoint*> loadedById_;
    bool anchored_ = false;
    std::int32_t anchorX_ = 0;
    std::int32_t anchorY_ = 0;
};

} // namespace

ReadResult readScheme(const std::vector<std::string>& lines, const ReadMode& mode, Scheme& scheme,
                      ViewState& view, Document& doc, PictureLoader* pictures) {
    BusyGuard busy(scheme);
    return SchemeReader(lines, mode, scheme, view, doc, pictures).run();
}

} // namespace lumeris
