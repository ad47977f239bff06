#include "exchange/graph_text.h"
#include "exchange/place.h"
#include "exchange/qt/graphml.h"
#include "files/scheme_writer.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::itemLines;
using test::linkLines;
using Lines = std::vector<std::string>;

ExchangeRead readFile(const std::string& name) {
    return readGraphml(test::readFile(test::sourceDir() / "tests/exchange/data" / name));
}

// Files as other tools write them, placed as lumeris-cli places them.
struct ToolFile {
    const char* file;
    Lines items;
    Lines links;
    ImportNotes notes;
};

class GraphmlToolFiles : public testing::TestWithParam<ToolFile> {};

TEST_P(GraphmlToolFiles, ReadAsTheToolMeantThem) {
    const ToolFile& expected = GetParam();
    const ExchangeRead read = readFile(expected.file);
    ASSERT_TRUE(read) << int(read.error->fault) << " line " << read.error->line;
    Scheme scheme;
    placeGraph(scheme, read.graph, Placement{0, 0, true});
    EXPECT_EQ(itemLines(scheme), expected.items);
    EXPECT_EQ(linkLines(scheme), expected.links);
    const ImportNotes& notes = read.graph.notes;
    EXPECT_EQ(notes.clamped, expected.notes.clamped);
    EXPECT_EQ(notes.notNumbers, expected.notes.notNumbers);
    EXPECT_EQ(notes.nestedGraphs, expected.notes.nestedGraphs);
    EXPECT_EQ(notes.hyperedges, expected.notes.hyperedges);
}

INSTANTIATE_TEST_SUITE_P(
    Files, GraphmlToolFiles,
    testing::Values(
        // A graph library: "label" keys, undirected edges (two links each, one for a loop), a
        // default weight, a node named by its id, no positions (listed down from 0,0).
        ToolFile{"library.graphml",
                 {"Дождь 0,0", "Wet road 0,32", "2 0,64"},
                 {"Дождь>Wet road 0.2500", "Wet road>Дождь 0.2500", "Wet road>2 0.5000",
                  "2>Wet road 0.5000", "2>2 -1.0000"},
                 {1, 0, 0, 0}},
        // A network editor: extra namespaces and graphics keys, capitalised names, a string
        // "Type", a nested graph (its node and the edge to it left out) and a hyperedge.
        ToolFile{"editor.graphml",
                 {"Rain & wind 101,-20", "Accidents 300,80", "Group 0,0"},
                 {"Rain & wind>Accidents 0.8000"},
                 {0, 1, 1, 1}}));

TEST(Graphml, EditorFileKeepsTheNodesAddress) {
    const ExchangeRead read = readFile("editor.graphml");
    ASSERT_TRUE(read);
    EXPECT_EQ(read.graph.nodes[0].url, "https://example.org/rain");
}

// Every field an export writes comes back: saving the imported scheme gives the very bytes
// the original saves to, since the items get fresh ids 1, 2, ... in the order written.
TEST(Graphml, RoundTripKeepsEverythingTheSchemeFileHolds) {
    Scheme original;
    CPoint* rain = original.createItem(utf8ToCp1251("Дождь \"<&>\""), -40, 30);
    rain->text = "first\r\nsecond";
    rain->url = "https://example.org/?a=1&b=2";
    rain->Value = 0.25f;
    rain->AndOr = 0.5f;
    CPoint* road = original.createItem("", 200, -70);
    road->Type = TypeFuzzy;
    road->IsCust = 1;
    road->Custom = -0.5f;
    CPoint* odd = original.createItem("bell\x07", 1 << 20, -(1 << 20));
    odd->Type = TypeLispList;
    original.createLink(rain, road)->Value = -0.75f;
    CLink* loop = original.createLink(road, road);
    loop->Name = utf8ToCp1251("сама");
    loop->AndOr = 1;
    original.createLink(odd, rain);

    const ExchangeRead read = readGraphml(writeGraphml(original));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read.graph.notes.empty());
    Scheme copy;
    placeGraph(copy, read.graph, Placement{0, 0, true});
    odd->Name = "bell?"; // XML cannot hold the control character
    ViewState view;
    Document doc;
    EXPECT_EQ(saveBytes(copy, view, doc), saveBytes(original, view, doc));
}

TEST(Graphml, ItemsSharingAnIdStayApart) {
    Scheme scheme;
    CPoint* a = scheme.createItem("a", 0, 0);
    CPoint* b = scheme.createItem("b", 0, 0);
    scheme.setId(b, a->id);
    scheme.createLink(a, b);
    const ExchangeRead read = readGraphml(writeGraphml(scheme));
    ASSERT_TRUE(read);
    ASSERT_EQ(read.graph.edges.size(), 1u);
    EXPECT_EQ(read.graph.nodes[read.graph.edges[0].to].name, "b");
}

struct Malformed {
    const char* text;
    ExchangeFault fault;
    int line;
    int column;
};

class GraphmlMalformed : public testing::TestWithParam<Malformed> {};

TEST_P(GraphmlMalformed, GivesNoGraphAndThePlace) {
    const ExchangeRead read = readGraphml(GetParam().text);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error->fault, GetParam().fault);
    EXPECT_EQ(read.error->line, GetParam().line);
    EXPECT_EQ(read.error->column, GetParam().column);
    EXPECT_TRUE(read.graph.nodes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GraphmlMalformed,
    testing::Values(
        Malformed{"", ExchangeFault::BadXml, 1, 1},
        Malformed{"<graphml>\n<graph>\n<node id='a'>\n</graph>", ExchangeFault::BadXml, 4, 8},
        Malformed{"<gexf/>", ExchangeFault::NotGraphml, 1, 7},
        Malformed{"<graphml><graph>\n  <node id='a'/><node id='a'/>",
                  ExchangeFault::DuplicateNodeId, 2, 30},
        Malformed{"<graphml><graph><node/></graph></graphml>", ExchangeFault::MissingNodeId, 1, 23},
        Malformed{"<graphml><graph><edge source='a'/></graph></graphml>",
                  ExchangeFault::MissingEdgeEnd, 1, 34},
        Malformed{"<graphml><graph><node id='a'/>\n<edge source='a' target='b'/></graph></graphml>",
                  ExchangeFault::UnknownNode, 2, 29}));

} // namespace
} // namespace lumeris
