// The reader takes a record's fields as a stream, across its line end: a
// record that runs short, or is read by another item number than the one
// written, takes its last fields from the lines after it. The read goes on as
// ever, but every such record is counted by the lines it took, and so is a
// text whose characters after its closing quote were dropped.
#include "ReadCase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ProjectFileHarness::Result;

namespace {

using ProjectFileFrame::End;
using ProjectFileFrame::Header;
const std::string Site = "\"SITEIDINFO7438579\"";
const std::string Channel = "\"TAILWATERCROSSSECTIONINFO432078\"";
const std::string Rating = "\"TAILWATERRATINGCURVEINFO43582\"";
const std::string QDepth = "\"TWQDEPTHINFO34853\"";
const std::string Design = "\"GENERALDESIGNINFO271829\"";
const std::string Riprap = "\"HEC14RIPRAP857982\"";

const std::string RunsOn = "A record that reads on past its line end and takes ";

} // namespace

TEST(RecordsPastTheirLine, EachIsCountedByBothLinesAndTheReadGoesOnAsEver) {
    for (const ReadCase& c : std::vector<ReadCase>{
             {"a Left OB station record read as a channel point",
              Channel + ",1,\"48\"\r\n" + Channel + ",3,\"64\"\r\n" + End, Result::Complete,
              RunsOn + "line 5 with it (line 4, section TAILWATERCROSSSECTIONINFO432078, item 1)"},
             {"a channel point with its cells cut off",
              Channel + ",1,12\r\n" + Channel + ",2,\"48\"\r\n" + End, Result::Complete,
              RunsOn + "line 5 with it (line 4, section TAILWATERCROSSSECTIONINFO432078, item 1)"},
             {"a riprap item 13 with its texts cut off",
              Riprap + ",13\r\n" + Riprap + ",15,\"CLASS E\"\r\n" + End, Result::Complete,
              RunsOn + "line 5 with it (line 4, section HEC14RIPRAP857982, item 13)"},
             {"a rating row cut after three cells",
              Rating + ",3,16,\"106.00\",\"7.10\",\"1,490.11\"\r\n" + QDepth + ",1,0\r\n" + End,
              Result::Complete,
              RunsOn + "line 5 with it (line 4, section TAILWATERRATINGCURVEINFO43582, item 3)"},
             {"a marker alone on its line", Site + "\r\n3,\"Orlen\"\r\n" + End, Result::Complete,
              RunsOn + "line 5 with it (line 4, section SITEIDINFO7438579)"},
             {"a record over several lines",
              Riprap + ",13\r\n\"491\"\r\n\"4.71\"\r\n\"0.7\"\r\n" + End, Result::Complete,
              RunsOn + "lines 5 to 7 with it (line 4, section HEC14RIPRAP857982, item 13)"},
             {"a record that takes an empty line", Site + ",3\r\n\r\n" + End, Result::Complete,
              RunsOn + "line 5 with it (line 4, section SITEIDINFO7438579, item 3)"},
             // The file is whole: it has its end record, which the record took.
             {"a record that takes the end record", Site + ",3\r\n" + End, Result::Complete,
              RunsOn + "line 5, the end record, with it (line 4, section SITEIDINFO7438579, item "
                       "3)"},
             {"a channel point cut before its n that takes the end record",
              Channel + ",1,3,\"10\",\"100\"\r\n" + End, Result::Complete,
              RunsOn + "line 5, the end record, with it (line 4, section "
                       "TAILWATERCROSSSECTIONINFO432078, item 1)"},
             {"a record that runs out of fields after the end record, in a section whose "
              "faults end the read",
              Riprap + ",13,\"491\"\r\n" + End, Result::Complete,
              "Input past end of file, in a record that reads on past its line end and takes "
              "line 5, the end record, with it (line 4, section HEC14RIPRAP857982, item 13)"},
             {"a record over several lines and the end record",
              Riprap + ",13\r\n\"491\"\r\n" + End + Site + ",3,\"Orlen\"\r\n", Result::Complete,
              RunsOn + "lines 5 to 7 with it, the end record among them (line 4, section "
                       "HEC14RIPRAP857982, item 13)"},
             {"a fault in the line taken, in a section that reads on",
              Site + "\r\n\"Orlen\"\r\n" + End, Result::Complete,
              "Type mismatch, in a record that reads on past its line end and takes line 5 "
              "with it (line 4, section SITEIDINFO7438579)"},
             {"a fault in the line taken, in a section whose faults end the read",
              Design + ",2,3,1,\"x\"\r\n" + Design + ",3,\"100.00\"\r\n" + End, Result::Failed,
              "Type mismatch, in a record that reads on past its line end and takes line 5 "
              "with it (line 4, section GENERALDESIGNINFO271829, item 2)"},
             // No end record: the file was cut short, and the lines the
             // record took are named.
             {"a record that runs into the end of a file cut short", Riprap + ",13\r\n\"491\"\r\n",
              Result::Failed,
              "Input past end of file, in a record that reads on past its line end and takes "
              "line 5 with it (line 4, section HEC14RIPRAP857982, item 13)"},
             {"a text after a closing quote", Site + ",4,\"a \"\"quoted\"\" b\"\r\n" + End,
              Result::Complete,
              "Characters after a text's closing quote, which the read drops (line 4, section "
              "SITEIDINFO7438579, item 4)"},
             // A text cut before its closing quote closes at the next quote:
             // the next record's opening one, whose first field is then dropped.
             {"a text cut before its closing quote",
              Site + ",4,\"Orl\r\n" + Site + ",5,\"Route 614\"\r\n" + End, Result::Complete,
              "Characters after a text's closing quote, which the read drops; the text runs on "
              "to line 5 (line 4, section SITEIDINFO7438579, item 4)"},
             {"a text cut before its closing quote that runs on to the end record",
              Site + ",4,\"Orl\r\n" + End, Result::Complete,
              "Characters after a text's closing quote, which the read drops; the text runs on "
              "to line 5, the end record (line 4, section SITEIDINFO7438579, item 4)"},
             {"a text cut before its closing quote that runs on over several lines",
              Site + ",4,\"Orl\r\n\r\n" + End, Result::Complete,
              "Characters after a text's closing quote, which the read drops; the text runs on "
              "over lines 5 to 6, the end record among them (line 4, section SITEIDINFO7438579, "
              "item 4)"},
             {"a text after a marker's closing quote", Site + "x,4,\"a\"\r\n" + End,
              Result::Complete,
              "Characters after a text's closing quote, which the read drops (line 4, section "
              "SITEIDINFO7438579, item 4)"},
         }) {
        ExpectRead(c);
    }
}

TEST(RecordsPastTheirLine, WhatTheyTookIsReadAsTheStreamGivesIt) {
    const ProjectFileHarness::Outcome outcome =
        ProjectFileHarness::Read(Header + Channel + ",1,\"48\"\r\n" + Channel + ",3,\"64\"\r\n" +
                                 Channel + ",4,\"0.004\"\r\n" + End);
    ASSERT_EQ(outcome.result, Result::Complete);
    EXPECT_EQ(outcome.crossSection.points[48],
              (TWCrossSectionRecords::PointTexts{"TAILWATERCROSSSECTIONINFO432078", "3", "64"}));
    EXPECT_EQ(outcome.crossSection.boxes.count(TWCrossSectionRecords::Box::RightOBStation), 0u);
    EXPECT_EQ(outcome.crossSection.boxes.at(TWCrossSectionRecords::Box::ChannelSlope), "0.004");
}

// Records that keep to their lines, as every file the program writes does.
TEST(RecordsPastTheirLine, RecordsOnTheirOwnLinesAreSilent) {
    struct Silent {
        const char* what;
        std::string records;
    };
    for (const Silent& c : std::vector<Silent>{
             {"a text with a line end inside its quotes", Site + ",4,\"two\r\nlines\"\r\n"},
             {"a text with line ends inside its quotes, of every kind",
              Site + ",4,\"a\nb\rc\r\n\r\nd\"\r\n" + Site + ",5,\"x\"\r\n"},
             {"blanks after a closing quote", Site + "  ,4,\"a\"  \r\n" + Site + ",5,\"b\"\t\r\n"},
             {"an empty line between records", Site + ",4,\"a\"\r\n\r\n" + Site + ",5,\"b\"\r\n"},
             {"a record without a line end before the end record",
              Site + ",4,\"a\"\r\n\"END_OF_FILE\""},
         }) {
        SCOPED_TRACE(c.what);
        const std::string content =
            Header + c.records + (c.records.ends_with("\"END_OF_FILE\"") ? "" : End);
        const ProjectFileHarness::Outcome outcome = ProjectFileHarness::Read(content);
        EXPECT_EQ(outcome.result, Result::Complete) << outcome.error;
        EXPECT_EQ(outcome.skipped.Named(), std::vector<std::string>());
    }
}
