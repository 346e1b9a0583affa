// The rating of a slab as a person reads it: its code, its figures and a table of the mix aircraft,
// weights in the unit in force; shared by the analysis window and the design document.
#pragma once

#include <string>
#include <vector>

#include "rating/pavement_rating.h"

struct RatingFigure {
  std::string label;
  std::string value;
};

struct RatingTexts {
  std::string code;                   // "PCR 571/R/B/W/T", or why there is no PCR or no rating
  std::vector<RatingFigure> figures;  // thickness, subgrade, critical aircraft, its departures and weight
  std::vector<std::string> headings;  // of the table; the slab's category marked "ACR B (slab)"
  // One per mix aircraft: name, weight, ACR A..D, within ("yes" or "no, 0.21 above"), weight for the PCR.
  std::vector<std::vector<std::string>> rows;
  int slabColumn = 0;  // the table column of the ACR on the slab's category
};

// Weights in lb, or kN when metric; the thickness in in or cm; the ACRs and the PCR as whole numbers.
// A slab without a rating has the reason as its code and nothing else.
RatingTexts RatingInUnits(const PavementRating& rating, bool metric);
