#include "hydraulics/PipeArchGeom.h"

#include "hydraulics/CircGeom.h"
#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/OpenChannelFlow.h"
#include "platform/AppError.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace PipeArchGeom {

using namespace Hydraulics;
using CircGeom::ComputeCircFlowArea;
using CircGeom::ComputeCircTopWidth;
using CircGeom::ComputeCircWettedPerimeter;
using OpenChannelFlow::Finite;
using OpenChannelFlow::RequireFinite;

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

// RequireFinite on the five sizes of a section and on a routine's further inputs.
void RequireFiniteSection(const char* what, double B, double rise, double Rb, double Rt, double Rc,
                          std::initializer_list<OpenChannelFlow::NamedInput> more = {}) {
    RequireFinite(what, {{"B", B}, {"rise", rise}, {"Rb", Rb}, {"Rt", Rt}, {"Rc", Rc}});
    RequireFinite(what, more);
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

// The closed sections of three radii. Put the invert at the origin, the axis
// vertical. The bottom arc is centred at (0, Rb), the top arc at (0, h) with
// h = rise - Rt, the corner arcs at (+-a, yc) with a = B/2 - Rc. A corner arc
// touches the bottom arc and the top arc from inside, so its centre lies at
// the difference of the radii from theirs:
//   a^2 + (Rb - yc)^2 = p^2,  p = Rb - Rc
//   a^2 + (yc - h)^2  = q^2,  q = Rt - Rc
// with the top centre below the corner centres (h <= yc), so that the corner
// arcs, not the top arc, reach the span at yc. Taking a as the parameter:
//   yc = Rb - sqrt(p^2 - a^2),  h = yc - sqrt(q^2 - a^2),
//   span(a) = 2 (a + Rc),  rise(a) = h + Rt = Rt + Rb - sqrt(p^2 - a^2) - sqrt(q^2 - a^2)
// for 0 <= a <= min(p, q). Both roots fall as a grows, so rise(a) rises from
// rise(0) = 2 Rc (the corner circles alone) to rise(min(p, q)).
//
// The typed rise picks the member: near the standard shapes a is close to q,
// where sqrt(q^2 - a^2) moves by inches for a fraction of an inch of span, so
// the span a rise needs is well defined while the rise of a span is not.
// Given the rise, the top centre h = rise - Rt lies d = Rb - h below the bottom
// centre, and the corner centre is where the circle of radius p about the
// bottom centre meets the circle of radius q about the top centre; its depth u
// below the bottom centre follows from subtracting the two equations:
//   u^2 - (d - u)^2 = p^2 - q^2  =>  u = (p^2 - q^2 + d^2) / (2 d),  a = sqrt(p^2 - u^2).
// Between rise(0) and rise(min(p, q)) this a is the member's, and d > 0 since
// that range ends below Rb + Rt.
ArchSpanRise ComputeArchClosedSpanRise(double rise, double Rb, double Rt, double Rc) {
    constexpr const char* what = "the pipe-arch closed section";
    RequireFinite(what, {{"rise", rise}, {"Rb", Rb}, {"Rt", Rt}, {"Rc", Rc}});
    if (!(Rc > 0) || !(Rc < Rb) || !(Rc < Rt)) {
        OpenChannelFlow::ThrowInvalidArgument(
            what, "the corner radius must be above 0 and below the bottom and top radii");
    }
    const double p = Rb - Rc;
    const double q = Rt - Rc;
    const double aMost = std::min(p, q);
    const double riseLeast = 2 * Rc;
    const double riseMost =
        Rt + Rb - std::sqrt((p - aMost) * (p + aMost)) - std::sqrt((q - aMost) * (q + aMost));
    if (rise <= riseLeast) {
        return {2 * Rc, riseLeast};
    }
    if (rise >= riseMost) {
        return {2 * (aMost + Rc), riseMost};
    }
    const double d = Rb + Rt - rise;
    const double u = (p * p - q * q + d * d) / (2 * d);
    const double a = std::sqrt(std::max(0.0, (p - u) * (p + u)));
    return {2 * (a + Rc), rise};
}

std::string CheckArchClosure(double B, double rise, double Rb, double Rt, double Rc) {
    std::string fault = CheckArchSection(B, rise, Rb, Rt, Rc);
    if (!fault.empty()) {
        return fault;
    }
    constexpr double inchesPerFoot = 12;
    const ArchSpanRise closed = ComputeArchClosedSpanRise(rise, Rb, Rt, Rc);
    if (inchesPerFoot * std::abs(closed.Span - B) <= ArchClosureToleranceIn &&
        inchesPerFoot * std::abs(closed.Rise - rise) <= ArchClosureToleranceIn) {
        return "";
    }
    using Numbers::Format;
    using Numbers::GeneralText;
    return "The radii entered form a pipe-arch of span " +
           Format(inchesPerFoot * closed.Span, "0.0") + " in and rise " +
           Format(inchesPerFoot * closed.Rise, "0.0") + " in, not the " +
           GeneralText(inchesPerFoot * B) + " in by " + GeneralText(inchesPerFoot * rise) +
           " in entered. Please check the span, rise and radii.";
}

double ComputeArchCornerCentreHeight(double B, double Rb, double Rc) {
    RequireFinite("the pipe-arch corner-arc centre height", {{"B", B}, {"Rb", Rb}, {"Rc", Rc}});
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
    RequireFinite("the pipe-arch bottom tangent height", {{"B", B}, {"Rb", Rb}, {"Rc", Rc}});
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
    RequireFiniteSection("the pipe-arch top tangent height", B, rise, Rb, Rt, Rc);
    const double yc = ComputeArchCornerCentreHeight(B, Rb, Rc);
    if (B / 2 - Rc == 0) {
        OpenChannelFlow::ThrowDivisionByZero("the pipe-arch top tangent height",
                                             "the corner radius is half the span");
    }
    return Finite(yc + Rc * std::sin(std::atan((yc - (rise - Rt)) / (B / 2 - Rc))),
                  "the pipe-arch top tangent height");
}

double ComputeArchBottomZoneArea(double Rb, double y1, double y) {
    RequireFinite("the pipe-arch bottom zone area", {{"Rb", Rb}, {"y1", y1}, {"y", y}});
    if (y <= 0) {
        return 0;
    }
    return ComputeCircFlowArea(2 * Rb, std::min(y, y1));
}

double ComputeArchCornerZoneArea(double B, double Rc, double yc, double y1, double y2, double y) {
    RequireFinite("the pipe-arch corner zone area",
                  {{"B", B}, {"Rc", Rc}, {"yc", yc}, {"y1", y1}, {"y2", y2}, {"y", y}});
    if (y <= y1) {
        return 0;
    }
    const double hc = std::min(y, y2);
    const double c0 = yc - Rc;
    return (B - 2 * Rc) * (hc - y1) + ComputeCircFlowArea(2 * Rc, hc - c0) -
           ComputeCircFlowArea(2 * Rc, y1 - c0);
}

double ComputeArchTopZoneArea(double rise, double Rt, double y2, double y) {
    RequireFinite("the pipe-arch top zone area",
                  {{"rise", rise}, {"Rt", Rt}, {"y2", y2}, {"y", y}});
    if (y <= y2) {
        return 0;
    }
    const double ht = std::min(y, rise);
    return ComputeCircFlowArea(2 * Rt, rise - y2) - ComputeCircFlowArea(2 * Rt, rise - ht);
}

double ComputeArchFlowArea(double B, double rise, double Rb, double Rt, double Rc, double y) {
    RequireFiniteSection("the pipe-arch flow area", B, rise, Rb, Rt, Rc, {{"y", y}});
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
    RequireFiniteSection("the pipe-arch top width", B, rise, Rb, Rt, Rc, {{"y", y}});
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
    RequireFinite("the pipe-arch bottom zone perimeter", {{"Rb", Rb}, {"y1", y1}, {"y", y}});
    if (y <= 0) {
        return 0;
    }
    return ComputeCircWettedPerimeter(2 * Rb, std::min(y, y1));
}

double ComputeArchCornerZonePerimeter(double Rc, double yc, double y1, double y2, double y) {
    RequireFinite("the pipe-arch corner zone perimeter",
                  {{"Rc", Rc}, {"yc", yc}, {"y1", y1}, {"y2", y2}, {"y", y}});
    if (y <= y1) {
        return 0;
    }
    const double hc = std::min(y, y2);
    const double c0 = yc - Rc;
    return ComputeCircWettedPerimeter(2 * Rc, hc - c0) -
           ComputeCircWettedPerimeter(2 * Rc, y1 - c0);
}

double ComputeArchTopZonePerimeter(double rise, double Rt, double y2, double y) {
    RequireFinite("the pipe-arch top zone perimeter",
                  {{"rise", rise}, {"Rt", Rt}, {"y2", y2}, {"y", y}});
    if (y <= y2) {
        return 0;
    }
    const double ht = std::min(y, rise);
    return ComputeCircWettedPerimeter(2 * Rt, rise - y2) -
           ComputeCircWettedPerimeter(2 * Rt, rise - ht);
}

double ComputeArchWettedPerimeter(double B, double rise, double Rb, double Rt, double Rc,
                                  double y) {
    RequireFiniteSection("the pipe-arch wetted perimeter", B, rise, Rb, Rt, Rc, {{"y", y}});
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
    RequireFiniteSection("the pipe-arch critical depth", B, rise, Rb, Rt, Rc, {{"Q", Q}});
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
    RequireFiniteSection("the pipe-arch conveyance", B, rise, Rb, Rt, Rc, {{"y", y}});
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
    RequireFiniteSection("the pipe-arch largest-flow depth", B, rise, Rb, Rt, Rc);
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
    RequireFiniteSection("the pipe-arch normal depth", B, rise, Rb, Rt, Rc,
                         {{"Q", Q}, {"n", n}, {"S", S}});
    const double ymax = FindArchMaxFlowDepth(B, rise, Rb, Rt, Rc);
    return OpenChannelFlow::SearchNormalDepth(
        Q, ymax, rise, [&](double y) { return ComputeArchManningQ(B, rise, Rb, Rt, Rc, n, y, S); },
        normalDepth, flowTooLargeFlag, message, iterations);
}

double ComputeArchManningQ(double B, double rise, double Rb, double Rt, double Rc, double n,
                           double y, double S) {
    RequireFiniteSection("the pipe-arch Manning discharge", B, rise, Rb, Rt, Rc,
                         {{"n", n}, {"y", y}, {"S", S}});
    if (!(rise > 0) || !(y > 0)) {
        return 0;
    }
    return OpenChannelFlow::DischargeFromConveyance(
        n, ComputeArchConveyanceFactor(y, B, rise, Rb, Rt, Rc), S,
        "the pipe-arch Manning discharge");
}

} // namespace PipeArchGeom
