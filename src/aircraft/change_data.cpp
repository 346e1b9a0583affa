// The data side of the change-data dialog.
#include "aircraft/change_data.h"

#include "aircraft/traffic_mix.h"
#include "units/number_text.h"
#include "units/range_question.h"
#include "units/typical_range.h"

std::optional<CellEdit> BeginCellEdit(const ProgramState& state, int gridRow, int gridColumn) {
  const int position = gridRow - 1;
  if (gridRow < kGridFirstMixRow || position > state.MixCount() || position > kMaxAircraft) return std::nullopt;
  if (gridColumn < 1 || gridColumn >= kGridColumns) return std::nullopt;
  const int row = state.mixlist[position];
  if (row < 1 || row > kMaxAircraft) return std::nullopt;
  const int field = gridColumn + 1;
  CellEdit edit;
  edit.editrow = position;
  edit.editcol = gridColumn;
  edit.prompt = "Please input the new " + state.achead[field] + " data of " + state.acdata[row][kFieldName];
  edit.tempdata = state.acdata[row][field];
  edit.unit = state.unitword[field];
  return edit;
}

bool AcceptCellEdit(ProgramState& state, const CellEdit& edit, std::string& text, MessageBox& box) {
  text = CheckInputValue(text, kChangeDataRange.name, kChangeDataRange.min, kChangeDataRange.max, box);
  if (IsNonNegativeNumber(text) && StoreCellValue(state, edit.editrow, edit.editcol, LeadingNumber(text))) return true;
  text = edit.tempdata;
  return false;
}
