// The checks every fuzz target and the bad-input tests apply to a state after an input.
#include "state_invariants.h"

#include <array>

#include "project/input_file_reader.h"
#include "project/input_file_writer.h"

namespace {

std::string Shown(const std::string& text) {
  constexpr std::size_t kShownLength = 40;
  return "\"" + (text.size() > kShownLength ? text.substr(0, kShownLength) + "..." : text) + "\"";
}

bool IsTableIndex(int value) { return value >= 0 && value <= kMaxAircraft; }

}  // namespace

std::string BrokenInvariant(const ProgramState& state) {
  if (!IsTableIndex(state.account)) return "account is " + std::to_string(state.account);
  if (!IsTableIndex(state.mixnext - 1)) return "mixnext is " + std::to_string(state.mixnext);
  const bool english = state.EngFlag == 1 && state.SIFlag == 0;
  const bool metric = state.EngFlag == 0 && state.SIFlag == 1;
  if (!english && !metric)
    return "unit flags are EngFlag " + std::to_string(state.EngFlag) + ", SIFlag " + std::to_string(state.SIFlag);
  const int count = state.mixnext - 1;
  std::array<bool, kMaxAircraft + 1> inMix{};
  for (int p = 0; p <= kMaxAircraft; ++p) {
    const int row = state.mixlist[p];
    const std::string where = "mix position " + std::to_string(p) + " holds " + std::to_string(row);
    if (!IsTableIndex(row)) return where;
    if (p == 0 || p > count) {
      if (p > count && row != 0) return where + " after a mix of " + std::to_string(count);
      continue;
    }
    if (row == 0) return where + " inside a mix of " + std::to_string(count);
    if (inMix[row]) return where + " a second time";
    inMix[row] = true;
  }
  return {};
}

std::string RoundTripDifference(const ProgramState& state) {
  const std::string saved = InputFileText(state);
  // The read starts from the reset's state: English units, an empty mix; the library rows are kept.
  ProgramState back = state;
  back.mixlist.fill(0);
  back.mixnext = 1;
  back.EngFlag = 1;
  back.SIFlag = 0;
  const InputFileResult read = ReadInputText(back, saved, "saved.inp");
  if (read.status != ReadStatus::kLoaded) return "the saved file does not read back: " + read.message;

  if (back.IsMetric() != state.IsMetric()) return "the unit system changed";
  const std::pair<const std::string*, const std::string*> boxes[] = {
      {&state.TxtE, &back.TxtE}, {&state.TxtSc, &back.TxtSc}, {&state.Txtk, &back.Txtk}};
  for (const auto& [before, after] : boxes)
    if (*before != *after) return "the input text " + Shown(*before) + " reads back as " + Shown(*after);
  if (back.mixnext != state.mixnext || back.mixlist != state.mixlist)
    return "the mix of " + std::to_string(state.mixnext - 1) + " reads back as " + std::to_string(back.mixnext - 1);
  for (int p = 1; p < state.mixnext; ++p) {
    const int row = state.mixlist[p];
    for (int f = kFieldGrossWeight; f <= kFieldContactWidth; ++f)
      if (back.acdata[row][f] != state.acdata[row][f])
        return "field " + std::to_string(f) + " of row " + std::to_string(row) + " " + Shown(state.acdata[row][f]) +
               " reads back as " + Shown(back.acdata[row][f]);
  }
  if (InputFileText(back) != saved) return "the read-back state saves to other bytes";
  return {};
}

std::string StateProblem(const ProgramState& state) {
  std::string problem = BrokenInvariant(state);
  // A state outside its tables cannot be saved meaningfully; report that first.
  if (problem.empty()) problem = RoundTripDifference(state);
  return problem;
}
