// The catalogue database built for the program (TWLDBUS.db beside it), loaded
// by the start-up loaders and checked against what its readers rely on.

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesignCatalogue.h"
#include "hydraulics/PipeArchGeom.h"
#include "hydraulics/StandardCorrMetalPipeMod.h"
#include "hydraulics/StandardPipeMod.h"
#include "hydraulics/StandardRCArchPipe.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "hydraulics/StandardSteelPipeArchMod.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using GlobalVariables::GenDesignCulvertTypes;

class ShippedCatalogue : public testing::Test {
protected:
    static void SetUpTestSuite() {
        StandardPipeMod::LoadStandardConcPipeSizes();
        StandardRCBoxMod::LoadStandardRCBoxSizes();
        StandardCorrMetalPipeMod::LoadStandardCMPSizes();
        StandardRCArchPipe::LoadStandardRCArchPipeSizes();
        StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes();
        GenDesign::LoadGenDesignCulvertTypes();
        GenDesign::BuildStandardSizeLists();
    }
};

template <class Row, class Id> void ExpectUniqueIds(const std::vector<Row>& table, Id id) {
    std::set<int> seen;
    for (std::size_t i = 1; i < table.size(); ++i) {
        EXPECT_TRUE(seen.insert(id(table[i])).second) << "duplicate id " << id(table[i]);
    }
}

// The rise at which the top arc meets the corner arcs of a section of span B
// with radii Rb, Rt, Rc: the corner centres stand at yc, and the top arc,
// centred on the axis, touches them from inside.
double ClosingRise(double B, double Rb, double Rt, double Rc) {
    const double yc = Rb - std::sqrt((Rb - Rc) * (Rb - Rc) - (B / 2 - Rc) * (B / 2 - Rc));
    return Rt + yc - std::sqrt((Rt - Rc) * (Rt - Rc) - (B / 2 - Rc) * (B / 2 - Rc));
}

void ExpectFormableArches(const std::vector<StdPipeArchSize>& table) {
    for (std::size_t i = 1; i < table.size(); ++i) {
        const StdPipeArchSize& a = table[i];
        SCOPED_TRACE(a.SpanText + " x " + a.RiseText);
        EXPECT_EQ(PipeArchGeom::CheckArchSection(a.SpanFt, a.RiseFt, a.BRFt, a.TRFt, a.CRFt), "");
        EXPECT_EQ(PipeArchGeom::CheckArchClosure(a.SpanFt, a.RiseFt, a.BRFt, a.TRFt, a.CRFt), "");
        ASSERT_GE(a.TRIn, a.SpanIn / 2) << "the top arc cannot reach the corners";
        EXPECT_NEAR(ClosingRise(a.SpanIn, a.BRIn, a.TRIn, a.CRIn), a.RiseIn, 2.0);
        EXPECT_GT(PipeArchGeom::ComputeArchCornerCentreHeight(a.SpanFt, a.BRFt, a.CRFt), 0);
    }
}

} // namespace

TEST_F(ShippedCatalogue, EveryTypePairsShapeFamilyAndSizeCount) {
    ASSERT_GE(GenDesignCulvertTypes.size(), 6u);
    for (std::size_t i = 1; i < GenDesignCulvertTypes.size(); ++i) {
        const GenDesignCulvertType& t = GenDesignCulvertTypes[i];
        SCOPED_TRACE(t.ComboText);
        switch (t.ShapeNum) {
        case 1:
            EXPECT_TRUE(t.StandardSizeNum == 2 || t.StandardSizeNum == 3);
            EXPECT_EQ(t.NumSizeParameters, 1);
            break;
        case 2:
            EXPECT_EQ(t.StandardSizeNum, 1);
            EXPECT_EQ(t.NumSizeParameters, 2);
            break;
        case 3:
            EXPECT_TRUE(t.StandardSizeNum == 4 || t.StandardSizeNum == 5);
            EXPECT_EQ(t.NumSizeParameters, 5);
            break;
        default:
            ADD_FAILURE() << "shape " << t.ShapeNum;
        }
        EXPECT_TRUE(t.DisplayUnits == 1 || t.DisplayUnits == 2);
        EXPECT_GE(t.DefaultManningN, 0.010);
        EXPECT_LE(t.DefaultManningN, 0.030);
        EXPECT_GT(t.Inlets.size(), 1u);
        EXPECT_GT(t.StdSizes.size(), 1u);
        for (int k = 1; k <= t.NumSizeParameters; ++k) {
            EXPECT_FALSE(t.SizeTexts[static_cast<std::size_t>(k)].empty());
        }
    }
}

TEST_F(ShippedCatalogue, EveryIdIsUniqueWithinItsList) {
    ExpectUniqueIds(GenDesignCulvertTypes, [](const GenDesignCulvertType& t) { return t.IDNum; });
    for (std::size_t i = 1; i < GenDesignCulvertTypes.size(); ++i) {
        SCOPED_TRACE(GenDesignCulvertTypes[i].ComboText);
        ExpectUniqueIds(GenDesignCulvertTypes[i].Inlets,
                        [](const GenCulvertInlet& inlet) { return inlet.InletID; });
        ExpectUniqueIds(GenDesignCulvertTypes[i].StdSizes,
                        [](const GenStandardSize& size) { return size.StdIDNum; });
    }
    const auto pipeId = [](const StdPipeSize& s) { return s.IDNum; };
    const auto archId = [](const StdPipeArchSize& s) { return s.ID; };
    ExpectUniqueIds(GlobalVariables::StdConcPipeSizes, pipeId);
    ExpectUniqueIds(GlobalVariables::StdCMPSizes, pipeId);
    ExpectUniqueIds(GlobalVariables::StdRCBoxSizes, [](const StdRCBoxSize& s) { return s.IDNum; });
    ExpectUniqueIds(GlobalVariables::StdRCArchPipeSizes, archId);
    ExpectUniqueIds(GlobalVariables::StdSteelPipeArchSizes, archId);
}

TEST_F(ShippedCatalogue, EveryInletHasAnEntranceLossAndAnEquationForm) {
    for (std::size_t i = 1; i < GenDesignCulvertTypes.size(); ++i) {
        for (std::size_t j = 1; j < GenDesignCulvertTypes[i].Inlets.size(); ++j) {
            const GenCulvertInlet& inlet = GenDesignCulvertTypes[i].Inlets[j];
            SCOPED_TRACE(GenDesignCulvertTypes[i].ShortLabel + " " + inlet.Description);
            EXPECT_GT(inlet.Ke, 0);
            EXPECT_LT(inlet.Ke, 1);
            EXPECT_TRUE(inlet.UnSubEqNum == 1 || inlet.UnSubEqNum == 2);
            EXPECT_TRUE(inlet.MiteredFlag == 0 || inlet.MiteredFlag == 1);
            EXPECT_GT(inlet.K, 0);
            EXPECT_GT(inlet.M, 0);
            EXPECT_GT(inlet.c, 0);
            EXPECT_GT(inlet.Y, 0);
        }
    }
}

TEST_F(ShippedCatalogue, EveryPipeArchFormsASectionClosingNearItsListedRise) {
    ExpectFormableArches(GlobalVariables::StdRCArchPipeSizes);
    ExpectFormableArches(GlobalVariables::StdSteelPipeArchSizes);
}

TEST_F(ShippedCatalogue, EverySizeTableHasRowsWithBarrelsToCarryTheFlow) {
    const auto pipes = [](const std::vector<StdPipeSize>& table) {
        EXPECT_GT(table.size(), 1u);
        for (std::size_t i = 1; i < table.size(); ++i) {
            EXPECT_GE(table[i].NumBarrels, 1) << table[i].IDNum;
            EXPECT_GT(table[i].DiameterIn, 0) << table[i].IDNum;
        }
    };
    pipes(GlobalVariables::StdConcPipeSizes);
    pipes(GlobalVariables::StdCMPSizes);
    const auto& boxes = GlobalVariables::StdRCBoxSizes;
    EXPECT_GT(boxes.size(), 1u);
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        EXPECT_GE(boxes[i].NumBarrels, 1) << boxes[i].IDNum;
        EXPECT_GT(boxes[i].WidthFt, 0) << boxes[i].IDNum;
        EXPECT_GT(boxes[i].HeightFt, 0) << boxes[i].IDNum;
    }
    for (const auto* arches :
         {&GlobalVariables::StdRCArchPipeSizes, &GlobalVariables::StdSteelPipeArchSizes}) {
        EXPECT_GT(arches->size(), 1u);
        for (std::size_t i = 1; i < arches->size(); ++i) {
            EXPECT_GE((*arches)[i].NumBarrels, 1) << (*arches)[i].ID;
        }
    }
}

TEST_F(ShippedCatalogue, EachFamilysConstantsAreThoseOfAnInletOfItsType) {
    const std::pair<int, const InletCoeffSet*> families[] = {
        {1, &StandardRCBoxMod::RCBInletCoeffs},         {2, &StandardPipeMod::RCPInletCoeffs},
        {3, &StandardCorrMetalPipeMod::CMPInletCoeffs}, {4, &StandardRCArchPipe::PACInletCoeffs},
        {5, &StandardSteelPipeArchMod::SPAInletCoeffs},
    };
    for (const auto& [family, set] : families) {
        SCOPED_TRACE("family " + std::to_string(family));
        bool found = false;
        for (std::size_t i = 1; i < GenDesignCulvertTypes.size(); ++i) {
            if (GenDesignCulvertTypes[i].StandardSizeNum != family) {
                continue;
            }
            for (const GenCulvertInlet& inlet : GenDesignCulvertTypes[i].Inlets) {
                found = found || (inlet.MiteredFlag == 0 && inlet.K == set->K &&
                                  inlet.M == set->M && inlet.c == set->c && inlet.Y == set->Y &&
                                  inlet.UnSubEqNum == set->UnSubEqNum);
            }
        }
        EXPECT_TRUE(found);
    }
}
