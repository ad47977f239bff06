#include "legacy_reader.h"

#include "files/legacy_cursor.h"
#include "files/reader_support.h"
#include "files/text_fields.h"

namespace lumeris {

namespace {

// Splits `rest` at its first TAB: returns the part before it and leaves the part after it
// in `rest`; without a TAB the whole is returned and `rest` becomes absent.
std::string_view splitAtTab(std::string_view& rest, bool& present) {
    const std::size_t tab = rest.find('\t');
    const std::string_view head = rest.substr(0, tab);
    present = tab != std::string_view::npos;
    rest = present ? rest.substr(tab + 1) : std::string_view();
    return head;
}

class LegacyReader {
  public:
    LegacyReader(std::string_view bytes, Scheme& scheme, ViewState& view, Document& doc,
                 PictureLoader* pictures)
        : cursor_(bytes), scheme_(scheme), view_(view), doc_(doc), pictures_(pictures) {}

    ReadResult run() {
        try {
            cursor_.restOfLine();
            cursor_.restOfLine();
            const std::int32_t itemCount = readHeader();
            for (std::int32_t i = 0; i < itemCount; ++i) {
                ++cursor_.lineNumber;
                readItem();
            }
            ++cursor_.lineNumber;
            cursor_.restOfLine();
            // Blank lines after the last link line are not part of the layout: skipped.
            while (scheme_.ItemList && !cursor_.atEnd()) {
                ++cursor_.lineNumber;
                readLink();
            }
            scheme_.LastId = highestId_;
            return ReadResult::success();
        } catch (const DataError& error) {
            return ReadResult::dataError(error.line);
        }
    }

  private:
    std::int32_t readHeader() {
        const std::int32_t itemCount = cursor_.readInteger();
        const std::int32_t screenX = cursor_.readInteger();
        const std::int32_t screenY = cursor_.readInteger();
        const float scale = cursor_.readReal();
        cursor_.readSeparator();
        doc_.BackGroundImage = std::string(cursor_.restOfLine());
        applyStoredView(view_, screenX, screenY, scale);
        loadBackgroundPicture(doc_, pictures_);
        cursor_.restOfLine();
        return itemCount;
    }

    void readItem() {
        CPoint* item = scheme_.createItem({}, 0, 0);
        const std::int32_t id = cursor_.readInteger();
        scheme_.setId(item, id);
        highestId_ = std::max(highestId_, id);
        item->X = cursor_.readInteger();
        item->Y = cursor_.readInteger();
        item->Value = cursor_.readReal();
        // The older layout keeps AndOr in -1..1.
        item->AndOr = (cursor_.readReal() + 1) / 2;
        item->Custom = cursor_.readReal();
        cursor_.readSeparator();
        item->IsCust = cursor_.readInteger();
        cursor_.readSeparator();
        readItemTexts(*item, cursor_.restOfLine());
    }

    // Name, url, photo and text; text runs to the end of the line and may hold TABs.
    void readItemTexts(CPoint& item, std::string_view rest) {
        bool more = false;
        item.Name = splitAtTab(rest, more);
        if (!more)
            return;
        item.url = splitAtTab(rest, more);
        if (!more)
            return;
        item.photo = splitAtTab(rest, more);
        if (!more)
            return;
        item.text = expandLineBreaks(rest);
        loadItemPhoto(item, doc_, pictures_);
    }

    void readLink() {
        CPoint* from = findItem(cursor_.readInteger());
        CPoint* to = findItem(cursor_.readInteger());
        cursor_.readSeparator();
        cursor_.readSeparator();
        const float value = cursor_.readReal();
        const float andOr = cursor_.readReal();
        cursor_.readSeparator();
        CLink* link = scheme_.createLink(from, to);
        link->Value = value;
        link->AndOr = andOr;
        link->Name = cursor_.restOfLine();
    }

    CPoint* findItem(std::int32_t id) {
        CPoint* item = scheme_.findById(id);
        if (!item)
            throw DataError{cursor_.lineNumber};
        return item;
    }

    LegacyCursor cursor_;
    Scheme& scheme_;
    ViewState& view_;
    Document& doc_;
    PictureLoader* pictures_;
    std::int32_t highestId_ = 0;
};

} // namespace

ReadResult readLegacy(std::string_view bytes, Scheme& scheme, ViewState& view, Document& doc,
                      PictureLoader* pictures) {
    BusyGuard busy(scheme);
    return LegacyReader(bytes, scheme, view, doc, pictures).run();
}

} // namespace lumeris
