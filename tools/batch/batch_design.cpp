// Reading, checking and designing one input data file without a window.
#include "batch_design.h"

#include <filesystem>

#include "analysis/design_verdict.h"
#include "engine/design_thickness.h"
#include "project/input_file_reader.h"
#include "units/number_text.h"
#include "units/typical_range.h"
#include "units/unit_system.h"

namespace {

void CheckInput(InputCheck& check, const std::string& file, const InputRange& range, const std::string& text,
                const std::string& unit) {
  const RangeVerdict verdict = JudgeTypedValue(text, range.min, range.max);
  if (verdict == RangeVerdict::kInvalidNumber)
    check.errors.push_back(file + ": " + range.name + " \"" + text +
                           "\" is an invalid number; it must be a number of 0 or more.");
  else if (verdict != RangeVerdict::kWithin)
    check.warnings.push_back(file + ": " + range.name + " = " + text + " " + unit +
                             " is not within the typical data range (" + SingleText(range.min) + " to " +
                             SingleText(range.max) + " " + unit + "); used as typed.");
}

BatchDesign Failed(BatchDesign design, BatchStatus status, std::string error) {
  design.status = status;
  design.error = std::move(error);
  return design;
}

}  // namespace

InputCheck CheckMaterialInputs(const ProgramState& state, const std::string& file) {
  const DesignInputRanges& ranges = UnitSystemOf(state).ranges;
  InputCheck check;
  CheckInput(check, file, ranges.e, state.TxtE, state.LbunitE);
  CheckInput(check, file, ranges.sc, state.TxtSc, state.LbunitSc);
  CheckInput(check, file, ranges.k, state.Txtk, state.Lbunitk);
  return check;
}

BatchDesign DesignInputFile(const std::string& file, const std::string& libraryPath, bool withSensitivity,
                            bool withRatings) {
  BatchDesign design;
  design.file = file;
  const InputFileResult read = LoadInputFile(design.state, file, libraryPath);
  if (read.status == ReadStatus::kIncorrectInputFile)
    return Failed(std::move(design), kBatchFailed, file + ": Incorrect Input File! (line 8 is not \"***Aircraft\")");
  if (read.status != ReadStatus::kLoaded) return Failed(std::move(design), kBatchFailed, read.message);

  // The ratings are the aircraft's own: made for every file read, designed or not.
  if (withRatings) design.ratings = RateMix(design.state);
  InputCheck check = CheckMaterialInputs(design.state, file);
  design.warnings = std::move(check.warnings);
  if (!check.errors.empty()) {
    std::string errors;
    for (const std::string& e : check.errors) errors += (errors.empty() ? "" : " ") + e;
    return Failed(std::move(design), kBatchBadInput, errors);
  }
  // Before the design, which leaves a metric library rewritten through English units.
  if (withSensitivity) design.sensitivity = DesignSensitivity(design.state);
  if (const Outcome designed = DesignThickness(design.state); !designed)
    return Failed(std::move(design), kBatchFailed, file + ": " + designed.message);
  return design;
}

std::string SummaryLine(const BatchDesign& design) {
  const std::string mark = VerdictMark(design.state.designResult, design.state.IsMetric());
  return design.file + ": " + design.state.lbh + " " + design.state.Lbunith + (mark.empty() ? "" : " \u2014 " + mark);
}

std::string ReportPathFor(const std::string& folder, const std::string& inputFile, const std::string& extension) {
  std::filesystem::path name = std::filesystem::path(inputFile).filename();
  name.replace_extension(extension);
  return (std::filesystem::path(folder) / name).string();
}
