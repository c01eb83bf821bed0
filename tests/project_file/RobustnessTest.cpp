// The reader over the golden files, every truncation of them and a table of
// damaged files: it never crashes or hangs, and never takes a damaged file for
// a complete one. The libFuzzer target runs the same reader on random input.
#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "ProjectFileHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

using ProjectFileHarness::Result;

namespace {

std::vector<std::string> GoldenNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(TW_GOLDEN_DIR)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

using ProjectFileFrame::End;
using ProjectFileFrame::Header;

struct DamagedCase {
    const char* name;
    std::string content;
    Result result;
};

std::vector<DamagedCase> DamagedFiles() {
    std::mt19937 random(20261209);
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>(random() & 0xFF);
    }
    const std::string site = "\"SITEIDINFO7438579\",";
    const std::string design = "\"GENERALDESIGNINFO271829\",";
    const std::string drop = "\"DROPINLETDESIGNINFO837321\",";
    const std::string rating = "\"TAILWATERRATINGCURVEINFO43582\",";
    const std::string channel = "\"TAILWATERCROSSSECTIONINFO432078\",";
    return {
        {"empty", "", Result::Refused},
        {"binary garbage", garbage, Result::Refused},
        {"binary garbage after the header", Header + garbage + "\r\n" + End, Result::Complete},
        {"binary garbage inside a record", Header + site + garbage, Result::Failed},
        {"huge item number", Header + site + "2147483647,\"x\"\r\n" + End, Result::Complete},
        {"item number beyond 32 bits", Header + site + "99999999999,\"x\"\r\n" + End,
         Result::Complete},
        {"negative item number", Header + site + "-1,\"x\"\r\n" + End, Result::Complete},
        {"huge result row", Header + design + "2,2147483647,1,\"x\",0\r\n" + End, Result::Complete},
        {"result row past the cap", Header + design + "2,99999,1,\"x\",1\r\n" + End,
         Result::Complete},
        {"negative rows",
         Header + design + "1,-5,1,\"x\"\r\n" + design + "2,-5,1,\"x\",0\r\n" + End,
         Result::Complete},
        {"result record cut before its flag", Header + design + "2,3,1,\"x\"\r\n" + End,
         Result::Failed},
        {"huge drop inlet box row", Header + drop + "1,2147483647,1,\"x\"\r\n" + End,
         Result::Complete},
        {"drop inlet weir row past its grid", Header + drop + "3,99999,1,\"x\"\r\n" + End,
         Result::Complete},
        // Each takes the end record as its last field: the file is whole, and
        // the record is counted.
        {"drop inlet record cut before its text", Header + drop + "3,2,1\r\n" + End,
         Result::Complete},
        {"huge rating row",
         Header + rating + "3,2147483647,\"1\",\"\",\"\",\"\",\"\",\"\"\r\n" + End,
         Result::Complete},
        {"channel point cut before its n", Header + channel + "1,3,\"10\",\"100\"\r\n" + End,
         Result::Complete},
        // The text closes at the end record's opening quote: the file is whole, and the
        // record is counted.
        {"missing closing quote", Header + site + "1,\"F-1\r\n" + End, Result::Complete},
        {"overlong field in a record",
         Header + site + "1,\"" + std::string(70000, 'x') + "\"\r\n" + End, Result::Complete},
        {"overlong field between records", Header + std::string(70000, 'x') + "\r\n" + End,
         Result::Complete},
        {"NUL characters", Header + site + std::string("1,\"a\0b\"\r\n", 9) + End,
         Result::Complete},
        {"only commas", Header + std::string(10000, ',') + End, Result::Complete},
        {"only line ends", Header + std::string(10000, '\n') + End, Result::Complete},
    };
}

} // namespace

TEST(ProjectFileRobustness, GoldenFilesReadCompletely) {
    std::vector<std::string> names = GoldenNames();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        const ProjectFileHarness::Outcome outcome = ProjectFileHarness::Read(ReadGolden(name));
        EXPECT_EQ(outcome.result, Result::Complete) << name;
        EXPECT_EQ(outcome.skipped.Named(), std::vector<std::string>()) << name;
    }
}

TEST(ProjectFileRobustness, EveryTruncationOfAGoldenFileIsReportedAsIncomplete) {
    for (const std::string& name : GoldenNames()) {
        std::string content = ReadGolden(name);
        // Only the line end of the end record may go missing unnoticed.
        size_t endRecordEnd = content.rfind("\"END_OF_FILE\"") + 13;
        for (size_t length = 0; length < endRecordEnd; ++length) {
            Result result = ProjectFileHarness::Read(content.substr(0, length)).result;
            EXPECT_NE(result, Result::Complete) << name << " cut to " << length << " bytes";
        }
    }
}

TEST(ProjectFileRobustness, DamagedFilesAreSkippedOrReported) {
    for (const DamagedCase& c : DamagedFiles()) {
        ProjectFileHarness::Outcome outcome = ProjectFileHarness::Read(c.content);
        EXPECT_EQ(outcome.result, c.result) << c.name << ": " << outcome.error;
        EXPECT_EQ(outcome.generalDesign.results.size(), 11u) << c.name;
        EXPECT_EQ(outcome.dropInlet.rcb.size(), 5u) << c.name;
        EXPECT_EQ(outcome.dropInlet.weirCalc.size(), 11u) << c.name;
    }
}

TEST(ProjectFileRobustness, AnOverlongTextIsDroppedAndTheNextRecordStillRead) {
    std::string site = "\"SITEIDINFO7438579\",";
    ProjectFileHarness::Outcome outcome = ProjectFileHarness::Read(
        Header + site + "1,\"" + std::string(70000, 'x') + "\"\r\n" + site + "2,\"D-2\"\r\n" + End);
    EXPECT_EQ(outcome.result, Result::Complete);
    EXPECT_EQ(outcome.site[0], "");
    EXPECT_EQ(outcome.site[1], "D-2");
    EXPECT_EQ(outcome.skipped.Named(),
              std::vector<std::string>({"A field of the file is longer than 65536 characters "
                                        "(line 4, section SITEIDINFO7438579, item 1)"}));
}

TEST(ProjectFileRobustness, AnOverlongFieldIsNamedBySectionAndItemWhereverItStands) {
    const std::string longText = "\"" + std::string(70000, 'x') + "\"";
    struct Case {
        const char* what;
        std::string record;
        Result result;
        std::string named;
    };
    for (const Case& c : std::vector<Case>{
             {"runoff chart grid row, read on", "\"VOSKRUNOFFCHARTINFO328457\",8,2," + longText,
              Result::Complete, "section VOSKRUNOFFCHARTINFO328457, item 8"},
             {"Q - Depth cell, read on", "\"TWQDEPTHINFO34853\",2,1,0," + longText,
              Result::Complete, "section TWQDEPTHINFO34853, item 2"},
             {"USGS 1987 box, read ended", "\"[USGSMAVO1987DAQ]\",0,2," + longText, Result::Failed,
              "section [USGSMAVO1987DAQ], group 0, index 2"},
             {"General Culvert Design box, read ended", "\"GENERALDESIGNINFO271829\",3," + longText,
              Result::Failed, "section GENERALDESIGNINFO271829, item 3"},
         }) {
        ProjectFileHarness::Outcome outcome =
            ProjectFileHarness::Read(Header + c.record + "\r\n" + End);
        const std::string fault =
            "A field of the file is longer than 65536 characters (line 4, " + c.named + ")";
        EXPECT_EQ(outcome.result, c.result) << c.what;
        if (c.result == Result::Complete) {
            EXPECT_EQ(outcome.skipped.Named(), std::vector<std::string>({fault})) << c.what;
        } else {
            EXPECT_EQ(outcome.error, fault) << c.what;
        }
    }
}

// What each section cannot apply is named by its fault; the writers' own
// marks for "none" and a record repeated unchanged lose nothing.
TEST(ProjectFileRobustness, EveryRecordASectionCannotApplyIsNamed) {
    struct Case {
        std::string records;
        std::string named; // empty: nothing lost
    };
    for (const Case& c : std::vector<Case>{
             {"\"SITEIDINFO7438579\",9,\"x\"", "No such item (line 4, section SITEIDINFO7438579"},
             {"\"VOSKRUNOFFCHARTINFO328457\",3,-1", ""},
             {"\"VOSKRUNOFFCHARTINFO328457\",3,5", "A position outside its list"},
             {"\"VOSKRUNOFFCHARTINFO328457\",2,2", "An option outside its buttons"},
             {"\"VOSKRUNOFFCHARTINFO328457\",8,8,\"9\"", "A row or column outside its grid"},
             {"\"USGSRUNOFFINFO847338\",2,2,\"9\"", "An index outside its boxes"},
             {"\"USGSRUNOFFINFO847338\",5,\"9\"", "No such item"},
             {"\"[USGSMAVO1987DAQ]\",0,7,\"9\"", "No such group or index"},
             {"\"TAILWATERCROSSSECTIONINFO432078\",1,0,\"1\",\"2\",\"3\"",
              "A row or column outside its grid"},
             {"\"TAILWATERRATINGCURVEINFO43582\",1,\"1\"", "No such item"},
             {"\"TWQDEPTHINFO34853\",3,1,0,\"2\"", "A row or column outside its grid"},
             {"\"VSHASTANDARDDESIGNINFO2379\",10,0,0", ""},
             {"\"VSHASTANDARDDESIGNINFO2379\",10,6,1", "A selected design outside its grid"},
             {"\"VSHASTANDARDDESIGNINFO2379\",8,2", "A flag other than 0 or 1"},
             {"\"VSHASTANDARDDESIGNINFO2379\",4,1,0,\">>\"", "A row or column outside its grid"},
             {"\"TAPEREDINLETDESIGNINFO98384\",5,0", ""},
             {"\"TAPEREDINLETDESIGNINFO98384\",5,9999", "A selected design outside its grid"},
             {"\"TAPEREDINLETDESIGNINFO98384\",5,-1", "A selected design outside its grid"},
             {"\"TAPEREDINLETDESIGNINFO98384\",6,5", "A flag other than 0 or 1"},
             {"\"DROPINLETDESIGNINFO837321\",6,0,0", ""},
             {"\"DROPINLETDESIGNINFO837321\",6,3,1", "A selected design outside its grid"},
             {"\"DROPINLETDESIGNINFO837321\",7,11", "A selected design outside its grid"},
             {"\"DROPINLETDESIGNINFO837321\",15,\"x\"", "No such item"},
             {"\"DROPINLETDESIGNINFO837321\",5,3", "An option outside its buttons"},
             {"\"GENERALDESIGNINFO271829\",1,1,0,\"checked\"",
              "A Use tick other than CHECKED or NOTCHECKED"},
             {"\"GENERALDESIGNINFO271829\",1,11,1,\"9\"", "A row or column outside its grid"},
             {"\"GENERALDESIGNINFO271829\",2,1,1,\"9\",2", "A flag other than 0 or 1"},
             {"\"GENERALDESIGNINFO271829\",7,-1,-1,-1", ""},
             {"\"GENERALDESIGNINFO271829\",10,5,\"9\"", "An index outside its boxes"},
             {"\"GENERALDESIGNINFO271829\",11,-1", ""},
             {"\"GENERALDESIGNINFO271829\",11,3", "A position outside its list"},
             {"\"GENERALDESIGNINFO271829\",13,\"9\"", "No such item"},
             {"\"NESCOURHOLEINFO620\",12,0,1,\"9\"", "No such item"},
             {"\"NESCOURHOLEINFO620\",4,2,1,\"9\"", "An index outside its boxes"},
             {"\"NEPLUNGEBASIN847363\",12,2", "An option outside its buttons"},
             {"\"NEPLUNGEBASIN847363\",26,\"9\"", "No such item"},
             {"\"HEC14RIPRAP857982\",14,17,\"9\"", "A row or column outside its grid"},
             {"\"HEC14RIPRAP857982\",18,\"9\"", "No such item"},
             {"\"HEC14RIPRAP857982\",8,\"0.012\"\r\n\"HEC14RIPRAP857982\",8,\"0.012\"", ""},
             {"\"HEC14RIPRAP857982\",8,\"0.012\"\r\n\"HEC14RIPRAP857982\",8,\"0.013\"",
              "The value of line 4, replaced by a second record for the same field (line 5, "
              "section HEC14RIPRAP857982, item 8)"},
         }) {
        SCOPED_TRACE(c.records);
        const ProjectFileHarness::Outcome outcome =
            ProjectFileHarness::Read(Header + c.records + "\r\n" + End);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        if (c.named.empty()) {
            EXPECT_EQ(outcome.skipped.Count(), 0u);
        } else {
            ASSERT_EQ(outcome.skipped.Count(), 1u);
            EXPECT_EQ(outcome.skipped.Named()[0].rfind(c.named, 0), 0u)
                << outcome.skipped.Named()[0];
        }
    }
}
