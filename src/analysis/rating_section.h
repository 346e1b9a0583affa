// The design document's "Pavement rating" section, from the rating of the design's slab.
#pragma once

#include "analysis/design_document.h"
#include "rating/pavement_rating.h"

// Fills the document's rating: the code (or why there is none), the figures and the table of the
// mix aircraft against the PCR, weights in the unit in force.
void AddRatingSection(const PavementRating& rating, bool metric, DesignDocument& document);
