#include "project_file/USGSMavo1987Records.h"
#include "GoldenFiles.h"
#include "HydrologyRecordsTestSupport.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using HydrologyRecordsTest::ReadRecords;
using ProjectFileHarness::Result;
using USGSMavo1987Records::Data;

namespace {

const std::string Marker = "\"[USGSMAVO1987DAQ]\",";

// The window behind golden/usgs_mavo_1987_small.twl: two regions blank, one
// typed with blanks around it, one holding double quotes; three discharge
// rows of which the second is blank.
Data SmallMavo() {
    Data data;
    data.drainageAreas = {"10", "", " 2.5 ", "4 \"sq mi\"", ""};
    data.totalDA = "16.5";
    data.qs = {"1,020", "", "2,340"};
    return data;
}

std::string Written(const Data& data) {
    RecordWriter out;
    USGSMavo1987Records::Write(out, data);
    return out.Output();
}

} // namespace

TEST(USGSMavo1987Section, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        4, {[](RecordWriter& out) { USGSMavo1987Records::Write(out, SmallMavo()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("usgs_mavo_1987_small.twl"));
}

// A double quote once ended its field early and the rest of the file was
// misread; it is now stored as two apostrophes, and a text without one is
// stored trimmed as before.
TEST(USGSMavo1987Section, TextsAreTrimmedAndEscapedAndReadBackWhole) {
    struct Case {
        const char* what;
        std::string typed;
        std::string stored;
    };
    const Case cases[] = {
        {"a plain number", "12.5", "12.5"},
        {"blanks around", "  12.5 ", "12.5"},
        {"blanks only", "   ", ""},
        {"a double quote", "4\"", "4''"},
        {"a quote and a comma", "\"1,5\"", "''1,5''"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Data data;
        data.drainageAreas = {c.typed};
        data.totalDA = c.typed;
        data.qs = {c.typed};
        const std::string out = Written(data);
        const std::string field = "\"" + c.stored + "\"\r\n";
        EXPECT_EQ(out, Marker + "0,1," + field + Marker + "0,2," + field + Marker + "1,1," + field);
        ProjectFileHarness::Outcome back = ReadRecords(out + Marker + "1,6,\"after\"\r\n");
        ASSERT_EQ(back.result, Result::Complete) << back.error;
        EXPECT_EQ(back.mavo1987.drainageAreas[0], c.stored);
        EXPECT_EQ(back.mavo1987.qs[1], c.stored);
        EXPECT_EQ(back.mavo1987.qs[6], "after");
    }
}

TEST(USGSMavo1987Section, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("usgs_mavo_1987_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.mavo1987;
    EXPECT_EQ(w.drainageAreas, (std::vector<std::string>{"10", "", "2.5", "4 ''sq mi''", ""}));
    EXPECT_EQ(w.totalDA, "16.5");
    EXPECT_EQ(w.qs, (std::vector<std::string>{"", "1,020", "", "2,340", "", "", ""}));
}

TEST(USGSMavo1987Section, ReaderTakesGroupIndexAndTextThenDropsWhatIsOutOfRange) {
    using W = ProjectFileHarness::Mavo1987Window;
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const W&)> check;
    };
    const std::vector<Case> cases = {
        {"index 6 of group 0 is the total, 7 is dropped",
         Marker + "0,6,\"16\"\r\n" + Marker + "0,7,\"99\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.totalDA, "16");
             EXPECT_EQ(w.drainageAreas, std::vector<std::string>(5));
         }},
        {"discharge rows 0 and 7 are dropped, 6 is the last",
         Marker + "1,0,\"1\"\r\n" + Marker + "1,7,\"2\"\r\n" + Marker + "1,6,\"3\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.qs, (std::vector<std::string>{"", "", "", "", "", "", "3"}));
         }},
        // Its text is the marker unquoted: read as a fourth field it would
        // start a record whose group is no number, and end the read.
        {"group 2 reads all three fields and the next record is read normally",
         Marker + "2,1,[USGSMAVO1987DAQ]\r\n" + Marker + "0,1,\"5\"\r\n",
         [](const W& w) { EXPECT_EQ(w.drainageAreas[0], "5"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.mavo1987);
    }
}

// Unlike sections 2 and 3, a fault in this section's record ends the whole
// read; what was read before it stays.
TEST(USGSMavo1987Section, AFaultInARecordEndsTheWholeRead) {
    ProjectFileHarness::Outcome outcome = ReadRecords(
        Marker + "0,1,\"5\"\r\n" + Marker + "0,\"x\",\"6\"\r\n" + Marker + "0,2,\"7\"\r\n");
    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.mavo1987.drainageAreas[0], "5");
    EXPECT_EQ(outcome.mavo1987.drainageAreas[1], "");
}
