// Naming the input data file in the state and comparing a design's data with the file's.
#include "project/input_file_origin.h"

#include "engine/prepared_design.h"

void NameInputFile(ProgramState& state, const std::string& path, const std::string& title, bool saved) {
  state.inputFile = path;
  state.inputTitle = title;
  state.inputFileSaved = saved;
  const PreparedDesign prepared = PrepareDesign(state);
  state.inputFileBasis.reset();
  if (prepared.outcome) state.inputFileBasis = static_cast<const DesignBasis&>(prepared);
}

void ForgetInputFile(ProgramState& state) {
  state.inputFile.clear();
  state.inputTitle.clear();
  state.inputFileSaved = false;
  state.inputFileBasis.reset();
}

bool DesignIsOfInputFile(const ProgramState& state) {
  return state.inputFileBasis && *state.inputFileBasis == state.designResult.basis;
}
