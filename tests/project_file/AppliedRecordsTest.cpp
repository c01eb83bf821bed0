#include "project_file/AppliedRecords.h"
#include "ProjectFileFrame.h"
#include "platform/AppError.h"
#include "project_file/FieldEncoding.h"
#include "project_file/FieldReader.h"
#include "project_file/HashIndex.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordFields.h"
#include "project_file/StoredRecord.h"

#include <gtest/gtest.h>

#include <compare>
#include <optional>
#include <string>
#include <vector>

using ProjectFileFormat::HeaderCheck;
using ProjectFileFormat::SectionTable;

namespace {

// The write-back check reads the records a second time with RecordFields:
// it must split them into the fields that FieldReader read, with the same
// texts, the same quotes and the same ends, whatever the file holds.
TEST(RecordFields, SplitsRecordsAsFieldReaderDoes) {
    for (const std::string& content : {
             std::string("3,\"Route 9, Mill crossing\"\r\n"),
             std::string(" 2 , 05 ,\t3\t,\"  x  \",0\r\n"),
             std::string("2,\"two\r\nlines\",\"and\nmore\rends\"\n\"next\"\r"),
             std::string("1,\"closed\" and more,x\r\n"),
             std::string("1,,\"\",  ,\r\n\r\n"),
             std::string("  \"1\"  ,unquoted text,\"\""),
             std::string("7,-1,-2147483648,99999999999\r\n"),
             std::string("\"open quote, to the end"),
             std::string("4,\"accent \xC3\xA9\",caf\xE9\r\n"),
         }) {
        SCOPED_TRACE(content);
        FieldReader reader(content);
        RecordFields fields(content);
        while (!reader.AtEnd()) {
            ASSERT_FALSE(fields.AtEnd());
            EXPECT_EQ(fields.NextQuoted(), reader.NextFieldQuoted());
            const bool quoted = reader.NextFieldQuoted();
            std::string text;
            try {
                text = reader.ReadText();
            } catch (const AppError&) {
                break; // the read ends here: no record of it is applied
            }
            const RecordFields::Field field = fields.Next();
            EXPECT_EQ(field.quoted, quoted);
            EXPECT_EQ(FieldEncoding::IsUtf8(field.text)
                          ? std::string(field.text)
                          : FieldEncoding::Windows1252ToUtf8(field.text),
                      text);
            EXPECT_EQ(fields.Offset(), reader.Offset());
        }
    }
}

TEST(RecordFields, StartLineEndsTheFieldsAtTheLineEnd) {
    const std::string content = "\"M\",1,\"a\r\nb\",2\r\n\"N\",3\r\n";
    RecordFields fields(content);
    fields.StartLine();
    std::vector<std::string> first;
    while (!fields.AtEnd()) {
        first.emplace_back(fields.Next().text);
    }
    EXPECT_EQ(first, (std::vector<std::string>{"M", "1", "a\r\nb", "2"}));
    fields.StartLine();
    EXPECT_EQ(fields.Next().text, "N");
    EXPECT_EQ(fields.Next().text, "3");
    EXPECT_TRUE(fields.AtEnd());
    EXPECT_EQ(fields.Offset(), content.size());
}

// What a save stores alike is one place and one value, whatever the file's
// form; what it stores otherwise is not.
TEST(StoredRecord, RecordsThatASaveStoresAlikeReadAlike) {
    using ProjectFileFormat::StoredRecordOf;
    struct Case {
        const char* what;
        std::string a;
        std::string b;
        bool samePlace;
        bool sameWhole;
    };
    for (const Case& c : std::vector<Case>{
             {"blanks around a text", "3,\" 100.00 \"\r\n", "3,\"100.00\"", true, true},
             {"a leading zero and blanks", "2, 05 ,3,\"x\",0", "2,5,3,\"x\",0", true, true},
             {"a quoted integer", "\"2\",5,\"x\"", "2,5,\"x\"", true, true},
             {"a text in the code page", "1,\"caf\xE9\"", "1,\"caf\xC3\xA9\"", true, true},
             {"a text without quotes", "2,5,3,x,0", "2,5,3,\"x\",0", false, true},
             {"another row", "2,5,3,\"x\",0", "2,6,3,\"x\",0", false, false},
             {"another value", "3,\"a\"", "3,\"b\"", true, false},
             {"a comma in a text", "3,\"a,b\"", "3,\"a\",\"b\"", true, false},
             {"a choice", "7,2,201,-1", "7,2,201,20104", true, false},
         }) {
        SCOPED_TRACE(c.what);
        const ProjectFileFormat::StoredRecord a = StoredRecordOf(11, c.a);
        const ProjectFileFormat::StoredRecord b = StoredRecordOf(11, c.b);
        EXPECT_EQ(a.place == b.place, c.samePlace);
        EXPECT_EQ(a.whole == b.whole, c.sameWhole);
        EXPECT_NE(StoredRecordOf(12, c.a).place, a.place) << "another section";
    }
}

// The quick reading of a place in the writers' own form finds what the whole
// reading finds, and leaves every other form to it.
TEST(StoredRecord, APlainPlaceIsThePlaceTheWholeReadingFinds) {
    for (const std::string& fields : {
             std::string("4,1,2,\"84\"\r\n"),
             std::string("10,1,5\r\n"),
             std::string("10,1,5"),
             std::string("7,2,201,20104\n"),
             std::string("2,1,1,\"216.00\",0\r\n"),
             std::string("13,0,1,\"36\"\r\n"),
             std::string("05,123456789,\"x\""),
         }) {
        SCOPED_TRACE(fields);
        const std::optional<ProjectFileFormat::IntegerPlace> plain =
            ProjectFileFormat::PlainPlaceOf(fields);
        ASSERT_TRUE(plain);
        const ProjectFileFormat::IntegerPlace whole =
            ProjectFileFormat::StoredRecordOf(11, fields, true).integerPlace;
        EXPECT_EQ(*plain <=> whole, std::strong_ordering::equal);
        EXPECT_EQ(plain->size, whole.size);
    }
    for (const std::string& fields : {
             std::string(" 4,1,\"x\""),
             std::string("-1,\"x\""),
             std::string("4,1234567890,\"x\""),
             std::string("1,2,3,4,5,\"x\""),
             std::string("4,,\"x\""),
             std::string("4,1 ,\"x\""),
             std::string("10,1\r\n5"),
         }) {
        EXPECT_FALSE(ProjectFileFormat::PlainPlaceOf(fields)) << fields;
    }
}

TEST(HashIndex, KeepsTheFirstNumberForEachHashAcrossGrowth) {
    HashIndex index;
    constexpr uint32_t count = 1000;
    for (uint32_t i = 0; i < count; ++i) {
        // Hashes that share their low bits, to crowd the same slots.
        const auto [number, inserted] = index.Insert(uint64_t{i} << 32, i);
        EXPECT_TRUE(inserted);
        EXPECT_EQ(number, i);
    }
    for (uint32_t i = 0; i < count; i += 7) {
        auto [number, inserted] = index.Insert(uint64_t{i} << 32, count + i);
        EXPECT_FALSE(inserted);
        EXPECT_EQ(number, i);
        number = count + i; // the caller may move it on
    }
    EXPECT_EQ(index.Insert(uint64_t{7} << 32, 0).first, count + 7);
    EXPECT_TRUE(index.Contains(uint64_t{count - 1} << 32));
    EXPECT_FALSE(index.Contains(uint64_t{count} << 32));
    EXPECT_FALSE(HashIndex().Contains(0));
}

using ProjectFileFrame::End;
using ProjectFileFrame::Header;

// Reads `content` as File Open does, into a General Culvert Design section
// that takes each record whole, to its line end, into `applied`; what the
// read could not use.
ProjectFileFormat::SkippedRecords ReadWholeRecords(const std::string& content,
                                                   ProjectFileFormat::AppliedRecords& applied) {
    SectionTable sections;
    sections.Register(11, {{}, [](FieldReader& in) {
                               while (!in.AtLineStart()) {
                                   in.ReadText();
                               }
                           }});
    FieldReader in(content);
    EXPECT_EQ(ProjectFileFormat::CheckHeader(in), HeaderCheck::ProjectFile);
    ProjectFileFormat::SkippedRecords skipped;
    ProjectFileFormat::ReadProject(in, sections, skipped, applied);
    return skipped;
}

// A file that a save gives back character for character needs no record by
// record look; any other goes through the whole one, however little differs.
TEST(AppliedRecords, AFileThatASaveDoesNotGiveBackAsItStandsIsLookedAtRecordByRecord) {
    const std::string m = "\"GENERALDESIGNINFO271829\",";
    const std::string a = m + "3,\"100.00\"\r\n";
    const std::string b = m + "2,1,1,\"216.00\",0\r\n";
    const std::string c = m + "2,1,2,\"1.5\",0\r\n";
    struct Case {
        const char* what;
        std::string read;
        std::string saved;
        std::vector<int> lostLines;
    };
    for (const Case& k : std::vector<Case>{
             {"saved as read", a + b + c, a + b + c, {}},
             {"saved with records of its own between", a + c, a + b + c, {}},
             {"saved in another order", c + b + a, a + b + c, {}},
             {"saved but for the last", a + b + c, a + b, {6}},
             {"saved but for the first", a + b + c, b + c, {4}},
             {"a record twice, saved once", a + b + b, a + b, {}},
             {"a record a saved line only begins with", m + "3,\"100.00\",", a, {4}},
             {"LF line ends", m + "3,\"100.00\"\n" + m + "2,1,1,\"216.00\",0\n", a + b, {}},
             {"a record without its line end", a + m + "2,1,1,\"216.00\",0", a + b, {}},
         }) {
        SCOPED_TRACE(k.what);
        const std::string content = Header + k.read + (k.read.ends_with('\n') ? "" : "\r\n") + End;
        ProjectFileFormat::AppliedRecords applied;
        ProjectFileFormat::SkippedRecords skipped = ReadWholeRecords(content, applied);
        ASSERT_EQ(skipped.Count(), 0u);
        applied.CountUnsaved(Header + k.saved + End, skipped);
        std::vector<std::string> named;
        for (int line : k.lostLines) {
            named.push_back("A value that a save would not write back (line " +
                            std::to_string(line) + ", section GENERALDESIGNINFO271829, item " +
                            (line == 4 ? "3" : "2") + ")");
        }
        EXPECT_EQ(skipped.Named(), named);
    }
}

// A place set again counts wherever it stands: among the places of its item
// in the writers' rising order, after others out of order, or after the end
// record; the same value again does not.
TEST(AppliedRecords, APlaceSetAgainIsToldWhereverItStands) {
    const std::string m = "\"GENERALDESIGNINFO271829\",";
    const std::string content = Header +                  //
                                m + "2,1,1,\"a\",0\r\n" + // line 4
                                m + "2,1,2,\"b\",0\r\n" + // 5
                                m + "2,2,1,\"c\",0\r\n" + // 6
                                m + "2,1,2,\"B\",0\r\n" + // 7: sets line 5's place again
                                m + "2,2,1,\"c\",0\r\n" + // 8: line 6 again, the same
                                m + "2,3,1,\"d\",0\r\n" + // 9
                                m + "3,\"x\"\r\n" +       // 10
                                End +                     //
                                m + "2,1,1,\"A\",0\r\n" + // 12: sets line 4's place again
                                m + "3,\"y\"\r\n";        // 13: sets line 10's place again
    ProjectFileFormat::AppliedRecords applied;
    const ProjectFileFormat::SkippedRecords skipped = ReadWholeRecords(content, applied);
    const std::string replaced = ", replaced by a second record for the same field (line ";
    EXPECT_EQ(
        skipped.Named(),
        (std::vector<std::string>{
            "The value of line 5" + replaced + "7, section GENERALDESIGNINFO271829, item 2)",
            "The value of line 4" + replaced + "12, section GENERALDESIGNINFO271829, item 2)",
            "The value of line 10" + replaced + "13, section GENERALDESIGNINFO271829, item 3)",
        }));
}

} // namespace
