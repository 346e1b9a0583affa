// The aircraft classification ratings of ripades-batch: of each file's mix, and of a whole library.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "rating/aircraft_classification.h"
#include "state/program_state.h"

struct AircraftRating {
  int row = 0;
  std::string name;
  AcrSet set;  // when !set.ok, set.error names the faulty field
};

// The ratings of the mix aircraft at the values the state holds (as read from a file, before a design
// rewrites them), in mix order, whether or not the file can be designed; a field the rating reads that
// is not a number is refused by name.
std::vector<AircraftRating> RateMix(const ProgramState& state);

// One line per aircraft after a file's summary: "  B737-800: ACR 501/523/538/554 (A/B/C/D)", or
// "  B737-800: no ACR (<why>)".
// "ACR 500/523/538/554 (A/B/C/D)", whole numbers, or "no ACR (why)".
std::string AcrText(const AcrSet& set);

void WriteMixRatings(const std::vector<AircraftRating>& ratings, std::ostream& out);

// "<file>: <name>: no ACR: <why>" for each aircraft that could not be rated.
std::vector<std::string> RatingErrors(const std::vector<AircraftRating>& ratings, const std::string& file);

// The CSV of every library row: a heading "name,gross_weight_lb,acr_a,acr_b,acr_c,acr_d", then a line
// per row (the ACRs empty for a row that cannot be rated, which err names). Returns the exit status: 0,
// or 1 when the library cannot be read or a row cannot be rated.
int WriteLibraryRatings(const std::string& libraryPath, std::ostream& out, std::ostream& err);
