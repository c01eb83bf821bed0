#include "project_file/PlungeBasinRecords.h"
#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <string>

using PlungeBasinRecords::Box;
using PlungeBasinRecords::Data;
using ProjectFileHarness::Result;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Marker = "\"NEPLUNGEBASIN847363\",";

void Set(Data& data, Box box, const std::string& text) {
    data.boxes[static_cast<size_t>(box)] = text;
}

// The window behind tests/project_file/golden/plunge_basin_small.twl, as
// shown: a box typed as 4 by 3 "ft", three barrels, no standard size chosen,
// a class caption holding quotes and a trailing blank, W blank.
Data SmallBasin() {
    Data data;
    data.culvertTypeID = 2;
    data.inletID = 201;
    Set(data, Box::ManningN, " 0.013");
    Set(data, Box::KeInlet, "0.4 ");
    data.userSizes = {" 4 ", "", "3 \"ft\"", "  ", ""};
    data.userNumBarrelsPosition = 2;
    data.userSizeOption = true;
    Set(data, Box::InletInvertElevation, "100");
    Set(data, Box::OutletInvertElevation, " 99.5");
    Set(data, Box::CulvertBarrelLength, "50");
    Set(data, Box::DesignQ, "1,200");
    Set(data, Box::TailwaterDepth, "4");
    Set(data, Box::EquivPipeDiam, "46.9");
    Set(data, Box::DesignPipeDiam, "48");
    Set(data, Box::D50, "1.5");
    Set(data, Box::RiprapThickness, "3.0");
    Set(data, Box::ExitVelocity, "20.00");
    data.riprapClass = "CLASS: \"B\" ";
    Set(data, Box::ADim, "4");
    Set(data, Box::CDim, "2");
    Set(data, Box::EDim, "5");
    Set(data, Box::TDim, "3");
    Set(data, Box::FDim, "6");
    Set(data, Box::TotalLength, "25");
    return data;
}

ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace

TEST(PlungeBasinSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        13, {[](RecordWriter& out) { PlungeBasinRecords::Write(out, SmallBasin()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("plunge_basin_small.twl"));
}

TEST(PlungeBasinSection, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("plunge_basin_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.plungeBasin;
    EXPECT_EQ(w.ids, (std::array<int, 3>{2, 201, -1}));
    // Manning n and Ke come back behind the blank the window puts before them.
    EXPECT_EQ(w.boxes.at(Box::ManningN), " 0.013");
    EXPECT_EQ(w.boxes.at(Box::KeInlet), " 0.4");
    EXPECT_EQ(w.userSizes, (std::array<std::string, 5>{"4", "", "3 ''ft''", "", ""}));
    EXPECT_EQ(w.barrelPosition, 2);
    EXPECT_EQ(w.sizeOption, 1);
    EXPECT_EQ(w.boxes.at(Box::OutletInvertElevation), "99.5");
    EXPECT_EQ(w.boxes.at(Box::DesignQ), "1,200");
    EXPECT_EQ(w.boxes.at(Box::TailwaterDepth), "4");
    EXPECT_EQ(w.boxes.at(Box::ExitVelocity), "20.00");
    EXPECT_EQ(w.riprapClass, "CLASS: ''B'' ");
    EXPECT_EQ(w.boxes.at(Box::TotalLength), "25");
    EXPECT_EQ(w.boxes.at(Box::W), "");
    EXPECT_EQ(w.boxes.size(), static_cast<size_t>(PlungeBasinRecords::NumBoxes));
}

// A cleared window: every record but the user sizes, blanks included; the
// lists without a choice give the identifier that section 11 gives.
TEST(PlungeBasinSection, ClearedWindowWritesEveryRecordButTheUserSizes) {
    Data empty;
    empty.riprapClass = "CLASS:";
    RecordWriter out;
    PlungeBasinRecords::Write(out, empty);
    std::string expected = Marker + "7,-1,-1,-1\r\n" + Marker + "8,\"\"\r\n" + Marker +
                           "9,\"\"\r\n" + Marker + "11,-1\r\n" + Marker + "12,0\r\n" + Marker +
                           "3,\"\"\r\n" + Marker + "4,\"\"\r\n" + Marker + "5,\"\"\r\n" + Marker +
                           "13,\"\",\"\"\r\n";
    for (int item : {15, 16, 17, 18, 19}) {
        expected += Marker + std::to_string(item) + ",\"\"\r\n";
    }
    expected += Marker + "20,\"CLASS:\"\r\n";
    for (int item : {21, 22, 23, 24, 25, 30, 31}) {
        expected += Marker + std::to_string(item) + ",\"\"\r\n";
    }
    EXPECT_EQ(out.Output(), expected);
    EXPECT_EQ(GeneralDesignRecords::NoSelectionID, -1);
}

TEST(PlungeBasinSection, ReaderDropsRecordsOutOfRangeAndStopsAtUnknownItems) {
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const ProjectFileHarness::PlungeBasinWindow&)> check;
    };
    using W = ProjectFileHarness::PlungeBasinWindow;
    const Case cases[] = {
        {"user size index 5 and -1", Marker + "10,5,\"9\"\r\n" + Marker + "10,-1,\"9\"\r\n",
         [](const W& w) { EXPECT_EQ(w.userSizes, (std::array<std::string, 5>{})); }},
        {"barrel position past the list", Marker + "11,3\r\n" + Marker + "11,-1\r\n",
         [](const W& w) { EXPECT_EQ(w.barrelPosition, 0); }},
        {"size option 2", Marker + "12,2\r\n", [](const W& w) { EXPECT_EQ(w.sizeOption, 0); }},
        {"unknown items 14 and 26 read nothing more",
         Marker + "14,\"x\"\r\n" + Marker + "26,\"y\"\r\n" + Marker + "21,\"7\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.boxes.size(), 1u);
             EXPECT_EQ(w.boxes.at(Box::ADim), "7");
         }},
        {"records in any order", Marker + "31,\"8.0\"\r\n" + Marker + "7,11,101,501\r\n",
         [](const W& w) {
             EXPECT_EQ(w.boxes.at(Box::W), "8.0");
             EXPECT_EQ(w.ids, (std::array<int, 3>{11, 101, 501}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.plungeBasin);
    }
}

TEST(PlungeBasinSection, AFaultEndsTheWholeRead) {
    ProjectFileHarness::Outcome outcome =
        ReadRecords(Marker + "21,\"4\"\r\n" + Marker + "11,\"two\"\r\n" + Marker + "22,\"2\"\r\n");
    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.plungeBasin.boxes.at(Box::ADim), "4");
    EXPECT_EQ(outcome.plungeBasin.boxes.count(Box::CDim), 0u);
}
