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

// The smallest barrel dimension (diameter, span, rise or radius) a window
// takes, ft: an inch, smaller than any culvert, and far above the 0.001 ft to
// which the section routines work, so that every section below it is refused
// before a computation can lose its flow area.
inline constexpr double SmallestBarrelDimension = 1.0 / 12;

// Exponents, computed as powers (never as cube-root or other special functions).
inline constexpr double TwoThirds = 2.0 / 3.0;
inline constexpr double OneThird = 1.0 / 3.0;

} // namespace Hydraulics
