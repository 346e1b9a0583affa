// Unit words of the mix grid, chosen by the unit flags.
#include "units/unit_words.h"

void SetUnitWords(ProgramState& state) {
  const bool english = state.EngFlag == 1;
  if (!english && state.SIFlag != 1) return;
  auto& w = state.unitword;
  w[kFieldName] = "";
  w[kFieldGrossWeight] = english ? "lb" : "kN";
  w[kFieldTirePressure] = english ? "psi" : "kPa";
  w[kFieldDualSpacing] = w[kFieldTandemSpacing] = w[kFieldContactWidth] = english ? "in." : "cm";
}
