// What File Open says of the example project where a hand edit left more or
// fewer lines than a save writes: a record that takes the line after it, a
// text over two lines, empty lines, header lines written twice. Each message
// says what is true, and whatever a save would lose or change unties the
// project.
#include "ProjectFixture.h"
#include "tailwater/FrmTailWaterCrossSection.h"

#include <string>
#include <vector>

namespace {

class OpenMessages : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        example = FileBytes(TW_EXAMPLE_PROJECT).toStdString();
        ASSERT_FALSE(example.empty());
    }

    // Opens the example with `from`, which must stand in it once, changed to `to`.
    void OpenExampleChanged(const std::string& from, const std::string& to) {
        OpenChanged(example, from, to, path);
    }

    std::string example;
    const QString path = Path("changed.twl");
};

struct Change {
    const char* what;
    std::string from;
    std::string to;
};

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
         }) {
        SCOPED_TRACE(c.change.what);
        OpenExampleChanged(c.change.from, c.change.to);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>({SkippedMessage(path, c.named)}));
        EXPECT_EQ(site->TxtFileNumber->text(), "F-2207");
        ExpectCurrentFile("");
        ExpectSaveAsksForAName();
    }
}
