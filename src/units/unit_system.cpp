// The unit system's captions and the one place that puts a system in force in the state.
#include "units/unit_system.h"

#include "units/number_text.h"

// The metric ranges derived from the English ones are the published metric limits to the bit.
static_assert(kMetricUnits.ranges.e.min == 3445000.0f && kMetricUnits.ranges.e.max == 55120000.0f);
static_assert(kMetricUnits.ranges.sc.min == 3445.0f && kMetricUnits.ranges.sc.max == 6890.0f);
static_assert(kMetricUnits.ranges.k.min == 13.55f && kMetricUnits.ranges.k.max == 189.7f);

std::string UnitSystem::ThicknessCaption(double inches) const { return FormatDecimals(Length(inches), 1); }

std::string UnitSystem::ThicknessWithUnit(double inches) const { return ThicknessCaption(inches) + " " + lengthWord; }

std::string UnitSystem::WeightText(double lb) const { return FormatDecimals(lb * forceFactor, forceDecimals); }

void UnitSystem::LibraryInEnglish(LibraryTable& acdata) const {
  ConvertLibraryFields(acdata, metric ? Conversion::kToEnglish : Conversion::kRewrite);
}

void ApplyUnitSystem(ProgramState& state, bool metric) {
  const UnitSystem& units = UnitSystemOf(metric);
  state.LbunitE = units.stressWord;
  state.LbunitSc = units.stressWord;
  state.Lbunitk = units.subgradeWord;
  state.Lbunith = units.lengthWord;
  state.EngFlag = metric ? 0 : 1;
  state.SIFlag = metric ? 1 : 0;
  SetUnitWords(state);
}

void SetUnitWords(ProgramState& state) {
  const bool english = state.EngFlag == 1;
  if (!english && state.SIFlag != 1) return;
  const UnitSystem& units = UnitSystemOf(!english);
  auto& w = state.unitword;
  w[kFieldName] = "";
  w[kFieldGrossWeight] = units.forceWord;
  w[kFieldTirePressure] = units.stressWord;
  w[kFieldDualSpacing] = w[kFieldTandemSpacing] = w[kFieldContactWidth] = units.gridLengthWord;
}
