#include "hydraulics/PipeArchGeom.h"

#include "hydraulics/CircGeom.h"
#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/OpenChannelFlow.h"
#include "platform/AppError.h"

#include <algorithm>
#include <cmath>

namespace PipeArchGeom {

using namespace Hydraulics;
using CircGeom::ComputeCircFlowArea;
using CircGeom::ComputeCircTopWidth;
using CircGeom::ComputeCircWettedPerimeter;
using OpenChannelFlow::Finite;

namespace {

struct Zones {
    double yc = 0;
    double y1 = 0;
    double y2 = 0;
};

bool PositiveSize(double size) {
    return std::isfinite(size) && size > 0;
}

// The first reason the sizes cannot form a section, or nullptr (zones filled).
const char* SectionFault(double B, double rise, double Rb, double Rt, double Rc, Zones& zones) {
    if (!PositiveSize(B)) {
        return "The pipe-arch span must be > 0.";
    }
    if (!PositiveSize(rise)) {
        return "The pipe-arch rise must be > 0.";
    }
    if (!PositiveSize(Rb)) {
        return "The pipe-arch bottom radius must be > 0.";
    }
    if (!PositiveSize(Rt)) {
        return "The pipe-arch top radius must be > 0.";
    }
    if (!PositiveSize(Rc)) {
        return "The pipe-arch corner radius must be > 0.";
    }
    if (Rc >= Rb) {
        return "The pipe-arch corner radius must be smaller than the bottom radius.";
    }
    if (B / 2 <= Rc) {
        return "The pipe-arch corner radius must be smaller than half the span.";
    }
    if (B / 2 - Rc >= Rb - Rc) {
        return "The pipe-arch bottom radius must be larger than half the span.";
    }
    if (Rt <= Rc) {
        return "The pipe-arch top radius must be larger than the corner radius.";
    }
    zones.yc = ComputeArchCornerCentreHeight(B, Rb, Rc);
    zones.y1 = ComputeArchBottomTangentHeight(B, Rb, Rc);
    zones.y2 = ComputeArchTopTangentHeight(B, rise, Rb, Rt, Rc);
    if (zones.y2 <= zones.y1) {
        return "The pipe-arch rise is too large for its radii.";
    }
    if (zones.y2 >= rise) {
        return "The pipe-arch rise is too small for its radii.";
    }
    return nullptr;
}

// The zone heights of a section that forms; AppError otherwise.
Zones SectionZones(double B, double rise, double Rb, double Rt, double Rc) {
    Zones zones;
    if (const char* fault = SectionFault(B, rise, Rb, Rt, Rc, zones)) {
        throw AppError(ErrorNumber::InvalidArgument, fault);
    }
    return zones;
}

bool HeightGuardsPass(double B, double Rb, double Rc) {
    return B > 0 && Rb > 0 && Rc > 0 && Rc < Rb;
}

} // namespace

std::string CheckArchSection(double B, double rise, double Rb, double Rt, double Rc) {
    Zones zones;
    const char* fault = SectionFault(B, rise, Rb, Rt, Rc, zones);
    return fault ? fault : "";
}

double ComputeArchCornerCentreHeight(double B, double Rb, double Rc) {
    if (!HeightGuardsPass(B, Rb, Rc)) {
        return 0;
    }
    const double d1 = Rb - Rc;
    const double d2 = B / 2 - Rc;
    if (!(d2 < d1)) {
        return 0;
    }
    const double radicand = d1 * d1 - d2 * d2;
    if (radicand < 0) {
        OpenChannelFlow::ThrowInvalidArgument("the pipe-arch corner-arc centre height",
                                              "the corner arcs cannot reach the bottom arc");
    }
    return Finite(Rb - std::sqrt(radicand), "the pipe-arch corner-arc centre height");
}

double ComputeArchBottomTangentHeight(double B, double Rb, double Rc) {
    if (!HeightGuardsPass(B, Rb, Rc)) {
        return 0;
    }
    const double yc = ComputeArchCornerCentreHeight(B, Rb, Rc);
    if (Rb - yc == 0) {
        OpenChannelFlow::ThrowDivisionByZero("the pipe-arch bottom tangent height",
                                             "the corner-arc centre lies at the bottom-arc centre");
    }
    return Finite(yc - Rc * std::cos(std::atan((B / 2 - Rc) / (Rb - yc))),
                  "the pipe-arch bottom tangent height");
}

double ComputeArchTopTangentHeight(double B, double rise, double Rb, double Rt, double Rc) {
    const double yc = ComputeArchCornerCentreHeight(B, Rb, Rc);
    if (B / 2 - Rc == 0) {
        OpenChannelFlow::ThrowDivisionByZero("the pipe-arch top tangent height",
                                             "the corner radius is half the span");
    }
    return Finite(yc + Rc * std::sin(std::atan((yc - (rise - Rt)) / (B / 2 - Rc))),
                  "the pipe-arch top tangent height");
}

double ComputeArchBottomZoneArea(double Rb, double y1, double y) {
    if (y <= 0) {
        return 0;
    }
    return ComputeCircFlowArea(2 * Rb, std::min(y, y1));
}

double ComputeArchCornerZoneArea(double B, double Rc, double yc, double y1, double y2, double y) {
    if (y <= y1) {
        return 0;
    }
    const double hc = std::min(y, y2);
    const double c0 = yc - Rc;
    return (B - 2 * Rc) * (hc - y1) + ComputeCircFlowArea(2 * Rc, hc - c0) -
           ComputeCircFlowArea(2 * Rc, y1 - c0);
}

double ComputeArchTopZoneArea(double rise, double Rt, double y2, double y) {
    if (y <= y2) {
        return 0;
    }
    const double ht = std::min(y, rise);
    return ComputeCircFlowArea(2 * Rt, rise - y2) - ComputeCircFlowArea(2 * Rt, rise - ht);
}

double ComputeArchFlowArea(double B, double rise, double Rb, double Rt, double Rc, double y) {
    if (y <= 0) {
        return 0;
    }
    const Zones z = SectionZones(B, rise, Rb, Rt, Rc);
    const double h = std::min(y, rise);
    return ComputeArchBottomZoneArea(Rb, z.y1, h) +
           ComputeArchCornerZoneArea(B, Rc, z.yc, z.y1, z.y2, h) +
           ComputeArchTopZoneArea(rise, Rt, z.y2, h);
}

double ComputeArchTopWidth(double B, double rise, double Rb, double Rt, double Rc, double y) {
    if (y <= 0 || y >= rise) {
        return 0;
    }
    const Zones z = SectionZones(B, rise, Rb, Rt, Rc);
    if (y <= z.y1) {
        return ComputeCircTopWidth(2 * Rb, y);
    }
    if (y >= z.y2) {
        return ComputeCircTopWidth(2 * Rt, rise - y);
    }
    return (B - 2 * Rc) + ComputeCircTopWidth(2 * Rc, y - (z.yc - Rc));
}

double ComputeArchBottomZonePerimeter(double Rb, double y1, double y) {
    if (y <= 0) {
        return 0;
    }
    return ComputeCircWettedPerimeter(2 * Rb, std::min(y, y1));
}

double ComputeArchCornerZonePerimeter(double Rc, double yc, double y1, double y2, double y) {
    if (y <= y1) {
        return 0;
    }
    const double hc = std::min(y, y2);
    const double c0 = yc - Rc;
    return ComputeCircWettedPerimeter(2 * Rc, hc - c0) -
           ComputeCircWettedPerimeter(2 * Rc, y1 - c0);
}

double ComputeArchTopZonePerimeter(double rise, double Rt, double y2, double y) {
    if (y <= y2) {
        return 0;
    }
    const double ht = std::min(y, rise);
    return ComputeCircWettedPerimeter(2 * Rt, rise - y2) -
           ComputeCircWettedPerimeter(2 * Rt, rise - ht);
}

double ComputeArchWettedPerimeter(double B, double rise, double Rb, double Rt, double Rc,
                                  double y) {
    if (y <= 0) {
        return 0;
    }
    const Zones z = SectionZones(B, rise, Rb, Rt, Rc);
    const double h = std::min(y, rise);
    return ComputeArchBottomZonePerimeter(Rb, z.y1, h) +
           ComputeArchCornerZonePerimeter(Rc, z.yc, z.y1, z.y2, h) +
           ComputeArchTopZonePerimeter(rise, Rt, z.y2, h);
}

double ComputeArchCriticalDepth(double Q, double B, double rise, double Rb, double Rt, double Rc,
                                int& iterations) {
    iterations = 0;
    if (!(Q > 0) || !(rise > 0.0001)) {
        return 0;
    }
    SectionZones(B, rise, Rb, Rt, Rc);
    const double target = Q * Q / Gravity;
    auto f = [&](double y) {
        return OpenChannelFlow::CriticalSectionFactor(ComputeArchFlowArea(B, rise, Rb, Rt, Rc, y),
                                                      ComputeArchTopWidth(B, rise, Rb, Rt, Rc, y),
                                                      "the pipe-arch critical depth");
    };

    if (target <= f(0.0001)) {
        return 0;
    }
    if (target >= f(0.985 * rise)) {
        return rise;
    }
    return OpenChannelFlow::BisectCriticalDepth(target, 0.0001, 0.985 * rise, f, iterations);
}

double ComputeArchConveyanceFactor(double y, double B, double rise, double Rb, double Rt,
                                   double Rc) {
    if (y <= 0) {
        return 0;
    }
    const double A = ComputeArchFlowArea(B, rise, Rb, Rt, Rc, y);
    const double P = ComputeArchWettedPerimeter(B, rise, Rb, Rt, Rc, y);
    if (P <= 0) {
        return 0;
    }
    return OpenChannelFlow::ConveyanceFactor(A, P, "the pipe-arch conveyance");
}

double FindArchMaxFlowDepth(double B, double rise, double Rb, double Rt, double Rc) {
    SectionZones(B, rise, Rb, Rt, Rc);
    auto K = [&](double y) { return ComputeArchConveyanceFactor(y, B, rise, Rb, Rt, Rc); };
    // The search ends after about rise / 0.1 steps; this bound only stops a
    // section of absurd size from holding the program.
    long stepsLeft = 100000;
    auto step = [&] {
        if (--stepsLeft < 0) {
            throw AppError(ErrorNumber::Overflow,
                           "Overflow in the pipe-arch largest-flow depth (section too large)");
        }
    };

    double y = rise;
    double k = K(y);
    // Down in steps of 0.1 ft until the conveyance falls.
    for (;;) {
        step();
        const double yNext = y - 0.1;
        const double kNext = K(yNext);
        y = yNext;
        const bool fell = kNext < k;
        k = kNext;
        if (fell) {
            break;
        }
        if (y <= 0.001) {
            return 0;
        }
    }
    // Up in steps of 0.01 ft until it falls again.
    for (;;) {
        step();
        const double yNext = y + 0.01;
        const double kNext = K(yNext);
        y = yNext;
        const bool fell = kNext < k;
        k = kNext;
        if (fell) {
            break;
        }
        if (y + 0.001 >= rise) {
            return y;
        }
    }
    // Down in steps of 0.001 ft: the depth before the first fall is the result.
    for (;;) {
        step();
        const double yNext = y - 0.001;
        const double kNext = K(yNext);
        if (kNext < k) {
            return y;
        }
        y = yNext;
        k = kNext;
        if (y < 0.0001) {
            return 0;
        }
    }
}

int ComputeArchNormalDepth(double Q, double B, double rise, double Rb, double Rt, double Rc,
                           double n, double S, double& normalDepth, int& flowTooLargeFlag,
                           std::string& message, int& iterations) {
    const double ymax = FindArchMaxFlowDepth(B, rise, Rb, Rt, Rc);
    return OpenChannelFlow::SearchNormalDepth(
        Q, ymax, rise, [&](double y) { return ComputeArchManningQ(B, rise, Rb, Rt, Rc, n, y, S); },
        normalDepth, flowTooLargeFlag, message, iterations);
}

double ComputeArchManningQ(double B, double rise, double Rb, double Rt, double Rc, double n,
                           double y, double S) {
    if (!(rise > 0) || !(y > 0)) {
        return 0;
    }
    return OpenChannelFlow::DischargeFromConveyance(
        n, ComputeArchConveyanceFactor(y, B, rise, Rb, Rt, Rc), S,
        "the pipe-arch Manning discharge");
}

} // namespace PipeArchGeom
