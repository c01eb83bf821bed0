#include "hydraulics/GenDesign.h"

#include "hydraulics/BarrelSlope.h"
#include "hydraulics/CatalogueTables.h"
#include "hydraulics/CircGeom.h"
#include "hydraulics/InletControlMod.h"
#include "hydraulics/OpenChannelFlow.h"
#include "hydraulics/OutletControlMod.h"
#include "hydraulics/PipeArchGeom.h"
#include "hydraulics/RectGeom.h"
#include "platform/AppError.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <functional>

namespace GenDesign {
namespace {

using namespace OpenChannelFlow;

const char* const Undefined = "Undefined";

// Sizes 1 to 5 of the record; entry 0 and any size the record does not give stay 0.
using WorkingSizes = std::array<double, 6>;

// The discharge of one row and the barrel data it flows through.
struct Flow {
    double Qb;
    double S; // slope of the inlet equations and the normal-depth search
    double n;
    double L;
    double Ke;
    double TW;
};

// What one barrel shape gives for the row's flow. Every shape then goes through
// the same steps; only the routines bound here differ.
struct BarrelHydraulics {
    double rise;
    double hwRatio;       // inlet-control HW/D
    double head;          // outlet-control head loss H
    double ho;            // outlet-control tailwater term
    double criticalDepth; // as the section gives it, possibly above the rise
    std::function<double(double y)> flowArea;
    // The normal-depth search: status, depth, flow-too-large flag, message, passes.
    std::function<int(double&, int&, std::string&, int&)> normalDepth;
};

[[noreturn]] void ThrowSubscript(const std::string& what, std::size_t index, std::size_t last) {
    throw AppError(ErrorNumber::SubscriptOutOfRange, "Subscript out of range (" + what + " " +
                                                         std::to_string(index) + " of 1 to " +
                                                         std::to_string(last) + ")");
}

WorkingSizes CopySizes(const GenDesignRecord& record) {
    WorkingSizes sizes{};
    const int count = record.NumSizes;
    if (count > 5) {
        ThrowSubscript("size count", static_cast<std::size_t>(count), 5);
    }
    if (count > 0 && record.Sizes.size() <= static_cast<std::size_t>(count)) {
        ThrowSubscript("size", static_cast<std::size_t>(count), UpperBound(record.Sizes));
    }
    for (int k = 1; k <= count; ++k) {
        sizes[static_cast<std::size_t>(k)] = record.Sizes[static_cast<std::size_t>(k)];
    }
    return sizes;
}

BarrelHydraulics Circular(const WorkingSizes& size, const GenCulvertInlet& in, const Flow& f) {
    const double D = size[1];
    int criticalPasses = 0;
    return {D,
            InletControlMod::ComputeCircInletControlHWRatio(f.Qb, D, f.S, in.UnSubEqNum, in.K, in.M,
                                                            in.c, in.Y, in.MiteredFlag),
            OutletControlMod::ComputeCircOutletHead(f.Qb, f.n, f.L, D, f.Ke),
            OutletControlMod::ComputeCircOutletHo(f.Qb, D, f.TW),
            CircGeom::ComputeCircCriticalDepth(f.Qb, D, criticalPasses),
            [D](double y) { return CircGeom::ComputeCircFlowArea(D, y); },
            [D, f](double& depth, int& flag, std::string& message, int& passes) {
                return CircGeom::ComputeCircNormalDepth(D, f.Qb, f.n, f.S, depth, flag, message,
                                                        passes);
            }};
}

BarrelHydraulics Box(const WorkingSizes& size, const GenCulvertInlet& in, const Flow& f) {
    const double B = size[1];
    const double D = size[2];
    return {D,
            InletControlMod::ComputeBoxInletControlHWRatio(f.Qb, B, D, f.S, in.UnSubEqNum, in.K,
                                                           in.M, in.c, in.Y, in.MiteredFlag),
            OutletControlMod::ComputeBoxOutletHead(f.Qb, f.n, f.L, B, D, f.Ke),
            OutletControlMod::ComputeBoxOutletHo(f.Qb, B, D, f.TW),
            RectGeom::ComputeRectCriticalDepth(f.Qb, B),
            [B](double y) { return y * B; },
            [B, D, f](double& depth, int& flag, std::string& message, int& passes) {
                return RectGeom::ComputeRectNormalDepth(f.Qb, B, D, f.n, f.S, depth, flag, message,
                                                        passes);
            }};
}

BarrelHydraulics PipeArch(const WorkingSizes& size, const GenCulvertInlet& in, const Flow& f) {
    const double B = size[1];
    const double D = size[2];
    const double Rb = size[3];
    const double Rt = size[4];
    const double Rc = size[5];
    int criticalPasses = 0;
    return {D,
            InletControlMod::ComputePipeArchInletControlHWRatio(
                f.Qb, B, D, Rb, Rt, Rc, f.S, in.UnSubEqNum, in.K, in.M, in.c, in.Y, in.MiteredFlag),
            OutletControlMod::ComputeArchOutletHead(f.Qb, f.n, f.L, B, D, Rb, Rt, Rc, f.Ke),
            OutletControlMod::ComputeArchOutletHo(f.Qb, B, D, Rb, Rt, Rc, f.TW),
            PipeArchGeom::ComputeArchCriticalDepth(f.Qb, B, D, Rb, Rt, Rc, criticalPasses),
            [=](double y) { return PipeArchGeom::ComputeArchFlowArea(B, D, Rb, Rt, Rc, y); },
            [=](double& depth, int& flag, std::string& message, int& passes) {
                return PipeArchGeom::ComputeArchNormalDepth(f.Qb, B, D, Rb, Rt, Rc, f.n, f.S, depth,
                                                            flag, message, passes);
            }};
}

BarrelHydraulics ForShape(int shape, const WorkingSizes& sizes, const GenCulvertInlet& inlet,
                          const Flow& flow) {
    switch (shape) {
    case 1:
        return Circular(sizes, inlet, flow);
    case 2:
        return Box(sizes, inlet, flow);
    case 3:
        return PipeArch(sizes, inlet, flow);
    default:
        // Such a type would compute nothing and divide by a zero outlet area.
        throw AppError(ErrorNumber::InvalidArgument,
                       "Invalid argument: culvert shape number " + std::to_string(shape) +
                           " is not 1 (circular), 2 (box) or 3 (pipe-arch)");
    }
}

double Velocity(double Q, double area, const char* what) {
    if (area == 0) {
        ThrowDivisionByZero(what, "the flow area is 0");
    }
    return Finite(Q / area, what);
}

// The velocity through a flow area as shown, or "Undefined" where there is no area.
std::string VelocityText(double Q, double area) {
    return area > 0 ? Numbers::Format(Velocity(Q, area, "the inlet-control exit velocity"),
                                      Numbers::GroupedTwoDecimals)
                    : Undefined;
}

// The larger of the two shown velocities, compared as they read, or "Undefined"
// when neither is a positive number.
std::string LargerVelocityText(const std::string& outletControl, const std::string& inletControl) {
    double best = -1;
    if (const auto oc = Numbers::ParseNumber(outletControl)) {
        best = *oc;
    }
    if (const auto ic = Numbers::ParseNumber(inletControl); ic && *ic > best) {
        best = *ic;
    }
    return best > 0 ? Numbers::Format(best, Numbers::GroupedTwoDecimals) : Undefined;
}

} // namespace

void ComputeCulvertForDesignQ(GenDesignRecord& record) {
    const GenDesignCulvertType& type = CatalogueEntry(GlobalVariables::GenDesignCulvertTypes,
                                                      record.CulvertTypeIndex, "culvert type");
    ComputeCulvertForDesignQ(record, type, CatalogueEntry(type.Inlets, record.InletIndex, "inlet"));
}

void ComputeCulvertForDesignQ(GenDesignRecord& record, const GenDesignCulvertType& type,
                              const GenCulvertInlet& inlet) {
    if (record.NumBarrels < 1) {
        // The discharge per barrel would have been divided by it.
        throw AppError(ErrorNumber::InvalidArgument, "Invalid argument: number of barrels " +
                                                         std::to_string(record.NumBarrels) +
                                                         " (at least 1 is needed)");
    }
    const WorkingSizes sizes = CopySizes(record);
    const double L = record.BarrelLength;
    const auto [slope, S] =
        BarrelSlope::FromInverts(record.InletInvertElev, record.OutletInvertElev, L);
    int status = BarrelSlope::NormalDepthDefined(S) ? NotConverged : SlopeTooSmall;

    const double Qb = record.QBarrel;
    const double TW = record.TWDepth;
    const BarrelHydraulics barrel =
        ForShape(type.ShapeNum, sizes, inlet, {Qb, S, record.ManningN, L, record.Ke, TW});
    const double D = barrel.rise;
    const double dc = std::min(barrel.criticalDepth, D);
    const double yo = TW >= D ? D : (TW >= dc ? TW : dc);
    const double outletArea = barrel.flowArea(yo);
    const double fullArea = barrel.flowArea(D);

    // An stays 0 where there is no normal flow, which shows its velocity as undefined.
    double dn = 0;
    double An = 0;
    if (status == NotConverged) {
        // Only the status and the depth matter here.
        int flag = 0;
        std::string message;
        int passes = 0;
        status = barrel.normalDepth(dn, flag, message, passes);
        if (status == DepthFound) {
            An = barrel.flowArea(dn);
        } else if (status == AboveOpenChannelMaximum) {
            An = fullArea;
        }
    }
    const double outletVelocity = Velocity(Qb, outletArea, "the outlet-control exit velocity");
    const std::string icVelocity = VelocityText(Qb, An);

    record.Slope = slope;
    record.NormalDepthStatus = status;
    record.FullArea = fullArea;
    record.ICHWElev = barrel.hwRatio * D + record.InletInvertElev;
    record.ICHead = barrel.hwRatio * D - D;
    record.OCHWElev = barrel.ho + record.OutletInvertElev + barrel.head;
    record.OCHead = record.OCHWElev - record.InletInvertElev - D;
    // A tie goes to inlet control.
    const bool outletGoverns = record.OCHWElev > record.ICHWElev;
    record.HWElev = outletGoverns ? record.OCHWElev : record.ICHWElev;
    record.HWHead = outletGoverns ? record.OCHead : record.ICHead;
    record.CriticalDepth = dc;
    record.OCExitVelText = Numbers::Format(outletVelocity, Numbers::GroupedTwoDecimals);

    const BarrelSlope::Outcome outcome = BarrelSlope::Classify(slope, status, dn, dc);
    record.NormalDepthText = outcome.normalDepthText;
    record.NormalDepth = status == DepthFound ? dn : 0;
    record.SlopeClassText = outcome.slopeClass;
    record.ICExitVelText = icVelocity;
    record.ExitVelText = LargerVelocityText(record.OCExitVelText, record.ICExitVelText);
}

std::string ResultsOutOfRange(const GenDesignRecord& record) {
    auto showable = [](std::initializer_list<double> values) {
        return std::all_of(values.begin(), values.end(), Numbers::Showable);
    };
    // A velocity text that is not a number ("Undefined") is shown as it is.
    auto velocity = [](const std::string& text) {
        return Numbers::ParseNumber(text).value_or(0.0);
    };
    if (!showable({record.ICHWElev, record.ICHead, record.CriticalDepth,
                   velocity(record.ICExitVelText)})) {
        return "The inlet-control results are too large to show. Check the Design Q and the "
               "barrel size.";
    }
    if (!showable({record.OCHWElev, record.OCHead, record.HWElev, record.HWHead, record.NormalDepth,
                   velocity(record.OCExitVelText)})) {
        return "The outlet-control results are too large to show. Check the Design Q, the "
               "barrel size, the Manning N, the Ke and the Culvert Barrel Length.";
    }
    return {};
}

} // namespace GenDesign
