// The design document's content: which texts, tables and chart data it holds, in the unit in force.
#pragma once

#include <string>
#include <vector>

#include "analysis/design_verdict.h"
#include "analysis/mix_analysis.h"
#include "analysis/sensitivity.h"
#include "engine/design_thickness.h"
#include "state/document_details.h"
#include "state/outcome.h"
#include "state/program_state.h"

// What the document calls input data that come from no file, and what it adds to the name of a file whose
// data were changed before the design.
inline constexpr const char* kUnsavedInputData = "unsaved input data";
inline constexpr const char* kChangedAfterRead = ", changed after it was read";
inline constexpr const char* kChangedAfterSave = ", changed after it was saved";

struct DocumentFact {
  std::string label;
  std::string value;
};

// A table of text cells; its heading lines head it again on every page it runs onto.
struct DocumentTable {
  std::vector<std::vector<std::string>> headings;  // heading lines, one cell per column
  std::vector<std::vector<std::string>> rows;
  std::vector<bool> numeric;  // per column: figures, set flush right
};

// One input's scaled designs: (factor, thickness in the unit in force), the unscaled design at 1 among them.
struct SensitivitySeries {
  std::string name;
  std::vector<std::pair<double, double>> points;
};

struct DesignDocument {
  std::string inputName;                 // the input data file's name or kUnsavedInputData; heads every page
  std::vector<DocumentFact> titleBlock;  // project to revision, program and version, input data file, its title
                                         // line, date, notes when there are any
  DocumentDetails details;               // of the signature block
  std::vector<DocumentFact> inputs;      // E, Sc and k with their units, Poisson's ratio, design period
  DocumentTable traffic;                 // the mix as the grid shows it, with the units
  std::string resultStatement;           // a search that found no design: what it found, boxed; else empty
  std::vector<DocumentFact> result;      // thickness as the thickness box shows it, damage, governing aircraft
  DocumentTable fatigue;                 // the report's fatigue table, cell for cell

  // The charts, thicknesses in the unit in force.
  std::vector<CurvePoint> curve;  // damage against thickness
  double designThickness = 0;
  std::string designLineName;  // "Design thickness 16.6 in", or the mark of a search that found no design
  std::string thicknessUnit;   // "in" or "cm"
  std::vector<AircraftShare> shares;

  // The designs with E, Sc, k or the departures scaled: a table of the cases and the chart's lines, or
  // why there are none.
  DocumentTable sensitivity;
  std::vector<SensitivitySeries> sensitivitySeries;
  std::string sensitivityNote;

  // The rating of the design's slab: its code (or why it has none), figures and the mix aircraft
  // against the PCR (no rows without a rating).
  std::string ratingCode;
  std::vector<DocumentFact> rating;
  DocumentTable ratingTable;
};

// The document of the state's last design, `sensitivity` the designs of its inputs scaled, `details` its
// title and signature blocks. The input data file is named with kChangedAfterRead (or kChangedAfterSave)
// when the design's data are not the file's. Fails, as the report does, when a mix row has no design results.
Outcome BuildDesignDocument(const ProgramState& state, const Sensitivity& sensitivity, DesignDocument& document,
                            const DocumentDetails& details = {});
