// The design-discharge computation of one barrel, against hand calculations
// with the published equations: HDS-5 inlet control, full-flow outlet control
// H = (1 + Ke) V^2 / 2g + Sf L with ho = max(TW, (dc + D) / 2), critical flow
// Q^2 / g = A^3 / T and Manning's equation (g = 32.1726, 1.486).

#include "hydraulics/GenDesign.h"
#include "hydraulics/CatalogueTables.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Inlet-control constants of the worked examples: K 0.5, M 0.7, c 0.04, Y 0.8, form 1.
GenCulvertInlet ExampleInlet(int mitered) {
    GenCulvertInlet inlet;
    inlet.InletID = 1;
    inlet.Description = "Example inlet";
    inlet.Ke = 0.5;
    inlet.UnSubEqNum = 1;
    inlet.K = 0.5;
    inlet.M = 0.7;
    inlet.c = 0.04;
    inlet.Y = 0.8;
    inlet.MiteredFlag = mitered;
    return inlet;
}

GenDesignCulvertType HandMadeType(int shape, int sizeCount, int mitered) {
    GenDesignCulvertType type;
    type.IDNum = shape;
    type.ShapeNum = shape;
    type.NumSizeParameters = sizeCount;
    type.Inlets = {GenCulvertInlet{}, ExampleInlet(mitered)};
    return type;
}

enum TypeIndex { Circular = 1, Box = 2, PipeArch = 3, OddShape = 4 };

// A catalogue of four types with one inlet each; entry 0 stays empty as in the
// loaded one. The pipe-arch's inlet is mitered. The records name their type and
// inlet in it, and Compute looks them up as the named entry looks them up in
// the program's catalogue.
class GenDesignTest : public testing::Test {
protected:
    void Compute(GenDesignRecord& record) const {
        const GenDesignCulvertType& type =
            CatalogueEntry(types_, record.CulvertTypeIndex, "culvert type");
        GenDesign::ComputeCulvertForDesignQ(
            record, type, CatalogueEntry(type.Inlets, record.InletIndex, "inlet"));
    }

private:
    const std::vector<GenDesignCulvertType> types_ = {GenDesignCulvertType{}, HandMadeType(1, 1, 0),
                                                      HandMadeType(2, 2, 0), HandMadeType(3, 5, 1),
                                                      HandMadeType(4, 1, 0)};
};

// The worked examples' culvert: one 3 ft circular barrel, 100 ft long, n 0.012,
// Ke 0.5, inlet invert 100.0, tailwater 1.0 ft.
GenDesignRecord ThreeFootPipe(double Qb, double outletInvert) {
    GenDesignRecord record;
    record.Q = Qb;
    record.QBarrel = Qb;
    record.TWDepth = 1.0;
    record.InletInvertElev = 100.0;
    record.OutletInvertElev = outletInvert;
    record.BarrelLength = 100;
    record.CulvertTypeIndex = Circular;
    record.InletIndex = 1;
    record.ManningN = 0.012;
    record.Ke = 0.5;
    record.NumSizes = 1;
    record.Sizes = {0, 3};
    record.NumBarrels = 1;
    return record;
}

constexpr double FullPipeArea = 3.14159265358979 * 9 / 4; // 7.0686 ft^2

// By hand for the 3 ft pipe (A = 7.0686 ft^2, R = 0.75 ft):
// Qb = 50: x = Q / (A D^0.5) = 4.0839 >= 4, submerged: HW/D = 0.04 x^2 + 0.8 - 0.5 S
//   = 1.46214 at S = 0.01 (ICHead 1.38641), 1.46714 at S = 0 (ICHead 1.40141).
//   V = 7.0736, (1 + Ke) V^2 / 2g = 1.16641, Sf = 0.0047883: H = 1.64524 at L = 100,
//   1.21429 at L = 10. dc = 2.30157 (A = 5.8191, T = 2.5357), ho = (dc + D) / 2 = 2.65078.
//   OCHead = outlet invert + ho + H - 103. Outlet velocity at dc (TW < dc): 50 / 5.8191
//   = 8.59. Normal depth at S = 0.01: 1.83533 (A = 4.5318, velocity 11.03), below dc.
// Qb = 100: x = 8.1678, HW/D = 3.46354, ICHead 7.39062; V = 14.1471, H = 4.66563 +
//   1.91534 = 6.58097; dc = 2.89562, ho = 2.94781, OCHead 5.52878; the open-channel
//   maximum at 0.9381812109 D is 77.73 < 100; full-barrel velocity 14.15, at dc
//   (A = 6.9915) 14.30.
struct PipeCase {
    const char* name;
    double Qb, inletInvert, outletInvert, length;
    double slope;
    int status;
    const char* normalDepthText;
    double normalDepth;
    const char* slopeClass;
    double criticalDepth, icHead, ocHead;
    bool outletGoverns;
    const char* icVelocity;
    const char* ocVelocity;
    const char* exitVelocity;
};

const PipeCase kPipeCases[] = {
    {"slope 0.01", 50, 100, 99, 100, 0.01, 1, "1.84", 1.83533, "Steep", 2.30157, 1.38641, 0.29602,
     false, "11.03", "8.59", "11.03"},
    {"slope 0", 50, 100, 100, 100, 0, 2, "Undefined(1)", 0, "Horizontal", 2.30157, 1.40141, 1.29602,
     false, "Undefined", "8.59", "8.59"},
    {"adverse", 50, 100, 101, 100, -0.01, 2, "Undefined(1)", 0, "Adverse", 2.30157, 1.40141,
     2.29602, true, "Undefined", "8.59", "8.59"},
    {"above open-channel maximum", 100, 100, 99, 100, 0.01, 3, "Undefined(2)", 0, "Undefined",
     2.89562, 7.39062, 5.52878, false, "14.15", "14.30", "14.30"},
    // A fall of 0.00005 ft over 10 ft: Slope 5E-6, neither horizontal nor adverse,
    // but no fall above 0.0001 ft, so S = 0. OCHead = 100 + 2.65078 + 1.21429 -
    // 100.00005 - 3.
    {"fall below 0.0001 ft", 50, 100.00005, 100, 10, 5e-6, 2, "Undefined(1)", 0, "Undefined",
     2.30157, 1.40141, 0.86502, false, "Undefined", "8.59", "8.59"},
    // A rise of 0.000005 ft over 10 ft: Slope -5E-7, within 1E-6 of level, so
    // horizontal and not adverse; S = 0. OCHead = 100.000005 + 2.65078 +
    // 1.21429 - 100 - 3.
    {"tiny rise", 50, 100, 100.000005, 10, -5e-7, 2, "Undefined(1)", 0, "Horizontal", 2.30157,
     1.40141, 0.86508, false, "Undefined", "8.59", "8.59"},
};

TEST_F(GenDesignTest, ThreeFootPipeExamples) {
    for (const PipeCase& c : kPipeCases) {
        SCOPED_TRACE(c.name);
        GenDesignRecord record = ThreeFootPipe(c.Qb, c.outletInvert);
        record.InletInvertElev = c.inletInvert;
        record.BarrelLength = c.length;
        Compute(record);

        EXPECT_NEAR(record.Slope, c.slope, 1e-12);
        EXPECT_EQ(record.NormalDepthStatus, c.status);
        EXPECT_EQ(record.NormalDepthText, c.normalDepthText);
        EXPECT_NEAR(record.NormalDepth, c.normalDepth, 0.001);
        EXPECT_EQ(record.SlopeClassText, c.slopeClass);
        // Bisection to 0.001 ft.
        EXPECT_NEAR(record.CriticalDepth, c.criticalDepth, 0.001);
        EXPECT_NEAR(record.ICHead, c.icHead, 1e-4);
        EXPECT_NEAR(record.ICHWElev, c.inletInvert + 3 + c.icHead, 1e-4);
        // ho carries half the critical depth's tolerance.
        EXPECT_NEAR(record.OCHead, c.ocHead, 0.001);
        EXPECT_NEAR(record.OCHWElev, c.inletInvert + 3 + c.ocHead, 0.001);
        EXPECT_EQ(record.HWElev, c.outletGoverns ? record.OCHWElev : record.ICHWElev);
        EXPECT_EQ(record.HWHead, c.outletGoverns ? record.OCHead : record.ICHead);
        EXPECT_EQ(record.ICExitVelText, c.icVelocity);
        EXPECT_EQ(record.OCExitVelText, c.ocVelocity);
        EXPECT_EQ(record.ExitVelText, c.exitVelocity);
        EXPECT_NEAR(record.FullArea, FullPipeArea, 1e-12);
    }
}

TEST_F(GenDesignTest, TwinBoxUnderOutletControlOnAMildSlope) {
    // Two 5 ft x 4 ft boxes carry 200 ft^3/s, 100 each; 1000 ft at S = 0.001; the
    // outlet is submerged (TW 7 ft). By hand:
    //   dc = (Q^2 / (B^2 g))^(1/3) = 12.43294^(1/3) = 2.31664, Hc = 1.5 dc = 3.47496.
    //   x = 100 / 20 / 2 = 2.5, unsubmerged form 1: HW/D = 3.47496 / 4 + 0.5 * 2.5^0.7
    //   - 0.5 * 0.001 = 0.86874 + 0.94957 - 0.0005 = 1.81781; ICHWElev 107.27124.
    //   V = 5, 1.5 V^2 / 2g = 0.58279; R = 20 / 18, Sf = (1.2 / (1.486 * 20 *
    //   1.1111^(2/3)))^2 = 0.0014166: H = 0.58279 + 1.41663 = 1.99942; ho = TW = 7;
    //   OCHWElev = 99 + 7 + 1.99942 = 107.99942 governs.
    //   Normal depth: 1.486 / 0.012 * 5y * (5y / (5 + 2y))^(2/3) * 0.001^0.5 = 100 at
    //   y = 3.86629 > dc: mild; velocity 100 / (5 * 3.86629) = 5.17. Outlet depth = D
    //   (TW >= D): 100 / 20 = 5.00.
    GenDesignRecord record;
    record.Q = 200;
    record.QBarrel = 100;
    record.TWDepth = 7;
    record.InletInvertElev = 100;
    record.OutletInvertElev = 99;
    record.BarrelLength = 1000;
    record.CulvertTypeIndex = Box;
    record.InletIndex = 1;
    record.ManningN = 0.012;
    record.Ke = 0.5;
    record.NumSizes = 2;
    record.Sizes = {0, 5, 4};
    record.NumBarrels = 2;
    Compute(record);

    EXPECT_DOUBLE_EQ(record.Slope, 0.001);
    EXPECT_NEAR(record.CriticalDepth, 2.316637, 1e-6);
    EXPECT_NEAR(record.ICHWElev, 107.271244, 1e-6);
    EXPECT_NEAR(record.ICHead, 3.271244, 1e-6);
    EXPECT_NEAR(record.OCHWElev, 107.999419, 1e-6);
    EXPECT_NEAR(record.OCHead, 3.999419, 1e-6);
    EXPECT_EQ(record.HWElev, record.OCHWElev);
    EXPECT_EQ(record.HWHead, record.OCHead);
    EXPECT_EQ(record.NormalDepthStatus, 1);
    EXPECT_NEAR(record.NormalDepth, 3.866285, 0.001);
    EXPECT_EQ(record.NormalDepthText, "3.87");
    EXPECT_EQ(record.SlopeClassText, "Mild");
    EXPECT_EQ(record.ICExitVelText, "5.17");
    EXPECT_EQ(record.OCExitVelText, "5.00");
    EXPECT_EQ(record.ExitVelText, "5.17");
    EXPECT_DOUBLE_EQ(record.FullArea, 20);
}

TEST_F(GenDesignTest, MiteredPipeArchUnderInletControl) {
    // Span 6, bottom radius 7, top radius 3.25, corner radius 1.5 ft, with the rise at
    // which the three arcs are tangent: corner centre yc = 7 - sqrt(5.5^2 - 1.5^2) =
    // 1.70850, top centre yc - sqrt(1.75^2 - 1.5^2) = 0.80721, rise = 0.80721 + 3.25.
    // Areas by integrating the width of the arcs over the depth: full 19.2522 ft^2,
    // full perimeter 16.0672 ft; A(3.0) = 15.7434. Qb = 100, n 0.025, L 100, S 0.01,
    // TW 3.0, Ke 0.5, by hand:
    //   dc = 2.32010 (A = 12.1281), Hc = dc + (100 / 12.1281)^2 / 2g = 3.37668.
    //   x = 100 / 19.2522 / rise^0.5 = 2.57876, unsubmerged form 1, mitered (Ks 0.7):
    //   HW/D = 3.37668 / 4.05711 + 0.5 x^0.7 + 0.007 = 1.80970; ICHead 3.28505.
    //   V = 5.19421, R = 1.19823, Sf = 0.0060001: H = 0.62894 + 0.60002 = 1.22896;
    //   ho = (dc + rise) / 2 = 3.18860 > TW; OCHWElev = 99 + 3.18860 + 1.22896 = 103.41757.
    //   Normal depth 2.54660 > dc: mild; A(dn) = 13.4015, velocity 7.46. Outlet depth =
    //   TW (dc <= TW < D): 100 / 15.7434 = 6.35.
    const double rise = 4.057109559004822;
    GenDesignRecord record;
    record.Q = 100;
    record.QBarrel = 100;
    record.TWDepth = 3.0;
    record.InletInvertElev = 100;
    record.OutletInvertElev = 99;
    record.BarrelLength = 100;
    record.CulvertTypeIndex = PipeArch;
    record.InletIndex = 1;
    record.ManningN = 0.025;
    record.Ke = 0.5;
    record.NumSizes = 5;
    record.Sizes = {0, 6, rise, 7, 3.25, 1.5};
    record.NumBarrels = 1;
    Compute(record);

    EXPECT_NEAR(record.CriticalDepth, 2.32010, 0.001);
    EXPECT_NEAR(record.ICHead, 3.28505, 0.001);
    EXPECT_NEAR(record.ICHWElev, 100 + rise + 3.28505, 0.001);
    EXPECT_NEAR(record.OCHWElev, 103.41757, 0.001);
    EXPECT_NEAR(record.OCHead, 103.41757 - 100 - rise, 0.001);
    EXPECT_EQ(record.HWElev, record.ICHWElev);
    EXPECT_EQ(record.HWHead, record.ICHead);
    EXPECT_EQ(record.NormalDepthStatus, 1);
    EXPECT_NEAR(record.NormalDepth, 2.54660, 0.001);
    EXPECT_EQ(record.NormalDepthText, "2.55");
    EXPECT_EQ(record.SlopeClassText, "Mild");
    EXPECT_EQ(record.ICExitVelText, "7.46");
    EXPECT_EQ(record.OCExitVelText, "6.35");
    EXPECT_EQ(record.ExitVelText, "7.46");
    EXPECT_NEAR(record.FullArea, 19.2522, 0.001);
}

TEST_F(GenDesignTest, EqualHeadwatersReportInletControl) {
    // No discharge: HW/D = 0, so ICHWElev = 100; H = 0 and ho = max(TW, D / 2) = 1.5,
    // so OCHWElev = 98.5 + 1.5 = 100 as well. Normal depth 0 = dc: critical; no flow
    // area at normal depth and a velocity of 0 leave the exit velocity undefined.
    GenDesignRecord record = ThreeFootPipe(0, 98.5);
    Compute(record);

    ASSERT_EQ(record.ICHWElev, 100);
    ASSERT_EQ(record.OCHWElev, 100);
    EXPECT_EQ(record.HWElev, record.ICHWElev);
    EXPECT_EQ(record.HWHead, record.ICHead);
    EXPECT_EQ(record.HWHead, -3);
    EXPECT_EQ(record.SlopeClassText, "Critical");
    EXPECT_EQ(record.ICExitVelText, "Undefined");
    EXPECT_EQ(record.OCExitVelText, "0.00");
    EXPECT_EQ(record.ExitVelText, "Undefined");
}

TEST_F(GenDesignTest, UnconvergedNormalDepthLeavesNothingOfThePreviousRow) {
    GenDesignRecord record = ThreeFootPipe(50, 99);
    Compute(record);
    ASSERT_EQ(record.NormalDepthText, "1.84");
    ASSERT_EQ(record.ICExitVelText, "11.03");

    // A box 10 ft wide and 1E27 ft high: halving the bracket from 1E27 ft to below
    // 0.001 ft takes more than the 100 passes (1E27 / 2^99 = 0.0016). Its critical
    // depth (100^2 / (10^2 g))^(1/3) = 1.45939 is above TW, so the outlet velocity is
    // 100 / 14.5939 = 6.85.
    record.CulvertTypeIndex = Box;
    record.NumSizes = 2;
    record.Sizes = {0, 10, 1e27};
    record.QBarrel = 100;
    Compute(record);

    EXPECT_EQ(record.NormalDepthStatus, 0);
    EXPECT_EQ(record.NormalDepth, 0);
    EXPECT_EQ(record.NormalDepthText, "Undefined");
    EXPECT_EQ(record.SlopeClassText, "Undefined");
    EXPECT_EQ(record.ICExitVelText, "Undefined");
    EXPECT_EQ(record.OCExitVelText, "6.85");
    EXPECT_EQ(record.ExitVelText, "6.85");
}

TEST_F(GenDesignTest, RefusedRecordsRaiseAppErrorAndKeepTheirResults) {
    struct Case {
        const char* name;
        void (*spoil)(GenDesignRecord&);
        long number;
        const char* words;
    };
    const Case cases[] = {
        {"type 0", [](GenDesignRecord& r) { r.CulvertTypeIndex = 0; },
         ErrorNumber::SubscriptOutOfRange, "Subscript out of range"},
        {"type past the catalogue", [](GenDesignRecord& r) { r.CulvertTypeIndex = 5; },
         ErrorNumber::SubscriptOutOfRange, "Subscript out of range"},
        {"inlet 0", [](GenDesignRecord& r) { r.InletIndex = 0; }, ErrorNumber::SubscriptOutOfRange,
         "Subscript out of range"},
        {"inlet past the list", [](GenDesignRecord& r) { r.InletIndex = 2; },
         ErrorNumber::SubscriptOutOfRange, "Subscript out of range"},
        {"no barrels", [](GenDesignRecord& r) { r.NumBarrels = 0; }, ErrorNumber::InvalidArgument,
         "number of barrels 0"},
        {"shape 4", [](GenDesignRecord& r) { r.CulvertTypeIndex = OddShape; },
         ErrorNumber::InvalidArgument, "shape number 4"},
        {"six sizes", [](GenDesignRecord& r) { r.NumSizes = 6; }, ErrorNumber::SubscriptOutOfRange,
         "Subscript out of range"},
        {"sizes list too short", [](GenDesignRecord& r) { r.Sizes = {0}; },
         ErrorNumber::SubscriptOutOfRange, "Subscript out of range"},
        {"zero length", [](GenDesignRecord& r) { r.BarrelLength = 0; }, ErrorNumber::DivisionByZero,
         "barrel length is 0"},
        {"no discharge and no tailwater", [](GenDesignRecord& r) { r.QBarrel = r.TWDepth = 0; },
         ErrorNumber::DivisionByZero, "outlet-control exit velocity"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GenDesignRecord record = ThreeFootPipe(50, 99);
        record.HWElev = -1;
        record.NormalDepthText = "kept";
        c.spoil(record);
        try {
            Compute(record);
            ADD_FAILURE() << "no AppError";
        } catch (const AppError& error) {
            EXPECT_EQ(error.number, c.number);
            EXPECT_NE(error.description.find(c.words), std::string::npos) << error.description;
        }
        EXPECT_EQ(record.HWElev, -1);
        EXPECT_EQ(record.NormalDepthText, "kept");
    }
}

} // namespace

TEST(GenDesignNamedEntry, LooksTheTypeUpInTheProgramsCatalogue) {
    // Nothing is loaded in this test program: the catalogue holds entry 0 only.
    GenDesignRecord record;
    record.CulvertTypeIndex = 1;
    record.InletIndex = 1;
    try {
        GenDesign::ComputeCulvertForDesignQ(record);
        ADD_FAILURE() << "no AppError";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(error.description, "Subscript out of range (culvert type 1 of 1 to 0)");
    }
}
