#include "project_file/ProjectFileFormat.h"
#include "GoldenFiles.h"
#include "platform/AppError.h"
#include "project_file/FieldReader.h"
#include "project_file/RecordWriter.h"
#include "project_file/SiteIDRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ProjectFileFormat::HeaderCheck;
using ProjectFileFormat::SectionTable;

namespace {

const std::string Header = "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n"
                           "\"VERSION\",\"2.00\"\r\n";
const std::string End = "\"END_OF_FILE\"\r\n";

// The site texts of the golden fixture, as typed.
const SiteIDRecords::Texts FixtureSite = {
    "  F-1234  ", "",           "Orlen",      "Route 9, \"Mill\" crossing",
    "   ",        "Sta. 12+50", "Mill Creek", "J. Doe"};

// Reads a whole file as File Open does after its header check passed.
void ReadAsFileOpens(const std::string& content, const SectionTable& sections) {
    FieldReader in(content);
    ASSERT_EQ(ProjectFileFormat::CheckHeader(in), HeaderCheck::ProjectFile);
    std::vector<AppError> lostFields;
    ProjectFileFormat::ReadProject(in, sections, lostFields);
    EXPECT_TRUE(lostFields.empty());
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

    void Read(const std::string& content) { ReadAsFileOpens(content, sections); }
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
    project.Read(ReadGolden("site_only.twl"));
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
    for (const Case& c : std::vector<Case>{
             {"\"xx tarnwellSoftwareVSHAchs yy\"\r\n\"EnglishUnits\"\r\n",
              HeaderCheck::ProjectFile},
             {"TARNWELLSOFTWAREVSHACHS\r\nENGLISHUNITS\r\n", HeaderCheck::ProjectFile},
             {"\"TARNWELLSOFTWAREVSHACH\"\r\n\"ENGLISHUNITS\"\r\n", HeaderCheck::NotProjectFile},
             {"\"CULVERT\"\r\n", HeaderCheck::NotProjectFile},
             {"\"TARNWELLSOFTWAREVSHACHS\"\r\n\"METRICUNITS\"\r\n", HeaderCheck::OtherUnits},
         }) {
        FieldReader in(c.content);
        EXPECT_EQ(ProjectFileFormat::CheckHeader(in), c.check) << c.content;
    }
    FieldReader empty("");
    EXPECT_THROW(ProjectFileFormat::CheckHeader(empty), AppError);
}

TEST(ProjectFileRead, SkipsWhatItDoesNotKnowAndAppliesRecordsInFileOrder) {
    SiteProject project;
    project.Read(Header + "loose text before any record\r\n" +
                 "\"UNKNOWNSECTION\",1,\"x\"\r\n" +              // no marker
                 "\"siteidinfo7438579\",3,\"lower case\"\r\n" +  // another case is no marker
                 SiteRecord(9, "unknown item") +                 // item dropped, its text skipped
                 "  \"SITEIDINFO7438579\"  ,3,\"first\"\r\n" +   // blanks around a marker
                 "\"GENERALDESIGNINFO271829\",3,\"100.5\"\r\n" + // section without a window
                 SiteRecord(3, "second") +                       // later record overwrites
                 End + SiteRecord(7, "after the end record"));
    EXPECT_EQ(project.texts[2], "second");
    EXPECT_EQ(project.texts[6], "after the end record");
    for (int i : {0, 1, 3, 4, 5, 7}) {
        EXPECT_EQ(project.texts[i], "") << i;
    }
}

TEST(ProjectFileRead, AFaultAbandonsTheRecordOrEndsTheReadAsItsSectionSays) {
    // The site section drops a record whose item number is no integer and reads on.
    SiteProject project;
    project.Read(Header + "\"SITEIDINFO7438579\",one,\"lost\"\r\n" + SiteRecord(2, "kept") + End);
    EXPECT_EQ(project.texts[0], "");
    EXPECT_EQ(project.texts[1], "kept");

    // A section that ends the read on a fault.
    ASSERT_EQ(ProjectFileFormat::Section(11).onError, ProjectFileFormat::OnError::EndRead);
    int reads = 0;
    project.sections.Register(11, {{}, [&reads](FieldReader& in) {
                                       ++reads;
                                       in.ReadInteger();
                                   }});
    std::string content =
        Header + "\"GENERALDESIGNINFO271829\",x\r\n" + SiteRecord(4, "never read") + End;
    EXPECT_THROW(project.Read(content), AppError);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(project.texts[3], "");
}

TEST(ProjectFileRead, ATruncatedFileEndsTheReadWhateverTheSection) {
    std::string whole = Header + SiteRecord(1, "F-1") + SiteRecord(2, "D-2") + End;
    struct Case {
        const char* name;
        std::string content;
    };
    for (const Case& c : std::vector<Case>{
             {"after the units record", "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n"},
             {"inside the version record", "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n"
                                           "\"VERSION\","},
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
            EXPECT_EQ(error.description, "Input past end of file") << c.name;
        }
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
        ReadAsFileOpens(Header + SiteRecord(1, "F-1") + c.record + SiteRecord(2, "D-2") + End,
                        sections);
        EXPECT_EQ(set, (std::vector<std::pair<int, std::string>>{{1, "F-1"}, {2, "D-2"}}));
    }
}
