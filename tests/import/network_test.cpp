#include "import/network.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumeris {
namespace {

const CPoint* findByName(const Scheme& scheme, const std::string& name) {
    for (const CPoint* p = scheme.ItemList; p; p = p->Next)
        if (p->Name == name)
            return p;
    return nullptr;
}

TEST(NetworkGenerator, DefaultsGiveThirtyItemsAndTwoHundredLinks) {
    Scheme scheme;
    generateNetwork(scheme, NetworkShape{}, 1000, 2000, nullptr);
    EXPECT_EQ(scheme.ItemCount, 30);
    EXPECT_EQ(scheme.LinkCount, 200);
    EXPECT_EQ(scheme.BusyDepth, 0);

    const CPoint* first = findByName(scheme, "n[1,1]");
    const CPoint* last = findByName(scheme, "n[3,10]");
    ASSERT_TRUE(first && last);
    EXPECT_EQ(scheme.ItemTail, first);
    EXPECT_EQ(scheme.ItemList, last);
    EXPECT_EQ(first->X, 1064);
    EXPECT_EQ(first->Y, 1936);
    EXPECT_EQ(last->X, 1640);
    EXPECT_EQ(last->Y, 1808);
    EXPECT_EQ(first->Type, TypeReal);
    for (const CPoint* p = scheme.ItemList; p; p = p->Next)
        EXPECT_EQ(p->Value, 1.0f);
    for (const CLink* k = scheme.LinkList; k; k = k->Next)
        EXPECT_EQ(k->Value, 1.0f);
}

TEST(NetworkGenerator, LinksRunUpwardInTargetThenSourceOrder) {
    Scheme scheme;
    generateNetwork(scheme, NetworkShape{3, 2, 10, 10}, 0, 0, nullptr);
    const char* expected[][2] = {{"n[1,1]", "n[2,1]"}, {"n[1,2]", "n[2,1]"}, {"n[1,1]", "n[2,2]"},
                                 {"n[1,2]", "n[2,2]"}, {"n[2,1]", "n[3,1]"}, {"n[2,2]", "n[3,1]"},
                                 {"n[2,1]", "n[3,2]"}, {"n[2,2]", "n[3,2]"}};
    const CLink* k = scheme.LinkTail; // oldest first
    for (const auto& [from, to] : expected) {
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->From->Name, from);
        EXPECT_EQ(k->To->Name, to);
        k = k->Prev;
    }
    EXPECT_EQ(k, nullptr);
}

TEST(NetworkGenerator, DegenerateShapes) {
    Scheme oneRow;
    generateNetwork(oneRow, NetworkShape{1, 5, 64, 64}, 0, 0, nullptr);
    EXPECT_EQ(oneRow.ItemCount, 5);
    EXPECT_EQ(oneRow.LinkCount, 0);
    for (const NetworkShape& shape :
         {NetworkShape{0, 5, 1, 1}, NetworkShape{4, 0, 1, 1}, NetworkShape{-2, 3, 1, 1}}) {
        Scheme none;
        generateNetwork(none, shape, 0, 0, nullptr);
        EXPECT_EQ(none.ItemCount, 0);
        EXPECT_EQ(none.LinkCount, 0);
    }
}

TEST(NetworkGenerator, RandomValuesAreHundredthsInRangeAndFollowTheSeed) {
    auto build = [](Scheme& scheme, unsigned seed) {
        std::mt19937 random(seed);
        generateNetwork(scheme, NetworkShape{4, 12, 64, 64}, 0, 0, &random);
    };
    Scheme a, b, c;
    build(a, 5);
    build(b, 5);
    build(c, 6);
    auto isHundredth = [](float v) {
        const float scaled = v * 100.0f;
        return v >= -1.0f && v <= 1.0f && std::fabs(scaled - std::round(scaled)) < 1e-3f;
    };
    bool varied = false, differs = false;
    for (const CPoint *p = a.ItemList, *q = b.ItemList, *r = c.ItemList; p;
         p = p->Next, q = q->Next, r = r->Next) {
        EXPECT_TRUE(isHundredth(p->Value)) << p->Value;
        EXPECT_EQ(p->Value, q->Value);
        varied |= p->Value != a.ItemList->Value;
        differs |= p->Value != r->Value;
    }
    for (const CLink *k = a.LinkList, *l = b.LinkList; k; k = k->Next, l = l->Next) {
        EXPECT_TRUE(isHundredth(k->Value)) << k->Value;
        EXPECT_EQ(k->Value, l->Value);
    }
    EXPECT_TRUE(varied);
    EXPECT_TRUE(differs);
}

TEST(NetworkGenerator, FieldsWithoutANumberAreReported) {
    NetworkShape shape;
    NetworkFields fields;
    fields.Rows = "5";
    fields.Cols = "  7";
    fields.ColStep = "32 ";
    EXPECT_EQ(readNetworkShape(fields, shape), "");
    EXPECT_EQ(shape.Rows, 5);
    EXPECT_EQ(shape.Cols, 7);
    EXPECT_EQ(shape.DX, 32);
    EXPECT_EQ(shape.DY, 64);

    fields.RowStep = "";
    EXPECT_EQ(readNetworkShape(fields, shape), "'' is not a valid integer value");
    fields.Rows = "1 2";
    EXPECT_EQ(readNetworkShape(fields, shape), "'1 2' is not a valid integer value");
    fields.Cols = "x";
    EXPECT_EQ(readNetworkShape(fields, shape), "'x' is not a valid integer value");
    fields.Cols = "99999999999";
    EXPECT_NE(readNetworkShape(fields, shape), "");
}

} // namespace
} // namespace lumeris
