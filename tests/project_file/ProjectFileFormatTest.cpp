#include "project_file/ProjectFileFormat.h"
#include "GoldenFiles.h"
#include "ProjectFileFrame.h"
#include "platform/AppError.h"
#include "project_file/AppliedRecords.h"
#include "project_file/FieldReader.h"
#include "project_file/RecordNames.h"
#include "project_file/RecordWriter.h"
#include "project_file/SiteIDRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using ProjectFileFormat::HeaderCheck;
using ProjectFileFormat::SectionTable;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;

// The site texts of the golden fixture, as typed.
const SiteIDRecords::Texts FixtureSite = {
    "  F-1234  ", "",           "Orlen",      "Route 9, \"Mill\" crossing",
    "   ",        "Sta. 12+50", "Mill Creek", "J. Doe"};

// Reads a whole file as File Open does after its header check passed; what
// the read could not use.
ProjectFileFormat::SkippedRecords ReadAsFileOpens(const std::string& content,
                                                  const SectionTable& sections) {
    FieldReader in(content);
    EXPECT_EQ(ProjectFileFormat::CheckHeader(in), HeaderCheck::ProjectFile);
    ProjectFileFormat::SkippedRecords skipped;
    ProjectFileFormat::AppliedRecords applied;
    ProjectFileFormat::ReadProject(in, sections, skipped, applied);
    return skipped;
}

// The site section alone, read into plain texts.
struct SiteProject {
    SiteIDRecords::Texts texts;
    SectionTable sections;

    SiteProject() {
        sections.Register(
            1, {[this](RecordWriter& out) { SiteIDRecords::Write(out, texts); },
                [this](FieldReader& in) {
                    SiteIDRecords::ReadRecord(
                        in, [this](int item, const std::string& text) { texts[item - 1] = text; });
                }});
    }

    ProjectFileFormat::SkippedRecords Read(const std::string& content) {
        return ReadAsFileOpens(content, sections);
    }
};

std::string SiteRecord(int item, const std::string& text) {
    return "\"SITEIDINFO7438579\"," + std::to_string(item) + ",\"" + text + "\"\r\n";
}

} // namespace

TEST(ProjectFileWrite, SiteProjectMatchesTheGoldenFileByteForByte) {
    SiteProject project;
    project.texts = FixtureSite;
    EXPECT_EQ(ProjectFileFormat::WriteProject(project.sections), ReadGolden("site_only.twl"));
}

TEST(ProjectFileWrite, WithoutSectionsHoldsHeaderAndEndRecordOnly) {
    EXPECT_EQ(ProjectFileFormat::WriteProject(SectionTable()), Header + End);
}

TEST(ProjectFileWrite, SectionsWriteInTheirFixedOrderWhateverTheRegistrationOrder) {
    SectionTable sections;
    for (int number : {11, 14, 1}) {
        sections.Register(number,
                          {[number](RecordWriter& out) {
                               out.Text(ProjectFileFormat::Section(number).marker).EndRecord();
                           },
                           {}});
    }
    EXPECT_EQ(ProjectFileFormat::WriteProject(sections),
              Header +
                  "\"SITEIDINFO7438579\"\r\n\"GENERALDESIGNINFO271829\"\r\n"
                  "\"HEC14RIPRAP857982\"\r\n" +
                  End);
}

TEST(ProjectFileRead, GoldenFileRoundTripsWithEscapedQuotes) {
    SiteProject project;
    EXPECT_EQ(project.Read(ReadGolden("site_only.twl")).Count(), 0u);
    const SiteIDRecords::Texts expected = {
        "F-1234", "",           "Orlen",      "Route 9, ''Mill'' crossing",
        "",       "Sta. 12+50", "Mill Creek", "J. Doe"};
    EXPECT_EQ(project.texts, expected);
}

TEST(ProjectFileRead, HeaderCheckFindsSignatureAndUnitsInAnyLetterCase) {
    struct Case {
        std::string content;
        HeaderCheck check;
    };
    const std::string version = "\"VERSION\",\"2.00\"\r\n";
    const std::string records = "\"SITEIDINFO7438579\",1,\"F-1\"\r\n" + End;
    for (const Case& c : std::vector<Case>{
             {"\"xx tarnwellSoftwareVSHAchs yy\"\r\n\"EnglishUnits\"\r\n" + version + records,
              HeaderCheck::ProjectFile},
             {"TARNWELLSOFTWAREVSHACHS\r\nENGLISHUNITS\r\nVERSION,2.00\r\nEND_OF_FILE",
              HeaderCheck::ProjectFile},
             {"\"TARNWELLSOFTWAREVSHACH\"\r\n\"ENGLISHUNITS\"\r\n" + version + records,
              HeaderCheck::NotProjectFile},
             {"\"CULVERT\"\r\n", HeaderCheck::NotProjectFile},
             {"\"CULVERT\"", HeaderCheck::NotProjectFile},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"METRICUNITS\"\r\n" + version,
              HeaderCheck::MetricUnits},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"Metric Units\"\r\n" + version,
              HeaderCheck::MetricUnits},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"SIUNITS\"\r\n" + version,
              HeaderCheck::UnknownUnits},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"\"\r\n" + version, HeaderCheck::UnknownUnits},
             // Each line end read as two: an empty line after each line holds nothing.
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\r\n\"ENGLISHUNITS\"\r\r\n\"VERSION\",\"2.00\"\r\r\n" +
                  records,
              HeaderCheck::ProjectFile},
             {"\"TARNWELLSOFTWAREVSHACHS\"\n\n\"ENGLISHUNITS\"\n\n\"VERSION\",\"2.00\"\n\n" +
                  records,
              HeaderCheck::ProjectFile},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\r\n\"METRICUNITS\"\r\r\n\"VERSION\",\"2.00\"\r\r\n",
              HeaderCheck::MetricUnits},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\r\n" + version, HeaderCheck::UnknownUnits},
             // Empty lines here and there hold nothing, before the signature line too.
             {"\r\n\r\n\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n" + version + records,
              HeaderCheck::ProjectFile},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\r\n\"ENGLISHUNITS\"\r\n\r\n" + version + records,
              HeaderCheck::ProjectFile},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\r\n\"ENGLISHUNITS\"\r\r\n" + version + records,
              HeaderCheck::ProjectFile},
             {"\r\n\r\n", HeaderCheck::NotProjectFile},
             // A byte-order mark before the signature line marks the encoding.
             {"\xEF\xBB\xBF\r\n\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n" + version +
                  records,
              HeaderCheck::ProjectFile},
             {"\xEF\xBB\xBF\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n" + version + records,
              HeaderCheck::ProjectFile},
             {"\xEF\xBB\xBF", HeaderCheck::NotProjectFile},
             // Each header line is known by its first field.
             {"\"TARNWELLSOFTWAREVSHACHS\",\"x\"\r\n\"ENGLISHUNITS\",\"y\"\r\n" + version + records,
              HeaderCheck::ProjectFile},
             // A version line missing or short: the records begin where it belongs.
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n" + records,
              HeaderCheck::ProjectFile},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n\"VERSION\"\r\n" + records,
              HeaderCheck::ProjectFile},
             // A signature line written twice (or more) is still a project file's header.
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n" +
                  version + records,
              HeaderCheck::ProjectFile},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"TARNWELLSOFTWAREVSHACHS\"\r\n"
              "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"METRICUNITS\"\r\n" +
                  version,
              HeaderCheck::MetricUnits},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"TARNWELLSOFTWAREVSHACHS\"\r\n",
              HeaderCheck::Incomplete},
             // A file that holds its header at most holds no project data.
             {"", HeaderCheck::Incomplete},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n", HeaderCheck::Incomplete},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n", HeaderCheck::Incomplete},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n\"VERSION\",",
              HeaderCheck::Incomplete},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n\"VERSION\",\"2.0",
              HeaderCheck::Incomplete},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n" + version + "\r\n\r\n",
              HeaderCheck::Incomplete},
         }) {
        FieldReader in(c.content);
        EXPECT_EQ(ProjectFileFormat::CheckHeader(in), c.check) << c.content;
    }
}

TEST(ProjectFileRead, SkipsWhatItDoesNotKnowAndAppliesRecordsInFileOrder) {
    SiteProject project;
    const ProjectFileFormat::SkippedRecords skipped =
        project.Read(Header + "loose text before any record\r\n" +
                     "\"UNKNOWNSECTION\",1,\"x\"\r\n" +             // no marker
                     "\"siteidinfo7438579\",3,\"lower case\"\r\n" + // another case is no marker
                     SiteRecord(9, "unknown item") +               // item dropped, its text skipped
                     "  \"SITEIDINFO7438579\"  ,3,\"first\"\r\n" + // blanks around a marker
                     "\"GENERALDESIGNINFO271829\",3,\"100.5\"\r\n" + // section without a window
                     SiteRecord(3, "second") +                       // later record overwrites
                     End + SiteRecord(7, "after the end record"));
    EXPECT_EQ(project.texts[2], "second");
    EXPECT_EQ(project.texts[6], "after the end record");
    for (int i : {0, 1, 3, 4, 5, 7}) {
        EXPECT_EQ(project.texts[i], "") << i;
    }
    // Each record or stray line is named once, by its line.
    EXPECT_EQ(skipped.Named(),
              std::vector<std::string>({
                  "A field that is no section's marker: \"loose text before any record\" (line 4)",
                  "A field that is no section's marker: \"UNKNOWNSECTION\" (line 5)",
                  "A section's marker in another letter case: \"siteidinfo7438579\" (line 6, "
                  "section SITEIDINFO7438579, item 3)",
                  "No such item (line 7, section SITEIDINFO7438579, item 9)",
                  "A field that is no section's marker: \"GENERALDESIGNINFO271829\" (line 9)",
                  "The value of line 8, replaced by a second record for the same field (line 10, "
                  "section SITEIDINFO7438579, "
                  "item 3)",
              }));
    EXPECT_EQ(skipped.Count(), 6u);
}

TEST(ProjectFileRead, CountsEverySkippedRecordAndNamesTheFirstTen) {
    std::string records;
    for (int i = 0; i < 25; ++i) {
        records += SiteRecord(100 + i, "lost");
    }
    // Blank lines and a line end after the end record hold nothing lost.
    SiteProject project;
    const ProjectFileFormat::SkippedRecords skipped =
        project.Read(Header + records + "\r\n  \r\n" + End + "\r\n");
    EXPECT_EQ(skipped.Count(), 25u);
    ASSERT_EQ(skipped.Named().size(), ProjectFileFormat::SkippedRecords::MaxNamed);
    EXPECT_EQ(skipped.Named()[9], "No such item (line 13, section SITEIDINFO7438579, item 109)");

    // An overlong item number is named by its start.
    EXPECT_EQ(project
                  .Read(Header + SiteRecord(1, "F-1") + "\"SITEIDINFO7438579\",\"" +
                        std::string(100, '9') + "\",\"x\"\r\n" + End)
                  .Named(),
              std::vector<std::string>({"Overflow (line 5, section SITEIDINFO7438579, item " +
                                        std::string(40, '9') + "...)"}));
}

TEST(ProjectFileRead, AFaultAbandonsTheRecordOrEndsTheReadAsItsSectionSays) {
    // The site section drops a record whose item number is no integer and reads on.
    // The rest of the record's line is no second loss; a stray field on a
    // line of its own is. A record cut short reads its text from the next
    // line, and is counted by both lines.
    SiteProject project;
    EXPECT_EQ(project
                  .Read(Header + "\"SITEIDINFO7438579\",one,\"lost\",\"too\"\r\n" +
                        SiteRecord(2, "kept") + "\"SITEIDINFO7438579\",3\r\n\"next line\"\r\n" +
                        "\"stray\"\r\n" + End)
                  .Named(),
              std::vector<std::string>({
                  "Type mismatch (line 4, section SITEIDINFO7438579, item one)",
                  "A record that reads on past its line end and takes line 7 with it (line 6, "
                  "section SITEIDINFO7438579, item 3)",
                  "A field that is no section's marker: \"stray\" (line 8)",
              }));
    EXPECT_EQ(project.texts[0], "");
    EXPECT_EQ(project.texts[1], "kept");
    EXPECT_EQ(project.texts[2], "next line") << "a record's fields are read across a line end";

    // A section that ends the read on a fault.
    ASSERT_EQ(ProjectFileFormat::Section(11).onError, ProjectFileFormat::OnError::EndRead);
    int reads = 0;
    project.sections.Register(11, {{}, [&reads](FieldReader& in) {
                                       ++reads;
                                       in.ReadInteger();
                                   }});
    std::string content =
        Header + "\"GENERALDESIGNINFO271829\",x\r\n" + SiteRecord(4, "never read") + End;
    try {
        project.Read(content);
        ADD_FAILURE() << "read as complete";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description,
                  "Type mismatch (line 4, section GENERALDESIGNINFO271829, item x)");
    }
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(project.texts[3], "");
}

TEST(ProjectFileRead, ATruncatedFileEndsTheReadWhateverTheSection) {
    std::string whole = Header + SiteRecord(1, "F-1") + SiteRecord(2, "D-2") + End;
    struct Case {
        const char* name;
        std::string content;
    };
    const std::string noEnd = "The file has no end record";
    for (const Case& c : std::vector<Case>{
             {"after a marker", Header + "\"SITEIDINFO7438579\""},
             {"after an item number", Header + "\"SITEIDINFO7438579\",1,"},
             {"inside a text", Header + "\"SITEIDINFO7438579\",1,\"F-"},
             {"between two complete records", Header + SiteRecord(1, "F-1")},
             {"inside the end record", Header + SiteRecord(1, "F-1") + "\"END_OF"},
             {"in a record after the end record",
              Header + SiteRecord(1, "F-1") + End + "\"SITEIDINFO7438579\",2,"},
         }) {
        SiteProject project;
        try {
            project.Read(c.content);
            ADD_FAILURE() << c.name << ": read as complete";
        } catch (const AppError& error) {
            EXPECT_EQ(error.number, ReadError::InputPastEndOfFile) << c.name;
        }
    }
    // The fault names where the file ends.
    for (const Case& c : std::vector<Case>{
             {"Input past end of file (line 4, section SITEIDINFO7438579, item 1)",
              Header + "\"SITEIDINFO7438579\",1,\"F-"},
             {"The file has no end record", Header + SiteRecord(1, "F-1")},
             {"Input past end of file (line 5)", Header + SiteRecord(1, "F-1") + "\"END_OF"},
         }) {
        SiteProject project;
        std::string fault = "read as complete";
        try {
            project.Read(c.content);
        } catch (const AppError& error) {
            fault = error.description;
        }
        EXPECT_EQ(fault, c.name);
    }
    SiteProject project;
    project.Read(whole.substr(0, whole.size() - 2)); // the end record without its line end
    EXPECT_EQ(project.texts[1], "D-2");
}

TEST(ProjectFileRead, OnlyAMarkerInItsOwnLetterCaseWithAKnownItemSetsABox) {
    struct Case {
        const char* what;
        std::string record;
    };
    for (const Case& c : std::vector<Case>{
             {"item 0", SiteRecord(0, "Zero")},
             {"negative item", SiteRecord(-1, "Minus one")},
             {"most negative item", SiteRecord(-2147483647 - 1, "Lowest")},
             {"marker in lower case", "\"siteidinfo7438579\",1,\"Lower\"\r\n"},
             {"marker in mixed case", "\"SiteIdInfo7438579\",1,\"Mixed\"\r\n"},
         }) {
        SCOPED_TRACE(c.what);
        // Every box the site section sets, in file order.
        std::vector<std::pair<int, std::string>> set;
        SectionTable sections;
        sections.Register(1, {{}, [&set](FieldReader& in) {
                                  SiteIDRecords::ReadRecord(
                                      in, [&set](int item, const std::string& text) {
                                          set.emplace_back(item, text);
                                      });
                              }});
        EXPECT_EQ(
            ReadAsFileOpens(Header + SiteRecord(1, "F-1") + c.record + SiteRecord(2, "D-2") + End,
                            sections)
                .Count(),
            1u);
        EXPECT_EQ(set, (std::vector<std::pair<int, std::string>>{{1, "F-1"}, {2, "D-2"}}));
    }
}

// Every line a message names is the file's own line, whichever line ends the
// file has, a line end inside a quoted text and an empty line included.
TEST(ProjectFileRead, MessagesNameTheFilesLinesForLfCrLfAndCrLineEnds) {
    const std::vector<std::string> lines = {
        "\"TARNWELLSOFTWAREVSHACHS\"",
        "\"ENGLISHUNITS\"",
        "\"VERSION\",\"2.00\"",
        "\"SITEIDINFO7438579\",1,\"F-1\"",
        "",
        "\"stray\"",
        "\"SITEIDINFO7438579\",2,\"two", // the text goes on in line 8
        "lines\"",
        "\"SITEIDINFO7438579\",42,\"unknown item\"",
        "\"SITEIDINFO7438579\",1,\"F-2\"",
    };
    const std::string cut = "\"SITEIDINFO7438579\",3,\"cut short";
    for (const std::string lineEnd : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(lineEnd == "\n" ? "LF" : lineEnd == "\r" ? "CR" : "CR LF");
        std::string content;
        for (const std::string& line : lines) {
            content += line + lineEnd;
        }
        SiteProject project;
        EXPECT_EQ(project.Read(content + "\"END_OF_FILE\"" + lineEnd).Named(),
                  std::vector<std::string>({
                      "A field that is no section's marker: \"stray\" (line 6)",
                      "No such item (line 9, section SITEIDINFO7438579, item 42)",
                      "The value of line 4, replaced by a second record for the same field (line "
                      "10, section SITEIDINFO7438579, item 1)",
                  }));
        EXPECT_EQ(project.texts[1], "two" + lineEnd + "lines");
        std::string fault = "read as complete";
        try {
            project.Read(content + cut);
        } catch (const AppError& error) {
            fault = error.description;
        }
        EXPECT_EQ(fault, "Input past end of file (line 11, section SITEIDINFO7438579, item 3)");
    }
}

// A control character of a damaged record is named in the message, never
// shown raw.
TEST(ProjectFileRead, ControlCharactersInANamedRecordAreShownByName) {
    struct Case {
        std::string record;
        std::string named;
    };
    using namespace std::string_literals;
    for (const Case& c : std::vector<Case>{
             {"\"SITE\x01IDINFO7438579\",1,\"x\"",
              "A field that is no section's marker: \"SITE<SOH>IDINFO7438579\" (line 4)"},
             {"\"\0stray\x1B[0m\""s,
              "A field that is no section's marker: \"<NUL>stray<ESC>[0m\" (line 4)"},
             {"\"a\tb\x7F\"", "A field that is no section's marker: \"a<TAB>b<DEL>\" (line 4)"},
             {"\"\xC2\x85next line\"",
              "A field that is no section's marker: \"<U+0085>next line\" (line 4)"},
             {"\"\xEF\xBB\xBF\"", "A field that is no section's marker: \"<U+FEFF>\" (line 4)"},
             {"\"SITEIDINFO7438579\",\"1\r\n2\",\"x\"",
              "Type mismatch (line 4, section SITEIDINFO7438579, item 1<CR><LF>2)"},
         }) {
        SiteProject project;
        EXPECT_EQ(project.Read(Header + c.record + "\r\n" + End).Named(),
                  std::vector<std::string>({c.named}))
            << c.named;
    }
}

// A save must give back every record the read applied, where it stood and
// with its value as a save stores it; what a save only reformats, a record of
// blank texts and the writers' -1 for "no selection" lose nothing.
TEST(ProjectFileRead, ARecordThatASaveWouldNotWriteBackIsCounted) {
    const std::string m = "\"GENERALDESIGNINFO271829\",";
    struct Case {
        const char* what;
        std::string read;
        std::string saved;
        size_t lost;
    };
    for (const Case& c : std::vector<Case>{
             {"blanks around a text", m + "3,\" 100.00 \"", m + "3,\"100.00\"", 0},
             {"a row written with a leading zero", m + "2,05,3,\"x\",0", m + "2,5,3,\"x\",0", 0},
             {"a text without quotes", m + "2,5,3,x,0", m + "2,5,3,\"x\",0", 0},
             {"a text another record changed", m + "9,\"0.45\"", m + "9,\"0.5\"", 1},
             {"a result where a save stops", m + "2,9,1,\"216.00\",0", "", 1},
             {"a blank result where a save stops", m + "2,9,3,\"  \",0", "", 0},
             {"no selection", m + "11,-1", m + "11,0", 0},
             {"no standard size", m + "7,2,201,-1", m + "7,2,201,20104", 0},
             {"another standard size", m + "7,2,201,20103", m + "7,2,201,20104", 1},
             {"another type beside no size", m + "7,3,201,-1", m + "7,2,201,20104", 1},
             {"a choice with a field less", m + "7,2,201", m + "7,2,201,20104", 1},
             {"a choice a save leaves out", m + "12,1", "", 1},
             {"a choice saved as read", m + "12,1", m + "12,1", 0},
         }) {
        SCOPED_TRACE(c.what);
        SectionTable sections;
        sections.Register(11, {{}, [](FieldReader& in) {
                                   while (!in.AtLineStart()) {
                                       in.ReadText();
                                   }
                               }});
        const std::string content = Header + c.read + "\r\n" + End;
        FieldReader in(content);
        ASSERT_EQ(ProjectFileFormat::CheckHeader(in), HeaderCheck::ProjectFile);
        ProjectFileFormat::SkippedRecords skipped;
        ProjectFileFormat::AppliedRecords applied;
        ProjectFileFormat::ReadProject(in, sections, skipped, applied);
        ASSERT_EQ(skipped.Count(), 0u);
        applied.CountUnsaved(Header + (c.saved.empty() ? "" : c.saved + "\r\n") + End, skipped);
        EXPECT_EQ(skipped.Count(), c.lost);
        if (c.lost == 1) {
            EXPECT_EQ(skipped.Named()[0],
                      "A value that a save would not write back (line 4, "
                      "section GENERALDESIGNINFO271829, item " +
                          c.read.substr(m.size(), c.read.find(',', m.size()) - m.size()) + ")");
        }
    }
}
