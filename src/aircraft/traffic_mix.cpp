// Mix operations on the program state; the mix holds library rows, the values live in the library.
#include "aircraft/traffic_mix.h"

#include <algorithm>

#include "units/number_text.h"

namespace {

bool IsLibraryRow(int row) { return row >= 1 && row <= kMaxAircraft; }

// Positions from `first` on become empty.
void ClearMixFrom(ProgramState& state, int first) {
  std::fill(state.mixlist.begin() + first, state.mixlist.end(), int16_t{0});
}

// The mix count, bounded by the tables whatever the counter holds.
int BoundedMixCount(const ProgramState& state) { return std::min(state.MixCount(), kMaxAircraft); }

}  // namespace

bool AddToMix(ProgramState& state, int row) {
  if (!IsLibraryRow(row)) return false;
  if (std::find(state.mixlist.begin() + 1, state.mixlist.end(), row) != state.mixlist.end()) return false;
  if (state.mixnext == 0) state.mixnext = 1;
  // Without duplicates the mix cannot outgrow the library; the bound guards a count read from elsewhere.
  if (state.mixnext < 1 || state.mixnext > kMaxAircraft) return false;
  state.mixlist[state.mixnext] = static_cast<int16_t>(row);
  ++state.mixnext;
  return true;
}

bool RemoveFromMix(ProgramState& state, int& selrow, MessageBox& box) {
  const int count = BoundedMixCount(state);
  if (count == 0) return false;
  if (selrow < kGridFirstMixRow || selrow > count + 1) {
    box.MsgBox("Please Select the aircarft that you want to delete!", kMsgCancelTryAgainContinue, kProgramName);
    return false;
  }
  const int position = selrow - 1;
  std::copy(state.mixlist.begin() + position + 1, state.mixlist.begin() + count + 1, state.mixlist.begin() + position);
  ClearMixFrom(state, count);
  state.mixnext = static_cast<int16_t>(count);
  selrow = 0;
  return true;
}

void RemoveAllFromMix(ProgramState& state, int& selrow) {
  ClearMixFrom(state, 1);
  state.mixnext = 1;
  selrow = 0;
}

bool StoreCellValue(ProgramState& state, int position, int column, double value) {
  if (position < 1 || position > BoundedMixCount(state) || column < 1 || column >= kGridColumns) return false;
  const int row = state.mixlist[position];
  if (!IsLibraryRow(row)) return false;
  state.acdata[row][column + 1] = NumberText(value);
  return true;
}
