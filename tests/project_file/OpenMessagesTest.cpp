// What File Open says of the example project where a hand edit left more or
// fewer lines than a save writes: a record that takes the line after it, a
// text over two lines, empty lines, header lines written twice. Each message
// says what is true, and whatever a save would lose or change unties the
// project.
#include "ProjectFixture.h"
#include "tailwater/FrmTailWaterCrossSection.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using OpenMessages = ExampleProjectTest;

} // namespace

// The stream of fields is read as ever: the point takes its cells from the
// line after it, and the box that line held stays empty.
TEST_F(OpenMessages, ARecordThatTakesTheLineAfterItIsReadAsBefore) {
    OpenExampleChanged("\"TAILWATERCROSSSECTIONINFO432078\",2,\"48\"",
                       "\"TAILWATERCROSSSECTIONINFO432078\",1,\"48\"");
    const FrmTailWaterCrossSection& section = *windows->tailwaterCrossSection;
    EXPECT_EQ(section.GrdXSection->TextMatrix(48, 1), "TAILWATERCROSSSECTIONINFO432078");
    EXPECT_EQ(section.GrdXSection->TextMatrix(48, 2), "3");
    EXPECT_EQ(section.GrdXSection->TextMatrix(48, 3), "64");
    EXPECT_EQ(section.TxtLeftOBStation->text(), "");
    EXPECT_EQ(section.TxtRightOBStation->text(), "");
    EXPECT_EQ(section.TxtChannelSlope->text(), "0.004");
    ExpectCurrentFile("");
}

// A text that holds a line end inside its quotes keeps its record on its
// lines, and an empty line holds nothing, in the header as between records:
// each opens silently and stays tied to its file.
TEST_F(OpenMessages, LineEndsInsideQuotesAndEmptyLinesOpenSilently) {
    for (const Change& c : std::vector<Change>{
             {"a text over two lines", "\"Hollins Branch\"", "\"Hollins\r\nBranch\""},
             {"an empty line after the signature line", "\"TARNWELLSOFTWAREVSHACHS\"\r\n",
              "\"TARNWELLSOFTWAREVSHACHS\"\r\n\r\n"},
             {"an empty line after the units line", "\"ENGLISHUNITS\"\r\n",
              "\"ENGLISHUNITS\"\r\n\r\n"},
             {"an empty line between records", "\"SITEIDINFO7438579\",8,\"R. Keane\"\r\n",
              "\"SITEIDINFO7438579\",8,\"R. Keane\"\r\n\r\n"},
             {"the header lines in lower case",
              "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n\"VERSION\"",
              "\"tarnwellsoftwarevshachs\"\r\n\"englishunits\"\r\n\"version\""},
             {"the end record in lower case", "\"END_OF_FILE\"", "\"end_of_file\""},
             {"an empty line before the signature line", "\"TARNWELLSOFTWAREVSHACHS\"\r\n",
              "\r\n\"TARNWELLSOFTWAREVSHACHS\"\r\n"},
             {"an empty line after the signature line and another after the units line",
              "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n",
              "\"TARNWELLSOFTWAREVSHACHS\"\r\n\r\n\"ENGLISHUNITS\"\r\n\r\n"},
         }) {
        SCOPED_TRACE(c.what);
        OpenExampleChanged(c.from, c.to);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
        ExpectCurrentFile(path);
    }
    // The empty line is all a save leaves out.
    OpenExampleChanged("\"TARNWELLSOFTWAREVSHACHS\"\r\n", "\"TARNWELLSOFTWAREVSHACHS\"\r\n\r\n");
    SaveAs(Path("saved.twl"));
    EXPECT_TRUE(FileBytes(Path("saved.twl")).toStdString() == example);
}

// A header line written again is named by its line, wherever it stands, and
// the rest of the file opens.
TEST_F(OpenMessages, ARepeatedHeaderLineIsNamedAndUntiesTheProject) {
    const std::string signature = "\"TARNWELLSOFTWAREVSHACHS\"\r\n";
    const std::string units = "\"ENGLISHUNITS\"\r\n";
    const std::string version = "\"VERSION\",\"2.00\"\r\n";
    const std::string site2 = "\"SITEIDINFO7438579\",2,";
    const QString repeated = "A repeated header line: \"TARNWELLSOFTWAREVSHACHS\" (line %1)";
    struct Case {
        Change change;
        QStringList named;
    };
    for (const Case& c : std::vector<Case>{
             {{"the signature line twice", signature, signature + signature}, {repeated.arg(2)}},
             {{"the signature line three times", signature, signature + signature + signature},
              {repeated.arg(2), repeated.arg(3)}},
             {{"the signature and units lines twice", signature + units,
               signature + units + signature + units},
              {repeated.arg(3)}},
             {{"the whole header twice", signature + units + version,
               signature + units + version + signature + units + version},
              {repeated.arg(4)}},
             {{"the version line twice", version, version + version},
              {"A repeated header line: \"VERSION\" (line 4)"}},
             {{"the version line among the records", site2, version + site2},
              {"A repeated header line: \"VERSION\" (line 5)"}},
         }) {
        SCOPED_TRACE(c.change.what);
        OpenExampleChanged(c.change.from, c.change.to);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>({SkippedMessage(path, c.named)}));
        EXPECT_EQ(site->TxtFileNumber->text(), "F-2207");
        ExpectCurrentFile("");
        ExpectSaveAsksForAName();
    }
}

// A value a save would store alike in another form ("00123" and "123") is
// still another value in its box or cell: a second record that gives it is
// told in either order, and either record alone opens silently and saves back
// as it stands.
TEST_F(OpenMessages, ARepeatInAnotherFormIsToldAndEachFormAloneSavesBack) {
    struct Case {
        const char* what;
        std::string record; // as the example holds it, with %1 where the forms go
        std::string original;
        std::string forms[2];
        int line;
        const char* place;
    };
    for (const Case& c : std::vector<Case>{
             {"leading zeros in a site text",
              "\"SITEIDINFO7438579\",1,\"%1\"\r\n",
              "F-2207",
              {"00123", "123"},
              4,
              "section SITEIDINFO7438579, item 1"},
             {"a leading blank in a rating table cell",
              "\"TAILWATERRATINGCURVEINFO43582\",3,16,\"%1\",\"7.10\",\"1,490.11\",\"4.42\","
              "\"337.50\",\"23,560.71\"\r\n",
              "106.00",
              {" 106.00", "106.00"},
              83,
              "section TAILWATERRATINGCURVEINFO43582, item 3"},
             {"leading zeros in a scour hole input",
              "\"NESCOURHOLEINFO620\",13,0,1,\"%1\"\r\n",
              "36",
              {"36", "0036"},
              1803,
              "section NESCOURHOLEINFO620, item 13"},
             {"a leading zero in a channel point",
              "\"TAILWATERCROSSSECTIONINFO432078\",1,5,\"%1\","
              "\"100.8\",\"0.040\"\r\n",
              "48",
              {"48", "048"},
              56,
              "section TAILWATERCROSSSECTIONINFO432078, item 1"},
         }) {
        SCOPED_TRACE(c.what);
        const auto record = [&c](const std::string& form) {
            std::string text = c.record;
            return text.replace(text.find("%1"), 2, form);
        };
        const std::string original = record(c.original);
        for (const std::string& form : c.forms) {
            SCOPED_TRACE(form);
            const std::string changed = OpenChanged(example, original, record(form), path);
            EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
            ExpectCurrentFile(path);
            SaveAs(Path("saved.twl"));
            EXPECT_TRUE(FileBytes(Path("saved.twl")).toStdString() == changed);
        }
        for (int first = 0; first < 2; ++first) {
            SCOPED_TRACE(c.forms[first]);
            OpenChanged(example, original, record(c.forms[first]) + record(c.forms[1 - first]),
                        path);
            EXPECT_EQ(user.MessageTexts(),
                      std::vector<QString>({SkippedMessage(
                          path, {QString("The value of line %1, replaced by a second record for "
                                         "the same field (line %2, %3)")
                                     .arg(c.line)
                                     .arg(c.line + 1)
                                     .arg(c.place)})}));
            ExpectCurrentFile("");
        }
    }
}

// A record whose line the end record was joined to, or whose text ran on into
// the end record, is named by its line; the end record is there, so the file
// is whole and everything before it was read.
TEST_F(OpenMessages, ARecordThatRunsIntoTheEndRecordIsNamedAndTheFileIsWhole) {
    const std::string last = "\"HEC14RIPRAP857982\",23,\"24.0\"\r\n";
    struct Case {
        Change change;
        QString named;
    };
    for (const Case& c : std::vector<Case>{
             {{"the last record cut inside its marker", last, "\"HEC14RIP\r\n"},
              "A field that is no section's marker: \"HEC14RIP<CR><LF>\"; the text runs on to "
              "line 1876, the end record (line 1875)"},
             {{"the last record joined to the end record", last + "\"END_OF_FILE\"",
               "\"HEC14RIPRAP857982\",23,\"24.0\"\"END_OF_FILE\""},
              "A record joined on its line to the end record (line 1875, section "
              "HEC14RIPRAP857982, item 23)"},
         }) {
        SCOPED_TRACE(c.change.what);
        OpenExampleChanged(c.change.from, c.change.to);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>({SkippedMessage(path, {c.named})}));
        EXPECT_EQ(site->TxtFileNumber->text(), "F-2207");
        ExpectCurrentFile("");
    }
}

// The same damage to the last record of every golden file: the message names
// that record's line and never says that the end record is missing.
TEST_F(OpenMessages, EveryGoldenFilesLastRecordRunningIntoTheEndRecordIsNamedByItsLine) {
    for (const auto& entry : std::filesystem::directory_iterator(TW_GOLDEN_DIR)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string golden =
            FileBytes(QString::fromStdString(entry.path().string())).toStdString();
        const size_t end = golden.rfind("\"END_OF_FILE\"");
        const size_t start = golden.rfind("\r\n", end - 3) + 2;
        const std::string last = golden.substr(start, end - start);
        const QString line =
            QString(" (line %1").arg(std::count(golden.begin(), golden.begin() + start, '\n') + 1);
        for (const Change& c : std::vector<Change>{
                 {"cut inside its marker", last, last.substr(0, 6) + "\r\n"},
                 {"joined to the end record", last, last.substr(0, last.size() - 2)},
             }) {
            SCOPED_TRACE(c.what);
            OpenChanged(golden, c.from, c.to, path);
            ASSERT_EQ(user.MessageTexts().size(), 1u);
            const QString message = user.MessageTexts().front();
            EXPECT_TRUE(message.contains(line)) << message.toStdString();
            EXPECT_TRUE(message.contains("end record")) << message.toStdString();
            EXPECT_FALSE(message.contains("has no end record")) << message.toStdString();
            EXPECT_FALSE(message.contains("incomplete")) << message.toStdString();
            ExpectCurrentFile("");
        }
    }
}

// A text cut before its closing quote takes the next line into the text and
// the line after it into the record's fields: the message names both.
TEST_F(OpenMessages, ARecordNamesEveryLineItTook) {
    OpenExampleChanged("\"TAILWATERRATINGCURVEINFO43582\",3,16,\"106.00\",\"7.10\",\"1,490.11\","
                       "\"4.42\",\"337.50\",\"23,560.71\"\r\n",
                       "\"TAILWATERRATINGCURVEINFO43582\",3,16,\"1\r\n");
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>({SkippedMessage(
                  path, {"A record that reads on past its line end and takes lines 84 to 85 with "
                         "it (line 83, section TAILWATERRATINGCURVEINFO43582, item 3)"})}));
}
