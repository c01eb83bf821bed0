#include "hydraulics/CircGeom.h"

#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/OpenChannelFlow.h"

#include <cmath>

namespace CircGeom {

using namespace Hydraulics;
using OpenChannelFlow::Finite;
using OpenChannelFlow::RequireFinite;

namespace {
// Half the top width, b = T / 2.
double HalfWidth(double D, double y) {
    return ComputeCircTopWidth(D, y) / 2;
}

// arctan(d / b) above the centre; a surface so close to the crown that the half
// width rounds to 0 takes the limit pi / 2.
double AngleAboveCentre(double d, double b) {
    return b > 0 ? std::atan(d / b) : Pi / 2;
}
} // namespace

double ComputeCircTopWidth(double D, double y) {
    RequireFinite("the circular top width", {{"D", D}, {"y", y}});
    if (!(D >= 0.001) || y <= 0 || y >= D) {
        return 0;
    }
    const double r = D / 2;
    if (std::abs(y - r) < 0.001) {
        return D;
    }
    // r^2 - (r - y)^2 is positive for 0 < y < D; rounding alone can take it below 0.
    double radicand = r * r - (r - y) * (r - y);
    if (radicand < 0) {
        radicand = 0;
    }
    return Finite(2 * std::sqrt(radicand), "the circular top width");
}

double ComputeCircFlowArea(double D, double y) {
    RequireFinite("the circular flow area", {{"D", D}, {"y", y}});
    if (!(D >= 0.001) || !(y > 0)) {
        return 0;
    }
    const double r = D / 2;
    if (y >= D) {
        return Finite(Pi * (r * r), "the circular flow area");
    }
    if (std::abs(y - r) < 0.001) {
        return Finite(Pi * (r * r) / 2, "the circular flow area");
    }
    const double b = HalfWidth(D, y);
    if (y < r) {
        const double d = r - y;
        const double theta = std::atan(b / d);
        return Finite(theta * (r * r) - d * b, "the circular flow area");
    }
    const double d = y - r;
    const double theta = AngleAboveCentre(d, b);
    return Finite((Pi / 2 + theta) * (r * r) + d * b, "the circular flow area");
}

double ComputeCircWettedPerimeter(double D, double y) {
    RequireFinite("the circular wetted perimeter", {{"D", D}, {"y", y}});
    if (!(D >= 0.001) || !(y > 0)) {
        return 0;
    }
    const double r = D / 2;
    if (y >= D) {
        return Finite(2 * Pi * r, "the circular wetted perimeter");
    }
    if (std::abs(y - r) < 0.001) {
        return Finite(Pi * r, "the circular wetted perimeter");
    }
    const double b = HalfWidth(D, y);
    if (y < r) {
        return Finite(2 * r * std::atan(b / (r - y)), "the circular wetted perimeter");
    }
    return Finite(2 * r * (Pi / 2 + AngleAboveCentre(y - r, b)), "the circular wetted perimeter");
}

double ComputeCircCriticalDepth(double Q, double D, int& iterations) {
    RequireFinite("the circular critical depth", {{"Q", Q}, {"D", D}});
    iterations = 0;
    if (!(Q > 0) || !(D > 0.001)) {
        return 0;
    }
    const double target = Q * Q / Gravity;
    auto f = [D](double y) {
        return OpenChannelFlow::CriticalSectionFactor(
            ComputeCircFlowArea(D, y), ComputeCircTopWidth(D, y), "the circular critical depth");
    };

    if (target <= f(0.001)) {
        return 0.001;
    }
    if (target >= f(0.985 * D)) {
        return D;
    }
    return OpenChannelFlow::BisectCriticalDepth(target, 0.001, 0.985 * D, f, iterations);
}

int ComputeCircNormalDepth(double D, double Q, double n, double S, double& normalDepth,
                           int& flowTooLargeFlag, std::string& message, int& iterations) {
    RequireFinite("the circular normal depth", {{"D", D}, {"Q", Q}, {"n", n}, {"S", S}});
    return OpenChannelFlow::SearchNormalDepth(
        Q, 0.9381812109 * D, D, [&](double y) { return ComputeCircManningQ(D, n, y, S); },
        normalDepth, flowTooLargeFlag, message, iterations);
}

double ComputeCircManningQ(double D, double n, double y, double S) {
    RequireFinite("the circular Manning discharge", {{"D", D}, {"n", n}, {"y", y}, {"S", S}});
    if (!(D > 0) || !(y > 0)) {
        return 0;
    }
    return OpenChannelFlow::Discharge(n, ComputeCircFlowArea(D, y),
                                      ComputeCircWettedPerimeter(D, y), S,
                                      "the circular Manning discharge");
}

} // namespace CircGeom
