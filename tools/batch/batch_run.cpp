// The loop of ripades-batch over its input files.
#include "batch_run.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "aircraft/library_reader.h"
#include "analysis/design_verdict.h"
#include "analysis/document_details.h"
#include "batch_analysis.h"
#include "project/text_file.h"
#include "report/design_report.h"

namespace {

constexpr const char* kPrefix = "ripades-batch: ";
// Seven lines of details take a few hundred bytes; 4 KB of notes still fit on the first page.
constexpr std::size_t kMaxDetailsFileBytes = 4 * 1024;

// Writes the file's report where the options ask; false (and the reason in the design) on failure.
bool WriteReport(const BatchOptions& options, BatchDesign& design, std::ostream& out) {
  Outcome written;
  if (options.reportPath == "-") {
    std::string text;
    if ((written = BuildReport(design.state, text))) out << text;
  } else if (!options.reportPath.empty()) {
    written = PrintToFile(design.state, options.reportPath);
  } else if (!options.reportFolder.empty()) {
    std::error_code error;
    std::filesystem::create_directories(options.reportFolder, error);
    written = PrintToFile(design.state, ReportPathFor(options.reportFolder, design.file, ".txt"));
  }
  if (written) return true;
  design.status = kBatchFailed;
  design.error = design.file + ": " + written.message;
  return false;
}

// Writes the file's design document where the options ask; false (and the reason in the design) on failure.
bool WriteDocument(const BatchOptions& options, const DocumentDetails& details, BatchDesign& design) {
  if (options.pdfPath.empty() && options.pdfFolder.empty()) return true;
  std::string path = options.pdfPath;
  if (path.empty()) {
    std::error_code error;
    std::filesystem::create_directories(options.pdfFolder, error);
    path = ReportPathFor(options.pdfFolder, design.file, ".pdf");
  }
  const Outcome written = options.writeDocument ? options.writeDocument(design, details, path)
                                                : Outcome::Failure("this command cannot write design documents");
  if (written) return true;
  design.status = kBatchFailed;
  design.error = design.file + ": " + written.message;
  return false;
}

// The evaluation and the curve the options ask for; false (and the reason in the design) on failure.
bool Analyse(const BatchOptions& options, BatchDesign& design) {
  Outcome done;
  BatchStatus failure = kBatchFailed;
  if (!options.evaluateThickness.empty()) {
    // A thickness that is no slab is a wrong input; data that cannot be evaluated fail as a design does.
    double thicknessIn = 0;
    if (!(done = ReadSlabThickness(options.evaluateThickness, design.state.IsMetric(), thicknessIn)))
      failure = kBatchBadInput;
    else
      done = EvaluateAtThickness(design, thicknessIn);
  }
  if (done && !options.curvePath.empty()) done = WriteCurveCsv(design, options.curvePath);
  if (done && options.pavementRating) RateBatchSlab(design);
  if (done) return true;
  design.status = failure;
  design.error = design.file + ": " + done.message;
  return false;
}

}  // namespace

std::string UsageError(const BatchOptions& options) {
  if (options.inputs.empty()) return "no input data file given";
  if (!options.reportPath.empty() && !options.reportFolder.empty())
    return "--report and --report-dir exclude each other";
  if (!options.reportPath.empty() && options.inputs.size() > 1)
    return "--report takes one input data file; use --report-dir for several";
  if (!options.curvePath.empty() && options.inputs.size() > 1) return "--curve takes one input data file";
  if (!options.pdfPath.empty() && !options.pdfFolder.empty()) return "--pdf and --pdf-dir exclude each other";
  if (!options.detailsPath.empty() && options.pdfPath.empty() && options.pdfFolder.empty())
    return "--details is for the design documents of --pdf or --pdf-dir";
  return {};
}

BatchRun RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
  BatchRun run;
  if (!options.pdfPath.empty() && options.inputs.size() > 1) {
    err << kPrefix << "--pdf writes the design document of one input data file, and " << options.inputs.size()
        << " were given; use --pdf-dir DIR for one document per file. Nothing was designed.\n";
    run.status = kBatchFailed;
    return run;
  }
  DocumentDetails details;
  if (!options.detailsPath.empty()) {
    std::string text;
    Outcome read = ReadTextFile(options.detailsPath, kMaxDetailsFileBytes, text);
    if (read && !(read = ReadDocumentDetails(text, details))) read.message = options.detailsPath + ", " + read.message;
    if (!read) {
      err << kPrefix << read.message << " Nothing was designed.\n";
      run.status = kBatchFailed;
      return run;
    }
  }
  ProgramState probe;
  const Outcome library = ReadLibrary(probe, options.libraryPath);
  if (!library) {
    err << kPrefix << library.message << '\n';
    run.status = kBatchFailed;
    return run;
  }
  if (!library.message.empty()) err << kPrefix << "warning: " << library.message << '\n';
  for (const std::string& input : options.inputs) {
    const bool documents = !options.pdfPath.empty() || !options.pdfFolder.empty();
    BatchDesign design = DesignInputFile(input, options.libraryPath, options.sensitivity || documents, options.ratings);
    design.state.designResult.date = options.designDate;
    const bool designed = design.status == kBatchOk;
    for (const std::string& warning : design.warnings) err << kPrefix << "warning: " << warning << '\n';
    if (design.status == kBatchOk && WriteReport(options, design, out) && WriteDocument(options, details, design) &&
        Analyse(options, design) && options.summaryLines && options.reportPath != "-") {
      out << SummaryLine(design) << '\n';
      if (design.evaluation) WriteEvaluation(*design.evaluation, design.state.Lbunith, design.state.IsMetric(), out);
      if (options.sensitivity && design.sensitivity) WriteSensitivity(*design.sensitivity, design.state.Lbunith, out);
      if (design.ratings) WriteMixRatings(*design.ratings, out);
      if (design.pavementRating) WritePavementRating(*design.pavementRating, design.state.IsMetric(), out);
    }
    if (design.status != kBatchOk) err << kPrefix << design.error << '\n';
    if (!designed && design.ratings && !design.ratings->empty() && options.summaryLines) {
      out << design.file << ": " << kNoThickness << '\n';
      WriteMixRatings(*design.ratings, out);
    }
    // An aircraft without an ACR leaves the others rated, and fails the run.
    if (design.ratings)
      for (const std::string& error : RatingErrors(*design.ratings, design.file)) {
        err << kPrefix << error << '\n';
        run.status = std::max(run.status, kBatchFailed);
      }
    for (const std::string& error : PavementRatingErrors(design)) {
      err << kPrefix << error << '\n';
      run.status = std::max(run.status, kBatchFailed);
    }
    // A search that found no design is reported as designed, and fails the run with what it found.
    if (const std::string warning = VerdictWarning(design.state.designResult, design.state.IsMetric());
        design.status == kBatchOk && !warning.empty()) {
      err << kPrefix << design.file << ": " << warning << '\n';
      run.status = std::max(run.status, kBatchFailed);
    }
    if (!options.sensitivity) design.sensitivity.reset();  // made for the document alone
    run.status = std::max(run.status, design.status);
    run.designs.push_back(std::move(design));
  }
  return run;
}
