#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

std::string reread(const std::string& bytes, Scheme& scheme) {
    ViewState view;
    Document doc;
    const ReadResult result =
        readScheme(splitLines(bytes), ReadMode::load(), scheme, view, doc, nullptr);
    EXPECT_TRUE(result) << result.message;
    return saveBytes(scheme, view, doc);
}

std::string reread(const std::string& bytes) {
    Scheme scheme;
    return reread(bytes, scheme);
}

// A scheme with every kind of field, odd texts, a view of several entries and a projection
// whose view is empty.
std::string richScheme() {
    Scheme scheme;
    ViewState view;
    view.ScreenX = -123;
    view.ScreenY = 456;
    view.Scale = 1.0f / 128;
    Document doc;
    doc.BackGroundImage = "фон.bmp";
    CPoint* a = scheme.createItem("Дождь", -40, 30);
    CPoint* b = scheme.createItem("Wet\troad", 200, -70);
    CPoint* flag = scheme.createItem("", 5, 5);
    scheme.changeType(flag, TypeFlag);
    CPoint* p = scheme.createItem("view", 0, 0);
    p->Type = TypeProjection;
    CPoint* empty = scheme.createItem("nothing", 1, 1);
    empty->Type = TypeProjection;
    a->Value = 1.0f / 32;
    a->AndOr = 0.5f;
    a->url = "second.txt";
    a->photo = "lamp.bmp";
    a->text = "line\r\nbreak\rlone\nlf\ttab \\n literal";
    b->Type = TypeFuzzy;
    b->Value = -0.33333f;
    b->Vis = false;
    scheme.createLink(a, b)->Name = "causes";
    scheme.createLink(b, b)->Value = -1;
    scheme.createLink(flag, a)->AndOr = 0.125f;
    scheme.findOrAddViewEntry(p, a)->DX = 10;
    scheme.findOrAddViewEntry(p, b)->Vis = false;
    scheme.findOrAddViewEntry(p, flag)->DY = -20;
    scheme.setId(b, 40);
    return saveBytes(scheme, view, doc);
}

TEST(RoundTrip, ReadThenWriteGivesTheSameBytesUpToTheOrderInsideViewGroups) {
    const std::string first = richScheme();
    Scheme scheme;
    const std::string second = reread(first, scheme);
    EXPECT_NE(first, second); // the three entries come back reversed
    EXPECT_EQ(reread(second), first);
    // Items, links and ids keep their order; only the entry lines moved.
    auto lines1 = splitLines(first), lines2 = splitLines(second);
    ASSERT_EQ(lines1.size(), lines2.size());
    const std::size_t group = std::find(lines1.begin(), lines1.end(), " 4\t3") - lines1.begin();
    ASSERT_LT(group + 3, lines1.size());
    EXPECT_TRUE(std::equal(lines1.begin(), lines1.begin() + group + 1, lines2.begin()));
    EXPECT_TRUE(std::equal(lines1.begin() + group + 1, lines1.begin() + group + 4,
                           std::make_reverse_iterator(lines2.begin() + group + 4)));
    EXPECT_EQ(scheme.ItemTail->Next, nullptr);
    EXPECT_EQ(scheme.ItemTail->text, "line\r\nbreak\r\nlone\r\nlf tab \r\n literal");
    EXPECT_EQ(scheme.ItemTail->Prev->Name, "Wet road");
    EXPECT_EQ(scheme.ItemTail->Prev->id, 40);
    EXPECT_EQ(scheme.LastId, 40);
}

TEST(RoundTrip, ScaleAndValuesKeepTheirFourDecimals) {
    const std::string bytes = richScheme();
    EXPECT_NE(bytes.find("\t0.0078\t"), std::string::npos);
    EXPECT_NE(bytes.find("\t0.0313\t0.5000\t"), std::string::npos);
    EXPECT_NE(bytes.find("\t-0.3333\t"), std::string::npos);
    Scheme scheme;
    ViewState view;
    Document doc;
    ASSERT_TRUE(readScheme(splitLines(bytes), ReadMode::load(), scheme, view, doc, nullptr));
    EXPECT_EQ(view.Scale, 0.0078f);
    EXPECT_EQ(view.ZoomLevel, 0);
    EXPECT_EQ(doc.BackGroundImage, "фон.bmp");
}

} // namespace
} // namespace lumeris
