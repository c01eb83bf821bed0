// The USGS 2001 regression on a small hand-made catalogue
// (HydrologyTestData.h): equation choice, area weighting with the total area,
// the 1E-05 thresholds, and missing equation rows.

#include "HydrologyTestData.h"

#include "hydrology/HydrologyTables.h"
#include "hydrology/USGS.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

class USGS2001 : public testing::Test {
protected:
    static void Load(const std::string& extraSql = {}) {
        CatalogueFixture fixture(kUSGSSql + extraSql);
        USGS::LoadUSGSTables();
    }
    void SetUp() override { Load(); }
};

USGSWatershedRecord Watershed(std::array<double, 3> areas, double mcs = -1, double orl = -1) {
    USGSWatershedRecord record;
    for (std::size_t r = 1; r <= 3; ++r) {
        record.RegionDA[r] = areas[r - 1];
        record.RegionDAGiven[r] = areas[r - 1] > 0 ? 1 : 0;
    }
    if (mcs >= 0) {
        record.MCS = mcs;
        record.MCSGiven = 1;
    }
    if (orl >= 0) {
        record.ORLArea = orl;
        record.ORLGiven = 1;
    }
    return record;
}

} // namespace

TEST_F(USGS2001, LoadsReturnPeriodsByArrayNumAndEquationsInTableOrder) {
    EXPECT_EQ(GlobalVariables::NumUSGSReturnPeriods(), 2);
    EXPECT_EQ(GlobalVariables::USGSReturnPeriods, (std::vector<std::int32_t>{0, 2, 10}));
    const auto& eqs = USGS::USGSEquations();
    ASSERT_EQ(eqs.size(), 11u);
    EXPECT_EQ(eqs[0].Region, 0);
    EXPECT_EQ(eqs[5].Region, 2);
    EXPECT_EQ(eqs[5].EqNum, 2);
    EXPECT_DOUBLE_EQ(eqs[5].K1, 4);
    EXPECT_DOUBLE_EQ(eqs[5].CMCS, 0.5);
    EXPECT_DOUBLE_EQ(eqs[5].EYR, 2.5);
}

TEST_F(USGS2001, ATermIsUsedFromACoefficientMagnitudeOf1EMinus5) {
    const auto& eqs = USGS::USGSEquations();
    EXPECT_EQ(eqs[1].UseCMCS, 0); // 0
    EXPECT_EQ(eqs[5].UseCMCS, 1); // 0.5
    EXPECT_EQ(eqs[5].UseCORL, 1); // 1
    EXPECT_EQ(eqs[8].UseCORL, 0); // 9E-06
    EXPECT_EQ(eqs[9].UseCORL, 1); // exactly 1E-05

    Load("UPDATE TblUSGSEq SET CMCS = -0.00001, CORL = -0.0000099 WHERE rowid = 9;");
    EXPECT_EQ(USGS::USGSEquations()[9].UseCMCS, 1);
    EXPECT_EQ(USGS::USGSEquations()[9].UseCORL, 0);
}

TEST_F(USGS2001, RegionEquationOfTheFirstMatchingRowOrZero) {
    const struct {
        const char* what;
        std::int32_t region, eq, period;
        double DA, MCS, ORLF, Q;
    } cases[] = {
        {"first of two rows", 1, 1, 2, 3, 0, 0, 30}, // 10 x 3, not 999 x 3
        {"area squared", 2, 1, 10, 3, 0, 0, 72},     // 8 x 3^2
        {"slope and lobe", 2, 2, 2, 3, 16, 0.5, 72}, // 4 x 3 x 16^0.5 x 1.5
        {"lobe share 0", 2, 2, 2, 3, 16, 0, 48},     // 4 x 3 x 4 x 1
        {"no such return period", 2, 2, 10, 3, 16, 0, 0},
        {"no such equation", 1, 2, 2, 3, 16, 0, 0},
        {"return period as an index", 1, 1, 1, 3, 0, 0, 0},
        {"slope with a lobe term off", 3, 2, 2, 5, 4, 1, 40}, // 2 x 5 x 4
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(USGS::ComputeRegionQ(c.region, c.eq, c.period, c.DA, c.MCS, c.ORLF), c.Q);
    }
}

TEST_F(USGS2001, DischargesWeightEachRegionsEquationOnTheTotalAreaByItsShare) {
    // Areas 2, 3, 5 (total 10, shares 0.2, 0.3, 0.5). Every region is
    // evaluated with DA = 10:
    //   no slope: 2 yr 0.2 x 100 + 0.3 x 500 + 0.5 x 30 = 185;
    //             10 yr 0.2 x 200 + 0.3 x 800 + 0.5 x 60 = 310
    //   MCS 4: region 3 takes 2 x 10 x 4 = 80: 20 + 150 + 40 = 210; 40 + 240 + 40 = 320
    //   MCS 4, lobe 5 (share 0.5): region 2 takes 4 x 10 x 2 x 1.5 = 120 at 2 yr
    //     (20 + 36 + 40 = 96) and has no 10-year row; region 3 at 10 years
    //     80 x 1.5^1E-05 = 80.000324373: 40 + 0 + 40.000162186 (python3)
    //   lobe without slope: equation 1 everywhere, as without either.
    const struct {
        const char* what;
        USGSWatershedRecord record;
        std::array<std::int32_t, 4> eqs;
        double Q2, Q10;
    } cases[] = {
        {"no slope", Watershed({2, 3, 5}), {0, 1, 1, 1}, 185, 310},
        {"slope", Watershed({2, 3, 5}, 4), {0, 1, 1, 2}, 210, 320},
        {"slope and lobe", Watershed({2, 3, 5}, 4, 5), {0, 1, 2, 2}, 96, 80.00016218637205},
        {"lobe only", Watershed({2, 3, 5}, -1, 5), {0, 1, 1, 1}, 185, 310},
        // Region 2 alone: 5 x 3^2 and 8 x 3^2.
        {"one region", Watershed({0, 3, 0}), {0, 1, 1, 1}, 45, 72},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        USGSWatershedRecord record = c.record;
        USGS::ComputeUSGSDesignQs(record);
        EXPECT_DOUBLE_EQ(record.TotalDA,
                         c.record.RegionDA[1] + c.record.RegionDA[2] + c.record.RegionDA[3]);
        EXPECT_EQ(record.RegionEqNum, c.eqs);
        ASSERT_EQ(record.DesignQs.size(), 3u);
        EXPECT_DOUBLE_EQ(record.DesignQs[1], c.Q2);
        EXPECT_DOUBLE_EQ(record.DesignQs[2], c.Q10);
    }
}

TEST_F(USGS2001, LobeShareIsTheLobeAreaOverTheTotal) {
    USGSWatershedRecord record = Watershed({2, 3, 5}, 4, 5);
    USGS::ComputeUSGSDesignQs(record);
    EXPECT_DOUBLE_EQ(record.ORLFraction, 0.5);
    EXPECT_EQ(record.RegionFraction, (std::array<double, 4>{0, 0.2, 0.3, 0.5}));
}

TEST_F(USGS2001, ATotalAreaBelow1EMinus5GivesZerosAndLeavesTheSharesAlone) {
    const struct {
        const char* what;
        double area;
        double Q2;
        std::int32_t eq1;
    } cases[] = {
        {"none", 0, 0, 0},
        {"just below", 0.99999e-5, 0, 0},
        {"exactly 1E-05", 1e-5, 1e-4, 1}, // 10 x 1E-05
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        USGSWatershedRecord record = Watershed({c.area, 0, 0});
        USGS::ComputeUSGSDesignQs(record);
        EXPECT_EQ(record.RegionEqNum[1], c.eq1);
        ASSERT_EQ(record.DesignQs.size(), 3u);
        EXPECT_DOUBLE_EQ(record.DesignQs[1], c.Q2);
    }
}

TEST_F(USGS2001, ASlopeOf0WithANegativeExponentRaises) {
    Load("UPDATE TblUSGSEq SET CMCS = -0.5 WHERE Region = 3 AND EqNum = 2;");
    USGSWatershedRecord record = Watershed({1, 1, 1}, 0);
    EXPECT_EQ(FaultOf([&] { USGS::ComputeUSGSDesignQs(record); }, ErrorNumber::DivisionByZero),
              "Division by zero in the USGS 2001 regression: 0 raised to the power -0.5");
}

TEST_F(USGS2001, ADischargeTooLargeToHoldRaises) {
    Load("UPDATE TblUSGSEq SET K1 = 1E300 WHERE Region = 2 AND EqNum = 1;");
    USGSWatershedRecord record = Watershed({0, 1E5, 0});
    EXPECT_EQ(FaultOf([&] { USGS::ComputeUSGSDesignQs(record); }, ErrorNumber::Overflow),
              "Overflow in the USGS 2001 regression");
}
