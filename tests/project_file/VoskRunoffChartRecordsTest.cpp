#include "project_file/VoskRunoffChartRecords.h"
#include "GoldenFiles.h"
#include "HydrologyRecordsTestSupport.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using HydrologyRecordsTest::ReadRecords;
using ProjectFileHarness::Result;
using VoskRunoffChartRecords::Box;
using VoskRunoffChartRecords::Data;

namespace {

const std::string Marker = "\"VOSKRUNOFFCHARTINFO328457\",";

// The window behind golden/vosk_runoff_chart_small.twl: "Specify" with a
// description holding a comma and a double quote, the second land use, no
// slope selected, three discharge rows of which the second is blank.
Data SmallRunoffChart() {
    Data data;
    data.drainageArea = " 640 ";
    data.lusOption = 1;
    data.landUsePosition = 1;
    data.slopePosition = VoskRunoffChartRecords::NoSelection;
    data.userDescription = "Woods, 6\" litter";
    data.userLF = "0.35";
    data.chartQ = "1,250";
    data.qs = {"688", "  ", "2,063"};
    return data;
}

} // namespace

TEST(VoskRunoffChartSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        2, {[](RecordWriter& out) { VoskRunoffChartRecords::Write(out, SmallRunoffChart()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("vosk_runoff_chart_small.twl"));
}

// The inputs clear the results as they are read; the results, written after
// them, come back as saved. The saved -1 leaves the first slope selected.
TEST(VoskRunoffChartSection, GoldenFileReadsBackInputsThenResults) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("vosk_runoff_chart_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.runoffChart;
    EXPECT_EQ(w.boxes.at(Box::DrainageArea), "640");
    EXPECT_EQ(w.boxes.at(Box::UserDescription), "Woods, 6'' litter");
    EXPECT_EQ(w.boxes.at(Box::UserLF), "0.35");
    EXPECT_EQ(w.lusOption, 1);
    EXPECT_EQ(w.landUse, 1);
    EXPECT_EQ(w.slope, 0);
    EXPECT_EQ(w.chartQ, "1,250");
    EXPECT_EQ(w.qs, (std::vector<std::string>{"", "688", "", "2,063", "", "", "", ""}));
}

TEST(VoskRunoffChartSection, ReaderDropsWhatIsOutOfRangeAndReadsOn) {
    using W = ProjectFileHarness::VoskRunoffChartWindow;
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const W&)> check;
    };
    const std::string q7 = Marker + "7,\"99\"\r\n";
    const std::vector<Case> cases = {
        {"option 2 selects nothing and clears nothing",
         Marker + "7,\"99\"\r\n" + Marker + "2,2\r\n",
         [](const W& w) {
             EXPECT_EQ(w.lusOption, 0);
             EXPECT_EQ(w.chartQ, "99");
         }},
        {"land use -1 and 5 (the count) leave the first class; slope 3 selects the last",
         Marker + "3,-1\r\n" + Marker + "4,3\r\n" + Marker + "3,5\r\n",
         [](const W& w) {
             EXPECT_EQ(w.landUse, 0);
             EXPECT_EQ(w.slope, 3);
         }},
        {"rows 0 and 8 are dropped, the grid keeps its rows, the next record is read",
         Marker + "8,0,\"1\"\r\n" + Marker + "8,8,\"2\"\r\n" + Marker + "8,7,\"3\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.qs.size(), 8u);
             EXPECT_EQ(w.qs[0], "");
             EXPECT_EQ(w.qs[7], "3");
         }},
        // Its other fields are read one by one as marker candidates and dropped.
        {"item 9 reads nothing more", Marker + "9," + Marker + "7,\"42\"\r\n",
         [](const W& w) { EXPECT_EQ(w.chartQ, "42"); }},
        {"a damaged record is abandoned and reading goes on", Marker + "8,\"x\",\"1\"\r\n" + q7,
         [](const W& w) { EXPECT_EQ(w.chartQ, "99"); }},
        // The writer's order matters: an input read after the results clears them.
        {"results read before an input are cleared by it",
         q7 + Marker + "8,1,\"5\"\r\n" + Marker + "6,\"0.5\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.chartQ, "");
             EXPECT_EQ(w.qs[1], "");
         }},
        {"the description clears nothing", q7 + Marker + "5,\"x\"\r\n",
         [](const W& w) { EXPECT_EQ(w.chartQ, "99"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.runoffChart);
    }
}
