#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/TWCrossSectionRecords.h"
#include "project_file/TWQDepthRecords.h"
#include "project_file/TWRatingCurveRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ProjectFileHarness::Result;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Channel = "\"TAILWATERCROSSSECTIONINFO432078\",";
const std::string Rating = "\"TAILWATERRATINGCURVEINFO43582\",";
const std::string QDepth = "\"TWQDEPTHINFO34853\",";

// The windows behind tests/project_file/golden/tailwater_small.twl, as shown.
TWCrossSectionRecords::Data SmallChannel() {
    TWCrossSectionRecords::Data data;
    data.points.resize(TWCrossSectionRecords::NumPoints);
    data.points[0] = {"0", "110", "0.03"};
    data.points[1] = {"20", " 100", ""};
    data.points[2] = {"40", "100", ""};
    data.points[3] = {"60", "110", ""};
    data.points[4] = {"  ", "", " "}; // blanks only: not written
    data.points[6] = {"75", "", ""};
    data.points[49] = {"", "", "0.05"};
    data.leftOBStation = "";
    data.rightOBStation = " 60 ";
    data.channelSlope = "0.001";
    return data;
}

TWRatingCurveRecords::Data SmallRatingTable() {
    TWRatingCurveRecords::Data data;
    data.stepSize = " 0.5";
    data.rows = {{"100.00", "0.00", "0.00", "0.00", "0.00", "0.00"},
                 {"100.50", "0.50", "9.97", "0.95", "10.50", "315.39"},
                 {"101.00", "1.00", "32.10", "1.46", "22.00", "1,015.05"}};
    return data;
}

TWQDepthRecords::GridTexts Rows(int count, int cols) {
    return TWQDepthRecords::GridTexts(count, std::vector<std::string>(cols));
}

TWQDepthRecords::Data SmallQDepth() {
    TWQDepthRecords::Data data;
    data.mode = 2;
    data.qElev = Rows(10, 3);
    data.qElev[0] = {"155.64", "2.50", " 102.5"};
    data.qElev[1] = {"  ", "", ""};
    data.qElev[2] = {"", "", "101"};
    data.runoffChart = Rows(7, 4);
    data.runoffChart[0] = {"2", "50", "1.30", "101.30"};
    data.runoffChart[2] = {"10", "1,250", "", ""};
    data.yuld2001 = Rows(8, 4);
    data.yuld2001[1] = {"5", "100", "", ""};
    data.mavo1987 = Rows(6, 4);
    data.mavo1987[5] = {"100", "3,400", "", ""};
    return data;
}

std::string WrittenChannel(const TWCrossSectionRecords::Data& data) {
    RecordWriter out;
    TWCrossSectionRecords::Write(out, data);
    return out.Output();
}

std::string WrittenRating(const TWRatingCurveRecords::Data& data) {
    RecordWriter out;
    TWRatingCurveRecords::Write(out, data);
    return out.Output();
}

std::string WrittenQDepth(const TWQDepthRecords::Data& data) {
    RecordWriter out;
    TWQDepthRecords::Write(out, data);
    return out.Output();
}

ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace

TEST(TailwaterSections, WriteTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        5, {[](RecordWriter& out) { TWCrossSectionRecords::Write(out, SmallChannel()); }, {}});
    sections.Register(
        6, {[](RecordWriter& out) { TWRatingCurveRecords::Write(out, SmallRatingTable()); }, {}});
    sections.Register(7,
                      {[](RecordWriter& out) { TWQDepthRecords::Write(out, SmallQDepth()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("tailwater_small.twl"));
}

TEST(TailwaterSections, GoldenFileReadsBackEveryControl) {
    const ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("tailwater_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;

    const auto& channel = outcome.crossSection;
    using Point = TWCrossSectionRecords::PointTexts;
    EXPECT_EQ(channel.points[1], (Point{"0", "110", "0.03"}));
    EXPECT_EQ(channel.points[4], (Point{"60", "110", ""}));
    EXPECT_EQ(channel.points[5], Point{});
    EXPECT_EQ(channel.points[7], (Point{"75", "", ""}));
    EXPECT_EQ(channel.points[50], (Point{"", "", "0.05"}));
    using Box = TWCrossSectionRecords::Box;
    EXPECT_EQ(channel.boxes.at(Box::LeftOBStation), "");
    EXPECT_EQ(channel.boxes.at(Box::RightOBStation), "60");
    EXPECT_EQ(channel.boxes.at(Box::ChannelSlope), "0.001");

    const auto& rating = outcome.ratingCurve;
    EXPECT_EQ(rating.stepSize, "0.5");
    ASSERT_EQ(rating.rows.size(), 5u);
    EXPECT_EQ(rating.rows[3], SmallRatingTable().rows[2]);

    const auto& qDepth = outcome.qDepth;
    EXPECT_EQ(qDepth.mode, 2);
    EXPECT_EQ(qDepth.qElev[1], std::vector<std::string>({"155.64", "2.50", "102.5"}));
    EXPECT_EQ(qDepth.qElev[3], std::vector<std::string>({"", "", "101"}));
    EXPECT_EQ(qDepth.runoffChart[1], std::vector<std::string>({"", "50", "1.30", "101.30"}));
    EXPECT_EQ(qDepth.runoffChart[3], std::vector<std::string>({"", "1,250", "", ""}));
    EXPECT_EQ(qDepth.yuld2001[2], std::vector<std::string>({"", "100", "", ""}));
    EXPECT_EQ(qDepth.mavo1987[6], std::vector<std::string>({"", "3,400", "", ""}));
}

// The grid holds 50 points and the writer writes any of them: the reader
// takes every row it can write, and only those.
TEST(TailwaterSections, ChannelPointsInRowsOneToFiftyReadBackAndOthersAreIgnored) {
    const ProjectFileHarness::Outcome outcome = ReadRecords(
        Channel + "1,50,\"90\",\"104\",\"0.04\"\r\n" + Channel + "1,51,\"95\",\"105\",\"\"\r\n" +
        Channel + "1,0,\"1\",\"2\",\"3\"\r\n" + Channel + "1,-1,\"1\",\"2\",\"3\"\r\n" + Channel +
        "4,\"0.002\"\r\n" + Channel + "9,\"x\"\r\n" + Channel + "1,1,\"0\",\"105\",\"\"\r\n");
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& points = outcome.crossSection.points;
    EXPECT_EQ(points[50], (TWCrossSectionRecords::PointTexts{"90", "104", "0.04"}));
    EXPECT_EQ(points[1], (TWCrossSectionRecords::PointTexts{"0", "105", ""}));
    EXPECT_EQ(points[0], TWCrossSectionRecords::PointTexts{});
    EXPECT_EQ(outcome.crossSection.boxes.at(TWCrossSectionRecords::Box::ChannelSlope), "0.002");
}

TEST(TailwaterSections, AFiftyPointSectionWritesEveryPoint) {
    TWCrossSectionRecords::Data data;
    for (int r = 1; r <= TWCrossSectionRecords::NumPoints; ++r) {
        data.points.push_back({std::to_string(10 * r), "100", r == 1 ? "0.035" : ""});
    }
    const ProjectFileHarness::Outcome outcome = ReadRecords(WrittenChannel(data));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    for (int r = 1; r <= TWCrossSectionRecords::NumPoints; ++r) {
        EXPECT_EQ(outcome.crossSection.points[r][0], std::to_string(10 * r)) << "row " << r;
    }
}

TEST(TailwaterSections, ARatingTableWithoutAFirstDepthIsNotWritten) {
    TWRatingCurveRecords::Data data;
    data.stepSize = "1";
    data.rows = {{"100.00", "  ", "5.00", "", "", ""}, {"101.00", "1.00", "", "", "", ""}};
    EXPECT_EQ(WrittenRating(data), Rating + "2,\"1\"\r\n");
}

TEST(TailwaterSections, RatingCellsKeepTheirBlanksAndLoseTheirQuotes) {
    TWRatingCurveRecords::Data data;
    data.rows = {{" 100.00", "0.00 ", "   ", "a\"b", "", ""}};
    EXPECT_EQ(WrittenRating(data), Rating + "2,\"\"\r\n" + Rating +
                                       "3,1,\" 100.00\",\"0.00 \",\"\",\"a''b\",\"\",\"\"\r\n");
}

struct RatingRowCase {
    const char* name;
    int row;
    size_t rowsAfter; // heading row included
};

class RatingRows : public ::testing::TestWithParam<RatingRowCase> {};

// Rows from 1 to the most rows a rating table has are taken, growing the grid
// as needed; rows below 1 and above that are dropped.
TEST_P(RatingRows, GrowTheGridOrAreIgnored) {
    const RatingRowCase& c = GetParam();
    const ProjectFileHarness::Outcome outcome =
        ReadRecords(Rating + "3," + std::to_string(c.row) +
                    ",\"101.00\",\"1.00\",\"32.10\",\"1.46\",\"22.00\",\"1,015.05\"\r\n" + Rating +
                    "2,\"0.25\"\r\n");
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& rating = outcome.ratingCurve;
    EXPECT_EQ(rating.rows.size(), c.rowsAfter);
    EXPECT_EQ(rating.stepSize, "0.25");
    if (c.row >= 1 && c.row <= TWRatingCurveRecords::MaxRow) {
        EXPECT_EQ(rating.rows[c.row][5], "1,015.05");
    }
}

INSTANTIATE_TEST_SUITE_P(Records, RatingRows,
                         ::testing::Values(RatingRowCase{"InsideTheGrid", 2, 5},
                                           RatingRowCase{"Row40", 40, 41},
                                           RatingRowCase{"LastAllowed", 9999, 10000},
                                           RatingRowCase{"PastTheCap", 10000, 5},
                                           RatingRowCase{"Zero", 0, 5},
                                           RatingRowCase{"Negative", -3, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TailwaterSections, QDepthWritesNoModeWhenNoneIsSelected) {
    TWQDepthRecords::Data data;
    data.qElev = Rows(10, 3);
    data.qElev[9][1] = "0.5";
    EXPECT_EQ(WrittenQDepth(data), QDepth + "2,10,1,\"0.5\"\r\n");
}

TEST(TailwaterSections, QDepthRecordsOutsideTheirGridsAreIgnored) {
    const ProjectFileHarness::Outcome outcome = ReadRecords(
        QDepth + "2,1,0,\"75\"\r\n" +  // Q column of the Q-elevation grid: taken
        QDepth + "3,1,0,\"999\"\r\n" + // a return period: never read
        QDepth + "4,8,3,\"102.04\"\r\n" + QDepth + "4,9,1,\"1\"\r\n" + // 9 is past the last row
        QDepth + "5,1,4,\"x\"\r\n" + QDepth + "2,0,1,\"Depth\"\r\n" + QDepth + "1,3\r\n" + QDepth +
        "1,1\r\n" + QDepth + "6,1,1,\"x\"\r\n" + QDepth + "1,-1\r\n");
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.qDepth;
    EXPECT_EQ(w.qElev[1][0], "75");
    EXPECT_EQ(w.qElev[0][1], "");
    EXPECT_EQ(w.runoffChart[1][0], "");
    EXPECT_EQ(w.yuld2001[8][3], "102.04");
    EXPECT_EQ(w.mode, 1);
}
