#include "hydraulics/RectGeom.h"

#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/OpenChannelFlow.h"
#include "platform/AppError.h"

#include <cmath>

namespace RectGeom {

using namespace Hydraulics;
using OpenChannelFlow::RequireFinite;

double ComputeRectCriticalDepth(double Q, double B) {
    RequireFinite("the rectangular critical depth", {{"Q", Q}, {"B", B}});
    if (!(Q > 0) || !(B > 0.001)) {
        return 0;
    }
    return OpenChannelFlow::Finite(std::pow(Q * Q / (B * B * Gravity), OneThird),
                                   "the rectangular critical depth");
}

double ComputeRectBoxFrictionSlope(double Q, double B, double D, double y, double n) {
    RequireFinite("the box friction slope", {{"Q", Q}, {"B", B}, {"D", D}, {"y", y}, {"n", n}});
    if (!(Q > 0) || !(B > 0)) {
        return 0;
    }
    double A = y * B;
    double P = 2 * y + B;
    if (y >= D) {
        A = D * B;
        P = 2 * D + 2 * B;
    }
    return OpenChannelFlow::FrictionSlope(Q, n, A, P, "the box friction slope");
}

double ComputeRectOpenFrictionSlope(double Q, double B, double y, double n) {
    RequireFinite("the open-channel friction slope", {{"Q", Q}, {"B", B}, {"y", y}, {"n", n}});
    return OpenChannelFlow::FrictionSlope(Q, n, y * B, 2 * y + B,
                                          "the open-channel friction slope");
}

int ComputeRectNormalDepth(double Q, double B, double D, double n, double S, double& normalDepth,
                           int& flowTooLargeFlag, std::string& message, int& iterations) {
    RequireFinite("the rectangular normal depth",
                  {{"Q", Q}, {"B", B}, {"D", D}, {"n", n}, {"S", S}});
    return OpenChannelFlow::SearchNormalDepth(
        Q, D, D, [&](double y) { return ComputeRectManningQ(n, B, y, S); }, normalDepth,
        flowTooLargeFlag, message, iterations);
}

double ComputeRectManningQ(double n, double B, double y, double S) {
    RequireFinite("the rectangular Manning discharge", {{"n", n}, {"B", B}, {"y", y}, {"S", S}});
    if (!(n > 0) || !(B > 0) || !(y > 0) || !(S > 0)) {
        return 0;
    }
    return OpenChannelFlow::Discharge(n, B * y, B + 2 * y, S, "the rectangular Manning discharge");
}

} // namespace RectGeom
