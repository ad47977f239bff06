#include "import/lisp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumeris {
namespace {

// What an imported item looks like: its name, place, type and the index (in creation order)
// of the item it links to, or -1.
struct Placed {
    std::string Name;
    std::int32_t X, Y;
    int Type;
    int LinksTo;
    bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p) {
    return out << "{" << p.Name << " " << p.X << "," << p.Y << " t" << p.Type << " ->" << p.LinksTo
               << "}";
}

std::vector<Placed> import(std::string_view source, std::int32_t x = 100, std::int32_t y = 200) {
    Scheme scheme;
    importLisp(scheme, source, x, y);
    std::vector<const CPoint*> order;
    for (const CPoint* p = scheme.ItemTail; p; p = p->Prev)
        order.push_back(p);
    std::vector<Placed> result;
    for (const CPoint* p : order) {
        int to = -1;
        if (p->OutLinks) {
            EXPECT_EQ(p->OutLinks->NextOut, nullptr) << "more than one link from " << p->Name;
            EXPECT_EQ(p->OutLinks->Value, 1.0f);
            for (std::size_t i = 0; i < order.size(); ++i)
                if (order[i] == p->OutLinks->To)
                    to = static_cast<int>(i);
        }
        result.push_back({p->Name, p->X, p->Y, p->Type, to});
    }
    EXPECT_EQ(scheme.BusyDepth, 0);
    return result;
}

TEST(LispImport, ListsChainTheirElementsAndIndentByLevel) {
    EXPECT_EQ(import("(a b)"), (std::vector<Placed>{
                                   {"", 100, 200, 6, -1},
                                   {"a", 132, 200, 5, 0},
                                   {"b", 132, 232, 5, 1},
                               }));
    // What follows a list hangs from the list's item, back at the list's indent.
    EXPECT_EQ(import("(a) b"), (std::vector<Placed>{
                                   {"", 100, 200, 6, -1},
                                   {"a", 132, 200, 5, 0},
                                   {"b", 100, 232, 5, 0},
                               }));
    EXPECT_EQ(import("[x]"), (std::vector<Placed>{
                                 {"", 100, 200, 7, -1},
                                 {"x", 132, 200, 5, 0},
                             }));
    // Brackets of different kinds close each other; empty lists hold nothing.
    EXPECT_EQ(import("((a] ()) z", 0, 0), (std::vector<Placed>{
                                              {"", 0, 0, 6, -1},
                                              {"", 32, 0, 6, 0},
                                              {"a", 64, 0, 5, 1},
                                              {"", 32, 32, 6, 1},
                                              {"z", 0, 32, 5, 0},
                                          }));
}

TEST(LispImport, TokensFollowTheCommentAndAtomRules) {
    EXPECT_EQ(import(";; note (x)\r\nx"), (std::vector<Placed>{
                                              {";; note (x)", 100, 200, 5, -1},
                                              {"x", 100, 232, 5, 0},
                                          }));
    EXPECT_EQ(import(";x"), (std::vector<Placed>{{";x", 100, 200, 5, -1}}));
    EXPECT_EQ(import("a\tb"), (std::vector<Placed>{{"a\tb", 100, 200, 5, -1}}));
    EXPECT_EQ(import("\"s;{}\"(q"), (std::vector<Placed>{
                                        {"\"s;{}\"", 100, 200, 5, -1},
                                        {"", 100, 232, 6, 0},
                                        {"q", 132, 232, 5, 1},
                                    }));
    EXPECT_EQ(import(";;"), (std::vector<Placed>{{";;", 100, 200, 5, -1}}));
}

TEST(LispImport, StopsAtUnmatchedCloserAndAtTheEnd) {
    EXPECT_EQ(import("a ) b"), (std::vector<Placed>{{"a", 100, 200, 5, -1}}));
    EXPECT_EQ(import("] a"), std::vector<Placed>{});
    EXPECT_EQ(import(" \t\r\n "), std::vector<Placed>{});
    EXPECT_EQ(import(""), std::vector<Placed>{});
    EXPECT_EQ(import("(a (b"), (std::vector<Placed>{
                                   {"", 100, 200, 6, -1},
                                   {"a", 132, 200, 5, 0},
                                   {"", 132, 232, 6, 1},
                                   {"b", 164, 232, 5, 2},
                               }));
}

TEST(LispImport, DeepNestingAndLongChainsDoNotExhaustTheStack) {
    const int depth = 200000;
    const std::string deep = std::string(depth, '(') + "x" + std::string(depth, ')') + " y";
    Scheme scheme;
    importLisp(scheme, deep, 0, 0);
    ASSERT_EQ(scheme.ItemCount, depth + 2);
    const CPoint* x = scheme.ItemList->Next;
    EXPECT_EQ(x->Name, "x");
    EXPECT_EQ(x->X, 32 * depth);
    const CPoint* y = scheme.ItemList;
    EXPECT_EQ(y->Name, "y");
    EXPECT_EQ(y->X, 0);
    EXPECT_EQ(y->Y, 32);
    EXPECT_EQ(y->OutLinks->To, scheme.ItemTail);

    std::string chain;
    for (int i = 0; i < depth; ++i)
        chain += "a ";
    Scheme flat;
    importLisp(flat, chain, 0, 0);
    EXPECT_EQ(flat.ItemCount, depth);
    EXPECT_EQ(flat.LinkCount, depth - 1);
    EXPECT_EQ(flat.ItemList->Y, 32 * (depth - 1));
}

} // namespace
} // namespace lumeris
