#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The arithmetic of the discharge equations, whose operands come from typed
// input and from the catalogue: a fault throws AppError instead of letting
// inf or nan reach a results grid.
namespace HydrologyMath {

// base ^ exponent. Throws AppError: DivisionByZero for 0 to a negative power,
// InvalidArgument for a negative base with a fractional exponent, Overflow for
// a result too large to hold. "what" names the equation in the description.
double Power(double base, double exponent, const char* what);

// a * b, or AppError (overflow) when the product is too large to hold.
double Product(double a, double b, const char* what);

// The entry i of a list of entries first to last, or AppError (subscript out
// of range) naming the list when there is no such entry.
std::size_t Entry(std::int32_t i, std::int32_t first, std::int32_t last, const char* what);

// Whether the discharges, entries 1 to the last in return-period order, grow
// with the return period. Past the areas they were fitted to, the equations
// of neighbouring return periods can cross.
bool RiseWithReturnPeriod(const std::vector<double>& discharges);

// The message when they do not.
inline constexpr const char* DischargesOutOfOrder =
    "The discharges computed for these drainage areas do not increase with the return period: "
    "the areas are beyond the range of the regression equations. Check the drainage areas.";

} // namespace HydrologyMath
