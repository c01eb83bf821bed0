#include "platform/InputChecks.h"

#include <gtest/gtest.h>

namespace {

using namespace InputChecks;

NumberCheck Length(const std::string& text) {
    NumberCheck check = TypedNumber("TxtLength", text, "the Length", "Length");
    check.rules.push_back({Positive, "Length must be > 0."});
    check.tooSmall = TooSmall("Length");
    return check;
}

NumberCheck Depth(const std::string& text) {
    NumberCheck check;
    check.field = "TxtDepth";
    check.text = text;
    check.blankValue = 0.0;
    check.notNumeric = "Depth is not a number.";
    check.rules.push_back({NotNegative, "Depth must be >= 0."});
    check.tooLarge = "Depth is too large.";
    return check;
}

TEST(InputChecks, TheFirstFailingCheckNamesItsFieldAndStopsTheRest) {
    const char* const LengthNotNumeric =
        "The value entered for Length can not be evaluated as a number. Please re-enter the "
        "Length.";
    const char* const LengthTooLarge =
        "The value entered for Length is too large. Please re-enter the Length.";
    const char* const LengthTooSmall =
        "The value entered for Length is too small. Please re-enter the Length.";
    struct Case {
        const char* length;
        const char* depth;
        const char* field; // "" when every check passes
        const char* message;
    };
    const Case cases[] = {
        {"  ", "x", "TxtLength", "A value is required for the Length."},
        {"1e999", "x", "TxtLength", LengthNotNumeric},
        {"nan", "", "TxtLength", LengthNotNumeric},
        {"0", "x", "TxtLength", "Length must be > 0."},
        {"2", "abc", "TxtDepth", "Depth is not a number."},
        {"2", "-0.5", "TxtDepth", "Depth must be >= 0."},
        {"2", "", "", ""},
        // The bound comes after every other check, in field order.
        {"1e7", "x", "TxtDepth", "Depth is not a number."},
        {"1e7", "1", "TxtLength", LengthTooLarge},
        {"1,000,000.01", "1e308", "TxtLength", LengthTooLarge},
        {"-1e308", "1", "TxtLength", "Length must be > 0."},
        {"1,000,000", "1e308", "TxtDepth", "Depth is too large."},
        {"2", "-1e308", "TxtDepth", "Depth must be >= 0."},
        {"1e6", "1000000", "", ""},
        // Near 0 only where the check refuses it, also after every other check.
        {"0.00000099", "x", "TxtDepth", "Depth is not a number."},
        {"1e-300", "1", "TxtLength", LengthTooSmall},
        {"0.000001", "1e-300", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.length) + " / " + c.depth);
        const NumberCheck checks[] = {Length(c.length), Depth(c.depth)};
        const Outcome outcome = Check(checks);
        if (*c.field == '\0') {
            EXPECT_FALSE(outcome.failure);
            continue;
        }
        ASSERT_TRUE(outcome.failure);
        EXPECT_EQ(outcome.failure->field, c.field);
        EXPECT_EQ(outcome.failure->message, c.message);
        EXPECT_TRUE(outcome.values.empty());
    }
}

TEST(InputChecks, PassingChecksGiveTheirValuesInOrderWithBlankStandingForItsValue) {
    const NumberCheck checks[] = {Length(" 1,250.5 "), Depth("  "), Depth("3")};
    const Outcome outcome = Check(checks);
    ASSERT_FALSE(outcome.failure);
    EXPECT_EQ(outcome.values, (std::vector<double>{1250.5, 0.0, 3.0}));
}

TEST(InputChecks, BlankWithoutARequiredMessageOrAValueIsNotANumber) {
    NumberCheck check = Depth("");
    check.blankValue.reset();
    const Outcome outcome = Check(std::span(&check, 1));
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->message, "Depth is not a number.");
}

TEST(InputChecks, ValuesAlreadyReadAreHeldToTheBoundInOrder) {
    struct Case {
        double first;
        double second;
        const char* field; // "" when both are within the bound
    };
    const Case cases[] = {
        {1e6, -1e6, ""},
        {-1e7, 2, "first"},
        {0, -1e308, "second"},
        {1e308, 1e7, "first"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + " / " + std::to_string(c.second));
        const Magnitude values[] = {{"first", c.first, "First is too large."},
                                    {"second", c.second, "Second is too large."}};
        const auto failure = FirstOutOfBounds(values);
        ASSERT_EQ(failure.has_value(), *c.field != '\0');
        if (failure) {
            EXPECT_EQ(failure->field, c.field);
        }
    }
    // Below, each value by its own smallest, 0 aside; a check's bounds come
    // along when its values are appended.
    NumberCheck span = Depth("");
    span.field = "span";
    span.tooSmall = "Span is too small.";
    span.smallest = 1.0 / 12;
    for (const auto& [value, refused] : std::initializer_list<std::pair<double, bool>>{
             {0.0833, true}, {-0.05, true}, {1e-300, true}, {0.0834, false}, {0, false}}) {
        std::vector<Magnitude> bounded = {{"first", 1e6, "First is too large."}};
        Append(bounded, std::span(&span, 1), std::vector<double>{value});
        const auto failure = FirstOutOfBounds(bounded);
        EXPECT_EQ(failure.has_value(), refused) << value;
        if (failure) {
            EXPECT_EQ(failure->message, "Span is too small.");
        }
    }
    // A check without a message re-tests a value bounded elsewhere.
    NumberCheck retest = Depth("1e9");
    retest.tooLarge.clear();
    EXPECT_FALSE(Check(std::span(&retest, 1)).failure);
    EXPECT_FALSE(WithinBound(1000000.000001));
    EXPECT_TRUE(WithinBound(-1000000));
}

// One check routine of several: its own checks only, its values kept for the
// bound that the action applies after the last routine.
TEST(InputChecks, ADeferredCheckKeepsItsValuesForTheBoundAfterTheLastRoutine) {
    std::vector<Magnitude> bounded;
    const NumberCheck first[] = {Length("1e7")};
    EXPECT_FALSE(CheckDeferred(first, bounded).failure);
    const NumberCheck second[] = {Depth("abc")};
    const Outcome refused = CheckDeferred(second, bounded);
    ASSERT_TRUE(refused.failure);
    EXPECT_EQ(refused.failure->message, "Depth is not a number.");
    EXPECT_EQ(bounded.size(), 1u);
    const NumberCheck mended[] = {Depth("2")};
    EXPECT_FALSE(CheckDeferred(mended, bounded).failure);
    const auto failure = FirstOutOfBounds(bounded);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->field, "TxtLength");
    EXPECT_EQ(failure->message,
              "The value entered for Length is too large. Please re-enter the Length.");
}

} // namespace

// A grid cell's field reads back as the cell it names; a control's name, with
// or without an index, names none.
TEST(InputChecks, ACellFieldNamesItsGridAndCell) {
    EXPECT_EQ(CellField("GrdDesignQs", 3, 4), "GrdDesignQs(3, 4)");
    const auto cell = ReadCellField(CellField("GrdXSection", 12, 2));
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->grid, "GrdXSection");
    EXPECT_EQ(cell->row, 12);
    EXPECT_EQ(cell->col, 2);
    for (const char* field : {"TxtHMin", "TxtDP(3)", "GrdX(1, 2) ", "GrdX(1, 2", "(1, 2)", ""}) {
        EXPECT_FALSE(ReadCellField(field)) << field;
    }
}
