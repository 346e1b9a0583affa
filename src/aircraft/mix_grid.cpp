// The text of the traffic mix grid's cells.
#include "aircraft/mix_grid.h"

#include "units/number_text.h"

namespace {

// Decimals of a formatted grid column, -1 for a column shown as stored.
int ColumnDecimals(int column) {
  switch (column + 1) {
    case kFieldGrossWeight:
      return 0;
    case kFieldTirePressure:
    case kFieldDualSpacing:
    case kFieldTandemSpacing:
    case kFieldContactWidth:
      return 2;
    default:
      return -1;
  }
}

}  // namespace

std::string MixCellText(const LibraryTable& acdata, int row, int column) {
  if (row < 1 || row > kMaxAircraft || column < 0 || column >= kGridColumns) return {};
  const std::string& stored = acdata[row][column + 1];
  const int decimals = ColumnDecimals(column);
  if (decimals < 0 || !IsNumber(stored)) return stored;
  return FormatDecimals(LeadingNumber(stored), decimals);
}
