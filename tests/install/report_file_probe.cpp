// Designs an input data file with the library of an installed program and writes, reads back and
// removes its report through the temporary report file of that program's directory.
#include <filesystem>
#include <iostream>

#include "engine/design_thickness.h"
#include "project/input_file_reader.h"
#include "report/report_file.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: report_file_probe PROGRAM_DIR INPUT.inp\n";
    return 2;
  }
  const std::filesystem::path programDir = argv[1];
  ProgramState state;
  const InputFileResult read = LoadInputFile(state, argv[2], (programDir / "fly.dll").string());
  if (read.status != ReadStatus::kLoaded || !DesignThickness(state)) {
    std::cerr << "cannot design " << argv[2] << ": " << read.message << '\n';
    return 1;
  }
  std::vector<std::string> lines;
  {
    TemporaryReportFile file(programDir.string());
    const Outcome written = file.Write(state);
    if (!written || !file.ReadLines(lines)) {
      std::cerr << written.message << '\n';
      return 1;
    }
  }
  for (const std::string& line : lines) std::cout << line << '\n';
  return std::filesystem::exists(programDir / "tmp.tmp") ? 1 : 0;
}
