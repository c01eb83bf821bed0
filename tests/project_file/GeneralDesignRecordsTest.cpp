#include "project_file/GeneralDesignRecords.h"
#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using GeneralDesignRecords::Box;
using GeneralDesignRecords::Data;
using ProjectFileHarness::Result;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Marker = "\"GENERALDESIGNINFO271829\",";

std::vector<GeneralDesignRecords::ResultCell> ResultRow(std::vector<std::string> texts) {
    std::vector<GeneralDesignRecords::ResultCell> row;
    for (std::string& text : texts) {
        row.push_back({std::move(text), false});
    }
    return row;
}

// The window behind tests/project_file/golden/general_design_small.twl, as shown.
Data SmallDesign() {
    Data data;
    data.designRows = {{true, {"2", "150.5", " 150.5 ", "1.2"}}, {false, {"10", "", "", ""}}};
    data.resultRows = {ResultRow({"2", "150.50", "1.20", "104.31", "2.31", "8.12", "104.31", "2.31",
                                  "103.90", "1.90", "8.12", "7.55", "2.10", "1.85", "Mild \"M1\""}),
                       ResultRow(std::vector<std::string>(15)), ResultRow({"5", "300.00"})};
    data.resultRows[0][3].red = true;
    data.inletInvertElevation = "100.00";
    data.outletInvertElevation = "99.50";
    data.culvertBarrelLength = "80";
    data.allowableHeadWaterElevation = "  104.00 ";
    data.culvertTypeID = 2;
    data.inletID = 201;
    data.standardSizeID = 1036;
    data.manningN = " 0.012";
    data.keInlet = " 0.5";
    data.userSizes = {"36", "", "  ", "", ""};
    data.userNumBarrelsPosition = 1;
    data.userSizeOption = true;
    return data;
}

std::string Written(const Data& data) {
    RecordWriter out;
    GeneralDesignRecords::Write(out, data);
    return out.Output();
}

ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace

TEST(GeneralDesignSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        11, {[](RecordWriter& out) { GeneralDesignRecords::Write(out, SmallDesign()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("general_design_small.twl"));
}

TEST(GeneralDesignSection, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("general_design_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.generalDesign;
    EXPECT_TRUE(w.ticks[1]);
    EXPECT_FALSE(w.ticks[2]);
    EXPECT_EQ(w.design[1], std::vector<std::string>({"", "2", "150.5", "150.5", "1.2"}));
    EXPECT_EQ(w.design[2], std::vector<std::string>({"", "10", "", "", ""}));
    ASSERT_EQ(w.results.size(), 11u);
    EXPECT_EQ(w.results[1][3].text, "104.31");
    EXPECT_TRUE(w.results[1][3].red);
    EXPECT_FALSE(w.results[1][4].red);
    EXPECT_EQ(w.results[1][14].text, "Mild ''M1''");
    EXPECT_EQ(w.results[2][1].text, "");
    EXPECT_EQ(w.results[3][1].text, ""); // stood after a blank row: not saved
    EXPECT_EQ(w.boxes.at(Box::InletInvertElevation), "100.00");
    EXPECT_EQ(w.boxes.at(Box::OutletInvertElevation), "99.50");
    EXPECT_EQ(w.boxes.at(Box::CulvertBarrelLength), "80");
    EXPECT_EQ(w.boxes.at(Box::AllowableHeadWaterElevation), "104.00");
    EXPECT_EQ(w.boxes.at(Box::ManningN), " 0.012");
    EXPECT_EQ(w.boxes.at(Box::KeInlet), " 0.5");
    EXPECT_EQ(w.ids, (std::array<int, 3>{2, 201, 1036}));
    EXPECT_EQ(w.userSizes, (std::array<std::string, 5>{"36", "", "", "", ""}));
    EXPECT_EQ(w.barrelPosition, 1);
    EXPECT_EQ(w.sizeOption, 1);
}

TEST(GeneralDesignSection, WriterLeavesOutWhatTheWindowDoesNotHold) {
    Data empty;
    empty.designRows = {{false, {"", "", "", ""}}};
    empty.resultRows = {ResultRow({"2", ""}), ResultRow({"5", "300.00"})};
    EXPECT_EQ(Written(empty), Marker + "1,1,0,\"NOTCHECKED\"\r\n" + Marker + "1,1,1,\"\"\r\n" +
                                  Marker + "1,1,2,\"\"\r\n" + Marker + "1,1,3,\"\"\r\n" + Marker +
                                  "1,1,4,\"\"\r\n" + Marker + "3,\"\"\r\n" + Marker + "4,\"\"\r\n" +
                                  Marker + "5,\"\"\r\n" + Marker + "6,\"\"\r\n" + Marker +
                                  "7,-1,-1,-1\r\n" + Marker + "8,\"\"\r\n" + Marker + "9,\"\"\r\n" +
                                  Marker + "11,-1\r\n" + Marker + "12,0\r\n");
}

TEST(GeneralDesignSection, ReaderDropsRecordsOutOfRangeAndNeverGrowsTheDesignGrid) {
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const ProjectFileHarness::GeneralDesignWindow&)> check;
    };
    const int cap = ProjectFileFormat::MaxGridRow;
    using W = ProjectFileHarness::GeneralDesignWindow;
    const std::vector<Case> cases = {
        {"result row 12 grows the grid to 13 rows", Marker + "2,12,1,\"9.00\",0\r\n",
         [](const W& w) {
             ASSERT_EQ(w.results.size(), 13u);
             EXPECT_EQ(w.results[12][1].text, "9.00");
             EXPECT_FALSE(w.results[12][1].red);
         }},
        {"result row at the cap", Marker + "2," + std::to_string(cap) + ",0,\"x\",1\r\n",
         [cap](const W& w) {
             ASSERT_EQ(w.results.size(), static_cast<size_t>(cap) + 1);
             EXPECT_TRUE(w.results[cap][0].red);
         }},
        {"result rows beyond the cap, below 1 and columns outside",
         Marker + "2," + std::to_string(cap + 1) + ",0,\"x\",0\r\n" + Marker +
             "2,2147483647,0,\"x\",0\r\n" + Marker + "2,0,1,\"heading\",0\r\n" + Marker +
             "2,-3,1,\"x\",0\r\n" + Marker + "2,1,15,\"x\",1\r\n" + Marker + "2,1,-1,\"x\",1\r\n",
         [](const W& w) {
             EXPECT_EQ(w.results.size(), 11u);
             EXPECT_EQ(w.results[0][1].text, "");
         }},
        {"design rows are never grown",
         Marker + "1,11,1,\"x\"\r\n" + Marker + "1,0,1,\"x\"\r\n" + Marker + "1,1,5,\"x\"\r\n" +
             Marker + "1,-1,0,\"CHECKED\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.design.size(), 11u);
             EXPECT_EQ(w.design[0][1], "");
         }},
        {"only CHECKED in that letter case ticks",
         Marker + "1,3,0,\"checked\"\r\n" + Marker + "1,4,0,\"CHECKED\"\r\n" + Marker +
             "1,5,0,\"NOTCHECKED\"\r\n",
         [](const W& w) {
             EXPECT_FALSE(w.ticks[3]);
             EXPECT_TRUE(w.ticks[4]);
             EXPECT_FALSE(w.ticks[5]);
             EXPECT_EQ(w.design[4][0], "");
         }},
        {"user size, barrel count and size option out of range",
         Marker + "10,5,\"48\"\r\n" + Marker + "10,-1,\"48\"\r\n" + Marker + "11,3\r\n" + Marker +
             "11,-1\r\n" + Marker + "12,2\r\n" + Marker + "12,-1\r\n",
         [](const W& w) {
             EXPECT_EQ(w.userSizes, (std::array<std::string, 5>{}));
             EXPECT_EQ(w.barrelPosition, 0);
             EXPECT_EQ(w.sizeOption, 0);
         }},
        {"user size, barrel count and size option in range",
         Marker + "10,4,\"2.5\"\r\n" + Marker + "11,2\r\n" + Marker + "12,1\r\n",
         [](const W& w) {
             EXPECT_EQ(w.userSizes[4], "2.5");
             EXPECT_EQ(w.barrelPosition, 2);
             EXPECT_EQ(w.sizeOption, 1);
         }},
        {"an unknown item reads nothing more", Marker + "13,\"x\"\r\n" + Marker + "3,\"95.0\"\r\n",
         [](const W& w) { EXPECT_EQ(w.boxes.at(Box::InletInvertElevation), "95.0"); }},
        {"identifiers go to the window as stored", Marker + "7,999,-1,0\r\n",
         [](const W& w) {
             EXPECT_EQ(w.ids, (std::array<int, 3>{999, -1, 0}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.generalDesign);
    }
}

TEST(GeneralDesignSection, AFaultEndsTheWholeRead) {
    ProjectFileHarness::Outcome outcome =
        ReadRecords(Marker + "2,1,1,\"150.00\",red\r\n" + Marker + "3,\"never read\"\r\n");
    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.error, "Type mismatch (line 4, section GENERALDESIGNINFO271829, item 2)");
    EXPECT_EQ(outcome.generalDesign.results[1][1].text, "");
    EXPECT_EQ(outcome.generalDesign.boxes.count(Box::InletInvertElevation), 0u);
}
