#include "outlet_protection/modPlungeBasin.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

// The standard basins as published in the agency's table: pipe size (in.),
// then A, C, E, T, F (ft) for the velocity ranges 0-18, 18-24 and 24-30 ft/s.
namespace {

struct Row {
    double size;
    std::array<std::array<double, 5>, 3> dims;
};

const Row Table[] = {
    {24, {{{3, 1.5, 3, 1.5, 4}, {3, 1.5, 5, 1.5, 4}, {4, 2, 7, 1.5, 4}}}},
    {30, {{{3, 1.5, 3, 2, 4}, {3, 1.5, 5, 2, 4}, {4, 2, 7, 2, 4}}}},
    {36, {{{3, 1.5, 3, 2.5, 5}, {3, 1.5, 5, 2.5, 5}, {4, 2, 7, 2.5, 5}}}},
    {42, {{{3, 1.5, 3, 3, 5}, {3, 1.5, 5, 3, 5}, {4, 2, 7, 3, 5}}}},
    {48, {{{3, 1.5, 3, 3, 6}, {4, 2, 5, 3, 6}, {5, 2.5, 7, 3, 6}}}},
    {54, {{{3, 1.5, 3, 4, 7}, {4, 2, 5, 4, 7}, {5, 2.5, 7, 4, 7}}}},
    {60, {{{4, 2, 3, 4, 8}, {4, 2, 5, 4, 8}, {6, 3, 7, 4, 8}}}},
    {66, {{{4, 2, 3, 5, 8}, {5, 2.5, 5, 5, 8}, {6, 3, 7, 5, 8}}}},
    {72, {{{4, 2, 3, 5, 9}, {5, 2.5, 5, 5, 9}, {6, 3, 7, 5, 9}}}},
    {84, {{{5, 2.5, 3, 5.5, 11}, {6, 3, 5, 5.5, 11}, {7, 3.5, 7, 5.5, 11}}}},
    {96, {{{6, 3, 3, 6, 12}, {7, 3.5, 5, 6, 12}, {8, 4, 7, 6, 12}}}},
};
// A velocity inside each range, well away from its bounds.
const double RangeVelocity[] = {10, 21, 27};
const double RangeRiprap[] = {16, 24, 24};

class PlungeBasinTable : public ::testing::Test {
protected:
    void SetUp() override { modPlungeBasin::InitializeBasinTable(); }

    static void Select(double pipeSize, double velocity) {
        modPlungeBasin::PipeSize(pipeSize);
        modPlungeBasin::Velocity(velocity);
        modPlungeBasin::SelectBasin();
    }

    static std::array<double, 5> Dims() {
        return {modPlungeBasin::BasinADim(), modPlungeBasin::BasinCDim(),
                modPlungeBasin::BasinEDim(), modPlungeBasin::BasinTDim(),
                modPlungeBasin::BasinFDim()};
    }
};

} // namespace

TEST_F(PlungeBasinTable, EveryCellOfTheTableIsReachedBySizeAndVelocity) {
    for (const Row& row : Table) {
        for (size_t k = 0; k < 3; ++k) {
            SCOPED_TRACE(testing::Message() << row.size << " in., range " << k + 1);
            Select(row.size, RangeVelocity[k]);
            ASSERT_EQ(modPlungeBasin::ErrorFlag(), 0);
            EXPECT_EQ(modPlungeBasin::TablePipeSize(), row.size);
            EXPECT_EQ(Dims(), row.dims[k]);
            EXPECT_EQ(modPlungeBasin::RiprapTableValue(), RangeRiprap[k]);
        }
    }
}

// A size up to 0.1 in. above a standard size takes it; anything above goes
// to the next. Every pair of neighbouring sizes is tried on the edge and just
// past it.
TEST_F(PlungeBasinTable, PipeSizeEdgesBetweenEveryPairOfStandardSizes) {
    Select(5, 10);
    EXPECT_EQ(modPlungeBasin::TablePipeSize(), 24);
    for (size_t i = 0; i + 1 < std::size(Table); ++i) {
        const double size = Table[i].size;
        const double next = Table[i + 1].size;
        SCOPED_TRACE(size);
        Select(size, 10);
        EXPECT_EQ(modPlungeBasin::TablePipeSize(), size);
        Select(size + 0.05, 10);
        EXPECT_EQ(modPlungeBasin::TablePipeSize(), size);
        // The decimal size plus one tenth, as typed: still the smaller size.
        const std::string typed = std::to_string(static_cast<int>(size)) + ".1";
        Select(std::stod(typed), 10);
        EXPECT_EQ(modPlungeBasin::TablePipeSize(), size);
        Select(size + 0.11, 10);
        EXPECT_EQ(modPlungeBasin::TablePipeSize(), next);
        Select(next - 0.01, 10);
        EXPECT_EQ(modPlungeBasin::TablePipeSize(), next);
    }
    Select(96.1, 10);
    EXPECT_EQ(modPlungeBasin::ErrorFlag(), 0);
    EXPECT_EQ(modPlungeBasin::TablePipeSize(), 96);
}

// A shared bound belongs to the higher range: E is 3, 5 or 7 by range.
TEST_F(PlungeBasinTable, VelocityEdgesGoToTheHigherRange) {
    struct Case {
        double velocity;
        double e;
        double riprap;
    };
    const Case cases[] = {
        {0.01, 3, 16},  {17.99, 3, 16}, {18, 5, 24},    {18.01, 5, 24},
        {23.99, 5, 24}, {24, 7, 24},    {24.01, 7, 24}, {30, 7, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.velocity);
        Select(42, c.velocity);
        ASSERT_EQ(modPlungeBasin::ErrorFlag(), 0);
        EXPECT_EQ(modPlungeBasin::BasinEDim(), c.e);
        EXPECT_EQ(modPlungeBasin::RiprapTableValue(), c.riprap);
    }
}

// The velocity is checked before the size; a failure leaves nothing chosen.
TEST_F(PlungeBasinTable, RefusedInputsGiveTheFirstFailingCheck) {
    struct Case {
        double pipeSize;
        double velocity;
        const char* message;
    };
    const Case cases[] = {
        {42, 0, "Velocity must be greater than 0."},
        {42, -1, "Velocity must be greater than 0."},
        {100, 0, "Velocity must be greater than 0."},
        {42, 30.01, "Velocity must be <= 30."},
        {0, 10, "Pipe size must be greater than 0."},
        {-5, 10, "Pipe size must be greater than 0."},
        {96.11, 10, "Pipe size must be <= 96.1"},
        {42, std::numeric_limits<double>::quiet_NaN(), "Velocity must be greater than 0."},
        {42, std::numeric_limits<double>::infinity(), "Velocity must be <= 30."},
        {std::numeric_limits<double>::infinity(), 10, "Pipe size must be <= 96.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Select(42, 10); // a success first: the failure must undo it
        ASSERT_EQ(modPlungeBasin::TablePipeSize(), 42);
        Select(c.pipeSize, c.velocity);
        EXPECT_EQ(modPlungeBasin::ErrorFlag(), -1);
        EXPECT_EQ(modPlungeBasin::ErrorMessage(), c.message);
        EXPECT_EQ(modPlungeBasin::TablePipeSize(), 0);
        EXPECT_EQ(modPlungeBasin::BasinADim(), 0);
        EXPECT_EQ(modPlungeBasin::RiprapTableValue(), 0);
    }
    Select(42, 10);
    EXPECT_EQ(modPlungeBasin::ErrorFlag(), 0);
    EXPECT_EQ(modPlungeBasin::ErrorMessage(), "");
}

TEST_F(PlungeBasinTable, ExampleOfTheTableSelectsFortyTwoInRangeTwo) {
    Select(40.3, 20);
    ASSERT_EQ(modPlungeBasin::ErrorFlag(), 0);
    EXPECT_EQ(modPlungeBasin::TablePipeSize(), 42);
    EXPECT_EQ(Dims(), (std::array<double, 5>{3, 1.5, 5, 3, 5}));
    EXPECT_EQ(modPlungeBasin::RiprapTableValue(), 24);
}
