// Spreadsheet cells: the NS.csv stand-in against real files, and the step's use of the link.
#include "engine/step.h"
#include "platform/cell_text.h"
#include "platform/csv_spreadsheet.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>

using namespace lumeris;
using lumeris::test::readFile;
using lumeris::test::ScratchDir;
using lumeris::test::writeFile;

namespace {

TEST(CellText, NamesAndNumbers) {
    ASSERT_TRUE(parseCellName("R3C2"));
    EXPECT_EQ(parseCellName("r3c2")->row, 3u);
    EXPECT_EQ(parseCellName("R3C2")->column, 2u);
    for (const char* bad : {"", "R0C1", "R1C0", "R1", "C1", "A1", "R1C1 ", "R-1C1", "R1C16385",
                            "R1048577C1", "R99999999999999999999C1"})
        EXPECT_FALSE(parseCellName(bad)) << bad;

    EXPECT_EQ(parseCellNumber(" 0.25 "), 0.25f);
    EXPECT_EQ(parseCellNumber("-1"), -1.0f);
    EXPECT_EQ(parseCellNumber("+.5"), 0.5f);
    EXPECT_EQ(parseCellNumber("1e-2"), 0.01f);
    for (const char* bad : {"", "abc", "0,5", "1.5x", "+-1", "nan", "inf", "1e99"})
        EXPECT_FALSE(parseCellNumber(bad)) << bad;
}

TEST(CellText, CsvReadsQuotedFieldsAndWritesThemBack) {
    const CsvTable t = CsvTable::parse("\xEF\xBB\xBF"
                                       "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
                                       "1,\"two\nlines\"\n"
                                       ",x");
    EXPECT_EQ(t.cell({1, 1}), "a");
    EXPECT_EQ(t.cell({1, 2}), "b,c");
    EXPECT_EQ(t.cell({1, 3}), "say \"hi\"");
    EXPECT_EQ(t.cell({2, 2}), "two\nlines");
    EXPECT_EQ(t.cell({3, 1}), "");
    EXPECT_EQ(t.cell({3, 2}), "x");
    EXPECT_EQ(t.cell({9, 9}), "");
    EXPECT_EQ(t.serialize(), "a,\"b,c\",\"say \"\"hi\"\"\"\r\n1,\"two\nlines\"\r\n,x\r\n");

    CsvTable grown = CsvTable::parse("1\r\n");
    EXPECT_FALSE(grown.setCell({1, 1}, "1"));
    EXPECT_TRUE(grown.setCell({3, 2}, "0.5000"));
    EXPECT_EQ(grown.serialize(), "1\r\n\r\n,0.5000\r\n");
    EXPECT_EQ(CsvTable::parse(grown.serialize()).serialize(), grown.serialize());
}

TEST(CsvSpreadsheet, MissingFileKeepsTheLinkClosed) {
    ScratchDir dir;
    CsvSpreadsheet sheet(dir.path());
    EXPECT_EQ(sheet.readCell("R1C1"), "");
    sheet.pokeCell("R1C1", "0.5000");
    sheet.endStep();
    EXPECT_FALSE(std::filesystem::exists(dir / "NS.csv"));
    EXPECT_EQ(sheet.file(), dir / "NS.csv");
}

TEST(CsvSpreadsheet, ReadsRereadsAndKeepsTheLastText) {
    ScratchDir dir;
    writeFile(dir / "NS.csv", "0.5,x\r\n");
    CsvSpreadsheet sheet(dir.path());
    EXPECT_EQ(sheet.readCell("R1C1"), "0.5");
    EXPECT_EQ(sheet.readCell("R1C2"), "x");
    writeFile(dir / "NS.csv", "-0.75,y,z\r\n");
    EXPECT_EQ(sheet.readCell("R1C1"), "-0.75");
    // Same size, a later modification time: still seen as a change.
    writeFile(dir / "NS.csv", "-0.25,y,z\r\n");
    std::filesystem::last_write_time(dir / "NS.csv", std::filesystem::file_time_type::clock::now() +
                                                         std::chrono::seconds(5));
    EXPECT_EQ(sheet.readCell("R1C1"), "-0.25");
    // Once open, a file that has gone leaves the last table in place.
    std::filesystem::remove(dir / "NS.csv");
    EXPECT_EQ(sheet.readCell("R1C2"), "y");
    EXPECT_EQ(sheet.readCell("bad name"), "");
}

TEST(CsvSpreadsheet, PokesOfAStepAreWrittenOnceAtItsEnd) {
    ScratchDir dir;
    writeFile(dir / "NS.csv", "0.5,\"a,b\"\n");
    CsvSpreadsheet sheet(dir.path());
    sheet.pokeCell("R1C1", "0.9000"); // not open yet: not delivered
    sheet.endStep();
    EXPECT_EQ(readFile(dir / "NS.csv"), "0.5,\"a,b\"\n");

    sheet.readCell("R1C1");
    sheet.pokeCell("R2C3", "0.2500");
    sheet.pokeCell("R1C1", "-1.0000");
    EXPECT_EQ(sheet.readCell("R2C3"), "0.2500"); // seen at once within the step
    EXPECT_EQ(readFile(dir / "NS.csv"), "0.5,\"a,b\"\n");
    sheet.endStep();
    EXPECT_EQ(readFile(dir / "NS.csv"), "-1.0000,\"a,b\"\r\n,,0.2500\r\n");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "NS.csv"); // no temporary file left behind

    // Pokes that change nothing do not rewrite the file.
    const auto before = std::filesystem::last_write_time(dir / "NS.csv");
    writeFile(dir / "other", "");
    sheet.pokeCell("R1C1", "-1.0000");
    sheet.endStep();
    EXPECT_EQ(std::filesystem::last_write_time(dir / "NS.csv"), before);
}

TEST(CsvSpreadsheet, ChangesMadeByOthersDuringAStepSurviveItsPokes) {
    ScratchDir dir;
    writeFile(dir / "NS.csv", "1,2\r\n");
    CsvSpreadsheet sheet(dir.path());
    sheet.readCell("R1C1");
    sheet.pokeCell("R1C1", "0.1000");
    writeFile(dir / "NS.csv", "1,22,333\r\n");
    sheet.endStep();
    EXPECT_EQ(readFile(dir / "NS.csv"), "0.1000,22,333\r\n");
}

// Saving a scheme moves the current folder; the link follows it, but only between steps.
TEST(CsvSpreadsheet, FollowsTheCurrentFolderBetweenSteps) {
    struct BackToStart {
        std::filesystem::path folder = std::filesystem::current_path();
        ~BackToStart() { std::filesystem::current_path(folder); }
    } backToStart;
    ScratchDir a, b;
    writeFile(a / "NS.csv", "1\r\n");
    writeFile(b / "NS.csv", "2\r\n");
    std::filesystem::current_path(a.path());
    CsvSpreadsheet sheet;
    EXPECT_EQ(sheet.readCell("R1C1"), "1");
    sheet.pokeCell("R1C2", "x");
    std::filesystem::current_path(b.path());
    EXPECT_EQ(sheet.readCell("R1C1"), "1"); // the step that began in a ends in a
    sheet.endStep();
    EXPECT_EQ(readFile(a / "NS.csv"), "1,x\r\n");
    EXPECT_EQ(sheet.readCell("R1C1"), "2");
    EXPECT_EQ(sheet.file(), b / "NS.csv");
}

// Records what the step asks of the link.
class FakeSheet : public SpreadsheetLink {
  public:
    std::map<std::string, std::string> cells;
    std::vector<std::string> log;
    std::string readCell(const std::string& cell) override {
        log.push_back("read " + cell);
        return cells[cell];
    }
    void pokeCell(const std::string& cell, const std::string& text) override {
        log.push_back("poke " + cell + " " + text);
    }
    void endStep() override { log.push_back("end"); }
};

TEST(SpreadsheetItems, StepReadsFixedItemsAndPokesTheOthers) {
    Scheme s;
    Evaluation e;
    FakeSheet sheet;
    CPoint* writer = s.createItem("W", 0, 0);
    writer->url = "DDE:R2C1";
    writer->Value = 0.03125f;
    CPoint* reader = s.createItem("R", 0, 0);
    reader->url = "DDE:R1C1";
    reader->IsCust = 1;
    reader->Custom = 0.9f;
    CPoint* notNumber = s.createItem("N", 0, 0);
    notNumber->url = "DDE:R5C5";
    notNumber->IsCust = 1;
    notNumber->Custom = 0.9f;
    CPoint* plain = s.createItem("P", 0, 0);
    plain->url = "dde:R1C1"; // the prefix is case-sensitive
    sheet.cells["R1C1"] = " -0.5 ";
    sheet.cells["R5C5"] = "n/a";
    StepHooks hooks;
    hooks.spreadsheet = &sheet;
    s.SchemeChanged = true;
    ASSERT_TRUE(propagationStep(s, e, false, true, hooks));
    // ItemList order (newest first), then the pokes go out once at the end of the step.
    EXPECT_EQ(sheet.log,
              (std::vector<std::string>{"read R5C5", "read R1C1", "poke R2C1 0.0313", "end"}));
    EXPECT_EQ(reader->Custom, -0.5f);
    EXPECT_EQ(reader->Value, -0.5f);
    EXPECT_EQ(notNumber->Custom, 0.0f);
    EXPECT_EQ(notNumber->Value, 0.0f);

    // A reading item without any link reads nothing, so it becomes 0.
    Scheme alone;
    CPoint* lonely = alone.createItem("L", 0, 0);
    lonely->url = "DDE:R1C1";
    lonely->IsCust = 1;
    lonely->Custom = 0.7f;
    alone.SchemeChanged = true;
    propagationStep(alone, e, false, true);
    EXPECT_EQ(lonely->Value, 0.0f);
}

TEST(SpreadsheetItems, RealWorkbookRoundTrip) {
    ScratchDir dir;
    writeFile(dir / "NS.csv", "0.25\r\n");
    CsvSpreadsheet sheet(dir.path());
    Scheme s;
    Evaluation e;
    CPoint* in = s.createItem("in", 0, 0);
    in->url = "DDE:R1C1";
    in->IsCust = 1;
    CPoint* out = s.createItem("out", 0, 0);
    out->url = "DDE:R1C2";
    s.createLink(in, out)->Value = -2.0f;
    StepHooks hooks;
    hooks.spreadsheet = &sheet;
    for (int i = 0; i < 3; ++i) {
        s.SchemeChanged = true;
        propagationStep(s, e, false, true, hooks);
    }
    EXPECT_EQ(out->Value, -0.5f);
    EXPECT_EQ(readFile(dir / "NS.csv"), "0.25,-0.5000\r\n");
}

} // namespace
