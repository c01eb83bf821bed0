#include "hydraulics/OutletControlMod.h"

#include "hydraulics/CircGeom.h"
#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/OpenChannelFlow.h"
#include "hydraulics/PipeArchGeom.h"
#include "hydraulics/RectGeom.h"

namespace OutletControlMod {

using namespace Hydraulics;

namespace {

using OpenChannelFlow::RequireFinite;

constexpr const char* What = "the outlet-control head loss";
constexpr const char* TailwaterWhat = "the outlet-control tailwater term";

// H of a barrel whose full area is A and full wetted perimeter P.
double FullFlowHead(double Q, double n, double L, double Ke, double A, double P) {
    if (!(A > 0) || !(P > 0)) {
        OpenChannelFlow::ThrowDivisionByZero(What, "the barrel has no flow area");
    }
    const double V = Q / A;
    const double Sf = OpenChannelFlow::FrictionSlope(Q, n, A, P, What);
    return OpenChannelFlow::Finite((1 + Ke) * (V * V) / (2 * Gravity) + Sf * L, What);
}

// ho from the critical depth dc of the barrel.
double TailwaterTerm(double dc, double D, double TW) {
    if (dc > D) {
        dc = D;
    }
    double ho = (dc + D) / 2;
    if (TW > ho) {
        ho = TW;
    }
    return ho;
}

} // namespace

double ComputeCircOutletHead(double Q, double n, double L, double D, double Ke) {
    RequireFinite(What, {{"Q", Q}, {"n", n}, {"L", L}, {"D", D}, {"Ke", Ke}});
    return FullFlowHead(Q, n, L, Ke, CircGeom::ComputeCircFlowArea(D, D + 0.1),
                        CircGeom::ComputeCircWettedPerimeter(D, D + 0.1));
}

double ComputeCircOutletHo(double Q, double D, double TW) {
    RequireFinite(TailwaterWhat, {{"Q", Q}, {"D", D}, {"TW", TW}});
    int iterations = 0;
    return TailwaterTerm(CircGeom::ComputeCircCriticalDepth(Q, D, iterations), D, TW);
}

double ComputeBoxOutletHead(double Q, double n, double L, double B, double D, double Ke) {
    RequireFinite(What, {{"Q", Q}, {"n", n}, {"L", L}, {"B", B}, {"D", D}, {"Ke", Ke}});
    return FullFlowHead(Q, n, L, Ke, D * B, 2 * D + 2 * B);
}

double ComputeBoxOutletHo(double Q, double B, double D, double TW) {
    RequireFinite(TailwaterWhat, {{"Q", Q}, {"B", B}, {"D", D}, {"TW", TW}});
    return TailwaterTerm(RectGeom::ComputeRectCriticalDepth(Q, B), D, TW);
}

double ComputeArchOutletHead(double Q, double n, double L, double B, double D, double Rb, double Rt,
                             double Rc, double Ke) {
    RequireFinite(What, {{"Q", Q},
                         {"n", n},
                         {"L", L},
                         {"B", B},
                         {"D", D},
                         {"Rb", Rb},
                         {"Rt", Rt},
                         {"Rc", Rc},
                         {"Ke", Ke}});
    return FullFlowHead(Q, n, L, Ke, PipeArchGeom::ComputeArchFlowArea(B, D, Rb, Rt, Rc, D + 0.1),
                        PipeArchGeom::ComputeArchWettedPerimeter(B, D, Rb, Rt, Rc, D + 0.1));
}

double ComputeArchOutletHo(double Q, double B, double D, double Rb, double Rt, double Rc,
                           double TW) {
    RequireFinite(TailwaterWhat,
                  {{"Q", Q}, {"B", B}, {"D", D}, {"Rb", Rb}, {"Rt", Rt}, {"Rc", Rc}, {"TW", TW}});
    int iterations = 0;
    return TailwaterTerm(PipeArchGeom::ComputeArchCriticalDepth(Q, B, D, Rb, Rt, Rc, iterations), D,
                         TW);
}

} // namespace OutletControlMod
