#include "riprap_basin/cHec14RipRap.h"

#include "hydraulics/BarrelSlope.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/CircGeom.h"
#include "hydraulics/OpenChannelFlow.h"
#include "hydraulics/PipeArchGeom.h"
#include "hydraulics/RectGeom.h"
#include "platform/Numbers.h"
#include "riprap_basin/CheckedDivision.h"
#include "riprap_basin/modHec14RRYo.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using namespace OpenChannelFlow;

// The riprap basin relations were fitted with this value; the section routines
// keep their own 32.1726 ft/s^2 for the critical depth.
constexpr double FroudeGravity = 32.2; // ft/s^2

// What one barrel shape gives the brink computation.
struct BarrelSection {
    double rise;
    double criticalDepth; // as the section gives it, possibly above the rise
    // The normal-depth search: status, depth, flow-too-large flag, message, passes.
    std::function<int(double&, int&, std::string&, int&)> normalDepth;
    std::function<double(double y)> flowArea;
    // Yo/D from the brink-depth curves at a brink tailwater; empty for a
    // pipe-arch, which has none.
    std::function<double(double tw)> brinkDepthRatio;
    bool equivalentDepthIsBrinkDepth; // a rectangle's Ye is its depth
};

BarrelSection Circular(double D, double Qb, double n, double S) {
    int passes = 0;
    return {D,
            CircGeom::ComputeCircCriticalDepth(Qb, D, passes),
            [=](double& y, int& flag, std::string& message, int& passes) {
                return CircGeom::ComputeCircNormalDepth(D, Qb, n, S, y, flag, message, passes);
            },
            [D](double y) { return CircGeom::ComputeCircFlowArea(D, y); },
            [=](double tw) { return modHec14RRYo::CircBrinkDepthRatio(Qb, tw, D); },
            false};
}

BarrelSection Box(double B, double D, double Qb, double n, double S) {
    return {D,
            RectGeom::ComputeRectCriticalDepth(Qb, B),
            [=](double& y, int& flag, std::string& message, int& passes) {
                return RectGeom::ComputeRectNormalDepth(Qb, B, D, n, S, y, flag, message, passes);
            },
            [B](double y) { return B * y; },
            [=](double tw) { return modHec14RRYo::BoxBrinkDepthRatio(Qb, B, tw, D); },
            true};
}

BarrelSection PipeArch(double B, double rise, double Rb, double Rt, double Rc, double Qb, double n,
                       double S) {
    int passes = 0;
    return {rise,
            PipeArchGeom::ComputeArchCriticalDepth(Qb, B, rise, Rb, Rt, Rc, passes),
            [=](double& y, int& flag, std::string& message, int& passes) {
                return PipeArchGeom::ComputeArchNormalDepth(Qb, B, rise, Rb, Rt, Rc, n, S, y, flag,
                                                            message, passes);
            },
            [=](double y) { return PipeArchGeom::ComputeArchFlowArea(B, rise, Rb, Rt, Rc, y); },
            {},
            false};
}

} // namespace

void cHec14RipRap::AddDesignQTW(const std::string& sRP, double dQ, double dTWD, double D50) {
    mFlows.push_back({sRP, dQ, dTWD, D50});
}

void cHec14RipRap::NumUserSize(int n) {
    if (n < 0) {
        ThrowInvalidArgument("the size list", "the number of sizes is negative");
    }
    mUserSizes.assign(static_cast<std::size_t>(n) + 1, 0.0);
}

double cHec14RipRap::UserSize(int i) const {
    return CatalogueEntry(mUserSizes, i, "size");
}

void cHec14RipRap::UserSize(int i, double value) {
    CatalogueEntry(mUserSizes, i, "size"); // refuses an index outside the list
    mUserSizes[static_cast<std::size_t>(i)] = value;
}

void cHec14RipRap::DoPreCalcs() {
    DoPreCalcs(
        CatalogueEntry(GlobalVariables::GenDesignCulvertTypes, mCulvertType, "culvert type"));
}

void cHec14RipRap::DoPreCalcs(const GenDesignCulvertType& type) {
    mShapeNum = type.ShapeNum;
    const BarrelSlope::Slopes slopes = BarrelSlope::FromInverts(
        mInletInvertElevation, mOutletInvertElevation, mCulvertBarrelLength);
    mSlope = slopes.slope;
    mNormalSlope = slopes.normalSlope;
}

void cHec14RipRap::DesignQCompute1(int QNum) {
    const DesignFlow& flow = CatalogueEntry(mFlows, QNum, "design flow");
    mEffectTW = flow.TWDepth + mChannelBottomElevation - mOutletInvertElevation;
    if (mEffectTW < 0) {
        mEffectTW = 0;
    }

    if (mUserNumBarrels < 1) {
        // The discharge per barrel would have been divided by it.
        throw AppError(ErrorNumber::InvalidArgument, "Invalid argument: number of barrels " +
                                                         std::to_string(mUserNumBarrels) +
                                                         " (at least 1 is needed)");
    }
    const double Qb = flow.Q / mUserNumBarrels;
    const double S = mNormalSlope;
    const double n = mManningN;
    BarrelSection section = [&] {
        switch (mShapeNum) {
        case 1:
            return Circular(UserSize(1), Qb, n, S);
        case 2:
            return Box(UserSize(1), UserSize(2), Qb, n, S);
        case 3:
            return PipeArch(UserSize(1), UserSize(2), UserSize(3), UserSize(4), UserSize(5), Qb, n,
                            S);
        default:
            throw AppError(ErrorNumber::InvalidArgument,
                           "Invalid argument: culvert shape number " + std::to_string(mShapeNum) +
                               " is not 1 (circular), 2 (box) or 3 (pipe-arch)");
        }
    }();
    const double rise = section.rise;
    const double yc = std::min(section.criticalDepth, rise);
    mCriticalDepth = yc;

    double yn = 0;
    int status = SlopeTooSmall;
    if (BarrelSlope::NormalDepthDefined(S)) {
        // Only the status and the depth matter here.
        int flag = 0;
        std::string message;
        int passes = 0;
        status = section.normalDepth(yn, flag, message, passes);
    }
    const BarrelSlope::Outcome outcome = BarrelSlope::Classify(mSlope, status, yn, yc);
    mStrNormalDepth = outcome.normalDepthText;
    mStrHydraulicSlope = outcome.slopeClass;
    if (status != DepthFound) {
        yn = 0;
    }

    const bool steep = mStrHydraulicSlope == "Steep";
    double yo = 0;
    if (!steep && section.brinkDepthRatio) {
        yo = section.brinkDepthRatio(mEffectTW) * rise;
    } else {
        yo = steep ? yn : yc;
        if (mEffectTW > yo) {
            yo = mEffectTW;
        }
    }
    if (yo > rise) {
        yo = rise;
    }
    mYo = yo;

    // A brink depth of 0 comes from a discharge so small that the normal depth
    // search gives 0 (a depth under 0.001 ft), over no tailwater: each zero
    // divisor names the inputs behind it.
    const std::string inputs = ": check the Design Q, the Tailwater depth and the barrel size";
    mRatioTwYo = CheckedDivision(mEffectTW, yo, "the brink tailwater ratio",
                                 ("the brink depth Yo is 0" + inputs).c_str());
    const double area = section.flowArea(yo);
    mBrinkFlowArea = area;
    mVo = CheckedDivision(Qb, area, "the brink velocity",
                          ("the brink flow area is 0" + inputs).c_str());
    mYe = section.equivalentDepthIsBrinkDepth ? yo : std::sqrt(area / 2);
    mFrNum = CheckedDivision(mVo, std::sqrt(FroudeGravity * mYe), "the brink Froude number",
                             ("the equivalent brink depth Ye is 0" + inputs).c_str());
}

RiprapSizeOutcome cHec14RipRap::DesignQComputeD50() {
    const double W0 = UserSize(1) * mUserNumBarrels;
    return Hec14RiprapSizeSearch::ComputeD50(mFrNum, mYe, W0, mResults);
}
