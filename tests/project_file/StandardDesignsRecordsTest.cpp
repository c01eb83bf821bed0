#include "project_file/StandardDesignsRecords.h"
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
using StandardDesignsRecords::Box;
using StandardDesignsRecords::Data;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Marker = "\"VSHASTANDARDDESIGNINFO2379\",";

using Row = std::vector<std::string>;

Data::GridCells Grid(int cols, std::vector<Row> rows) {
    for (Row& row : rows) {
        row.resize(static_cast<size_t>(cols));
    }
    while (rows.size() < 4) {
        rows.emplace_back(static_cast<size_t>(cols));
    }
    return rows;
}

// The window behind tests/project_file/golden/standard_designs_small.twl, as shown.
Data SmallDesigns() {
    Data data;
    data.totalQ = "  250 ";
    data.hMax = "2.5";
    data.hMin = "0";
    data.inletInvertElev = "";
    data.includeMultipleBarrels = true;
    data.grids[0] = Grid(7, {{">>", "Single", "48", "1.20", "1.30", "5.20", "105.20"},
                             // four barrels as the grid writes them, digits in place of a word
                             {"", "4", "36", " 0.10 ", "1.03", "3.10", "103.10"},
                             {},
                             {"", "", "  ", "", "", "", "x"}});
    data.grids[1] = Grid(7, {{"", "None"}});
    data.grids[2] = Grid(8, {});
    data.grids[3] = Grid(8, {{"", "Twin", "73", "45", "-0.25", "0.95", "3.54", "103.54"}});
    data.grids[4] = Grid(8, {{"", "Single", "60\"", "45"}});
    data.selectedGrid = 1;
    data.selectedRow = 1;
    return data;
}

std::string Written(const Data& data) {
    RecordWriter out;
    StandardDesignsRecords::Write(out, data);
    return out.Output();
}

ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace

TEST(StandardDesignsSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        8, {[](RecordWriter& out) { StandardDesignsRecords::Write(out, SmallDesigns()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("standard_designs_small.twl"));
}

TEST(StandardDesignsSection, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("standard_designs_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.standardDesigns;
    EXPECT_EQ(w.boxes.at(Box::TotalQ), "250");
    EXPECT_EQ(w.boxes.at(Box::HMax), "2.5");
    EXPECT_EQ(w.boxes.at(Box::HMin), "0");
    EXPECT_EQ(w.boxes.at(Box::InletInvertElev), "");
    EXPECT_TRUE(w.includeMultipleBarrels);
    // Column 0 is never stored: the mark comes back through the selection.
    EXPECT_EQ(w.grids[0][1], Row({"", "Single", "48", "1.20", "1.30", "5.20", "105.20"}));
    EXPECT_EQ(w.grids[0][2], Row({"", "4", "36", "0.10", "1.03", "3.10", "103.10"}));
    EXPECT_EQ(w.grids[0][3], Row(7));
    EXPECT_EQ(w.grids[0][4], Row({"", "", "", "", "", "", "x"}));
    EXPECT_EQ(w.grids[1][1], Row({"", "None", "", "", "", "", ""}));
    EXPECT_EQ(w.grids[2][1], Row(8));
    EXPECT_EQ(w.grids[3][1], Row({"", "Twin", "73", "45", "-0.25", "0.95", "3.54", "103.54"}));
    EXPECT_EQ(w.grids[4][1], Row({"", "Single", "60''", "45", "", "", "", ""}));
    EXPECT_EQ(w.selections, (std::vector<std::array<int, 2>>{{1, 1}}));
}

TEST(StandardDesignsSection, AFreshWindowWritesItsInputsBoxAndNoSelection) {
    Data empty;
    for (int g = 0; g < 5; ++g) {
        empty.grids[static_cast<size_t>(g)] = Grid(g < 2 ? 7 : 8, {});
    }
    EXPECT_EQ(Written(empty), Marker + "1,\"\"\r\n" + Marker + "2,\"\"\r\n" + Marker +
                                  "3,\"\"\r\n" + Marker + "27,\"\"\r\n" + Marker + "8,0\r\n" +
                                  Marker + "10,0,0\r\n");
}

TEST(StandardDesignsSection, ReaderDropsCellsOutOfRangeAndGrowsGridsUpToTheCap) {
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const ProjectFileHarness::StandardDesignsWindow&)> check;
    };
    const int cap = ProjectFileFormat::MaxGridRow;
    using W = ProjectFileHarness::StandardDesignsWindow;
    const std::vector<Case> cases = {
        {"a row below the last grows the grid to that row plus one",
         Marker + "6,9,7,\"104.00\"\r\n",
         [](const W& w) {
             ASSERT_EQ(w.grids[2].size(), 10u);
             EXPECT_EQ(w.grids[2][9][7], "104.00");
         }},
        {"a row at the cap", Marker + "11," + std::to_string(cap) + ",1,\"x\"\r\n",
         [cap](const W& w) {
             ASSERT_EQ(w.grids[4].size(), static_cast<size_t>(cap) + 1);
             EXPECT_EQ(w.grids[4][cap][1], "x");
         }},
        {"column 0, the heading row, negative rows and columns past the last",
         Marker + "4,1,0,\">>\"\r\n" + Marker + "4,0,1,\"heading\"\r\n" + Marker +
             "5,-2,1,\"x\"\r\n" + Marker + "5,1,7,\"x\"\r\n" + Marker + "7,1,-1,\"x\"\r\n" +
             Marker + "7," + std::to_string(cap + 1) + ",1,\"x\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.grids[0][1][0], "");
             EXPECT_EQ(w.grids[0][0][1], "");
             for (const auto& grid : w.grids) {
                 EXPECT_EQ(grid.size(), 5u);
             }
         }},
        {"the last column of an eight-column grid is kept", Marker + "6,1,7,\"103.00\"\r\n",
         [](const W& w) { EXPECT_EQ(w.grids[2][1][7], "103.00"); }},
        {"only 1 ticks the multiple-barrel box, 0 and 2 leave it",
         Marker + "8,0\r\n" + Marker + "8,2\r\n",
         [](const W& w) { EXPECT_FALSE(w.includeMultipleBarrels); }},
        {"selection pairs go to the window as stored, odd ones too",
         Marker + "10,0,0\r\n" + Marker + "10,3,-4\r\n" + Marker + "10,9,1\r\n",
         [](const W& w) {
             EXPECT_EQ(w.selections, (std::vector<std::array<int, 2>>{{0, 0}, {3, -4}, {9, 1}}));
         }},
        {"an unknown item reads nothing more", Marker + "9,\"x\"\r\n" + Marker + "2,\"3.0\"\r\n",
         [](const W& w) { EXPECT_EQ(w.boxes.at(Box::HMax), "3.0"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.standardDesigns);
    }
}

TEST(StandardDesignsSection, AFaultEndsTheWholeRead) {
    ProjectFileHarness::Outcome outcome =
        ReadRecords(Marker + "4,1,one,\"Single\"\r\n" + Marker + "1,\"never read\"\r\n");
    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.error, "Type mismatch (line 4, section VSHASTANDARDDESIGNINFO2379, item 4)");
    EXPECT_EQ(outcome.standardDesigns.boxes.count(Box::TotalQ), 0u);
}
