#include "hydrology/HydrologyMath.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"

#include <cmath>
#include <string>

namespace HydrologyMath {

double Power(double base, double exponent, const char* what) {
    if (base == 0 && exponent < 0) {
        throw AppError(ErrorNumber::DivisionByZero, std::string("Division by zero in ") + what +
                                                        ": 0 raised to the power " +
                                                        Numbers::GeneralText(exponent));
    }
    const double result = std::pow(base, exponent);
    if (std::isnan(result)) {
        throw AppError(ErrorNumber::InvalidArgument, std::string("Invalid procedure call in ") +
                                                         what + ": " + Numbers::GeneralText(base) +
                                                         " raised to the power " +
                                                         Numbers::GeneralText(exponent));
    }
    return CheckFinite(result, what);
}

double Product(double a, double b, const char* what) {
    return CheckFinite(a * b, what);
}

std::size_t Entry(std::int32_t i, std::int32_t first, std::int32_t last, const char* what) {
    if (i < first || i > last) {
        throw AppError(ErrorNumber::SubscriptOutOfRange,
                       std::string("Subscript out of range: ") + what + " " + std::to_string(i) +
                           " is outside " + std::to_string(first) + " to " + std::to_string(last));
    }
    return static_cast<std::size_t>(i);
}

} // namespace HydrologyMath
