// One run of ripades-batch over its input files, with the report output the command line asked for.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "batch_design.h"
#include "state/document_details.h"

struct BatchOptions {
  std::string libraryPath;
  std::vector<std::string> inputs;
  std::string reportPath;         // one input's report: a file, "-" for standard output, empty for none
  std::string reportFolder;       // one "<name>.txt" per input; empty for none
  bool summaryLines = true;       // one "<file>: <caption> <unit>" line per designed file on out
  std::string evaluateThickness;  // evaluate each design at this thickness (file's unit); empty for none
  std::string curvePath;          // the one input's damage curve as CSV; empty for none
  bool sensitivity = false;       // also design each input with E, Sc, k or the departures scaled
  bool ratings = false;           // also rate each input's mix aircraft (ACR on the four subgrades)
  bool pavementRating = false;    // also rate the slab designed (or evaluated): its PCR, each aircraft's ACR
  std::string pdfPath;            // the one input's design document; empty for none
  std::string pdfFolder;          // one "<name>.pdf" design document per input; empty for none
  std::string detailsPath;        // the documents' title and signature blocks, "key: value" lines; empty for none
  std::string designDate;         // the day the designs are made, as their documents show it
  // Writes the design document of a design to a path; given by whoever asks for a document.
  std::function<Outcome(const BatchDesign& design, const DocumentDetails& details, const std::string& path)>
      writeDocument;
};

struct BatchRun {
  BatchStatus status = kBatchOk;  // the largest status of the files (kBatchFailed for a bad library)
  std::vector<BatchDesign> designs;
};

// The usage error of a set of options, or an empty text when they can run.
std::string UsageError(const BatchOptions& options);

// Refuses --pdf with more than one input and a details file that cannot be read (status kBatchFailed,
// nothing designed), checks the library,
// then designs every input in turn (one bad file does not stop the others) and
// writes the asked reports. An aircraft that cannot be rated is named on err and makes the status
// kBatchFailed; its file's design and the other ratings stand. Summary lines and a report on "-" go to out; every
// warning and error is one line on err, prefixed "ripades-batch: ".
BatchRun RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err);
