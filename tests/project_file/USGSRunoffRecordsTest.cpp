#include "project_file/USGSRunoffRecords.h"
#include "GoldenFiles.h"
#include "HydrologyRecordsTestSupport.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using HydrologyRecordsTest::ReadRecords;
using ProjectFileHarness::Result;
using USGSRunoffRecords::Data;

namespace {

const std::string Marker = "\"USGSRUNOFFINFO847338\",";

// The window behind golden/usgs_yuld_2001_small.twl: region 2 blank, region 3
// typed with blanks around it, both watershed characteristics, three
// discharge rows of which the second is blank.
Data SmallRegression() {
    Data data;
    data.drainageAreas = {"12.5", "", " 3 "};
    data.watershedChars = {"25.4", "0"};
    data.qs = {"1,234", "", "5,678"};
    data.totalDA = "15.5";
    return data;
}

} // namespace

TEST(USGSRunoffSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        3, {[](RecordWriter& out) { USGSRunoffRecords::Write(out, SmallRegression()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("usgs_yuld_2001_small.twl"));
}

TEST(USGSRunoffSection, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("usgs_yuld_2001_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.usgsRegression;
    EXPECT_EQ(w.drainageAreas, (std::vector<std::string>{"12.5", "", "3"}));
    EXPECT_EQ(w.watershedChars, (std::vector<std::string>{"25.4", "0"}));
    EXPECT_EQ(w.qs, (std::vector<std::string>{"", "1,234", "", "5,678", "", "", "", "", ""}));
    EXPECT_EQ(w.totalDA, "15.5");
}

TEST(USGSRunoffSection, ReaderDropsWhatIsOutOfRangeAndReadsOn) {
    using W = ProjectFileHarness::USGSRegressionWindow;
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const W&)> check;
    };
    const std::string total = Marker + "4,\"7\"\r\n";
    const std::vector<Case> cases = {
        {"area index 7 and -1, watershed index 2 are dropped",
         Marker + "1,7,\"1\"\r\n" + Marker + "1,-1,\"1\"\r\n" + Marker + "2,2,\"1\"\r\n" + total,
         [](const W& w) {
             EXPECT_EQ(w.drainageAreas, std::vector<std::string>(3));
             EXPECT_EQ(w.watershedChars, std::vector<std::string>(2));
             EXPECT_EQ(w.totalDA, "7");
         }},
        {"row 9 is dropped without growing the grid; row 8 is the last",
         Marker + "3,9,\"1\"\r\n" + Marker + "3,8,\"2\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.qs.size(), 9u);
             EXPECT_EQ(w.qs[8], "2");
         }},
        {"item 5 reads nothing more", Marker + "5," + total,
         [](const W& w) { EXPECT_EQ(w.totalDA, "7"); }},
        {"a damaged record is abandoned and reading goes on", Marker + "1,\"x\",\"1\"\r\n" + total,
         [](const W& w) { EXPECT_EQ(w.totalDA, "7"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.usgsRegression);
    }
}
