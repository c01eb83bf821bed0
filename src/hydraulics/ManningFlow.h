#pragma once

#include "platform/AppError.h"

#include <cmath>
#include <string>

// Manning's equation on a section's flow area A and wetted perimeter P, and the
// normal-depth search that the box, circular and pipe-arch sections share.
//
// Arithmetic that input could drive to a division by zero, the root of a
// negative number or an overflow throws AppError (number DivisionByZero,
// InvalidArgument or Overflow, description naming the computation) instead of
// returning inf or nan.
namespace ManningFlow {

// The message of a normal-depth search whose discharge the section cannot
// carry as open-channel flow.
inline const std::string TooLargeMessage =
    "Flowrate greater than maximum normal depth flowrate in the pipe";

// Status codes of the normal-depth searches.
enum NormalDepthStatus : int {
    NotConverged = 0, // the passes ran out; the depth is not written
    DepthFound = 1,
    SlopeTooSmall = 2, // never produced by the searches; the design computation uses it
    AboveOpenChannelMaximum = 3,
};

// "what" names the computation in the error's description; the texts are built
// only when something is thrown, so the routines allocate nothing otherwise.
[[noreturn]] void ThrowDivisionByZero(const char* what, const char* detail);
[[noreturn]] void ThrowInvalidArgument(const char* what, const char* detail);

// The value, or AppError (overflow) when it is inf or nan.
inline double Finite(double value, const char* what) {
    return std::isfinite(value) ? value : CheckFinite(value, what);
}

// Sf = (Q n / (1.486 A R^(2/3)))^2 with R = A / P. Throws when P is 0, R is
// negative or A R^(2/3) is 0.
double FrictionSlope(double Q, double n, double A, double P, const char* what);

// Q = (1.486 / n) A R^(2/3) sqrt(S) with R = A / P. Throws when n or P is 0, R
// is negative, S is negative or the result overflows.
double Discharge(double n, double A, double P, double S, const char* what);

// The shared search by bisection for the depth at which the section's Manning
// discharge Qn(y) equals Q, between 0.001 ft and ymax (the depth of largest
// open-channel discharge): at most 100 passes, tolerance 0.001 ft on the
// bracket. fullHeight is the depth reported when Q exceeds Qn(ymax). Returns a
// NormalDepthStatus. A discharge that is not a number throws AppError.
template <class ManningQ>
int SearchNormalDepth(double Q, double ymax, double fullHeight, ManningQ&& Qn, double& depth,
                      int& flowTooLargeFlag, std::string& message, int& iterations) {
    flowTooLargeFlag = 0;
    message.clear();
    iterations = 0;
    if (std::isnan(Q)) {
        ThrowInvalidArgument("the normal-depth search", "the discharge is not a number");
    }

    const double Qmax = Qn(ymax);
    if (Q > Qmax) {
        flowTooLargeFlag = 1;
        message = TooLargeMessage;
        depth = fullHeight;
        return AboveOpenChannelMaximum;
    }
    if (Q == Qmax) {
        depth = ymax;
        return DepthFound;
    }
    if (Qn(0.001) >= Q) {
        depth = 0;
        return DepthFound;
    }

    double lo = 0.001;
    double hi = ymax;
    while (iterations < 100) {
        ++iterations;
        const double mid = (lo + hi) / 2;
        if (std::abs(hi - lo) < 0.001) {
            depth = mid;
            return DepthFound;
        }
        const double q = Qn(mid);
        if (q == Q) {
            depth = mid;
            return DepthFound;
        }
        if (q > Q) {
            hi = mid;
        } else {
            lo = mid;
        }
    }
    return NotConverged;
}

} // namespace ManningFlow
