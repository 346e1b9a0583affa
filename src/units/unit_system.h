// The unit system: everything the choice of English or metric units decides, held in one place.
#pragma once

#include <string>

#include "state/program_state.h"
#include "units/conversion.h"
#include "units/typical_range.h"

// The largest slab thickness: the cap of the design's search and of a thickness typed for evaluation.
inline constexpr double kMaxThicknessIn = 30;

// One system of units: the factors from the English units to its own (1 in English units), its unit
// words and its typical ranges. Values are held in English units and converted only to be shown.
struct UnitSystem {
  bool metric;
  double forceFactor;            // kN per lb
  double stressFactor;           // kPa per psi
  double subgradeFactor;         // kPa/mm per pci
  double lengthFactor;           // cm per in
  const char* forceWord;         // "lb" / "kN"
  const char* stressWord;        // "psi" / "kPa"
  const char* subgradeWord;      // "pci" / "kPa/mm"
  const char* lengthWord;        // "in" / "cm"
  const char* gridLengthWord;    // "in." / "cm", the mix grid's unit row
  const char* reportLengthWord;  // "inches" / "cm", the report's thickness line
  int forceDecimals;             // a weight shows 0 decimals in lb, 1 in kN
  DesignInputRanges ranges;      // E, Sc, k

  // A length (a thickness, a spacing) in inches in this system's unit.
  double Length(double inches) const { return inches * lengthFactor; }
  // A length typed in this system's unit, in inches.
  double Inches(double shown) const { return shown / lengthFactor; }
  // The caption of a thickness in inches: converted once from the full value, then shown "0.0"
  // (19.833984375 in shows 19.8, and 50.4 in metric). The one rounding of a design thickness.
  std::string ThicknessCaption(double inches) const;
  // The caption followed by the unit word: "19.8 in", "50.4 cm".
  std::string ThicknessWithUnit(double inches) const;
  // The largest thickness in this system's unit (30 in, 76.2 cm).
  double MaxThickness() const { return Length(kMaxThicknessIn); }
  // A stress in psi in this system's unit.
  double Stress(double psi) const { return psi * stressFactor; }
  // A stress and a subgrade modulus typed in this system's unit, in psi and pci.
  double Psi(double shown) const { return shown / stressFactor; }
  double Pci(double shown) const { return shown / subgradeFactor; }
  // The library's unit-bearing fields in English units, rewritten in place as number text, as a design
  // reads them.
  void LibraryInEnglish(LibraryTable& acdata) const;
  // A weight in lb in this system's unit, as its figures show it (250000, 1112.5), without the word.
  std::string WeightText(double lb) const;
};

namespace unit_system_detail {

constexpr InputRange Scaled(InputRange range, double factor) {
  return {range.name, static_cast<float>(range.min * factor), static_cast<float>(range.max * factor)};
}

inline constexpr DesignInputRanges kEnglishRanges = {{"E", 500000, 8000000}, {"Sc", 500, 1000}, {"k", 50, 700}};

}  // namespace unit_system_detail

inline constexpr UnitSystem kEnglishUnits = {
    false, 1, 1, 1, 1, "lb", "psi", "pci", "in", "in.", "inches", 0, unit_system_detail::kEnglishRanges};

// The metric ranges are the English ones times the factors, rounded once to single precision.
inline constexpr UnitSystem kMetricUnits = {
    true,
    kForceFactor,
    kStressFactor,
    kSubgradeFactor,
    kLengthFactor,
    "kN",
    "kPa",
    "kPa/mm",
    "cm",
    "cm",
    "cm",
    1,
    {unit_system_detail::Scaled(unit_system_detail::kEnglishRanges.e, kStressFactor),
     unit_system_detail::Scaled(unit_system_detail::kEnglishRanges.sc, kStressFactor),
     unit_system_detail::Scaled(unit_system_detail::kEnglishRanges.k, kSubgradeFactor)}};

inline const UnitSystem& UnitSystemOf(bool metric) { return metric ? kMetricUnits : kEnglishUnits; }

// The unit system in force in the state.
inline const UnitSystem& UnitSystemOf(const ProgramState& state) { return UnitSystemOf(state.IsMetric()); }

// Puts a system in force: the unit flags, the unit labels beside the inputs and the thickness, and the
// mix grid's unit words. Converts nothing: the unit switch and the file reader do that.
void ApplyUnitSystem(ProgramState& state, bool metric);

// Sets unitword from the unit flags: field 1 empty, field 2 "lb"/"kN", field 5 "psi"/"kPa",
// fields 7, 8, 9 "in."/"cm". Elements 3, 4 and 6 are left as they are; with neither flag set, nothing.
void SetUnitWords(ProgramState& state);
