#include "project_file/ScourHoleRecords.h"
#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

using ProjectFileHarness::Result;
using ScourHoleRecords::Data;
using ScourHoleRecords::Item;
using W = ProjectFileHarness::ScourHoleWindow;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Marker = "\"NESCOURHOLEINFO620\",";

using Texts = std::array<std::string, 2>;

// The window behind tests/project_file/golden/scour_hole_small.twl: design 0
// of span 3, Q 180, TW 2 typed with blanks; the hidden copies hold an older
// Compute whose span had a double quote in it.
Data SmallDesign() {
    Data data;
    data.texts[0] = {" 180 ",          "2",   "3", "15", "18", "3", "1.5", "1.47", "2.94",
                     "Class B Riprap", "3.00"};
    data.texts[1] = {"1,200", "2",    "3 \"ft\"",       "24",  "27", "3", "3",
                     "0.96",  "1.93", "Class E Riprap", "2.00"};
    return data;
}

std::string Written(const Data& data) {
    RecordWriter out;
    ScourHoleRecords::Write(out, data);
    return out.Output();
}

ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace

TEST(ScourHoleSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(12,
                      {[](RecordWriter& out) { ScourHoleRecords::Write(out, SmallDesign()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("scour_hole_small.twl"));
}

TEST(ScourHoleSection, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("scour_hole_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const W& w = outcome.scourHole;
    ASSERT_EQ(w.texts.size(), 11u);
    EXPECT_EQ(w.texts.at(Item::DesignQ), Texts({"180", "1,200"}));
    EXPECT_EQ(w.texts.at(Item::CulvertDiam), Texts({"3", "3 ''ft''"}));
    EXPECT_EQ(w.texts.at(Item::CDim), Texts({"18", "27"}));
    EXPECT_EQ(w.texts.at(Item::RecD50), Texts({"Class B Riprap", "Class E Riprap"}));
    EXPECT_EQ(w.texts.at(Item::RecD), Texts({"3.00", "2.00"}));
}

TEST(ScourHoleSection, AnEmptyWindowWritesAllTwentyTwoRecords) {
    const std::string written = Written(Data{});
    std::string expected;
    for (int index : {0, 1}) {
        for (int item : {4, 5, 10, 11, 13, 14, 15, 16, 17, 18, 19}) {
            expected += Marker + std::to_string(item) + "," + std::to_string(index) + ",1,\"\"\r\n";
        }
    }
    EXPECT_EQ(written, expected);
    // Blank texts are stored empty.
    Data blanks;
    blanks.texts[1][9] = "   ";
    EXPECT_EQ(Written(blanks), expected);
}

TEST(ScourHoleSection, ReaderTakesIndexesZeroAndOneOnlyAndSkipsUnknownItems) {
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const W&)> check;
    };
    const std::vector<Case> cases = {
        {"records in any order", Marker + "19,1,1,\"2.00\"\r\n" + Marker + "4,0,1,\"100\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.texts.at(Item::RecD)[1], "2.00");
             EXPECT_EQ(w.texts.at(Item::DesignQ)[0], "100");
         }},
        {"indexes 2 and -1 are dropped",
         Marker + "4,2,1,\"x\"\r\n" + Marker + "4,-1,1,\"x\"\r\n" + Marker +
             "4,2147483647,1,\"x\"\r\n",
         [](const W& w) { EXPECT_TRUE(w.texts.empty()); }},
        {"the filler may be any integer", Marker + "16,1,7,\"0.96\"\r\n",
         [](const W& w) { EXPECT_EQ(w.texts.at(Item::CalcD50)[1], "0.96"); }},
        {"item 12 and other unknown items read nothing more",
         Marker + "12,0,1,\"x\"\r\n" + Marker + "0\r\n" + Marker + "20\r\n" + Marker +
             "5,0,1,\"2\"\r\n",
         [](const W& w) {
             ASSERT_EQ(w.texts.size(), 1u);
             EXPECT_EQ(w.texts.at(Item::TailwaterDepth)[0], "2");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.scourHole);
    }
}

TEST(ScourHoleSection, ARecordOfTheWrongKindEndsTheRead) {
    ProjectFileHarness::Outcome outcome =
        ReadRecords(Marker + "4,0,1,\"180\"\r\n" + Marker + "5,\"zero\",1,\"2\"\r\n" + Marker +
                    "10,0,1,\"3\"\r\n");
    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.scourHole.texts.at(Item::DesignQ)[0], "180");
    EXPECT_EQ(outcome.scourHole.texts.count(Item::CulvertDiam), 0u);
}
