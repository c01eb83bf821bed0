#pragma once

#include "hydraulics/OpenChannelFlow.h"

// numerator / denominator, throwing AppError (DivisionByZero, "Division by zero
// in <what> (<detail>)") for a zero divisor and AppError (Overflow) for a
// quotient that is not finite, so that no inf or nan reaches a result.
inline double CheckedDivision(double numerator, double denominator, const char* what,
                              const char* detail) {
    if (denominator == 0) {
        OpenChannelFlow::ThrowDivisionByZero(what, detail);
    }
    return OpenChannelFlow::Finite(numerator / denominator, what);
}
