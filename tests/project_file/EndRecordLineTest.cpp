// The end record is known by its line: the line's first field, or the quoted
// end record joined to a line that lost its line end before it. A text inside
// a record that spells the end record's word, or a header line's, is that
// record's text: a file cut short after it is still cut short.
#include "ReadCase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ProjectFileHarness::Result;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Site = "\"SITEIDINFO7438579\"";
const std::string Stray = "A field that is no section's marker: ";

} // namespace

TEST(EndRecordLine, TheEndRecordIsKnownByWhatItsLineHolds) {
    for (const ReadCase& c : std::vector<ReadCase>{
             {"the end record in another letter case", Site + ",3,\"a\"\r\n\"End_Of_File\"\r\n",
              Result::Complete, ""},
             {"the end record with blanks and tabs around it",
              Site + ",3,\"a\"\r\n \t\"END_OF_FILE\"\t \r\n", Result::Complete, ""},
             {"the end record without its quotes", Site + ",3,\"a\"\r\nEND_OF_FILE\r\n",
              Result::Complete, ""},
             {"characters after the end record's closing quote",
              Site + ",3,\"a\"\r\n\"END_OF_FILE\" x y\r\n", Result::Complete,
              "Characters after the end record's closing quote, which the read drops: \"x y\" "
              "(line 5)"},
             {"a stray field glued before it", "abc\"END_OF_FILE\"\r\n", Result::Complete,
              Stray + "\"abc\"; the end record is joined to its line (line 4)"},
             {"a quoted stray field glued before it, a tab after",
              "\"A stray text\"\"END_OF_FILE\"\t\r\n" + Site + ",3,\"a\"\r\n", Result::Complete,
              Stray + "\"A stray text\"; the end record is joined to its line (line 4)"},
             {"a quoted stray field glued before it, a comma after",
              "\"A stray text\"\"END_OF_FILE\",\r\n" + Site + ",3,\"a\"\r\n", Result::Complete,
              Stray + "\"A stray text\"; the end record is joined to its line (line 4)"},
             {"a stray field and the end record, a comma between",
              "\"A stray text\",\"END_OF_FILE\"\r\n", Result::Complete,
              Stray + "\"A stray text\" (line 4)"},
             {"a record's last text glued to it", Site + ",3,\"a\"\"end_of_file\"\r\n",
              Result::Complete,
              "A record joined on its line to the end record (line 4, section "
              "SITEIDINFO7438579, item 3)"},
             // A record's text that spells the end record's word is its text.
             {"a County that spells it, then the end record", Site + ",3,\"END_OF_FILE\"\r\n" + End,
              Result::Complete, ""},
             {"a County that spells it, the file cut after it", Site + ",3,\"END_OF_FILE\"\r\n",
              Result::Failed, "The file has no end record"},
             {"a County that spells it in lower case, the file cut after it",
              Site + ",3,\"end_of_file\"", Result::Failed, "The file has no end record"},
             {"an unknown item whose text spells it, the file cut after it",
              Site + ",42,\"END_OF_FILE\"\r\n", Result::Failed, "The file has no end record"},
             {"a marker in another letter case before a text that spells it, the file cut after "
              "it",
              "\"siteidinfo7438579\",3,\"END_OF_FILE\"\r\n", Result::Failed,
              "The file has no end record"},
             {"a text with line ends inside its quotes that leave the word alone on a line, the "
              "file cut after it",
              Site + ",3,\"x\r\nEND_OF_FILE\r\ny\"\r\n", Result::Failed,
              "The file has no end record"},
             {"a text with line ends inside its quotes that leave the word alone on a line",
              Site + ",3,\"x\r\nEND_OF_FILE\r\n\"\r\n" + End, Result::Complete, ""},
             // The words of header lines inside a record are its texts.
             {"texts that spell the header lines",
              Site + ",1,\"TARNWELLSOFTWAREVSHACHS\"\r\n" + Site + ",2,\"ENGLISHUNITS\"\r\n" +
                  Site + ",3,\"VERSION\"\r\n" + Site +
                  ",4,\"\r\nTARNWELLSOFTWAREVSHACHS\r\n\"\r\n" + End,
              Result::Complete, ""},
         }) {
        ExpectRead(c);
    }
}

// Every line end doubled, each line end of either kind: every record is read,
// and the empty lines between hold nothing.
TEST(EndRecordLine, RepeatedLineEndsLeaveEveryRecordWhole) {
    for (const std::string lineEnd : {"\r\n\r\n", "\r\r\n", "\r\r\r\n", "\n\n\n", "\r\r"}) {
        SCOPED_TRACE(lineEnd.size());
        std::string content;
        for (const std::string& line :
             {std::string("\"TARNWELLSOFTWAREVSHACHS\""), std::string("\"ENGLISHUNITS\""),
              std::string("\"VERSION\",\"2.00\""), Site + ",1,\"F-2207\"",
              Site + ",4,\"two" + lineEnd + "lines\"", Site + ",8,\"R. Keane\"",
              std::string("\"END_OF_FILE\"")}) {
            content += line + lineEnd;
        }
        const ProjectFileHarness::Outcome outcome = ProjectFileHarness::Read(content);
        ASSERT_EQ(outcome.result, Result::Complete) << outcome.error;
        EXPECT_EQ(outcome.skipped.Named(), std::vector<std::string>());
        EXPECT_EQ(outcome.site[0], "F-2207");
        EXPECT_EQ(outcome.site[3], "two" + lineEnd + "lines");
        EXPECT_EQ(outcome.site[7], "R. Keane");
    }
}
