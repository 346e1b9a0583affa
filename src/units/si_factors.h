// The exact factors between English and SI units that the classification rating computes with.
#pragma once

// The rating's method is stated in SI units (MPa, mm, kg); these are exact to the digits it uses, unlike
// the metric system's display factors (6.89 kPa per psi, 2.54 cm per in), which the rating never uses.
inline constexpr double kPsiPerMpa = 145.03773773;
inline constexpr double kKgPerLb = 0.453592;
inline constexpr double kMmPerIn = 25.4;
