#include "platform/AppError.h"
#include "project_file/FieldReader.h"
#include "project_file/RecordWriter.h"
#include "project_file/Tools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct EscapeCase {
    std::string text;
    std::string replaced; // ReplaceDoubleQuotes
    std::string stored;   // StoredText
};

const std::vector<EscapeCase> EscapeCases = {
    {"", "", ""},
    {"    ", "", ""},
    {"Mill Creek", "Mill Creek", "Mill Creek"},
    {"  36\" pipe  ", "  36'' pipe  ", "36'' pipe"},
    {"\"\"", "''''", "''''"},
    {"a, b", "a, b", "a, b"},
    {"\tx\t", "\tx\t", "\tx\t"}, // only space characters are blanks
};

std::vector<std::string> ReadAllFields(const std::string& content) {
    FieldReader in(content);
    std::vector<std::string> fields;
    while (!in.AtEnd()) {
        fields.push_back(in.ReadText());
    }
    return fields;
}

struct FieldCase {
    const char* name;
    std::string content;
    std::vector<std::string> fields;
};

const std::vector<FieldCase> FieldCases = {
    {"quoted and bare", "\"a\",7,\"b\"\r\n", {"a", "7", "b"}},
    {"comma inside quotes", "\"x, y\",1\r\n", {"x, y", "1"}},
    {"empty text", "\"\",\"\"\r\n", {"", ""}},
    {"line ends end fields like commas", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
    {"records read across their line end", "\"M\",1\r\n\"M\",2\r\n", {"M", "1", "M", "2"}},
    {"blanks around bare fields dropped", "  7  ,\t8\t\r\n", {"7", "8"}},
    {"blanks inside quotes kept", "  \"  a  \"  ,b", {"  a  ", "b"}},
    {"characters after the closing quote dropped", "\"abc\"junk,next", {"abc", "next"}},
    {"line end inside quotes belongs to the text", "\"a\r\nb\",c", {"a\r\nb", "c"}},
    {"empty fields between commas", ",,x", {"", "", "x"}},
    {"blank line is one empty field", "a\r\n\r\nb", {"a", "", "b"}},
};

} // namespace

TEST(TextEscape, ReplacesQuotesAndStoresTrimmedTexts) {
    for (const EscapeCase& c : EscapeCases) {
        EXPECT_EQ(Tools::ReplaceDoubleQuotes(c.text), c.replaced) << c.text;
        EXPECT_EQ(Tools::StoredText(c.text), c.stored) << c.text;
    }
}

TEST(RecordWriter, WritesQuotedTextsBareIntegersCommasAndCrLf) {
    RecordWriter out;
    out.Text("GENERALDESIGNINFO271829").Integer(2).Integer(-1).Text("").Text("a, b").EndRecord();
    out.Text("END_OF_FILE").EndRecord();
    EXPECT_EQ(out.Output(), "\"GENERALDESIGNINFO271829\",2,-1,\"\",\"a, b\"\r\n"
                            "\"END_OF_FILE\"\r\n");
}

TEST(FieldReader, SplitsTheStreamIntoFields) {
    for (const FieldCase& c : FieldCases) {
        EXPECT_EQ(ReadAllFields(c.content), c.fields) << c.name;
    }
}

TEST(FieldReader, ReadingPastTheEndOrIntoAnUnclosedQuoteFails) {
    for (std::string content : {"", "\"a\"", "\"never closed", "x,\"never closed\r\n"}) {
        FieldReader in(content);
        try {
            while (true) {
                in.ReadText();
            }
        } catch (const AppError& error) {
            EXPECT_EQ(error.description, "Input past end of file") << content;
            EXPECT_TRUE(in.AtEnd()) << content;
        }
    }
}

TEST(FieldReader, AnOverlongFieldFailsAfterSkippingItWhole) {
    for (bool quoted : {false, true}) {
        std::string longText(FieldReader::MaxFieldLength + 1, 'x');
        std::string content = (quoted ? "\"" + longText + "\"" : longText) + ",next";
        FieldReader in(content);
        EXPECT_THROW(in.ReadText(), AppError);
        EXPECT_EQ(in.ReadText(), "next");
    }
    std::string longest(FieldReader::MaxFieldLength, 'x');
    FieldReader in(longest);
    EXPECT_EQ(in.ReadText(), longest);
}

TEST(FieldReader, ReadsIntegersStrictly) {
    struct Case {
        std::string field;
        int value;
    };
    for (const Case& c : std::vector<Case>{{"7", 7},
                                           {"-12", -12},
                                           {" 5 ", 5},
                                           {"\"3\"", 3},
                                           {"007", 7},
                                           {"2147483647", 2147483647},
                                           {"-2147483648", -2147483647 - 1}}) {
        FieldReader in(c.field);
        EXPECT_EQ(in.ReadInteger(), c.value) << c.field;
    }
    struct Bad {
        std::string field;
        std::string description;
    };
    for (const Bad& c : std::vector<Bad>{{"2147483648", "Overflow"},
                                         {"-99999999999", "Overflow"},
                                         {"1.5", "Type mismatch"},
                                         {"1e3", "Type mismatch"},
                                         {"+3", "Type mismatch"},
                                         {"-", "Type mismatch"},
                                         {"", "Type mismatch"},
                                         {"\"CHECKED\"", "Type mismatch"},
                                         {"1 2", "Type mismatch"},
                                         {"0x10", "Type mismatch"}}) {
        std::string content = c.field + ",next";
        FieldReader in(content);
        try {
            in.ReadInteger();
            ADD_FAILURE() << c.field << " was read as an integer";
        } catch (const AppError& error) {
            EXPECT_EQ(error.description, c.description) << c.field;
        }
        EXPECT_EQ(in.ReadText(), "next") << c.field;
    }
}
