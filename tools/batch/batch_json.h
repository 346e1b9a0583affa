// The JSON form of a batch run's results.
#pragma once

#include <QByteArray>
#include <vector>

#include "batch_design.h"

// One array with an object per input in order: file, caption, unit, thickness_in and the mix
// aircraft's results, or file and error for an input that failed. Single-precision results are
// written as the exact value of the float, every number as the shortest text that reads back to
// the same value; an infinite value (allowable coverages beyond a double, the life left with no
// damage) is written as null. With --evaluate, "evaluation" holds thickness_in, damage, life_years
// and the aircraft's damage ratios at that thickness. With --sensitivity, "sensitivity" holds one
// object per scaled input: input ("E", "Sc", "k" or "departures"), factor, thickness_in and caption
// (in the file's unit, as the window shows it), or thickness_in null, caption "no thickness" and error.
// With --acr, each aircraft has "acr": {"A": .., "B": .., "C": .., "D": ..} (unrounded), or "acr": null
// and the reason as "acr_error"; an input that was read but not designed then also has "aircraft", each
// with its row, name and rating.
// With --rating, "rating" holds thickness_in, subgrade_category, subgrade_modulus_mpa, critical (row
// and name), equivalent_departures, max_gross_weight_lb, pcr (whole), pcr_exact and code (without a
// PCR: those three numbers null and code the reason), and each aircraft gains acr (its ACR on the
// slab's category), within_pcr and max_weight_for_pcr_lb (null without them; acr_error when it has no
// ACR); a slab that cannot be rated has "rating": null and the reason as "rating_error".
QByteArray DesignsToJson(const std::vector<BatchDesign>& designs);
