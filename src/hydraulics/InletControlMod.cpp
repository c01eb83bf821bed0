#include "hydraulics/InletControlMod.h"

#include "hydraulics/CircGeom.h"
#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/OpenChannelFlow.h"
#include "hydraulics/PipeArchGeom.h"
#include "hydraulics/RectGeom.h"

#include <cmath>

namespace InletControlMod {

using namespace Hydraulics;
using OpenChannelFlow::Finite;
using OpenChannelFlow::RequireFinite;

namespace {

constexpr const char* What = "the inlet-control headwater";

double SlopeCoefficient(int MiteredFlag) {
    return MiteredFlag != 0 ? 0.7 : -0.5;
}

// x = Q / (A D^0.5), computed as Q / A / sqrt(D).
double DischargeIntensity(double Q, double A, double D) {
    if (A == 0) {
        OpenChannelFlow::ThrowDivisionByZero(What, "the full barrel area is 0");
    }
    return Q / A / std::sqrt(D);
}

double CircFullArea(double D) {
    return Pi * (D * D) / 4;
}

double ArchFullArea(double B, double D, double Rb, double Rt, double Rc) {
    return PipeArchGeom::ComputeArchFlowArea(B, D, Rb, Rt, Rc, D);
}

double Submerged(double x, double S, double c, double Y, int MiteredFlag) {
    return Finite(c * (x * x) + Y + SlopeCoefficient(MiteredFlag) * S, What);
}

// The unsubmerged equation of either form; dc and Ac (critical depth and the
// flow area there) are asked for only by form 1.
template <class CriticalFlow>
double Unsubmerged(double Q, double D, double x, double S, int UnSubEqNum, double K, double M,
                   int MiteredFlag, CriticalFlow&& criticalFlow) {
    if (UnSubEqNum == 2) {
        return Finite(K * std::pow(x, M), What);
    }
    if (UnSubEqNum != 1) {
        return 0;
    }
    double dc = 0;
    double Ac = 0;
    criticalFlow(dc, Ac);
    const double Vc = Q / Ac;
    const double Hc = dc + Vc * Vc / 2 / Gravity;
    return Finite(Hc / D + K * std::pow(x, M) + SlopeCoefficient(MiteredFlag) * S, What);
}

// The transition rule of the combined routines.
template <class SubmergedRatio, class UnsubmergedRatio>
double ByTransition(double x, SubmergedRatio&& submerged, UnsubmergedRatio&& unsubmerged) {
    if (x >= 4.0) {
        return submerged();
    }
    if (x <= 3.5) {
        return unsubmerged();
    }
    const double sub = submerged();
    const double unsub = unsubmerged();
    return sub > unsub ? sub : unsub;
}

bool BoxInRange(double Q, double B, double D) {
    return Q > 0 && B > 0 && D > 0;
}
bool CircInRange(double Q, double D) {
    return Q > 0 && D > 0;
}

// Box: dc from the rectangular critical depth, lowered to D; Ac = B dc.
double BoxUnsubmerged(double Q, double B, double D, double x, double S, int UnSubEqNum, double K,
                      double M, int MiteredFlag) {
    return Unsubmerged(Q, D, x, S, UnSubEqNum, K, M, MiteredFlag, [&](double& dc, double& Ac) {
        dc = RectGeom::ComputeRectCriticalDepth(Q, B);
        if (dc > D) {
            dc = D;
        }
        Ac = B * dc;
        if (Ac == 0) {
            OpenChannelFlow::ThrowDivisionByZero(What, "the box flow area at critical depth is 0");
        }
    });
}

// Circle: dc from the circular critical depth, lowered to D; Ac at dc, at least 0.001 ft^2.
double CircUnsubmerged(double Q, double D, double x, double S, int UnSubEqNum, double K, double M,
                       int MiteredFlag) {
    return Unsubmerged(Q, D, x, S, UnSubEqNum, K, M, MiteredFlag, [&](double& dc, double& Ac) {
        int iterations = 0;
        dc = CircGeom::ComputeCircCriticalDepth(Q, D, iterations);
        if (dc > D) {
            dc = D;
        }
        Ac = CircGeom::ComputeCircFlowArea(D, dc);
        if (Ac < 0.001) {
            Ac = 0.001;
        }
    });
}

// Pipe-arch: dc from the pipe-arch critical depth, lowered to D; Ac at dc,
// taken as 0.001 ft^2 only when it is 0 (critical depth 0).
double ArchUnsubmerged(double Q, double B, double D, double Rb, double Rt, double Rc, double x,
                       double S, int UnSubEqNum, double K, double M, int MiteredFlag) {
    return Unsubmerged(Q, D, x, S, UnSubEqNum, K, M, MiteredFlag, [&](double& dc, double& Ac) {
        int iterations = 0;
        dc = PipeArchGeom::ComputeArchCriticalDepth(Q, B, D, Rb, Rt, Rc, iterations);
        if (dc > D) {
            dc = D;
        }
        Ac = PipeArchGeom::ComputeArchFlowArea(B, D, Rb, Rt, Rc, dc);
        if (Ac == 0) {
            Ac = 0.001;
        }
    });
}

} // namespace

// Box.

double ComputeBoxInletControlHWRatio(double Q, double B, double D, double S, int UnSubEqNum,
                                     double K, double M, double c, double Y, int MiteredFlag) {
    RequireFinite(What,
                  {{"Q", Q}, {"B", B}, {"D", D}, {"S", S}, {"K", K}, {"M", M}, {"c", c}, {"Y", Y}});
    if (!BoxInRange(Q, B, D)) {
        return 0;
    }
    const double x = DischargeIntensity(Q, B * D, D);
    return ByTransition(
        x, [&] { return Submerged(x, S, c, Y, MiteredFlag); },
        [&] { return BoxUnsubmerged(Q, B, D, x, S, UnSubEqNum, K, M, MiteredFlag); });
}

double ComputeBoxSubmergedHWRatio(double Q, double B, double D, double S, double c, double Y,
                                  int MiteredFlag) {
    RequireFinite(What, {{"Q", Q}, {"B", B}, {"D", D}, {"S", S}, {"c", c}, {"Y", Y}});
    if (!BoxInRange(Q, B, D)) {
        return 0;
    }
    return Submerged(DischargeIntensity(Q, B * D, D), S, c, Y, MiteredFlag);
}

double ComputeBoxUnsubmergedHWRatio(double Q, double B, double D, double S, int UnSubEqNum,
                                    double K, double M, int MiteredFlag) {
    RequireFinite(What, {{"Q", Q}, {"B", B}, {"D", D}, {"S", S}, {"K", K}, {"M", M}});
    if (!BoxInRange(Q, B, D)) {
        return 0;
    }
    return BoxUnsubmerged(Q, B, D, DischargeIntensity(Q, B * D, D), S, UnSubEqNum, K, M,
                          MiteredFlag);
}

// Circle.

double ComputeCircInletControlHWRatio(double Q, double D, double S, int UnSubEqNum, double K,
                                      double M, double c, double Y, int MiteredFlag) {
    RequireFinite(What, {{"Q", Q}, {"D", D}, {"S", S}, {"K", K}, {"M", M}, {"c", c}, {"Y", Y}});
    if (!CircInRange(Q, D)) {
        return 0;
    }
    const double x = DischargeIntensity(Q, CircFullArea(D), D);
    return ByTransition(
        x, [&] { return Submerged(x, S, c, Y, MiteredFlag); },
        [&] { return CircUnsubmerged(Q, D, x, S, UnSubEqNum, K, M, MiteredFlag); });
}

double ComputeCircSubmergedHWRatio(double Q, double D, double S, double c, double Y,
                                   int MiteredFlag) {
    RequireFinite(What, {{"Q", Q}, {"D", D}, {"S", S}, {"c", c}, {"Y", Y}});
    if (!CircInRange(Q, D)) {
        return 0;
    }
    return Submerged(DischargeIntensity(Q, CircFullArea(D), D), S, c, Y, MiteredFlag);
}

double ComputeCircUnsubmergedHWRatio(double Q, double D, double S, int UnSubEqNum, double K,
                                     double M, int MiteredFlag) {
    RequireFinite(What, {{"Q", Q}, {"D", D}, {"S", S}, {"K", K}, {"M", M}});
    if (!CircInRange(Q, D)) {
        return 0;
    }
    return CircUnsubmerged(Q, D, DischargeIntensity(Q, CircFullArea(D), D), S, UnSubEqNum, K, M,
                           MiteredFlag);
}

// Pipe-arch.

double ComputePipeArchInletControlHWRatio(double Q, double B, double D, double Rb, double Rt,
                                          double Rc, double S, int UnSubEqNum, double K, double M,
                                          double c, double Y, int MiteredFlag) {
    RequireFinite(What, {{"Q", Q},
                         {"B", B},
                         {"D", D},
                         {"Rb", Rb},
                         {"Rt", Rt},
                         {"Rc", Rc},
                         {"S", S},
                         {"K", K},
                         {"M", M},
                         {"c", c},
                         {"Y", Y}});
    if (!BoxInRange(Q, B, D)) {
        return 0;
    }
    const double x = DischargeIntensity(Q, ArchFullArea(B, D, Rb, Rt, Rc), D);
    return ByTransition(
        x, [&] { return Submerged(x, S, c, Y, MiteredFlag); },
        [&] { return ArchUnsubmerged(Q, B, D, Rb, Rt, Rc, x, S, UnSubEqNum, K, M, MiteredFlag); });
}

double ComputePipeArchSubmergedHWRatio(double Q, double B, double D, double Rb, double Rt,
                                       double Rc, double S, double c, double Y, int MiteredFlag) {
    RequireFinite(What, {{"Q", Q},
                         {"B", B},
                         {"D", D},
                         {"Rb", Rb},
                         {"Rt", Rt},
                         {"Rc", Rc},
                         {"S", S},
                         {"c", c},
                         {"Y", Y}});
    if (!BoxInRange(Q, B, D)) {
        return 0;
    }
    return Submerged(DischargeIntensity(Q, ArchFullArea(B, D, Rb, Rt, Rc), D), S, c, Y,
                     MiteredFlag);
}

double ComputePipeArchUnsubmergedHWRatio(double Q, double B, double D, double Rb, double Rt,
                                         double Rc, double S, int UnSubEqNum, double K, double M,
                                         int MiteredFlag) {
    RequireFinite(What, {{"Q", Q},
                         {"B", B},
                         {"D", D},
                         {"Rb", Rb},
                         {"Rt", Rt},
                         {"Rc", Rc},
                         {"S", S},
                         {"K", K},
                         {"M", M}});
    if (!BoxInRange(Q, B, D)) {
        return 0;
    }
    return ArchUnsubmerged(Q, B, D, Rb, Rt, Rc,
                           DischargeIntensity(Q, ArchFullArea(B, D, Rb, Rt, Rc), D), S, UnSubEqNum,
                           K, M, MiteredFlag);
}

} // namespace InletControlMod
