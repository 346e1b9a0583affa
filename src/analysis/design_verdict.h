// What the user is told when a thickness search ends without a design, in the unit in force.
#pragma once

#include <string>

#include "engine/design_thickness.h"

// Shown, and written as the caption, where a thickness is listed that is no design: a case that could
// not be designed or whose mix does no damage.
inline constexpr const char* kNoThickness = "no thickness";

// What the search found, in a line: "No slab up to 30.0 in carries this traffic mix", "This traffic
// mix does no damage at any thickness"; empty for a design.
std::string VerdictHeadline(const DesignResult& design, bool metric);

// The warning after such a search: what happened, with the numbers, and what to change; empty for a
// design.
std::string VerdictWarning(const DesignResult& design, bool metric);

// The mark beside the thickness where a result is shown: "not carried: D = 15.93 at 30.0 in" or
// "no thickness: the traffic mix does no damage"; empty for a design.
std::string VerdictMark(const DesignResult& design, bool metric);

// Where a search's thickness is listed: its caption ("0.0") for a design, "over 30.0 in" (or
// "over 76.2 cm") when no slab up to the cap carries the mix, kNoThickness when the mix does no damage.
std::string VerdictCaption(DesignVerdict verdict, double thicknessIn, bool metric);
