#include "platform/AppError.h"

#include <cmath>

double CheckFinite(double value, const std::string& what) {
    if (!std::isfinite(value)) {
        throw AppError(ErrorNumber::Overflow, "Overflow in " + what);
    }
    return value;
}
