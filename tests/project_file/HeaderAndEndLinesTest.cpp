// File Open of the example project with one change to its header lines, its
// end record or its line ends: each line is read as what it holds, wherever
// it stands. What loses nothing opens silently and saves back as the example;
// what a save would drop is named by what the file holds, and every record
// is read.
#include "ProjectFixture.h"

#include <string>
#include <vector>

namespace {

class HeaderAndEndLines : public ExampleProjectTest {
protected:
    // Every record was read: the first box whole, and a save writes the
    // example back byte for byte.
    void ExpectEveryRecordRead() {
        EXPECT_EQ(site->TxtFileNumber->text(), "F-2207");
        SaveAs(Path("saved.twl"));
        EXPECT_TRUE(FileBytes(Path("saved.twl")).toStdString() == example);
    }
};

// `text` with every CR LF made `lineEnd`.
std::string WithLineEnds(std::string text, const std::string& lineEnd) {
    for (size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + lineEnd.size())) {
        text.replace(at, 2, lineEnd);
    }
    return text;
}

const std::string Version = "\"VERSION\",\"2.00\"\r\n";
const std::string EndRecord = "\"END_OF_FILE\"\r\n";
const std::string ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

// A version line missing or short loses nothing: the line where it belongs
// is read as what it holds, and the file opens silently.
TEST_F(HeaderAndEndLines, AMissingOrShortVersionLineLosesNothing) {
    for (const Change& c : std::vector<Change>{
             {"no version line", Version, ""},
             {"the version line with one field", Version, "\"VERSION\"\r\n"},
             {"the version line with another number", Version, "\"VERSION\",\"1.00\"\r\n"},
             {"the version line without its quotes", Version, "VERSION,2.00\r\n"},
         }) {
        SCOPED_TRACE(c.what);
        OpenExampleChanged(c.from, c.to);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
        ExpectCurrentFile(path);
        ExpectEveryRecordRead();
    }
}

// An empty line holds nothing, wherever it stands: a byte-order mark on the
// line before the signature line, or line ends that each read as two or more.
TEST_F(HeaderAndEndLines, EmptyLinesHoldNothingWhereverTheyStand) {
    struct Case {
        const char* what;
        std::string content;
    };
    const std::string textOverTwoLines = "\"Hollins\r\nBranch\"";
    for (const Case& c : std::vector<Case>{
             {"a byte-order mark, then a line end", ByteOrderMark + "\r\n" + example},
             {"a byte-order mark glued to the signature line", ByteOrderMark + example},
             {"every line end CR LF CR LF", WithLineEnds(example, "\r\n\r\n")},
             {"every line end CR CR LF", WithLineEnds(example, "\r\r\n")},
             {"every line end LF LF LF", WithLineEnds(example, "\n\n\n")},
             {"every line end CR CR LF but the last",
              WithLineEnds(example.substr(0, example.size() - 2), "\r\r\n") + "\r\n"},
         }) {
        SCOPED_TRACE(c.what);
        WriteBytes(path, c.content);
        user.shown.clear();
        Open(path);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
        ExpectCurrentFile(path);
        ExpectEveryRecordRead();
    }
    // A line end inside a text's quotes is the text's, whatever the file's
    // line ends are.
    const std::string stream = "\"Hollins Branch\"";
    std::string changed = example;
    changed.replace(changed.find(stream), stream.size(), textOverTwoLines);
    WriteBytes(path, WithLineEnds(changed, "\r\r\n"));
    user.shown.clear();
    Open(path);
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
    EXPECT_EQ(site->TxtStream->text(), "Hollins\r\r\nBranch");
    ExpectCurrentFile(path);
}

// The end record with more on its line: the end record is there, so every
// record before it was read and the file is whole; what a save would drop is
// named as the file holds it.
TEST_F(HeaderAndEndLines, WhatStandsOnTheEndRecordsLineIsNamedAndTheFileIsWhole) {
    struct Case {
        Change change;
        QString named;
    };
    const QString strayBefore = "A field that is no section's marker: \"%1\"; the end record is "
                                "joined to its line (line 1876)";
    for (const Case& c : std::vector<Case>{
             {{"characters after the end record's closing quote", EndRecord,
               "\"END_OF_FILE\"x\r\n"},
              "Characters after the end record's closing quote, which the read drops: \"x\" "
              "(line 1876)"},
             {{"a stray field before the end record, the file's last line", EndRecord,
               "abc\"END_OF_FILE\""},
              strayBefore.arg("abc")},
             {{"a stray field before the end record", EndRecord, "abc\"END_OF_FILE\"\r\n"},
              strayBefore.arg("abc")},
             {{"a quoted stray field before the end record", EndRecord,
               "\"A stray text\"\"END_OF_FILE\"\r\n"},
              strayBefore.arg("A stray text")},
             {{"a quoted stray field before the end record, an empty line after it", EndRecord,
               "\"A stray text\"\"END_OF_FILE\"\r\n\r\n"},
              strayBefore.arg("A stray text")},
             {{"a quoted stray field before the end record, lines after it", EndRecord,
               "\"A stray text\"\"END_OF_FILE\"\r\n\"SITEIDINFO7438579\",1,\"F-2207\"\r\n"},
              strayBefore.arg("A stray text")},
         }) {
        SCOPED_TRACE(c.change.what);
        OpenExampleChanged(c.change.from, c.change.to);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>({SkippedMessage(path, {c.named})}));
        ExpectCurrentFile("");
        ExpectEveryRecordRead();
    }
}
