#include "platform/AppError.h"
#include "platform/FieldLimit.h"
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

// The line on which each field begins, and the line after the last.
std::vector<int> FieldLines(const std::string& content) {
    FieldReader in(content);
    std::vector<int> lines;
    while (!in.AtEnd()) {
        lines.push_back(in.Line());
        in.ReadText();
    }
    lines.push_back(in.Line());
    return lines;
}

struct LineCase {
    const char* name;
    std::string content;
    std::vector<int> lines;
};

const std::vector<LineCase> LineCases = {
    {"CR LF, LF and CR alone each end a line", "a\r\nb\nc\rd", {1, 2, 3, 4, 4}},
    {"the last line end", "a,b\r\n", {1, 1, 2}},
    {"empty lines", "a\r\n\r\n\nb", {1, 2, 3, 4, 4}},
    {"empty fields", "a,,b\r\n,c", {1, 1, 1, 2, 2, 2}},
    {"line ends inside quotes", "\"x\r\ny\ny\",z\r\nw", {1, 3, 4, 4}},
    {"CR before the closing quote, LF after it", "\"a\r\"\nb", {1, 3, 3}},
    {"CR LF before the closing quote", "\"a\r\n\"\r\nb", {1, 3, 3}},
    {"blanks and a dropped tail", "  7  \r\n\t\"t\" junk \r\nn", {1, 2, 3, 3}},
    {"a line end that ends the file with a CR", "a\r", {1, 2}},
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

TEST(FieldReader, CountsTheLinesItReadsAsTheFileHoldsThem) {
    for (const LineCase& c : LineCases) {
        EXPECT_EQ(FieldLines(c.content), c.lines) << c.name;
    }
    // A text that is never closed runs over every line left.
    FieldReader in("x,\"never\r\nclosed\nat all\r\n");
    in.ReadText();
    EXPECT_THROW(in.ReadText(), AppError);
    EXPECT_EQ(in.Line(), 4);
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
        std::string longText(FieldLimit::MaxLength + 1, 'x');
        std::string content = (quoted ? "\"" + longText + "\"" : longText) + ",next";
        FieldReader in(content);
        EXPECT_THROW(in.ReadText(), AppError);
        EXPECT_EQ(in.ReadText(), "next");
    }
    std::string longest(FieldLimit::MaxLength, 'x');
    FieldReader in(longest);
    EXPECT_EQ(in.ReadText(), longest);
}

TEST(FieldReader, ReadsAFieldThatIsNotUtf8AsWindows1252) {
    // Expected UTF-8 from Python's bytes.decode("cp1252").encode("utf-8"); the
    // five bytes the code page leaves undefined keep their number (U+0081 ...).
    struct Case {
        const char* what;
        std::string field;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{
             {"valid UTF-8 as it is", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
              "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
             {"Latin-1 letter", "Caf\xE9", "Caf\xC3\xA9"},
             {"euro sign and curly quotes", "\x80 5 \x93Mill\x94",
              "\xE2\x82\xAC 5 \xE2\x80\x9CMill\xE2\x80\x9D"},
             {"undefined bytes", "\x81\x8D\x8F\x90\x9D",
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
             {"overlong form", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
             {"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
             {"sequence cut short", "\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},
             {"past U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
         }) {
        for (bool quoted : {false, true}) {
            const std::string content = quoted ? "\"" + c.field + "\",x" : c.field + ",x";
            FieldReader in(content);
            EXPECT_EQ(in.ReadText(), c.text) << c.what;
            EXPECT_EQ(in.ReadText(), "x") << c.what;
        }
    }
}

TEST(FieldReader, CountsItsLimitInCharactersAsATextBoxDoes) {
    const std::string eAcute = "\xC3\xA9";       // one character, two bytes
    const std::string grin = "\xF0\x9F\x98\x80"; // outside the basic plane: two UTF-16 units
    struct Case {
        const char* what;
        std::string field;
        bool fits;
    };
    auto times = [](const std::string& piece, size_t count) {
        std::string text;
        for (size_t i = 0; i < count; ++i) {
            text += piece;
        }
        return text;
    };
    const size_t limit = FieldLimit::MaxLength;
    for (const Case& c : std::vector<Case>{
             {"UTF-8 at the limit", times(eAcute, limit), true},
             {"UTF-8 past the limit", times(eAcute, limit + 1), false},
             {"Windows-1252 at the limit", std::string(limit, '\xE9'), true},
             {"Windows-1252 past the limit", std::string(limit + 1, '\xE9'), false},
             {"pairs at the limit", times(grin, limit / 2), true},
             {"pairs past the limit", times(grin, limit / 2) + "x", false},
         }) {
        const std::string content = "\"" + c.field + "\",next";
        FieldReader in(content);
        if (c.fits) {
            EXPECT_NO_THROW(in.ReadText()) << c.what;
        } else {
            EXPECT_THROW(in.ReadText(), AppError) << c.what;
        }
        EXPECT_EQ(in.ReadText(), "next") << c.what;
    }
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
