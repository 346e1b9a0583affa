// Conversion factors between English and metric units, and the in-place conversion of library fields.
#pragma once

#include "state/program_state.h"

inline constexpr double kForceFactor = 0.00445;   // kN per lb
inline constexpr double kStressFactor = 6.89;     // kPa per psi
inline constexpr double kSubgradeFactor = 0.271;  // kPa/mm per pci
inline constexpr double kLengthFactor = 2.54;     // cm per in

enum class Conversion {
  kToMetric,   // multiply by the factor
  kToEnglish,  // divide by the same factor
  kRewrite,    // keep the value, rewrite its text as number text
};

double Convert(double value, double factor, Conversion conversion);

// Whether a unit switch replaces the text of value by its conversion: only when the value and its
// conversions both ways are finite. Otherwise the text stays, on either switch, so that switching back
// gives it back (1e308 psi is beyond a double in kPa: 1e308 stays, and does not return as 1.45E+307).
bool ReplacedOnSwitch(double value, double factor, Conversion conversion);

// Converts fields 2, 5, 7, 8 and 9 of library rows 1..65, in that order, each read with the
// leading-number reading and written back as number text; a value beyond a double keeps its text, and
// on a unit switch also one that ReplacedOnSwitch keeps.
void ConvertLibraryFields(LibraryTable& acdata, Conversion conversion, bool unitSwitch = false);
