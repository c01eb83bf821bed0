#include "project_file/DropInletRecords.h"
#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using DropInletRecords::Data;
using ProjectFileHarness::Result;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Marker = "\"DROPINLETDESIGNINFO837321\",";

DropInletRecords::GridTexts Blank(int rows, int cols) {
    return DropInletRecords::GridTexts(static_cast<size_t>(rows),
                                       std::vector<std::string>(static_cast<size_t>(cols)));
}

// The window behind tests/project_file/golden/drop_inlet_small.twl, as shown:
// typed inputs (one with blanks around it, one with a double quote), a box
// row selected, a weir row selected, captions with their blanks.
Data SmallDropInlet() {
    Data data;
    data.inputs = {"150", " 108 ", "105", "120", "98", "", "100 \"ft\""};
    data.rcb = Blank(5, 8);
    data.rcb[0] = {"", "Single", "4", "4", "106.96", "3.42", "4.0", "2.81"};
    data.rcb[1] = {">>", "Twin", "3", "3", "105.37", "2.96", "6.0", "1.81"};
    data.rcp = Blank(5, 6);
    data.rcp[0] = {"", "NONE", "", "  ", "", ""};
    data.weirCalc = Blank(10, 4);
    data.weirCalc[0] = {"", "8", "6", "106.84"};
    data.weirCalc[2] = {">>", " 10 ", "4", "N/A"};
    data.weirWeirLength = " 9.62";
    data.weirOption = 2;
    data.barrelSelectGrid = 1;
    data.barrelSelectRow = 2;
    data.weirSelectRow = 3;
    data.includeMultipleBarrels = true;
    data.barrelWeirLength = " 9.62 ";
    return data;
}

std::string Written(const Data& data) {
    RecordWriter out;
    DropInletRecords::Write(out, data);
    return out.Output();
}

ProjectFileHarness::Outcome ReadRecords(const std::string& records) {
    return ProjectFileHarness::Read(Header + records + End);
}

} // namespace

TEST(DropInletSection, WritesTheGoldenFileByteForByte) {
    ProjectFileFormat::SectionTable sections;
    sections.Register(
        10, {[](RecordWriter& out) { DropInletRecords::Write(out, SmallDropInlet()); }, {}});
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections), ReadGolden("drop_inlet_small.twl"));
}

TEST(DropInletSection, GoldenFileReadsBackEveryControl) {
    ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(ReadGolden("drop_inlet_small.twl"));
    ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
    const auto& w = outcome.dropInlet;
    EXPECT_EQ(w.inputs,
              (std::array<std::string, 7>{"150", "108", "105", "120", "98", "", "100 ''ft''"}));
    EXPECT_EQ(w.rcb.size(), 5u);
    EXPECT_EQ(w.rcb[1],
              std::vector<std::string>({"", "Single", "4", "4", "106.96", "3.42", "4.0", "2.81"}));
    EXPECT_EQ(w.rcb[2][0], ""); // the mark travels as the selection, not as a cell
    EXPECT_EQ(w.rcb[2][1], "Twin");
    EXPECT_EQ(w.rcp[1], std::vector<std::string>({"", "NONE", "", "", "", ""}));
    EXPECT_EQ(w.weirCalc[1], std::vector<std::string>({"", "8", "6", "106.84"}));
    EXPECT_EQ(w.weirCalc[2], std::vector<std::string>(4));
    EXPECT_EQ(w.weirCalc[3], std::vector<std::string>({"", "10", "4", "N/A"}));
    EXPECT_EQ(w.weirWeirLength, " 9.62");
    EXPECT_EQ(w.weirOption, 2);
    EXPECT_EQ(w.barrelSelect, (std::array<int, 2>{1, 2}));
    EXPECT_EQ(w.weirSelectRow, 3);
    EXPECT_TRUE(w.includeMultipleBarrels);
    EXPECT_EQ(w.barrelWeirLength, " 9.62 ");
}

TEST(DropInletSection, WriterKeepsTheCaptionsBlanksAndEscapesTheirQuotes) {
    struct Case {
        const char* what;
        std::string weirCaption;
        std::string barrelCaption;
        std::string item4;
        std::string item9;
    };
    const Case cases[] = {
        {"cleared window", " ", " ", "\"\"", "\" \""},
        {"blanks around a length", " 9.62 ", " 9.62 ", "\" 9.62 \"", "\" 9.62 \""},
        // The barrel caption is stored without the escape, except that a
        // double quote, which would end the field early, becomes two apostrophes.
        {"a double quote", " 9\"62", " 9\"62 ", "\" 9''62\"", "\" 9''62 \""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Data data;
        data.weirWeirLength = c.weirCaption;
        data.barrelWeirLength = c.barrelCaption;
        std::string out = Written(data);
        EXPECT_NE(out.find(Marker + "4," + c.item4 + "\r\n"), std::string::npos) << out;
        EXPECT_NE(out.find(Marker + "9," + c.item9 + "\r\n"), std::string::npos) << out;
        // The reader puts back what was stored, apostrophes and blanks included.
        ProjectFileHarness::Outcome back = ReadRecords(out);
        ASSERT_EQ(back.result, Result::Complete) << back.error;
        EXPECT_EQ(back.dropInlet.weirWeirLength, c.item4.substr(1, c.item4.size() - 2));
        EXPECT_EQ(back.dropInlet.barrelWeirLength, c.item9.substr(1, c.item9.size() - 2));
    }
}

TEST(DropInletSection, NoOptionSelectedWritesNoOptionRecord) {
    Data data;
    EXPECT_EQ(Written(data), Marker + "20,\"\"\r\n" + Marker + "21,\"\"\r\n" + Marker +
                                 "22,\"\"\r\n" + Marker + "23,\"\"\r\n" + Marker + "24,\"\"\r\n" +
                                 Marker + "25,\"\"\r\n" + Marker + "26,\"\"\r\n" + Marker +
                                 "4,\"\"\r\n" + Marker + "6,0,0\r\n" + Marker + "7,0\r\n" + Marker +
                                 "8,0\r\n" + Marker + "9,\"\"\r\n");
}

TEST(DropInletSection, ReaderGrowsOnlyTheBarrelGridsAndDropsWhatIsOutOfRange) {
    using W = ProjectFileHarness::DropInletWindow;
    struct Case {
        const char* name;
        std::string records;
        std::function<void(const W&)> check;
    };
    const int cap = ProjectFileFormat::MaxGridRow;
    const std::vector<Case> cases = {
        {"box row 12 grows the grid to 13 rows, pipe row 5 to 6",
         Marker + "1,12,7,\"1.5\"\r\n" + Marker + "2,5,1,\"60\"\r\n",
         [](const W& w) {
             ASSERT_EQ(w.rcb.size(), 13u);
             EXPECT_EQ(w.rcb[12][7], "1.5");
             ASSERT_EQ(w.rcp.size(), 6u);
             EXPECT_EQ(w.rcp[5][1], "60");
         }},
        {"a weir row beyond the grid is dropped, never grown",
         Marker + "3,12,1,\"9\"\r\n" + Marker + "3,11,1,\"9\"\r\n" + Marker + "3,10,3,\"101\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.weirCalc.size(), 11u);
             EXPECT_EQ(w.weirCalc[10][3], "101");
         }},
        {"a box row at the cap", Marker + "1," + std::to_string(cap) + ",1,\"x\"\r\n",
         [cap](const W& w) { EXPECT_EQ(w.rcb.size(), static_cast<size_t>(cap) + 1); }},
        {"rows past the cap, below 1, column 0 and columns beyond",
         Marker + "1," + std::to_string(cap + 1) + ",1,\"x\"\r\n" + Marker +
             "2,2147483647,1,\"x\"\r\n" + Marker + "1,0,1,\"heading\"\r\n" + Marker +
             "1,1,0,\">>\"\r\n" + Marker + "2,1,6,\"x\"\r\n" + Marker + "3,1,4,\"x\"\r\n" + Marker +
             "3,-1,1,\"x\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.rcb.size(), 5u);
             EXPECT_EQ(w.rcp.size(), 5u);
             EXPECT_EQ(w.rcb[1][0], "");
             EXPECT_EQ(w.rcb[0][1], "");
         }},
        {"items 20 to 26 fill the inputs; 27, 15 and 0 are skipped",
         Marker + "20,\"150\"\r\n" + Marker + "26,\" 99 \"\r\n" + Marker + "27,\"x\"\r\n" + Marker +
             "15,\"x\"\r\n" + Marker + "0,\"x\"\r\n" + Marker + "21,\"108\"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.inputs,
                       (std::array<std::string, 7>{"150", "108", "", "", "", "", " 99 "}));
         }},
        {"option indexes outside 0 to 2 are ignored",
         Marker + "5,1\r\n" + Marker + "5,3\r\n" + Marker + "5,-1\r\n",
         [](const W& w) { EXPECT_EQ(w.weirOption, 1); }},
        {"selections, the flag and both captions",
         Marker + "6,2,4\r\n" + Marker + "7,11\r\n" + Marker + "8,5\r\n" + Marker +
             "4,\" .75\"\r\n" + Marker + "9,\" 0.75 \"\r\n",
         [](const W& w) {
             EXPECT_EQ(w.barrelSelect, (std::array<int, 2>{2, 4}));
             EXPECT_EQ(w.weirSelectRow, 11); // the window's own setter refuses it
             EXPECT_FALSE(w.includeMultipleBarrels);
             EXPECT_EQ(w.weirWeirLength, " .75");
             EXPECT_EQ(w.barrelWeirLength, " 0.75 ");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectFileHarness::Outcome outcome = ReadRecords(c.records);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        c.check(outcome.dropInlet);
    }
}
