#include "files/scheme_reader.h"
#include "files/scheme_writer.h"

#include "scheme_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lumeris {
namespace {

using test::itemRow;
using test::schemeText;

// A scheme that already holds a few items, a link and a view, as a paste finds it.
struct Existing {
    Scheme scheme;
    ViewState view;
    Document doc;
    CPoint* a;
    CPoint* b;
    CPoint* projection;

    Existing() {
        a = scheme.createItem("a", 0, 0);
        b = scheme.createItem("b", 50, 50);
        projection = scheme.createItem("p", 0, 0);
        projection->Type = TypeProjection;
        scheme.findOrAddViewEntry(projection, a)->DX = 9;
        scheme.createLink(a, b);
        doc.BackGroundImage = "back.bmp";
        scheme.SchemeChanged = false;
    }

    ReadResult paste(const std::vector<std::string>& lines, int x = 1000, int y = 2000) {
        return readScheme(lines, ReadMode::paste(x, y), scheme, view, doc, nullptr);
    }

    // Everything a save would show, plus the counters a save does not.
    std::string state() {
        return saveBytes(scheme, view, doc) + std::to_string(scheme.LastId) + " " +
               std::to_string(scheme.LinkHandleX) + " " + std::to_string(scheme.LinkHandleY);
    }
};

TEST(Paste, ItemsLandAroundThePointerWithFreshIdsAndFormTheGroup) {
    Existing s;
    const ViewState before = s.view;
    const auto result = s.paste(schemeText({itemRow(1, 100, 100, "x"), itemRow(2, 140, 60, "y")},
                                           {"1|2|0.5000|0.0000|xy", "2|1|1.0000|0.0000|"}, {},
                                           "2|2|0|-7|-8|0.2500|other.bmp"));
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(s.scheme.ItemCount, 5);
    CPoint* y = s.scheme.ItemList;
    CPoint* x = y->Next;
    EXPECT_EQ(x->id, 4);
    EXPECT_EQ(y->id, 5);
    EXPECT_EQ(std::pair(x->X, x->Y), std::pair(1000, 2000));
    EXPECT_EQ(std::pair(y->X, y->Y), std::pair(1040, 1960));
    EXPECT_EQ(x->Mark, 2);
    EXPECT_EQ(y->Mark, 2);
    EXPECT_EQ(s.a->Mark, 0);
    EXPECT_EQ(s.scheme.LinkList->From, y);
    EXPECT_EQ(s.scheme.LinkList->Next->From, x);
    EXPECT_EQ(s.scheme.LinkList->Next->To, y);
    EXPECT_EQ(s.scheme.LinkList->Next->Name, "xy");
    // The view stays; the background name is taken over.
    EXPECT_EQ(s.view.ScreenX, before.ScreenX);
    EXPECT_EQ(s.view.Scale, before.Scale);
    EXPECT_EQ(s.doc.BackGroundImage, "other.bmp");
    EXPECT_EQ(s.scheme.LastId, 5);
}

TEST(Paste, UnknownOldIdsAttachToTheSchemesItemsAndPastedIdsComeFirst) {
    Existing s;
    // Old id 2 is pasted (it also names b in the scheme); old id 1 is not, so it means a.
    const auto result = s.paste(schemeText({itemRow(2, 0, 0, "x")}, {"1|2|1|0|", "2|2|1|0|"}));
    ASSERT_TRUE(result) << result.message;
    CPoint* x = s.scheme.ItemList;
    EXPECT_EQ(s.scheme.LinkList->From, x);
    EXPECT_EQ(s.scheme.LinkList->To, x);
    EXPECT_EQ(s.scheme.LinkList->Next->From, s.a);
    EXPECT_EQ(s.scheme.LinkList->Next->To, x);
}

// The first item is the anchor even at x 0: the others keep their distances to it.
TEST(Paste, TheFirstItemIsTheAnchorEvenAtXZero) {
    Existing s;
    ASSERT_TRUE(s.paste(
        schemeText({itemRow(1, 0, 5, "x"), itemRow(2, 30, 40, "y"), itemRow(3, 40, 60, "z")}), 100,
        100));
    CPoint* z = s.scheme.ItemList;
    CPoint* y = z->Next;
    EXPECT_EQ(std::pair(y->Next->X, y->Next->Y), std::pair(100, 100));
    EXPECT_EQ(std::pair(y->X, y->Y), std::pair(130, 135));
    EXPECT_EQ(std::pair(z->X, z->Y), std::pair(140, 155));
}

TEST(Paste, PastedViewsGoToThePastedProjection) {
    Existing s;
    ASSERT_TRUE(s.paste(
        schemeText({itemRow(1, 0, 0, "x"), itemRow(3, 0, 0, "q", 4)}, {}, {" 3|1", "1|5|6|0"})));
    CPoint* q = s.scheme.ItemList;
    ASSERT_TRUE(q->ViewEntries);
    EXPECT_EQ(q->ViewEntries->Item, q->Next);
    EXPECT_EQ(q->ViewEntries->DX, 5);
    EXPECT_FALSE(s.projection->ViewEntries->Next); // the scheme's own view is untouched
}

// The mended fault: a data error in a paste takes back everything the paste did.
TEST(Paste, ADataErrorLeavesTheSchemeAsItWas) {
    const std::vector<std::vector<std::string>> broken = {
        schemeText({itemRow(1, 0, 0, "x"), itemRow(2, 5, 5, "y")}, {"1|2|1|0|", "1|99|1|0|"}),
        // A pasted link between two items that were there before, then a missing line.
        schemeText({itemRow(1, 0, 0, "x")}, {"2|3|1|0|", "1|1|1|0|"}, {}, "1|3|0|0|0|1|none"),
        // Entries added to and changed in the scheme's own view, then an unknown item.
        schemeText(
            {itemRow(11, 0, 0, "x"), itemRow(12, 0, 0, "q", 4)}, {"11|12|1|0|"},
            {" 12|1", "11|1|1|1", " 3|3", "1|7|7|0", "11|4|4|1", "2|1|1|0", " 3|1", "77|0|0|1"}),
        schemeText({itemRow(1, 0, 0, "x"), "2|0|0|1|0|1|0|0|1|broken"}),
        schemeText({itemRow(1, 0, 0, "x")}, {}, {}, "5|0|0|0|0|1|bg.bmp"),
    };
    for (const auto& lines : broken) {
        Existing s;
        const std::string before = s.state();
        const auto result = s.paste(lines);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message, "Error in data, line " + std::to_string(result.line));
        EXPECT_EQ(s.state(), before);
        EXPECT_EQ(s.scheme.ItemCount, 3);
        EXPECT_EQ(s.scheme.LinkCount, 1);
        EXPECT_EQ(s.doc.BackGroundImage, "back.bmp");
        EXPECT_FALSE(s.scheme.SchemeChanged);
        EXPECT_EQ(s.scheme.BusyDepth, 0);
        const ViewEntry* entry = s.projection->ViewEntries;
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->Item, s.a);
        EXPECT_EQ(entry->DX, 9);
        EXPECT_FALSE(entry->Next);
        // The scheme goes on working: the next item takes the next id.
        EXPECT_EQ(s.scheme.createItem("z", 0, 0)->id, 4);
    }
}

} // namespace
} // namespace lumeris

namespace lumeris {
namespace {

struct ThrowingLoader : PictureLoader {
    std::unique_ptr<Picture> loadPhoto(const std::string&, const std::string&) override {
        throw std::runtime_error("out of memory");
    }
    void loadBackground(const Document&) override {}
};

TEST(Paste, AFailureOfThePictureLoaderAlsoTakesThePasteBack) {
    Existing s;
    const std::string before = s.state();
    ThrowingLoader pictures;
    EXPECT_THROW(readScheme(test::schemeText(
                                {test::itemRow(1, 0, 0, "x"), "2|0|0|1|0|1|0|0|1|y||photo.bmp|"}),
                            ReadMode::paste(0, 0), s.scheme, s.view, s.doc, &pictures),
                 std::runtime_error);
    EXPECT_EQ(s.state(), before);
    EXPECT_EQ(s.scheme.BusyDepth, 0);
}

} // namespace
} // namespace lumeris
