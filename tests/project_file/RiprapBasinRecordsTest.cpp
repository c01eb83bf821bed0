#include "project_file/RiprapBasinRecords.h"
#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <string>

using ProjectFileHarness::Result;
using RiprapBasinRecords::Box;
using RiprapBasinRecords::Data;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Marker = "\"HEC14RIPRAP857982\",";

void Set(Data& data, Box box, const std::string& text) {
    data.boxes[static_cast<size_t>(box)] = text;
}

// The window behind tests/project_file/golden/riprap_basin_small.twl, as
// shown: a 36 in. pipe typed, twin barrels, no standard size chosen, a grid
// value with blanks around it and one holding quotes.
Data SmallBasin() {
    Data data;
    data.resultValues = {"1.50",         " 1.77 ", "26.8",  "18.0", "8.8",  "2.95",
                         "0.58",         "2.58",   "11.61", "6.46", "2.72", "2.58",
                         "Steep \"S2\"", "1.80",   "1.53",  "0.33", "0.98"};
    data.culvertTypeID = 1;
    data.inletID = 101;
    Set(data, Box::ManningN, " 0.012");
    Set(data, Box::KeInlet, " 0.5");
    data.userSizes = {"36", "", "", "", ""};
    data.userNumBarrelsPosition = 1;
    data.userSizeOption = true;
    Set(data, Box::InletInvertElevation, "100");
    Set(data, Box::OutletInvertElevation, "99");
    Set(data, Box::CulvertBarrelLength, "100");
    Set(data, Box::ChannelBottomElevation, "98.5");
    Set(data, Box::DesignQ, "150");
    Set(data, Box::TailwaterDepth, "1.5");
    Set(data, Box::D50, "0.6");
    Set(data, Box::RecommendedD50, "CLASS E");
    Set(data, Box::CalculatedApproach, "1.8");
    Set(data, Box::RecommendedApproach, "3.0");
    Set(data, Box::CalculatedBasin, "1.2");
    Set(data, Box::RecommendedBasin, "2.0");
    Set(data, Box::W, "12.0");
    return data;
}

ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace

TEST(RiprapBasinSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        14, {[](RecordWriter& out) { RiprapBasinRecords::Write(out, SmallBasin()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("riprap_basin_small.twl"));
}

TEST(RiprapBasinSection, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("riprap_basin_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.riprapBasin;
    EXPECT_EQ(w.results[0], "1.50");
    EXPECT_EQ(w.results[1], "1.77");
    EXPECT_EQ(w.results[12], "Steep ''S2''");
    EXPECT_EQ(w.results[16], "0.98");
    EXPECT_EQ(w.ids, (std::array<int, 3>{1, 101, -1}));
    EXPECT_EQ(w.boxes.at(Box::ManningN), " 0.012");
    EXPECT_EQ(w.userSizes[0], "36");
    EXPECT_EQ(w.barrelPosition, 1);
    EXPECT_EQ(w.sizeOption, 1);
    EXPECT_EQ(w.boxes.at(Box::ChannelBottomElevation), "98.5");
    EXPECT_EQ(w.boxes.at(Box::DesignQ), "150");
    EXPECT_EQ(w.boxes.at(Box::TailwaterDepth), "1.5");
    EXPECT_EQ(w.boxes.at(Box::D50), "0.6");
    EXPECT_EQ(w.boxes.at(Box::RecommendedD50), "CLASS E");
    EXPECT_EQ(w.boxes.at(Box::RecommendedBasin), "2.0");
    EXPECT_EQ(w.boxes.at(Box::W), "12.0");
    EXPECT_EQ(w.boxes.size(), static_cast<size_t>(RiprapBasinRecords::NumBoxes));
}

// A cleared window: 17 grid records, then every other record but the user
// sizes; lists without a choice give the identifier section 11 gives.
TEST(RiprapBasinSection, ClearedWindowWritesEveryRecordButTheUserSizes) {
    RecordWriter out;
    RiprapBasinRecords::Write(out, Data{});
    std::string expected;
    for (int row = 0; row < 17; ++row) {
        expected += Marker + "14," + std::to_string(row) + ",\"\"\r\n";
    }
    expected += Marker + "7,-1,-1,-1\r\n" + Marker + "8,\"\"\r\n" + Marker + "9,\"\"\r\n" + Marker +
                "11,-1\r\n" + Marker + "12,0\r\n";
    for (int item : {3, 4, 5, 6}) {
        expected += Marker + std::to_string(item) + ",\"\"\r\n";
    }
    expected += Marker + "13,\"\",\"\",\"\"\r\n";
    for (int item : {15, 16, 17, 21, 22, 23}) {
        expected += Marker + std::to_string(item) + ",\"\"\r\n";
    }
    EXPECT_EQ(out.Output(), expected);
}

TEST(RiprapBasinSection, ReaderDropsRowsOutsideTheGridAndStopsAtUnknownItems) {
    ProjectFileHarness::Outcome outcome =
        ReadRecords(Marker + "14,17,\"x\"\r\n" + Marker + "14,-1,\"x\"\r\n" + Marker +
                    "14,0,\"2.10\"\r\n" + Marker + "10,5,\"9\"\r\n" + Marker + "12,2\r\n" + Marker +
                    "18,\"y\"\r\n" + Marker + "15,\"OUT OF RANGE\"\r\n");
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.riprapBasin;
    EXPECT_EQ(w.results[0], "2.10");
    EXPECT_EQ(w.results[16], "");
    EXPECT_EQ(w.userSizes, (std::array<std::string, 5>{}));
    EXPECT_EQ(w.sizeOption, 0);
    EXPECT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes.at(Box::RecommendedD50), "OUT OF RANGE");
}
