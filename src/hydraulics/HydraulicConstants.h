#pragma once

// The constants of the culvert hydraulics. Lengths are feet, discharges
// ft^3/s, slopes ft/ft.
namespace Hydraulics {

// Gravitational acceleration, ft/s^2.
inline constexpr double Gravity = 32.1726;
// The constant of Manning's equation in U.S. customary units.
inline constexpr double ManningConstant = 1.486;
// Pi as the hydraulics have always used it: this literal, not the full-precision value.
inline constexpr double Pi = 3.14159265358979;

// Exponents, computed as powers (never as cube-root or other special functions).
inline constexpr double TwoThirds = 2.0 / 3.0;
inline constexpr double OneThird = 1.0 / 3.0;

} // namespace Hydraulics
