#include "hydraulics/OpenChannelFlow.h"

#include "hydraulics/HydraulicConstants.h"

namespace OpenChannelFlow {

using namespace Hydraulics;

void ThrowDivisionByZero(const char* what, const char* detail) {
    throw AppError(ErrorNumber::DivisionByZero,
                   std::string("Division by zero in ") + what + " (" + detail + ")");
}

void ThrowInvalidArgument(const char* what, const char* detail) {
    throw AppError(ErrorNumber::InvalidArgument,
                   std::string("Invalid argument in ") + what + " (" + detail + ")");
}

void ThrowNotFinite(const char* what, const char* input) {
    ThrowInvalidArgument(what, (std::string(input) + " is not a finite number").c_str());
}

double ConveyanceFactor(double A, double P, const char* what) {
    RequireFinite(what, {{"A", A}, {"P", P}});
    if (P == 0) {
        ThrowDivisionByZero(what, "the wetted perimeter is 0");
    }
    const double R = A / P;
    if (!(R >= 0)) {
        ThrowInvalidArgument(what, "the hydraulic radius is negative");
    }
    return Finite(A * std::pow(R, TwoThirds), what);
}

double FrictionSlope(double Q, double n, double A, double P, const char* what) {
    RequireFinite(what, {{"Q", Q}, {"n", n}, {"A", A}, {"P", P}});
    const double conveyance = ManningConstant * ConveyanceFactor(A, P, what);
    if (conveyance == 0) {
        ThrowDivisionByZero(what, "the flow area is 0");
    }
    const double ratio = Q * n / conveyance;
    return Finite(ratio * ratio, what);
}

double DischargeFromConveyance(double n, double K, double S, const char* what) {
    RequireFinite(what, {{"n", n}, {"K", K}, {"S", S}});
    if (n == 0) {
        ThrowDivisionByZero(what, "Manning n is 0");
    }
    if (S < 0) {
        ThrowInvalidArgument(what, "the slope is negative");
    }
    return Finite((ManningConstant / n) * K * std::sqrt(S), what);
}

double Discharge(double n, double A, double P, double S, const char* what) {
    RequireFinite(what, {{"n", n}, {"A", A}, {"P", P}, {"S", S}});
    return DischargeFromConveyance(n, ConveyanceFactor(A, P, what), S, what);
}

} // namespace OpenChannelFlow
