// The USGS 1987 method: its built-in tables, the regional equation
// Q = a A^b, and the discharge class with its input checks and its 20 square
// mile rule. Expected values by hand from the published coefficients.

#include "HydrologyTestData.h"

#include "hydrology/cUSGSMavo1987Qs.h"
#include "hydrology/modUSGSMavo1987.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

class Mavo1987 : public testing::Test {
protected:
    static void SetUpTestSuite() { modUSGSMavo1987::InitializeRegionTables(); }
};

// The published a of each region (rows) and return period (columns).
constexpr double PublishedA[5][6] = {
    {211, 502, 757, 1140, 1500, 1880}, {196, 402, 570, 821, 1020, 1230},
    {129, 265, 381, 555, 695, 851},    {31, 67, 98, 145, 180, 227},
    {30, 37, 41, 45, 47, 50},
};

// Discharges of the six return periods for areas typed by region 1 to 5.
std::array<double, 7> Discharges(std::array<const char*, 5> texts) {
    cUSGSMavo1987Qs qs;
    for (std::int32_t i = 1; i <= 5; ++i) {
        qs.DrainageArea(i, texts[static_cast<std::size_t>(i - 1)]);
    }
    bool isError = true;
    std::string message = "stale";
    qs.CheckData(isError, message);
    EXPECT_FALSE(isError);
    EXPECT_EQ(message, "");
    qs.ComputeQs();
    std::array<double, 7> Q{};
    for (std::int32_t k = 0; k <= 6; ++k) {
        Q[static_cast<std::size_t>(k)] = qs.QbyRPEqnum(k);
    }
    return Q;
}

void ExpectDischarges(const std::array<double, 7>& actual, const std::array<double, 6>& expected) {
    EXPECT_EQ(actual[0], 0);
    for (std::size_t k = 1; k <= 6; ++k) {
        EXPECT_NEAR(actual[k], expected[k - 1], 1e-9 * expected[k - 1]) << "index " << k;
    }
}

} // namespace

TEST_F(Mavo1987, TablesHoldSixReturnPeriodsAndFiveRegions) {
    EXPECT_EQ(modUSGSMavo1987::NumReturnPeriods(), 6);
    EXPECT_EQ(modUSGSMavo1987::NumRegions(), 5);
    const std::int32_t years[] = {0, 2, 5, 10, 25, 50, 100};
    for (std::int32_t i = 0; i <= 6; ++i) {
        EXPECT_EQ(modUSGSMavo1987::ReturnPeriod(i), years[i]);
    }
}

TEST_F(Mavo1987, RegionEquationOfOneSquareMileIsItsCoefficientAndOfZeroIsZero) {
    for (std::int32_t r = 1; r <= 5; ++r) {
        for (std::int32_t k = 1; k <= 6; ++k) {
            SCOPED_TRACE("region " + std::to_string(r) + ", index " + std::to_string(k));
            EXPECT_DOUBLE_EQ(modUSGSMavo1987::ComputeRegionQ(r, k, 1.0), PublishedA[r - 1][k - 1]);
            EXPECT_DOUBLE_EQ(modUSGSMavo1987::ComputeRegionQ(r, k, 0.0), 0);
        }
    }
}

TEST_F(Mavo1987, RegionEquationAtTenSquareMiles) {
    // 211 x 10^0.62 = 879.594399122 and 227 x 10^0.65 = 1013.971754183 (python3).
    EXPECT_NEAR(modUSGSMavo1987::ComputeRegionQ(1, 1, 10.0), 879.5943991224076, 1e-9);
    EXPECT_NEAR(modUSGSMavo1987::ComputeRegionQ(4, 6, 10.0), 1013.9717541826864, 1e-9);
}

TEST_F(Mavo1987, AnIndexOutsideTheTablesOrANegativeAreaRaises) {
    const struct {
        const char* what;
        std::function<void()> action;
        long number;
        std::string fault;
    } cases[] = {
        {"region 6", [] { modUSGSMavo1987::ComputeRegionQ(6, 1, 1); },
         ErrorNumber::SubscriptOutOfRange,
         "Subscript out of range: USGS 1987 region 6 is outside 1 to 5"},
        {"region 0", [] { modUSGSMavo1987::ComputeRegionQ(0, 1, 1); },
         ErrorNumber::SubscriptOutOfRange,
         "Subscript out of range: USGS 1987 region 0 is outside 1 to 5"},
        {"index 7", [] { modUSGSMavo1987::ComputeRegionQ(1, 7, 1); },
         ErrorNumber::SubscriptOutOfRange,
         "Subscript out of range: USGS 1987 return-period index 7 is outside 1 to 6"},
        {"return period 7", [] { modUSGSMavo1987::ReturnPeriod(7); },
         ErrorNumber::SubscriptOutOfRange,
         "Subscript out of range: USGS 1987 return-period index 7 is outside 0 to 6"},
        {"negative area", [] { modUSGSMavo1987::ComputeRegionQ(1, 1, -1); },
         ErrorNumber::InvalidArgument,
         "Invalid procedure call in the USGS 1987 regional equation: -1 raised to the power "
         "0.62"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FaultOf(c.action, c.number), c.fault);
    }
}

TEST_F(Mavo1987, CheckDataRefusesTheFirstBadRegionThenAZeroTotal) {
    const struct {
        std::array<const char*, 5> texts;
        std::string message;
        std::int32_t region;
    } cases[] = {
        {{"", "", "", "", ""}, "Total drainage area is = 0. Can not compute Q's.", 0},
        {{"0", "0", "", "0", "0"}, "Total drainage area is = 0. Can not compute Q's.", 0},
        {{"", "abc", "", "-1", ""},
         "Drainage area for Region 2 can not be evaluated as a number. Please re-enter.",
         2},
        {{"-0.5", "", "", "", ""},
         "Drainage area for Region 1 is < 0. Drainage area must be >= 0.0",
         1},
        {{"1", "2", "-3", "x", ""},
         "Drainage area for Region 3 is < 0. Drainage area must be >= 0.0",
         3},
        // Only the empty text stands for 0; blanks are not a number.
        {{"1", "", "", "", " "},
         "Drainage area for Region 5 can not be evaluated as a number. Please re-enter.",
         5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        cUSGSMavo1987Qs qs;
        for (std::int32_t i = 1; i <= 5; ++i) {
            qs.DrainageArea(i, c.texts[static_cast<std::size_t>(i - 1)]);
        }
        bool isError = false;
        std::string message;
        qs.CheckData(isError, message);
        EXPECT_TRUE(isError);
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(qs.ErrorRegion(), c.region);
    }
}

TEST_F(Mavo1987, CheckDataTotalsTheAreasItAccepts) {
    cUSGSMavo1987Qs qs;
    qs.DrainageArea(2, "1,250.5");
    qs.DrainageArea(4, "2.5E1");
    bool isError = true;
    std::string message;
    qs.CheckData(isError, message);
    EXPECT_FALSE(isError);
    EXPECT_DOUBLE_EQ(qs.TotalDrainageArea(), 1275.5);
    EXPECT_EQ(qs.DrainageArea(2), "1,250.5");
    EXPECT_EQ(qs.ErrorRegion(), 0);
}

TEST_F(Mavo1987, AWatershedOfOneRegionGetsItsEquation) {
    // 211 x 10^0.62, 502 x 10^0.60, 757 x 10^0.60, 1140 x 10^0.57, 1500 x 10^0.60,
    // 1880 x 10^0.60 (python3).
    ExpectDischarges(Discharges({"10", "", "", "", ""}),
                     {879.5943991224076, 1998.4979961785561, 3013.671281089974, 4235.501611707767,
                      5971.6075583024585, 7484.414806405748});
}

TEST_F(Mavo1987, UpTo20SquareMilesEachRegionTakesItsOwnArea) {
    // T = 20 exactly: region 1's a 10^b plus region 2's a 10^b
    // (211 x 10^0.62 + 196 x 10^0.57 = 1607.80 at 2 years; python3).
    ExpectDischarges(Discharges({"10", "10", "", "", "0"}),
                     {1607.8034481528657, 3424.8478208975293, 5036.107599721354, 7082.211153923052,
                      9427.817950922325, 11652.19792691794});
}

TEST_F(Mavo1987, Above20SquareMilesTheRegionsEquationsOnTheTotalAreaAreWeighted) {
    // T = 20.5: (10.5 / 20.5) 211 x 20.5^0.62 + (10 / 20.5) 196 x 20.5^0.57 = 1237.89
    // at 2 years, against 1634.82 if each region took its own area (python3).
    ExpectDischarges(Discharges({"10.5", "10", "", "", ""}),
                     {1237.893824745518, 2607.28811805798, 3838.712815823662, 5312.323938953937,
                      7171.680136833369, 8871.469346603599});
    // T = 25: 0.6 x 211 x 25^0.62 + 0.4 x 196 x 25^0.57 = 1422.51 at 2 years (python3).
    ExpectDischarges(Discharges({"15", "10", "", "", ""}),
                     {1422.5117520571362, 3022.2665004033565, 4472.431656298761, 6151.949673646644,
                      8455.603924629118, 10491.07641917654});
}

TEST_F(Mavo1987, ComputingWithoutAPassedCheckOrReadingPastTheListRaises) {
    cUSGSMavo1987Qs qs;
    EXPECT_EQ(qs.QbyRPEqnum(3), 0); // before ComputeQs
    EXPECT_EQ(FaultOf([&] { qs.ComputeQs(); }, ErrorNumber::DivisionByZero),
              "Division by zero in the USGS 1987 discharges: the total drainage area is 0");
    EXPECT_EQ(FaultOf([&] { qs.QbyRPEqnum(7); }, ErrorNumber::SubscriptOutOfRange),
              "Subscript out of range: USGS 1987 return-period index 7 is outside 0 to 6");
    EXPECT_EQ(FaultOf([&] { qs.QbyRPEqnum(-1); }, ErrorNumber::SubscriptOutOfRange),
              "Subscript out of range: USGS 1987 return-period index -1 is outside 0 to 6");
    EXPECT_EQ(FaultOf([&] { qs.DrainageArea(6, "1"); }, ErrorNumber::SubscriptOutOfRange),
              "Subscript out of range: USGS 1987 region 6 is outside 0 to 5");
    EXPECT_EQ(
        FaultOf([&] { static_cast<void>(qs.DrainageArea(-1)); }, ErrorNumber::SubscriptOutOfRange),
        "Subscript out of range: USGS 1987 region -1 is outside 0 to 5");
}

TEST_F(Mavo1987, AnAreaBeyondTheBoundIsNamedAfterTheOtherChecks) {
    struct Case {
        const char* first;
        const char* second;
        const char* message;
    };
    const Case cases[] = {
        {"1E308", "1E308", "Drainage area for Region 1 is too large. Please re-enter."},
        {"1,000,000", "-1E308", "Drainage area for Region 2 is < 0. Drainage area must be >= 0.0"},
        {"1E7", "x",
         "Drainage area for Region 2 can not be evaluated as a number. Please re-enter."},
        {"1,000,000", "1000000.5", "Drainage area for Region 2 is too large. Please re-enter."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " / " + c.second);
        cUSGSMavo1987Qs qs;
        qs.DrainageArea(1, c.first);
        qs.DrainageArea(2, c.second);
        bool isError = false;
        std::string message;
        qs.CheckData(isError, message);
        EXPECT_TRUE(isError);
        EXPECT_EQ(message, c.message);
    }
}
