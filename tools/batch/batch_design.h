// The batch design of one input data file: read it as the window does, check the inputs, design.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/mix_analysis.h"
#include "analysis/sensitivity.h"
#include "batch_rating.h"
#include "engine/design_thickness.h"
#include "rating/pavement_rating.h"
#include "state/program_state.h"

// Exit statuses of ripades-batch; a run ends with the largest status of its files.
enum BatchStatus : int {
  kBatchOk = 0,
  kBatchFailed = 1,    // a file or the library could not be read, a design or report failed
  kBatchBadInput = 2,  // E, Sc or k is not a number of 0 or more
  kBatchUsage = 64,    // the command line itself is wrong
};

// What the check of the material inputs found, as messages that name the input and the file.
struct InputCheck {
  std::vector<std::string> errors;    // not a number of 0 or more: the file is not designed
  std::vector<std::string> warnings;  // outside the typical range: designed with the value as typed
};

// Checks E, Sc and k as "Design Thickness" does, without asking: a text that is not a number of 0 or
// more is an error, a value outside the typical range of the unit system in force (compared in single
// precision) a warning.
InputCheck CheckMaterialInputs(const ProgramState& state, const std::string& file);

struct BatchDesign {
  std::string file;
  BatchStatus status = kBatchOk;
  std::string error;  // when status is not kBatchOk
  std::vector<std::string> warnings;
  ProgramState state;                                  // after the design: thickness caption, unit, the design's record
  std::optional<MixDamage> evaluation;                 // the damage at the thickness asked with --evaluate
  std::optional<Sensitivity> sensitivity;              // with --sensitivity: the designs of the scaled inputs
  std::optional<std::vector<AircraftRating>> ratings;  // with --acr: the mix aircraft's ratings
  std::optional<PavementRating> pavementRating;        // with --rating: of the design, or of the slab evaluated
};

// Reads the file exactly as "&Read Data From File..." does (reset with the library, then the file),
// checks the inputs and designs. withSensitivity also designs the inputs as read with each one scaled,
// so that each case is the design of the file with that value scaled in it. withRatings rates the mix
// aircraft at the values the file gives, also when the file cannot be designed.
BatchDesign DesignInputFile(const std::string& file, const std::string& libraryPath, bool withSensitivity = false,
                            bool withRatings = false);

// "<file>: <caption> <unit>", for example "mix.inp: 12.3 in"; a search that found no design adds its
// mark: "mix.inp: 30.0 in — not carried: D = 15.93 at 30.0 in".
std::string SummaryLine(const BatchDesign& design);

// The output file for an input in an output folder: "<folder>/<input name without .inp><extension>".
std::string ReportPathFor(const std::string& folder, const std::string& inputFile, const std::string& extension);
