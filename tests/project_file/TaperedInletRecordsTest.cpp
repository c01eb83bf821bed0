#include "project_file/TaperedInletRecords.h"
#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using ProjectFileHarness::Result;
using TaperedInletRecords::Box;
using TaperedInletRecords::Data;
using W = ProjectFileHarness::TaperedInletWindow;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Marker = "\"TAPEREDINLETDESIGNINFO98384\",";

using Row = std::vector<std::string>;

// The window behind tests/project_file/golden/tapered_inlet_small.twl, as shown.
Data SmallDesign() {
    Data data;
    data.q = " 300 ";
    data.hMax = "2.5 \"ft\"";
    data.hMin = "-2";
    data.resultRows = {
        {">>", "Single", "8", "4", "2.16", "5.0", "4.0", "3", "10", "1.08", "3.60"},
        {"", "Single", "8", "4", "2.16", "6.0", "4.0", "2", "8", "0.65", "3.60"},
        Row(11, "  "),
        {"", "Twin", "12", "4", "-1.31", "7.5", "4.0", "1", "9", "0.41", "2.08"},
        Row(11),
    };
    data.selectedRow = 1;
    data.includeMultipleBarrels = true;
    return data;
}

std::string Written(const Data& data) {
    RecordWriter out;
    TaperedInletRecords::Write(out, data);
    return out.Output();
}

ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace

TEST(TaperedInletSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        9, {[](RecordWriter& out) { TaperedInletRecords::Write(out, SmallDesign()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("tapered_inlet_small.twl"));
}

TEST(TaperedInletSection, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("tapered_inlet_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const W& w = outcome.taperedInlet;
    EXPECT_EQ(w.boxes.at(Box::Q), "300");
    EXPECT_EQ(w.boxes.at(Box::HMax), "2.5 ''ft''");
    EXPECT_EQ(w.boxes.at(Box::HMin), "-2");
    // Row 4 read into 5 rows: grown to 6, one empty row below it.
    ASSERT_EQ(w.results.size(), 6u);
    EXPECT_EQ(w.results[1],
              Row({"", "Single", "8", "4", "2.16", "5.0", "4.0", "3", "10", "1.08", "3.60"}));
    EXPECT_EQ(w.results[3], Row(11));
    EXPECT_EQ(w.results[4][1], "Twin");
    EXPECT_EQ(w.results[5], Row(11));
    EXPECT_EQ(w.selectedRow, 1);
    EXPECT_TRUE(w.includeMultipleBarrels);
}

TEST(TaperedInletSection, AnEmptyWindowWritesNoCells) {
    Data empty;
    empty.resultRows.assign(4, Row(11));
    EXPECT_EQ(Written(empty), Marker + "1,\"\"\r\n" + Marker + "2,\"\"\r\n" + Marker +
                                  "3,\"\"\r\n" + Marker + "5,0\r\n" + Marker + "6,0\r\n");
}

TEST(TaperedInletSection, ReaderGrowsTheGridToKeepAnEmptyRowAndDropsRecordsOutOfRange) {
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const W&)> check;
    };
    const int last = TaperedInletRecords::MaxResultRow;
    const std::vector<Case> cases = {
        {"row 9 into 5 rows grows to 11", Marker + "4,9,2,\"12\"\r\n",
         [](const W& w) {
             ASSERT_EQ(w.results.size(), 11u);
             EXPECT_EQ(w.results[9][2], "12");
         }},
        {"row 3 stays inside 5 rows", Marker + "4,3,10,\"2.08\"\r\n",
         [](const W& w) {
             ASSERT_EQ(w.results.size(), 5u);
             EXPECT_EQ(w.results[3][10], "2.08");
         }},
        {"the last row the file may hold fills the grid to its 10,000 rows",
         Marker + "4," + std::to_string(last) + ",1,\"Single\"\r\n",
         [](const W& w) {
             ASSERT_EQ(w.results.size(), static_cast<size_t>(W::GridRowLimit));
             EXPECT_EQ(w.results[TaperedInletRecords::MaxResultRow][1], "Single");
         }},
        {"rows beyond it, below 1 and columns outside are ignored",
         Marker + "4," + std::to_string(last + 1) + ",1,\"x\"\r\n" + Marker +
             "4,2147483647,1,\"x\"\r\n" + Marker + "4,0,1,\"heading\"\r\n" + Marker +
             "4,-3,1,\"x\"\r\n" + Marker + "4,1,0,\">>\"\r\n" + Marker + "4,1,11,\"x\"\r\n" +
             Marker + "4,1,-1,\"x\"\r\n",
         [](const W& w) { EXPECT_EQ(w.results, (std::vector<Row>(5, Row(11)))); }},
        {"a selection outside the grid leaves none", Marker + "5,5\r\n" + Marker + "5,-1\r\n",
         [](const W& w) { EXPECT_EQ(w.selectedRow, 0); }},
        {"a selection after the cells it marks", Marker + "4,7,1,\"Twin\"\r\n" + Marker + "5,7\r\n",
         [](const W& w) { EXPECT_EQ(w.selectedRow, 7); }},
        {"only the flag 1 ticks the box", Marker + "6,1\r\n" + Marker + "6,5\r\n",
         [](const W& w) { EXPECT_FALSE(w.includeMultipleBarrels); }},
        {"unknown items read nothing more and the next record reads normally",
         Marker + "7,\"x\",1\r\n" + Marker + "0\r\n" + Marker + "1,\"300\"\r\n",
         [](const W& w) { EXPECT_EQ(w.boxes.at(Box::Q), "300"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.taperedInlet);
    }
}

TEST(TaperedInletSection, ARecordOfTheWrongKindEndsTheRead) {
    ProjectFileHarness::Outcome outcome = ReadRecords(
        Marker + "1,\"300\"\r\n" + Marker + "4,\"one\",1,\"x\"\r\n" + Marker + "3,\"-2\"\r\n");
    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.taperedInlet.boxes.at(Box::Q), "300");
    EXPECT_EQ(outcome.taperedInlet.boxes.count(Box::HMin), 0u);
}
