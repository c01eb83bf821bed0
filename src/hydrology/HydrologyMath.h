#pragma once

#include <cstddef>
#include <cstdint>

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

} // namespace HydrologyMath
