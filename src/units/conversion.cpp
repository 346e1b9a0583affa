// Unit conversion of numbers and of the unit-bearing library fields.
#include "units/conversion.h"

#include <cmath>

#include "units/number_text.h"

double Convert(double value, double factor, Conversion conversion) {
  switch (conversion) {
    case Conversion::kToMetric:
      return value * factor;
    case Conversion::kToEnglish:
      return value / factor;
    case Conversion::kRewrite:
      return value;
  }
  return value;
}

bool ReplacedOnSwitch(double value, double factor, Conversion conversion) {
  if (conversion == Conversion::kRewrite) return std::isfinite(value);
  return std::isfinite(value * factor) && std::isfinite(value / factor);
}

void ConvertLibraryFields(LibraryTable& acdata, Conversion conversion, bool unitSwitch) {
  struct UnitField {
    int field;
    double factor;
  };
  static constexpr UnitField kUnitFields[] = {
      {kFieldGrossWeight, kForceFactor},    {kFieldTirePressure, kStressFactor}, {kFieldDualSpacing, kLengthFactor},
      {kFieldTandemSpacing, kLengthFactor}, {kFieldContactWidth, kLengthFactor},
  };
  for (int row = 1; row <= kMaxAircraft; ++row)
    for (const UnitField& u : kUnitFields) {
      std::string& cell = acdata[row][u.field];
      // A magnitude beyond a double has no number text that reads back ("Infinity" would read as 0):
      // such a cell keeps its text, so that the design still sees it and refuses it.
      const double number = LeadingNumber(cell);
      const double value = Convert(number, u.factor, conversion);
      if (unitSwitch ? ReplacedOnSwitch(number, u.factor, conversion) : std::isfinite(value)) cell = NumberText(value);
    }
}
