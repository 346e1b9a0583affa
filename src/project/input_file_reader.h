// Reading the input data file (".inp") into the program state: unit system, input texts, traffic mix.
//
// The read is the data side of "&Read Data From File...": once the user has chosen a file,
// LoadInputFile reads and checks the whole file into a fresh state (ResetForRead, then ReadInputFile)
// and only when that succeeds does the fresh state replace the program's. Any failure (the library or
// the file cannot be read, line 8 is not "***Aircraft", a missing line, a number line holding no
// number, a mix count above 65, a library row outside the library in use or named twice) leaves the
// program's state exactly as it was.
#pragma once

#include <string>

#include "state/outcome.h"
#include "state/program_state.h"

inline constexpr std::size_t kMaxInputFileBytes = 1 << 20;  // a full 65-aircraft file is about 4 KB

enum class ReadStatus {
  kLoaded,              // message: the path followed by "  Loaded!"
  kIncorrectInputFile,  // message: "Incorrect Input File!"; nothing of the file was applied
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

// Reads the file at path into a state just reset by ResetForRead, which changes only when the whole file
// is sound: its library rows must lie within the state's library (1 to account). Accepts CR LF and LF
// line ends.
// A file read whole becomes the state's input data file (path and title line).
InputFileResult ReadInputFile(ProgramState& state, const std::string& path);
// The same on the file's text already in memory; path is only used in the messages.
InputFileResult ReadInputText(ProgramState& state, const std::string& text, const std::string& path);

// ResetForRead then ReadInputFile on a copy of state, which replaces state (with the thickness caption
// cleared, since the design shown belonged to other inputs) only when the file was loaded. A failed
// reset is reported as kFailed.
InputFileResult LoadInputFile(ProgramState& state, const std::string& path, const std::string& libraryPath);
