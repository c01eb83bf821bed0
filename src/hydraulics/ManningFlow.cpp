#include "hydraulics/ManningFlow.h"

#include "hydraulics/HydraulicConstants.h"

namespace ManningFlow {

using namespace Hydraulics;

void ThrowDivisionByZero(const char* what, const char* detail) {
    throw AppError(ErrorNumber::DivisionByZero,
                   std::string("Division by zero in ") + what + " (" + detail + ")");
}

void ThrowInvalidArgument(const char* what, const char* detail) {
    throw AppError(ErrorNumber::InvalidArgument,
                   std::string("Invalid argument in ") + what + " (" + detail + ")");
}

namespace {
// R^(2/3) of R = A / P, refusing what would divide by zero or give nan.
double HydraulicRadiusPower(double A, double P, const char* what) {
    if (P == 0) {
        ThrowDivisionByZero(what, "the wetted perimeter is 0");
    }
    const double R = A / P;
    if (!(R >= 0)) {
        ThrowInvalidArgument(what, "the hydraulic radius is negative");
    }
    return std::pow(R, TwoThirds);
}
} // namespace

double FrictionSlope(double Q, double n, double A, double P, const char* what) {
    const double conveyance = ManningConstant * A * HydraulicRadiusPower(A, P, what);
    if (conveyance == 0) {
        ThrowDivisionByZero(what, "the flow area is 0");
    }
    const double ratio = Q * n / conveyance;
    return Finite(ratio * ratio, what);
}

double Discharge(double n, double A, double P, double S, const char* what) {
    if (n == 0) {
        ThrowDivisionByZero(what, "Manning n is 0");
    }
    if (S < 0) {
        ThrowInvalidArgument(what, "the slope is negative");
    }
    return Finite((ManningConstant / n) * A * HydraulicRadiusPower(A, P, what) * std::sqrt(S),
                  what);
}

} // namespace ManningFlow
