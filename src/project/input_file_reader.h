// Reading the input data file (".inp") into the program state: unit system, input texts, traffic mix.
//
// The read is the data side of "&Read Data From File...": once the user has chosen a file,
// LoadInputFile resets the state (ResetForRead) and reads the file (ReadInputFile). A file is applied all or nothing,
// except for the one case the file format defines: when line 8 is not "***Aircraft" the unit system and the three input
// texts of lines 2 to 6 have already been taken and the result is kIncorrectInputFile. Any other failure (a missing
// line, a number line holding no number, a mix count above 65, a library row outside 1..65 or named twice) applies
// nothing of the file: the state stays as the reset left it (English units, library re-read, empty mix, input texts as
// they were), so the grid never shows a half-read mix.
#pragma once

#include <string>

#include "state/outcome.h"
#include "state/program_state.h"

inline constexpr std::size_t kMaxInputFileBytes = 1 << 20;  // a full 65-aircraft file is about 4 KB

enum class ReadStatus {
  kLoaded,              // message: the path followed by "  Loaded!"
  kIncorrectInputFile,  // message: "Incorrect Input File!"; unit system and inputs already replaced
  kFailed,              // message: the reason; nothing of the file was applied
};

struct InputFileResult {
  ReadStatus status = ReadStatus::kFailed;
  std::string message;
};

// The reset before a read: InitializeState (library re-read, English flags and labels, which can fail
// for a missing library), the mix emptied with mixnext 1 so that a save right after it writes a count
// of 0, and the English grid unit words; the state no longer names an input data file. Input texts
// and the thickness caption are kept.
Outcome ResetForRead(ProgramState& state, const std::string& libraryPath);

// Reads the file at path into a state just reset by ResetForRead. Accepts CR LF and LF line ends.
// A file read whole becomes the state's input data file (path and title line).
InputFileResult ReadInputFile(ProgramState& state, const std::string& path);
// The same on the file's text already in memory; path is only used in the messages.
InputFileResult ReadInputText(ProgramState& state, const std::string& text, const std::string& path);

// ResetForRead then ReadInputFile; a failed reset is reported as kFailed.
InputFileResult LoadInputFile(ProgramState& state, const std::string& path, const std::string& libraryPath);
