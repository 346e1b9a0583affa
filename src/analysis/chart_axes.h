// The arithmetic of the charts' axes: round tick steps and whole decades of damage.
#pragma once

#include <vector>

#include "analysis/mix_analysis.h"

// A step of 1, 2 or 5 times a power of ten that cuts `span` into about five to twelve parts; 1 for a
// span that is not positive.
double RoundStep(double span);
// The next round step above a round step: 1 → 2 → 5 → 10 times its power of ten.
double NextRoundStep(double step);

// A thickness axis: finite ends apart, ticked every `step`, so in at most about a dozen steps.
struct ThicknessAxis {
  double from = 0;
  double to = 1;
  double step = 1;
};

// The axis from `from` to `to`. An end that is not finite, or ends not apart (a design of no thickness),
// give an axis one unit long from the lower end, or from 0.
ThicknessAxis ThicknessAxisOf(double from, double to);

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
