// The inlet-control designs of the five standard barrel families.
//
// The fixture families use form 2 with K 0.5, M 0.5 (HW/D = 0.5 x^0.5 for
// x <= 3.5) and c 0.04, Y 0.8 (HW/D = 0.04 x^2 + 0.8 for x >= 4), with
// x = Q / (A D^0.5) and a slope of 0, so that every expected value below is
// worked by hand from those two lines.

#include "CatalogueTestData.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/InletControlMod.h"
#include "hydraulics/StandardCorrMetalPipeMod.h"
#include "hydraulics/StandardPipeMod.h"
#include "hydraulics/StandardRCArchPipe.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "hydraulics/StandardSteelPipeArchMod.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 1e-9;

class StandardFamilies : public testing::Test {
protected:
    void SetUp() override {
        StandardPipeMod::LoadStandardConcPipeSizes();
        StandardRCBoxMod::LoadStandardRCBoxSizes();
        StandardCorrMetalPipeMod::LoadStandardCMPSizes();
        StandardRCArchPipe::LoadStandardRCArchPipeSizes();
        StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes();
    }

    static StdDesignInput Input(double Q) {
        StdDesignInput input;
        input.Q = Q;
        input.HMax = 5;
        input.HMin = 1;
        input.Slope = 0;
        input.InletInvertElev = 100;
        return input;
    }

    CatalogueFixture fixture_{kCatalogueSql};
};

} // namespace

TEST_F(StandardFamilies, BoxRowsTakeTheirShareOfQAndTheHeightAsRise) {
    StdDesignResults<StdBoxDesignRow> results;
    StandardRCBoxMod::ComputeStandardRCBoxDesigns(Input(240), results);
    EXPECT_DOUBLE_EQ(results.Q, 240);
    EXPECT_DOUBLE_EQ(results.Slope, 0);
    EXPECT_DOUBLE_EQ(results.HMin, 1);
    EXPECT_DOUBLE_EQ(results.HMax, 5);
    EXPECT_DOUBLE_EQ(results.InletInvertElev, 100);
    ASSERT_EQ(results.Rows.size(), 4u);
    EXPECT_EQ(results.Rows[0].NumBarrels, 0);

    // 6 x 4 ft, twin: 120 ft^3/s a barrel, x = 120 / 24 / 2 = 2.5, unsubmerged
    // HW/D = 0.5 * 2.5^0.5 = 0.790569415; HWi = 4 HW/D.
    const StdBoxDesignRow& twin = results.Rows[1];
    EXPECT_EQ(twin.NumBarrels, 2);
    EXPECT_DOUBLE_EQ(twin.QBarrel, 120);
    EXPECT_EQ(twin.WidthFtText, "6");
    EXPECT_EQ(twin.HeightInText, "48");
    EXPECT_NEAR(twin.HWD, 0.7905694150420949, kTol);
    EXPECT_NEAR(twin.HWi, 3.1622776601683795, kTol);
    EXPECT_NEAR(twin.H, -0.8377223398316205, kTol);
    EXPECT_NEAR(twin.HWiElev, 103.1622776601683795, kTol);

    // 6 x 4 ft, single: x = 240 / 24 / 2 = 5, submerged HW/D = 0.04 * 25 + 0.8 = 1.8.
    const StdBoxDesignRow& single = results.Rows[2];
    EXPECT_DOUBLE_EQ(single.QBarrel, 240);
    EXPECT_NEAR(single.HWD, 1.8, kTol);
    EXPECT_NEAR(single.HWi, 7.2, kTol);
    EXPECT_NEAR(single.H, 3.2, kTol);
    EXPECT_NEAR(single.HWiElev, 107.2, kTol);

    // Four barrels are computed like any other count; choosing is the window's.
    EXPECT_DOUBLE_EQ(results.Rows[3].QBarrel, 60);
}

TEST_F(StandardFamilies, PipeRowsKeepEverySizeWhateverItsHead) {
    StdDesignResults<StdPipeDesignRow> results;
    StandardPipeMod::ComputeStandardConcPipeDesigns(Input(120), results);
    ASSERT_EQ(results.Rows.size(), 4u);

    // 48 in single: A = pi 4^2 / 4 = 12.5663706 ft^2, x = 120 / A / 2 = 4.77464829,
    // HW/D = 0.04 x^2 + 0.8 = 1.71189065.
    const StdPipeDesignRow& single = results.Rows[1];
    EXPECT_EQ(single.DiameterText, "48");
    EXPECT_EQ(single.DiameterFtText, "4");
    EXPECT_DOUBLE_EQ(single.DiameterFt, 4);
    EXPECT_NEAR(single.HWD, 1.711890652781042, kTol);
    EXPECT_NEAR(single.HWi, 4 * 1.711890652781042, kTol);
    EXPECT_NEAR(single.H, 4 * 1.711890652781042 - 4, kTol);

    // 48 in twin: one barrel at Q / 2, x = 2.38732415, HW/D = 0.5 x^0.5 = 0.77254840;
    // below the crown, so H is negative.
    const StdPipeDesignRow& twin = results.Rows[2];
    EXPECT_DOUBLE_EQ(twin.QBarrel, 60);
    EXPECT_NEAR(twin.HWD, 0.7725484040463796, kTol);
    EXPECT_LT(twin.H, 0);

    // 15 in single: H is far above the window's band, and the row is still there.
    EXPECT_GT(results.Rows[3].H, results.HMax);
}

TEST_F(StandardFamilies, SamePipeInTheOtherFamilyDiffersOnlyByItsConstants) {
    StdDesignResults<StdPipeDesignRow> metal;
    StandardCorrMetalPipeMod::ComputeStandardCMPDesigns(Input(120), metal);
    // 48 in single at x = 4.77464829 with c 0.05, Y 0.7: HW/D = 1.83986332.
    EXPECT_NEAR(metal.Rows[1].HWD, 1.8398633159763023, kTol);
    EXPECT_DOUBLE_EQ(metal.Rows[2].QBarrel, 40);
}

// The size row stores the radii bottom, corner, top; inlet control takes them
// bottom, top, corner (with the two swapped the corner would not fit the span).
TEST_F(StandardFamilies, ArchRowsPassTheRadiiAsBottomTopCorner) {
    StdDesignResults<StdArchDesignRow> results;
    StandardSteelPipeArchMod::ComputeStandardSteelPipeArchDesigns(Input(120), results);
    ASSERT_EQ(results.Rows.size(), 2u);
    const StdArchDesignRow& row = results.Rows[1];
    EXPECT_EQ(row.SpanText, "60");
    EXPECT_EQ(row.RiseText, "45");
    EXPECT_DOUBLE_EQ(row.TRFt, 31.0 / 12);
    EXPECT_DOUBLE_EQ(row.CRFt, 18.0 / 12);
    const double expected = InletControlMod::ComputePipeArchInletControlHWRatio(
        120, 5, 3.75, 7, 31.0 / 12, 18.0 / 12, 0, 2, 0.5, 0.5, 0.04, 0.8, 0);
    EXPECT_DOUBLE_EQ(row.HWD, expected);
    EXPECT_NEAR(row.HWi, 3.75 * expected, kTol);
    EXPECT_NEAR(row.H, 3.75 * expected - 3.75, kTol);
    EXPECT_NEAR(row.HWiElev, 100 + 3.75 * expected, kTol);
}

TEST_F(StandardFamilies, ArchRowsDivideQAmongBarrels) {
    StdDesignResults<StdArchDesignRow> results;
    StandardRCArchPipe::ComputeStandardRCArchPipeDesigns(Input(120), results);
    ASSERT_EQ(results.Rows.size(), 3u);
    EXPECT_DOUBLE_EQ(results.Rows[1].QBarrel, 120);
    EXPECT_DOUBLE_EQ(results.Rows[2].QBarrel, 60);
    EXPECT_EQ(results.Rows[2].SpanText, "22");
    EXPECT_DOUBLE_EQ(results.Rows[2].SpanFt, 22.5 / 12);
}

TEST_F(StandardFamilies, ASecondComputeReplacesEveryRow) {
    StdDesignResults<StdBoxDesignRow> results;
    results.Rows.assign(10, StdBoxDesignRow{});
    results.Rows[9].HWD = 99;
    StandardRCBoxMod::ComputeStandardRCBoxDesigns(Input(240), results);
    StandardRCBoxMod::ComputeStandardRCBoxDesigns(Input(480), results);
    ASSERT_EQ(results.Rows.size(), 4u);
    EXPECT_DOUBLE_EQ(results.Q, 480);
    EXPECT_DOUBLE_EQ(results.Rows[1].QBarrel, 240);
    // 6 x 4 ft twin at 240 ft^3/s a barrel: x = 5, HW/D = 1.8.
    EXPECT_NEAR(results.Rows[1].HWD, 1.8, kTol);
}

TEST_F(StandardFamilies, ZeroConstantsGiveAHeadwaterAtTheInvert) {
    StandardRCArchPipe::PACInletCoeffs = InletCoeffSet{};
    StandardRCBoxMod::RCBInletCoeffs = InletCoeffSet{};
    StdDesignResults<StdArchDesignRow> arches;
    StandardRCArchPipe::ComputeStandardRCArchPipeDesigns(Input(120), arches);
    for (std::size_t i = 1; i < arches.Rows.size(); ++i) {
        const StdArchDesignRow& row = arches.Rows[i];
        EXPECT_DOUBLE_EQ(row.HWD, 0);
        EXPECT_DOUBLE_EQ(row.HWi, 0);
        EXPECT_DOUBLE_EQ(row.H, -row.RiseFt);
        EXPECT_DOUBLE_EQ(row.HWiElev, 100);
    }
    StdDesignResults<StdBoxDesignRow> boxes;
    StandardRCBoxMod::ComputeStandardRCBoxDesigns(Input(240), boxes);
    EXPECT_DOUBLE_EQ(boxes.Rows[2].HWD, 0);
    EXPECT_DOUBLE_EQ(boxes.Rows[2].H, -4);
    EXPECT_DOUBLE_EQ(boxes.Rows[2].HWiElev, 100);
}

TEST_F(StandardFamilies, ABarrelCountOfZeroIsADivisionByZero) {
    GlobalVariables::StdCMPSizes[2].NumBarrels = 0;
    StdDesignResults<StdPipeDesignRow> results;
    try {
        StandardCorrMetalPipeMod::ComputeStandardCMPDesigns(Input(120), results);
        FAIL() << "no fault";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::DivisionByZero);
        EXPECT_EQ(error.description, "Division by zero");
    }
}
