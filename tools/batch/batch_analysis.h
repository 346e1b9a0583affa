// The analysis outputs of ripades-batch: damage and life at a given thickness, the damage curve.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/mix_analysis.h"
#include "analysis/sensitivity.h"
#include "analysis/slab_evaluation.h"
#include "rating/pavement_rating.h"
#include "state/outcome.h"

struct BatchDesign;

// Evaluates the designed mix at thickness h (in), as the window's evaluation does; the outcome refuses
// an evaluation whose figures are not numbers.
Outcome EvaluateAtThickness(BatchDesign& design, double thicknessIn);

// Lines after a file's summary: "  at 14 in: damage 1.234, life 16.2 years", then one line per aircraft
// "    B737-800: 45.6 % damage ratio".
void WriteEvaluation(const MixDamage& evaluation, const std::string& unit, bool metric, std::ostream& out);

// Lines after a file's summary, one per scaled input: "  E x 0.8: 17.5 in", or
// "  departures x 2: no thickness (<why>)" for a case that could not be designed.
void WriteSensitivity(const Sensitivity& sensitivity, const std::string& unit, std::ostream& out);

// Rates the slab evaluated with --evaluate, or else the design's own slab.
void RateBatchSlab(BatchDesign& design);

// Each aircraft of the rating whose values make no gear, as "<file>: no ACR for \"<name>\": <why>".
std::vector<std::string> PavementRatingErrors(const BatchDesign& design);

// Lines after a file's summary: "  rating at 17.9 in, subgrade B (E = 123.4 MPa): PCR 938/R/B/W/T", the
// critical aircraft's line, then one line per aircraft "    B737-800: ACR 501/523/538/554 (A/B/C/D),
// within the PCR, at most 198765 lb"; weights in lb, or kN when metric. A slab without a rating has
// the one line "  <why>".
void WritePavementRating(const PavementRating& rating, bool metric, std::ostream& out);

// The damage curve of the design as CSV: a heading "thickness_<unit>,damage", then one point a line.
Outcome WriteCurveCsv(const BatchDesign& design, const std::string& path);
