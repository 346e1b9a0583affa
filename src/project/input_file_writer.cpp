// The input data file writer.
#include "project/input_file_writer.h"

#include <algorithm>

#include "project/input_file_origin.h"
#include "project/text_file.h"
#include "state/program_title.h"

namespace {

void AppendLine(std::string& text, const std::string& content) {
  text += content;
  text += kLineEnd;
}

// The first line of every file the program writes.
std::string TitleLine() { return std::string(kProgramName) + "-" + kProgramTitle; }

}  // namespace

std::string IntegerNumberLine(long value) {
  std::string line(1, value < 0 ? '-' : ' ');
  line += std::to_string(value < 0 ? -value : value);
  line += ' ';
  return line;
}

std::string InputFileText(const ProgramState& state) {
  // Only positions that name a library row can be written; the mix editing never stores others.
  std::string blocks;
  int count = 0;
  for (int p = 1; p <= std::min(state.MixCount(), kMaxAircraft); ++p) {
    const int row = state.mixlist[p];
    if (row < 1 || row > kMaxAircraft) continue;
    ++count;
    AppendLine(blocks, IntegerNumberLine(row));
    for (int f = kFieldGrossWeight; f <= kFieldContactWidth; ++f) AppendLine(blocks, state.acdata[row][f]);
  }

  std::string text;
  AppendLine(text, TitleLine());
  AppendLine(text, state.IsMetric() ? kMetricMarker : kEnglishMarker);
  AppendLine(text, "");
  AppendLine(text, state.TxtE);
  AppendLine(text, state.TxtSc);
  AppendLine(text, state.Txtk);
  AppendLine(text, "");
  AppendLine(text, kAircraftMarker);
  AppendLine(text, IntegerNumberLine(count));
  return text + blocks;
}

Outcome WriteInputFile(const ProgramState& state, const std::string& path) {
  return WriteFileAtomically(path, InputFileText(state));
}

Outcome SaveInputFile(ProgramState& state, const std::string& path) {
  const Outcome saved = WriteInputFile(state, path);
  if (saved) NameInputFile(state, path, TitleLine(), true);
  return saved;
}
