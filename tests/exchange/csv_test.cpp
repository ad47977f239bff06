#include "exchange/csv.h"
#include "exchange/place.h"
#include "graph_text.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::itemLines;
using test::linkLines;
using Lines = std::vector<std::string>;

Scheme& placed(Scheme& scheme, const ExchangeRead& read) {
    placeGraph(scheme, read.graph, Placement{0, 0, true});
    return scheme;
}

// A spreadsheet's export: byte-order mark, CR LF, quoted commas, quotes and a line break
// inside fields (a name is one line: the break becomes a space), a blank line, an empty
// weight (1) and one beyond 1 (clamped).
TEST(Csv, SpreadsheetFileReadsAsWritten) {
    const ExchangeRead read =
        readCsv(test::readFile(test::sourceDir() / "tests/exchange/data/spreadsheet.csv"));
    ASSERT_TRUE(read) << read.error->line;
    EXPECT_EQ(read.graph.notes.clamped, 1);
    Scheme scheme;
    placed(scheme, read);
    EXPECT_EQ(itemLines(scheme),
              (Lines{"Rain, heavy 0,0", "Wet road 0,32", "Skid and crash 0,64", "Дождь 0,96"}));
    EXPECT_EQ(
        linkLines(scheme),
        (Lines{"Rain, heavy>Wet road 0.5000 the \"main\" cause", "Wet road>Skid and crash -0.7500",
               "Rain, heavy>Дождь 1.0000 plain", "Дождь>Wet road 1.0000"}));
}

TEST(Csv, HeaderColumnsInAnyOrderAndCase) {
    const ExchangeRead read = readCsv(" name , TO,from\nx,b,a\nLF only,\"c\",b");
    ASSERT_TRUE(read);
    Scheme scheme;
    EXPECT_EQ(linkLines(placed(scheme, read)), (Lines{"a>b 1.0000 x", "b>c 1.0000 LF only"}));
}

// Names, links and coefficients survive; names needing quotes and blanks at the ends too.
TEST(Csv, RoundTripKeepsNamesLinksAndCoefficients) {
    Scheme original;
    CPoint* a = original.createItem(utf8ToCp1251("Дождь, \"сильный\""), 0, 0);
    CPoint* b = original.createItem(" padded ", 0, 0);
    CPoint* c = original.createItem("3", 0, 0);
    original.createLink(a, b)->Value = -0.25f;
    original.createLink(b, c)->Name = "named, too";
    original.createLink(c, a);
    original.createLink(a, a)->Value = 0;
    const ExchangeRead read = readCsv(writeCsv(original));
    ASSERT_TRUE(read);
    Scheme copy;
    EXPECT_EQ(linkLines(placed(copy, read)), linkLines(original));
}

struct Malformed {
    const char* text;
    ExchangeFault fault;
    int line;
};

class CsvMalformed : public testing::TestWithParam<Malformed> {};

TEST_P(CsvMalformed, GivesNoGraphAndTheLine) {
    const ExchangeRead read = readCsv(GetParam().text);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error->fault, GetParam().fault);
    EXPECT_EQ(read.error->line, GetParam().line);
    EXPECT_TRUE(read.graph.nodes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvMalformed,
    testing::Values(Malformed{"", ExchangeFault::NoHeader, 1},
                    Malformed{"\n\nSource,Target\na,b\n", ExchangeFault::NoHeader, 3},
                    Malformed{"From,To\na,b\n\"c\nd,e\n", ExchangeFault::UnclosedQuote, 3},
                    Malformed{"From,To\n\"a\nb\",c\nd\"e,f\n", ExchangeFault::StrayQuote, 4},
                    Malformed{"From,To\r\n\"a\"x,b\r\n", ExchangeFault::StrayQuote, 2},
                    Malformed{"To,Weight,From\na,1,b\nc,1\n", ExchangeFault::MissingField, 3},
                    Malformed{"From,To,Weight\na,b,heavy\n", ExchangeFault::BadWeight, 2}));

} // namespace
} // namespace lumeris
