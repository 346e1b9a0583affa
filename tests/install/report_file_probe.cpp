// Designs an input data file with the library of an installed program and prints its report, written and
// read back through the temporary report file of that program's directory.
#include <filesystem>
#include <iostream>

#include "engine/design_thickness.h"
#include "project/input_file_reader.h"
#include "report/report_file.h"

int main(int argc, char* argv[]) {
  if (argc != 3) return 2;  // report_file_probe PROGRAM_DIR INPUT.inp
  const std::filesystem::path programDir = argv[1];
  ProgramState state;
  std::vector<std::string> lines;
  TemporaryReportFile file(programDir.string());
  if (LoadInputFile(state, argv[2], (programDir / "fly.dll").string()).status != ReadStatus::kLoaded ||
      !DesignThickness(state) || !file.Write(state) || !file.ReadLines(lines))
    return 1;
  for (const std::string& line : lines) std::cout << line << '\n';
}
