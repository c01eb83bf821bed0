#include "platform/Numbers.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using namespace Numbers;

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

TEST(Numbers, ParsesOnlyWhatTheUserCanMeanAsANumber) {
    const ParseCase cases[] = {
        {"1,250", 1250},
        {"  42  ", 42},
        {"-3.5", -3.5},
        {"+.5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"2.5E-2", 0.025},
        {"1,234,567.25", 1234567.25},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"1e999", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"1,25", std::nullopt},
        {",125", std::nullopt},
        {"1234,567", std::nullopt},
        {"12abc", std::nullopt},
        {"1e", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"1.2.3", std::nullopt},
        {"0x10", std::nullopt},
        // A decimal comma is never read as grouping.
        {"0,005", std::nullopt},
        {"00,005", std::nullopt},
        {"-0,500", std::nullopt},
        {"+0,5", std::nullopt},
        {"0,012", std::nullopt},
        {"012,345", std::nullopt},
        {"12,345.6", 12345.6},
        {"1,234,567.89", 1234567.89},
        {"0.005", 0.005},
        {"0", 0},
        {"-0", 0},
        {"007", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsNumeric(c.text), c.value.has_value());
        EXPECT_EQ(ParseNumber(c.text), c.value);
        if (c.value) {
            EXPECT_DOUBLE_EQ(ToDouble(c.text), *c.value);
        } else {
            EXPECT_THROW(ToDouble(c.text), AppError);
        }
    }
}

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

TEST(Numbers, FormatsWithVbPatternsRoundingHalfAwayFromZero) {
    const FormatCase cases[] = {
        {2.675, "0.00", "2.68"},
        {-2.675, "0.00", "-2.68"},
        {1.005, "0.00", "1.01"},
        {1234567.891, "###,###,###,##0.00", "1,234,567.89"},
        {123456.789, "###,###,###,##0.00", "123,456.79"},
        {-123456.789, "###,###,###,##0.00", "-123,456.79"},
        {0, "###,###,###,##0.00", "0.00"},
        {-0.001, "##0.00", "0.00"},
        {0.5, "###.00", ".50"},
        {12.5, "##0", "13"},
        {-12.5, "##0", "-13"},
        {999.996, "#,##0.00", "1,000.00"},
        {0.1, "0.0###", "0.1"},
        {0.12345, "0.0###", "0.1235"},
        {3, "###,###,###,##0.0#", "3.0"},
        {3.14159, "###,###,###,##0.0#", "3.14"},
        {7, "00", "07"},
        {0.0049, "0.00", "0.00"},
        {0.005, "0.00", "0.01"},
        {1e6, "0", "1000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + std::to_string(c.value));
        EXPECT_EQ(Format(c.value, c.pattern), c.text);
    }
}

TEST(Numbers, GeneralTextIsFifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(GeneralText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(GeneralText(0.1 + 0.2), "0.3");
    EXPECT_EQ(GeneralText(0.012), "0.012");
    EXPECT_EQ(GeneralText(36), "36");
    EXPECT_EQ(GeneralText(-2.5), "-2.5");
    EXPECT_EQ(GeneralText(0), "0");
    EXPECT_EQ(GeneralText(1200), "1200");
    EXPECT_EQ(GeneralText(0.0001), "0.0001");
    EXPECT_EQ(GeneralText(1e20), "1E+20");
}

TEST(Numbers, CLngRoundsHalfToEvenAndRefusesWhatIsNoCount) {
    EXPECT_EQ(CLng("2.5"), 2);
    EXPECT_EQ(CLng("3.5"), 4);
    EXPECT_EQ(CLng("-2.5"), -2);
    EXPECT_EQ(CLng(" 7 "), 7);
    EXPECT_EQ(CLng("1,000"), 1000);
    EXPECT_THROW(CLng("abc"), AppError);
    EXPECT_THROW(CLng(""), AppError);
    EXPECT_THROW(CLng("1e12"), AppError);
}

TEST(Numbers, ResultsAreShownUpToAThousandMillionMillion) {
    EXPECT_TRUE(Showable(1e15));
    EXPECT_TRUE(Showable(-1e15));
    EXPECT_TRUE(Showable(0));
    EXPECT_FALSE(Showable(1.000001e15));
    EXPECT_FALSE(Showable(-1e300));
    EXPECT_FALSE(Showable(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(Showable(std::numeric_limits<double>::quiet_NaN()));
}
