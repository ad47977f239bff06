#include "exchange/dot.h"
#include "text/utf8_cp1251.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

TEST(Dot, NodesAtTheirPointsAndEdgesByCoefficient) {
    Scheme scheme;
    CPoint* a = scheme.createItem(utf8ToCp1251("Дождь \"1\"\\"), -40, 30);
    CPoint* b = scheme.createItem("two\r\nlines", 5, -7);
    scheme.createLink(a, b)->Value = -0.5f;
    scheme.createLink(b, a)->Value = 0;
    EXPECT_EQ(writeDot(scheme), "digraph scheme {\n"
                                "  n1 [label=\"Дождь \\\"1\\\"\\\\\", pos=\"-40,-30\"];\n"
                                "  n2 [label=\"two\\nlines\", pos=\"5,7\"];\n"
                                "  n1 -> n2 [label=\"-0.5000\", penwidth=2.5000, color=red];\n"
                                "  n2 -> n1 [label=\"0.0000\", penwidth=1.0000];\n"
                                "}\n");
}

} // namespace
} // namespace lumeris
