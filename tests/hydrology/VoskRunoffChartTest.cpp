// The runoff chart on a small hand-made catalogue (HydrologyTestData.h): the
// loader, the band search, the class factors, the validation and the design
// discharges Q = chart Q x LF x FF.

#include "HydrologyTestData.h"

#include "hydrology/HydrologyTables.h"
#include "hydrology/VoskRunoffChart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace VoskRunoffChart;

class RunoffChart : public testing::Test {
protected:
    static void Load(const std::string& extraSql = {}) {
        CatalogueFixture fixture(kRunoffChartSql + extraSql);
        LoadRunoffChartTables();
    }
    void SetUp() override { Load(); }
};

RunoffChartRecord Input(std::string da, std::int32_t option, std::string userLF,
                        std::int32_t cover = 0, std::int32_t slope = 0) {
    RunoffChartRecord record;
    record.DAText = std::move(da);
    record.LUSOption = option;
    record.UserLFText = std::move(userLF);
    record.CoverIndex = cover;
    record.SlopeIndex = slope;
    return record;
}

struct Verdict {
    std::int32_t flag = -1;
    std::string message;
    RunoffChartField field = RunoffChartField::None;
};

Verdict Validate(const RunoffChartRecord& record) {
    Verdict v;
    v.message = "stale";
    v.field = RunoffChartField::UserLF;
    ValidateRunoffChartInput(record, v.flag, v.message, v.field);
    return v;
}

} // namespace

TEST_F(RunoffChart, LoadsTheListsInDeliveryOrderAndTheClassesByArrayNum) {
    const auto& periods = GlobalVariables::RunoffChartReturnPeriods;
    ASSERT_EQ(GlobalVariables::NumRunoffChartReturnPeriods(), 3);
    EXPECT_EQ(periods[1].ReturnPeriod, 10);
    EXPECT_EQ(periods[2].ReturnPeriod, 2);
    EXPECT_EQ(periods[3].ReturnPeriod, 100);
    EXPECT_DOUBLE_EQ(periods[2].FF, 0.5);
    EXPECT_EQ(GlobalVariables::RunoffChartCovers, (std::vector<std::string>{"", "Woods", "Urban"}));
    EXPECT_EQ(GlobalVariables::RunoffChartSlopes,
              (std::vector<std::string>{"", "Flat", "Steep", "Very steep"}));
    EXPECT_EQ(NumRunoffChartBands(), 2);
    EXPECT_DOUBLE_EQ(MinChartDA(), 10);
    // Only the first row of a key is read.
    EXPECT_DOUBLE_EQ(MaxChartDA(), 500);
}

TEST_F(RunoffChart, FactorsComeFromThePairsListedAndZeroOutsideThem) {
    const struct {
        std::int32_t cover, slope;
        double factor;
    } cases[] = {
        {1, 1, 0.3}, {1, 2, 0.5}, {2, 1, 0.6}, {2, 2, 0.9}, // listed twice: the later row wins
        {1, 3, 0},   {2, 3, 0},                             // slope class without a factor row
        {0, 1, 0},   {-1, 1, 0},  {3, 1, 0},   {1, 0, 0},   {1, 4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.cover) + ", " + std::to_string(c.slope));
        EXPECT_DOUBLE_EQ(GetLandUseSlopeFactor(c.cover, c.slope), c.factor);
    }
}

TEST_F(RunoffChart, ChartDischargeTakesTheFirstBandHoldingTheArea) {
    const struct {
        double area, Q;
    } cases[] = {
        {10, 20},      // first row: band 1, 2 x 10
        {50, 100},     // 2 x 50
        {100, 200},    // shared boundary: lower band 2 x 100, not 30 x 100^0.5 = 300
        {225, 450},    // 30 x 225^0.5 = 30 x 15
        {400, 600},    // last row: band 2, 30 x 20
        {9.999, -1},   // below the first row
        {400.001, -1}, // above the last row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.area);
        EXPECT_DOUBLE_EQ(ComputeChartQ(c.area), c.Q);
    }
}

TEST(RunoffChartBands, ASingleRowOrNoRowDefinesNoBand) {
    const struct {
        const char* what;
        std::string sql;
        std::int32_t bands;
    } cases[] = {
        {"one row", "DELETE FROM Chart WHERE DA > 10;", 0},
        {"no row", "DELETE FROM Chart;", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CatalogueFixture fixture(kRunoffChartSql + c.sql);
        LoadRunoffChartTables();
        EXPECT_EQ(NumRunoffChartBands(), c.bands);
        for (const double area : {5.0, 10.0, 50.0}) {
            EXPECT_DOUBLE_EQ(ComputeChartQ(area), -1);
        }
    }
}

TEST(RunoffChartBands, AFailedPowerOrProductRaisesInsteadOfGivingInfinity) {
    const struct {
        const char* what;
        std::string sql;
        double area;
        long number;
        std::string fault;
    } cases[] = {
        {"0 to a negative power", "UPDATE Chart SET DA = 0, Cfac = -0.5 WHERE DA = 10;", 0,
         ErrorNumber::DivisionByZero,
         "Division by zero in the runoff chart discharge: 0 raised to the power -0.5"},
        {"overflow", "UPDATE Chart SET Kfac = 1E304, Cfac = 2 WHERE DA = 100;", 400,
         ErrorNumber::Overflow, "Overflow in the runoff chart discharge"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CatalogueFixture fixture(kRunoffChartSql + c.sql);
        LoadRunoffChartTables();
        EXPECT_EQ(FaultOf([&] { ComputeChartQ(c.area); }, c.number), c.fault);
    }
}

TEST_F(RunoffChart, ValidationRefusesTheFirstBadInputInOrder) {
    const std::string range = "The drainage area must be >= 10 and <= 500 acres.";
    const std::string table = "The drainage area entered is outside the runoff chart's table. "
                              "Please check the standard data.";
    const auto DA = RunoffChartField::DrainageArea;
    const auto LF = RunoffChartField::UserLF;
    const struct {
        RunoffChartRecord record;
        std::string message;
        RunoffChartField field;
    } cases[] = {
        {Input("", 1, ""), "A value must be entered for the drainage area.", DA},
        {Input("abc", 1, "x"),
         "The entry for drainage area can not be evaluated as a number. Please re-enter.", DA},
        {Input("9.99", 1, ""), range, DA},
        {Input("500.01", 0, ""), range, DA},
        {Input("1,000", 0, ""), range, DA},
        // Between the bounds but past the band table: refused before the factor.
        {Input("400.5", 1, ""), table, DA},
        {Input("500", 0, ""), table, DA},
        {Input("50", 1, ""), "You must enter an LF value.", LF},
        {Input("50", 1, "one"), "Entry for LF can not be evaluated as a number. Please re-enter.",
         LF},
        {Input("50", 1, "1.01"), "Value for LF must be between 0 and 1.", LF},
        {Input("50", 1, "-0.01"), "Value for LF must be between 0 and 1.", LF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.DAText + " / " + c.record.UserLFText);
        const Verdict v = Validate(c.record);
        EXPECT_EQ(v.flag, 1);
        EXPECT_EQ(v.message, c.message);
        EXPECT_EQ(v.field, c.field);
    }
}

TEST_F(RunoffChart, ValidationPassesTheBoundsOfAreaAndFactor) {
    const RunoffChartRecord cases[] = {
        Input("10", 1, "0"), Input("400", 1, "1"), Input("1.5E2", 1, "0.5"),
        Input("50", 0, ""), // the typed factor is not looked at with "Select"
        Input("50", 0, "x"),
    };
    for (const auto& record : cases) {
        SCOPED_TRACE(record.DAText + " / " + record.UserLFText);
        const Verdict v = Validate(record);
        EXPECT_EQ(v.flag, 0);
        EXPECT_EQ(v.message, "");
        EXPECT_EQ(v.field, RunoffChartField::None);
    }
}

// A chart an agency stretched past a million acres still takes no area
// beyond the bound of every typed number, and names it after its own checks.
TEST_F(RunoffChart, AnAreaBeyondAMillionAcresIsRefusedByNameAfterTheOtherChecks) {
    Load("UPDATE ChartData SET Value1 = 5E6 WHERE Value1 = 500;"
         "UPDATE Chart SET DA = 4E6 WHERE DA = 400;");
    const std::string tooLarge = "The entry for drainage area is too large. Please re-enter.";
    const struct {
        RunoffChartRecord record;
        std::string message;
        RunoffChartField field;
    } cases[] = {
        {Input("1,000,001", 0, ""), tooLarge, RunoffChartField::DrainageArea},
        {Input("3E6", 1, "0.5"), tooLarge, RunoffChartField::DrainageArea},
        {Input("3E6", 1, "2"), "Value for LF must be between 0 and 1.", RunoffChartField::UserLF},
        {Input("1,000,000", 1, "0.5"), "", RunoffChartField::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.DAText + " / " + c.record.UserLFText);
        const Verdict v = Validate(c.record);
        EXPECT_EQ(v.flag, c.message.empty() ? 0 : 1);
        EXPECT_EQ(v.message, c.message);
        EXPECT_EQ(v.field, c.field);
    }
}

TEST(RunoffChartBounds, AMissingBoundStaysMinusOneAndShowsSo) {
    CatalogueFixture fixture(kRunoffChartSql + "DELETE FROM ChartData WHERE DataKey = 'DAUB';");
    LoadRunoffChartTables();
    EXPECT_DOUBLE_EQ(MinChartDA(), 10);
    EXPECT_DOUBLE_EQ(MaxChartDA(), -1);
    std::int32_t flag = 0;
    std::string message;
    RunoffChartField field = RunoffChartField::None;
    ValidateRunoffChartInput(Input("50", 0, ""), flag, message, field);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(message, "The drainage area must be >= 10 and <= -1 acres.");
}

TEST_F(RunoffChart, DesignDischargesAreChartQTimesLFTimesFFInDeliveryOrder) {
    const struct {
        const char* what;
        RunoffChartRecord record;
        double LF, chartQ;
        std::vector<double> Qs;
    } cases[] = {
        // 2 x 50 = 100; LF of (Urban, Flat) 0.6; FF 1, 0.5, 2.
        {"table factor", Input("50", 0, "x", 2, 1), 0.6, 100, {0, 60, 30, 120}},
        // 30 x 225^0.5 = 450; typed LF 0.25, the classes ignored.
        {"typed factor", Input("225", 1, "0.25", 2, 2), 0.25, 450, {0, 112.5, 56.25, 225}},
        {"no class chosen", Input("100", 0, "", 0, 0), 0, 200, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RunoffChartRecord record = c.record;
        ComputeRunoffChartQs(record);
        EXPECT_DOUBLE_EQ(record.LF, c.LF);
        EXPECT_DOUBLE_EQ(record.ChartQ, c.chartQ);
        EXPECT_EQ(record.FFs, (std::vector<double>{0, 1, 0.5, 2}));
        ASSERT_EQ(record.Qs.size(), c.Qs.size());
        for (std::size_t i = 1; i < c.Qs.size(); ++i) {
            EXPECT_DOUBLE_EQ(record.LFxFFs[i], c.LF * record.FFs[i]);
            EXPECT_DOUBLE_EQ(record.Qs[i], c.Qs[i]) << i;
        }
    }
}

TEST(RunoffChartPeriods, WithoutReturnPeriodsNoDesignDischargeIsComputed) {
    CatalogueFixture fixture(kRunoffChartSql + "DELETE FROM Periods;");
    LoadRunoffChartTables();
    EXPECT_EQ(GlobalVariables::NumRunoffChartReturnPeriods(), 0);
    RunoffChartRecord record = Input("50", 1, "0.5");
    ComputeRunoffChartQs(record);
    EXPECT_DOUBLE_EQ(record.ChartQ, 100);
    EXPECT_EQ(record.FFs.size(), 1u);
    EXPECT_EQ(record.Qs.size(), 1u);
}

TEST(RunoffChartPeriods, ADesignDischargeTooLargeToHoldRaises) {
    CatalogueFixture fixture(kRunoffChartSql + "UPDATE Periods SET FF = 1E307 WHERE FF = 2;");
    LoadRunoffChartTables();
    RunoffChartRecord record = Input("400", 1, "1");
    EXPECT_EQ(FaultOf([&] { ComputeRunoffChartQs(record); }, ErrorNumber::Overflow),
              "Overflow in the runoff chart design discharge");
}
