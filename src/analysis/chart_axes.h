// The arithmetic of the charts' axes: round tick steps and whole decades of damage.
#pragma once

#include <vector>

#include "analysis/mix_analysis.h"

// A step of 1, 2 or 5 times a power of ten that cuts `span` into about five to twelve parts; 1 for a
// span that is not positive.
double RoundStep(double span);

// Whole decades (powers of ten) around the damage of the points and D = 1, labelled every `step`
// decades: the step grows in whole decades so that a curve spanning many of them keeps its labels
// apart, and the ends are multiples of the step.
struct DamageDecades {
  int low = -1;
  int high = 1;
  int step = 1;
};

inline constexpr int kMostDecadeLabels = 10;

// The points must have a positive, finite damage.
DamageDecades DamageDecadesOf(const std::vector<CurvePoint>& points);
