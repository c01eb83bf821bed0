#include "inlets/TaperedInletDesignMod.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/InletControlMod.h"
#include "hydraulics/RectGeom.h"
#include "platform/AppError.h"
#include "platform/CatalogueDatabase.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <string>

namespace TaperedInletDesignMod {
namespace {

// A quotient whose divisor comes from the catalogue or the input: a zero
// divisor is the user's fault to see, not an inf in the results.
double Divide(double numerator, double denominator, const std::string& what) {
    if (denominator == 0) {
        throw AppError(ErrorNumber::DivisionByZero, "Division by zero in " + what);
    }
    return CheckFinite(numerator / denominator, what);
}

double VelocityHead(double velocity) {
    return velocity * velocity / (2 * Hydraulics::Gravity);
}

// The energy of q in an open rectangle of span b at depth y, with the
// friction over half the taper.
double EnergyAtDepth(double q, double b, double y, double n, double L, const char* where) {
    const double velocity = Divide(q, y * b, std::string("the barrel velocity at ") + where);
    return ComputeEnergyWithFriction(y, velocity,
                                     RectGeom::ComputeRectOpenFrictionSlope(q, b, y, n), L);
}

// First pass: the boxes whose inlet-control head lies in the band.
void FindFaces(TaperedInletDesign& Design, const TaperedInletParameterSet& P,
               const std::vector<StdRCBoxSize>& Boxes) {
    const InletCoeffSet& k = P.RCBICCoeffs;
    const int mostBarrels = std::min(P.MaxNumBarrels, MaxZLBarrels);
    for (std::size_t i = 1; i <= UpperBound(Boxes); ++i) {
        const StdRCBoxSize& box = Boxes[i];
        if (box.NumBarrels > mostBarrels) {
            continue;
        }
        const double B = box.WidthFt;
        const double D = box.HeightFt;
        const double q = Divide(Design.Q, box.NumBarrels, "the discharge per barrel");
        const double yc = RectGeom::ComputeRectCriticalDepth(q, B);
        if (!(yc < D)) {
            continue;
        }
        const double ratio = InletControlMod::ComputeBoxInletControlHWRatio(
            q, B, D, 0, k.UnSubEqNum, k.K, k.M, k.c, k.Y, 0);
        const double H = ratio * D - D;
        if (H > Design.HMax || H < Design.HMin) {
            continue;
        }
        TaperedInletResult& face = Design.Results.emplace_back();
        face.Width = B;
        face.Height = D;
        face.H = H;
        face.HeightText = box.HeightFtText;
        face.WidthText = box.WidthFtText;
        face.QBarrel = q;
        face.NumBarrels = box.NumBarrels;
        const double velocity = Divide(q, yc * B, "the face velocity at critical depth");
        face.FaceCritEnergy = CheckFinite(yc + VelocityHead(velocity), "the face energy");
        face.FaceFrictionSlope = RectGeom::ComputeRectBoxFrictionSlope(q, B, D, yc, P.ManningN);
    }
}

// Second pass: the first passing (Z, L) pair of every barrel.
void WalkZLPairs(TaperedInletDesign& Design, const TaperedInletParameterSet& P,
                 const TaperedInletZLLists& ZLTable) {
    for (std::size_t i = 1; i < Design.Results.size(); ++i) {
        TaperedInletResult& face = Design.Results[i];
        face.ZLFound = 0;
        const double q = face.QBarrel;
        const auto& pairs = ZLTable.at(static_cast<std::size_t>(face.NumBarrels)).Pairs;
        for (std::size_t j = 1; j < face.Barrels.size(); ++j) {
            TaperedInletBarrelOption& barrel = face.Barrels[j];
            const double depthLimit = P.BarrelDepthFrac * barrel.Height;
            barrel.ZLFound = 0;
            barrel.MinZ = -1;
            barrel.MinL = -1;
            const double twinMinL = (face.Width - barrel.Width) * P.TwinLFactor;
            for (std::size_t p = 1; p < pairs.size(); ++p) {
                const double Z = pairs[p].ZValueFt;
                double L = pairs[p].LValueFt;
                if (face.NumBarrels == 2 && twinMinL > L) {
                    L = twinMinL;
                }
                if (CheckTaperedInletZL(q, P.ManningN, barrel.Width, depthLimit, Z, L,
                                        face.FaceCritEnergy, face.FaceFrictionSlope) != 1) {
                    continue;
                }
                face.ZLFound = 1;
                barrel.ZLFound = 1;
                barrel.MinL = L;
                barrel.MinZ = Z;
                const double designDepth =
                    P.CritDepthFrac * RectGeom::ComputeRectCriticalDepth(q, barrel.Width);
                barrel.BarrelDepth = designDepth < depthLimit ? designDepth : depthLimit;
                barrel.MinSlopePct = 100 * RectGeom::ComputeRectOpenFrictionSlope(
                                               q, barrel.Width, barrel.BarrelDepth, P.ManningN);
                break;
            }
        }
    }
}

} // namespace

TaperedInletParameterSet TaperedInletParameters;

void ComputeTaperedInletDesigns(TaperedInletDesign& Design) {
    ComputeTaperedInletDesigns(Design, TaperedInletParameters, GlobalVariables::TaperedInletZLTable,
                               GlobalVariables::StdRCBoxSizes);
}

void ComputeTaperedInletDesigns(TaperedInletDesign& Design,
                                const TaperedInletParameterSet& Parameters,
                                const TaperedInletZLLists& ZLTable,
                                const std::vector<StdRCBoxSize>& Boxes) {
    Design.Results.assign(1, TaperedInletResult{});
    FindFaces(Design, Parameters, Boxes);
    LookupTaperedInletBarrels(Design);
    WalkZLPairs(Design, Parameters, ZLTable);
}

double BarrelQueryLeastWidth(double FaceWidth, int NumBarrels) {
    return (NumBarrels == 1 ? 0.49 : 0.59) * FaceWidth;
}

void LookupTaperedInletBarrels(TaperedInletDesign& Design) {
    if (Design.Results.size() <= 1) {
        return;
    }
    const CatalogueDatabase db;
    StoredQuery query = db.Query("TaperedInletBarrelQuery");
    for (std::size_t i = 1; i < Design.Results.size(); ++i) {
        TaperedInletResult& face = Design.Results[i];
        query.SetParameter("Width", face.WidthText);
        query.SetParameter("Height", face.HeightText);
        query.SetParameter("nBarrels", face.NumBarrels);
        query.SetParameter("LWidth", BarrelQueryLeastWidth(face.Width, face.NumBarrels));
        Recordset rs = query.Open();
        ReadGrowingList(rs, face.Barrels, [](Recordset& row, TaperedInletBarrelOption& barrel) {
            barrel.HeightText = row.Text("Heightft");
            barrel.WidthText = row.Text("Widthft");
            barrel.NumBarrels = row.Int32("NumberOfBarrels");
            barrel.Height = Numbers::ToDouble(barrel.HeightText);
            barrel.Width = Numbers::ToDouble(barrel.WidthText);
        });
    }
}

int CheckTaperedInletZL(double QBarrel, double ManningN, double BarrelWidth, double DepthLimit,
                        double Z, double L, double FaceCritEnergy, double FaceFrictionSlope) {
    const double available =
        CheckFinite((Z + FaceCritEnergy) - FaceFrictionSlope * L / 2, "the available energy");
    const double yb = RectGeom::ComputeRectCriticalDepth(QBarrel, BarrelWidth);
    if (EnergyAtDepth(QBarrel, BarrelWidth, yb, ManningN, L, "critical depth") > available) {
        return 0;
    }
    if (yb <= DepthLimit) {
        return 1;
    }
    return EnergyAtDepth(QBarrel, BarrelWidth, DepthLimit, ManningN, L, "the depth limit") <=
                   available
               ? 1
               : 0;
}

double ComputeEnergyWithFriction(double Depth, double Velocity, double FrictionSlope,
                                 const double& Length) {
    return CheckFinite(Depth + VelocityHead(Velocity) + FrictionSlope * Length / 2,
                       "the barrel energy");
}

} // namespace TaperedInletDesignMod
