// The hydrology tables of the catalogue built for the program (TWLDBUS.db
// beside it), checked for what the computation and the windows rely on. The
// numbers are sample data; only their shape is checked here.

#include "hydrology/HydrologyTables.h"
#include "hydrology/USGS.h"
#include "hydrology/VoskRunoffChart.h"
#include "hydrology/modUSGSMavo1987.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

// The General Culvert Design grid that takes a method's discharges has 10 rows.
constexpr std::int32_t MaxReturnPeriods = 10;

class ShippedHydrologyCatalogue : public testing::Test {
protected:
    static void SetUpTestSuite() {
        VoskRunoffChart::LoadRunoffChartTables();
        USGS::InitializeUSGS();
        modUSGSMavo1987::InitializeRegionTables();
    }
};

} // namespace

TEST_F(ShippedHydrologyCatalogue, ChartBandsMeetWithoutAStepAndFlattenWithArea) {
    using namespace VoskRunoffChart;
    const auto& bands = RunoffChartBands();
    const std::int32_t n = NumRunoffChartBands();
    ASSERT_GE(n, 1);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
        SCOPED_TRACE("band " + std::to_string(i));
        const RunoffChartBand& band = bands[i];
        EXPECT_GT(band.DA, 0);
        EXPECT_GT(band.Kfac, 0);
        EXPECT_GT(band.Cfac, 0);
        EXPECT_LT(band.DA, bands[i + 1].DA);
        if (i < static_cast<std::size_t>(n)) {
            const RunoffChartBand& next = bands[i + 1];
            EXPECT_LT(next.Cfac, band.Cfac);
            const double below = band.Kfac * std::pow(next.DA, band.Cfac);
            const double above = next.Kfac * std::pow(next.DA, next.Cfac);
            EXPECT_NEAR(above, below, 1e-8 * below);
        }
    }
    EXPECT_EQ(MinChartDA(), bands[1].DA);
    EXPECT_EQ(MaxChartDA(), bands[static_cast<std::size_t>(n) + 1].DA);
}

TEST_F(ShippedHydrologyCatalogue, EveryAreaTheWindowAcceptsHasAChartDischarge) {
    using namespace VoskRunoffChart;
    for (const double area : {MinChartDA(), (MinChartDA() + MaxChartDA()) / 2, MaxChartDA()}) {
        RunoffChartRecord record;
        record.DAText = std::to_string(area);
        std::int32_t flag = -1;
        std::string message;
        RunoffChartField field = RunoffChartField::UserLF;
        ValidateRunoffChartInput(record, flag, message, field);
        EXPECT_EQ(flag, 0) << area << ": " << message;
        EXPECT_GT(ComputeChartQ(area), 0) << area;
    }
}

TEST_F(ShippedHydrologyCatalogue, FrequencyFactorsRiseWithTheReturnPeriodFromOneAtTheBase) {
    const auto& periods = GlobalVariables::RunoffChartReturnPeriods;
    const std::int32_t n = GlobalVariables::NumRunoffChartReturnPeriods();
    ASSERT_GE(n, 1);
    EXPECT_LE(n, MaxReturnPeriods);
    int basePeriods = 0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
        EXPECT_GT(periods[i].FF, 0);
        basePeriods += periods[i].FF == 1.0 ? 1 : 0;
        if (i > 1) {
            EXPECT_GT(periods[i].ReturnPeriod, periods[i - 1].ReturnPeriod);
            EXPECT_GT(periods[i].FF, periods[i - 1].FF);
        }
    }
    EXPECT_EQ(basePeriods, 1);
}

TEST_F(ShippedHydrologyCatalogue, EveryClassPairHasAFactorRisingWithSlopeAndRunoff) {
    const std::int32_t covers = GlobalVariables::NumRunoffChartCovers();
    const std::int32_t slopes = GlobalVariables::NumRunoffChartSlopes();
    ASSERT_GE(covers, 1);
    ASSERT_GE(slopes, 1);
    for (std::int32_t c = 1; c <= covers; ++c) {
        EXPECT_FALSE(GlobalVariables::RunoffChartCovers[static_cast<std::size_t>(c)].empty());
    }
    for (std::int32_t s = 1; s <= slopes; ++s) {
        EXPECT_FALSE(GlobalVariables::RunoffChartSlopes[static_cast<std::size_t>(s)].empty());
    }
    for (std::int32_t c = 1; c <= covers; ++c) {
        for (std::int32_t s = 1; s <= slopes; ++s) {
            SCOPED_TRACE(std::to_string(c) + ", " + std::to_string(s));
            const double LF = VoskRunoffChart::GetLandUseSlopeFactor(c, s);
            EXPECT_GT(LF, 0);
            EXPECT_LE(LF, 1);
            if (c > 1) {
                EXPECT_GT(LF, VoskRunoffChart::GetLandUseSlopeFactor(c - 1, s));
            }
            if (s > 1) {
                EXPECT_GT(LF, VoskRunoffChart::GetLandUseSlopeFactor(c, s - 1));
            }
        }
    }
}

TEST_F(ShippedHydrologyCatalogue, USGSReturnPeriodsRunFrom2To500) {
    const auto& periods = GlobalVariables::USGSReturnPeriods;
    const std::int32_t n = GlobalVariables::NumUSGSReturnPeriods();
    ASSERT_GE(n, 2);
    EXPECT_LE(n, MaxReturnPeriods);
    EXPECT_EQ(periods[1], 2);
    EXPECT_EQ(periods[static_cast<std::size_t>(n)], 500);
    for (std::size_t i = 2; i <= static_cast<std::size_t>(n); ++i) {
        EXPECT_GT(periods[i], periods[i - 1]);
    }
    EXPECT_LE(modUSGSMavo1987::NumReturnPeriods(), MaxReturnPeriods);
}

TEST_F(ShippedHydrologyCatalogue, EveryReturnPeriodHasEveryEquationTheComputationChooses) {
    // (region, equation) -> the terms it uses: equation 1 the area alone,
    // equation 2 of region 3 the slope, of region 2 the slope and the lobe.
    const std::map<std::pair<int, int>, std::pair<int, int>> terms = {
        {{1, 1}, {0, 0}}, {{2, 1}, {0, 0}}, {{3, 1}, {0, 0}}, {{2, 2}, {1, 1}}, {{3, 2}, {1, 0}},
    };
    std::map<std::pair<int, int>, std::set<int>> periodsOf;
    const auto& eqs = USGS::USGSEquations();
    for (std::size_t k = 1; k < eqs.size(); ++k) {
        const USGSEquation& eq = eqs[k];
        const auto key = std::make_pair(eq.Region, eq.EqNum);
        SCOPED_TRACE("row " + std::to_string(k));
        ASSERT_TRUE(terms.count(key));
        EXPECT_TRUE(periodsOf[key].insert(eq.ReturnPeriod).second) << "duplicate row";
        EXPECT_EQ(eq.UseCMCS, terms.at(key).first);
        EXPECT_EQ(eq.UseCORL, terms.at(key).second);
    }
    const std::set<int> all(GlobalVariables::USGSReturnPeriods.begin() + 1,
                            GlobalVariables::USGSReturnPeriods.end());
    for (const auto& [key, used] : terms) {
        SCOPED_TRACE("region " + std::to_string(key.first) + ", equation " +
                     std::to_string(key.second));
        EXPECT_EQ(periodsOf[key], all);
    }
}

TEST_F(ShippedHydrologyCatalogue, USGSDischargeRisesWithTheReturnPeriodForAnyInput) {
    // Within one equation the exponents are the same for every return period
    // and K1 grows, so the order cannot flip for any area, slope or lobe share.
    const auto& eqs = USGS::USGSEquations();
    for (std::size_t a = 1; a < eqs.size(); ++a) {
        for (std::size_t b = 1; b < eqs.size(); ++b) {
            if (eqs[a].Region != eqs[b].Region || eqs[a].EqNum != eqs[b].EqNum ||
                eqs[a].ReturnPeriod >= eqs[b].ReturnPeriod) {
                continue;
            }
            SCOPED_TRACE("rows " + std::to_string(a) + ", " + std::to_string(b));
            EXPECT_GT(eqs[b].K1, eqs[a].K1);
            EXPECT_EQ(eqs[b].CDA, eqs[a].CDA);
            EXPECT_EQ(eqs[b].CMCS, eqs[a].CMCS);
            EXPECT_EQ(eqs[b].CORL, eqs[a].CORL);
        }
    }
    // And the weighted discharges over the corners of the input range.
    for (const double total : {0.01, 1.0, 100.0, 5000.0}) {
        for (const double mcs : {-1.0, 0.5, 20.0, 500.0}) {
            for (const double lobe : {-1.0, 0.0, 0.5, 1.0}) {
                USGSWatershedRecord record;
                record.RegionDA = {0, total / 5, total / 2, total * 3 / 10};
                record.MCSGiven = mcs > 0 ? 1 : 0;
                record.MCS = std::max(mcs, 0.0);
                record.ORLGiven = lobe >= 0 ? 1 : 0;
                record.ORLArea = std::max(lobe, 0.0) * total;
                USGS::ComputeUSGSDesignQs(record);
                for (std::size_t i = 2; i < record.DesignQs.size(); ++i) {
                    EXPECT_GT(record.DesignQs[i], record.DesignQs[i - 1])
                        << total << " mi2, MCS " << mcs << ", lobe " << lobe << ", row " << i;
                }
            }
        }
    }
}
