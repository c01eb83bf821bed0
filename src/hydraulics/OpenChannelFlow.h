#pragma once

#include "platform/AppError.h"

#include <cmath>
#include <initializer_list>
#include <string>

// What the box, circular and pipe-arch sections share: Manning's equation on a
// section's flow area A and wetted perimeter P, the normal-depth search and
// the critical-depth bisection.
//
// Arithmetic that input could drive to a division by zero, the root of a
// negative number or an overflow throws AppError (number DivisionByZero,
// InvalidArgument or Overflow, description naming the computation) instead of
// returning inf or nan. So does an input that is nan or infinite: every public
// routine here and in the section, inlet-control and outlet-control modules
// calls RequireFinite on its inputs before anything else.
namespace OpenChannelFlow {

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
[[noreturn]] void ThrowNotFinite(const char* what, const char* input);

// An input of a routine, with the name its error gives it.
struct NamedInput {
    const char* name;
    double value;
};

// Throws AppError (InvalidArgument) for the first input that is nan or
// infinite: "Invalid argument in <what> (<name> is not a finite number)". A
// value handed in by another computation thus never slips past the guards as a
// silent 0, a status code or a nan or inf result.
inline void RequireFinite(const char* what, std::initializer_list<NamedInput> inputs) {
    for (const NamedInput& input : inputs) {
        if (!std::isfinite(input.value)) {
            ThrowNotFinite(what, input.name);
        }
    }
}

// The value, or AppError (overflow) when it is inf or nan.
inline double Finite(double value, const char* what) {
    return std::isfinite(value) ? value : CheckFinite(value, what);
}

// The conveyance factor A R^(2/3) with R = A / P. Throws when P is 0, R is
// negative or the result overflows.
double ConveyanceFactor(double A, double P, const char* what);

// Sf = (Q n / (1.486 A R^(2/3)))^2 with R = A / P. Throws when P is 0, R is
// negative or A R^(2/3) is 0.
double FrictionSlope(double Q, double n, double A, double P, const char* what);

// Q = (1.486 / n) K sqrt(S) for the conveyance factor K = A R^(2/3). Throws
// when n is 0, S is negative or the result overflows.
double DischargeFromConveyance(double n, double K, double S, const char* what);

// The same with K = ConveyanceFactor(A, P).
double Discharge(double n, double A, double P, double S, const char* what);

// The shared search by bisection for the depth at which the section's Manning
// discharge Qn(y) equals Q, between 0.001 ft and ymax (the depth of largest
// open-channel discharge): at most 100 passes, tolerance 0.001 ft on the
// bracket. fullHeight is the depth reported when Q exceeds Qn(ymax). Returns a
// NormalDepthStatus.
template <class ManningQ>
int SearchNormalDepth(double Q, double ymax, double fullHeight, ManningQ&& Qn, double& depth,
                      int& flowTooLargeFlag, std::string& message, int& iterations) {
    RequireFinite("the normal-depth search",
                  {{"Q", Q}, {"ymax", ymax}, {"fullHeight", fullHeight}});
    flowTooLargeFlag = 0;
    message.clear();
    iterations = 0;

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

// A^3 / T, the section factor that equals Q^2 / g at critical depth; a top
// width of 0 throws AppError.
inline double CriticalSectionFactor(double A, double T, const char* what) {
    RequireFinite(what, {{"A", A}, {"T", T}});
    if (T == 0) {
        ThrowDivisionByZero(what, "the top width is 0");
    }
    return A * A * A / T;
}

// The bisection for the depth at which f(y) = A^3 / T reaches target, between
// lo and hi: at most 100 passes (counted in iterations), tolerance 0.001 ft on
// the bracket before it is halved. Returns the last midpoint when the passes
// run out.
template <class SectionFactor>
double BisectCriticalDepth(double target, double lo, double hi, SectionFactor&& f,
                           int& iterations) {
    RequireFinite("the critical-depth bisection", {{"target", target}, {"lo", lo}, {"hi", hi}});
    double mid = lo;
    while (iterations < 100) {
        ++iterations;
        mid = (lo + hi) / 2;
        if (std::abs(lo - hi) < 0.001) {
            return mid;
        }
        const double value = f(mid);
        if (value == target) {
            return mid;
        }
        if (value < target) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return mid;
}

} // namespace OpenChannelFlow
