// Bracketed, bounded root searches of the rating: a guided bracket, then TOMS 748 to a tolerance.
#pragma once

#include <functional>

enum class RootFailure { kNone, kBelowLeast, kAboveMost, kNotFinite };

struct RootSearch {
  RootFailure failure = RootFailure::kNotFinite;
  double root = 0;
  bool Found() const { return failure == RootFailure::kNone; }
};

// The root of f, increasing in x, within [least, most]. From x0 and the guess made of x0 and f(x0), then
// by steps whose factor squares each time (at least 1.05), until f changes sign; then Alefeld–Potra–Shi
// (TOMS 748, Boost.Math) until the bracket is at most `tolerance` wide. Fails when f keeps its sign up
// to a bound (the root lies below `least` or above `most`) or gives a value that is not finite.
RootSearch FindIncreasingRoot(const std::function<double(double)>& f, double x0,
                              const std::function<double(double x0, double f0)>& guess, double least, double most,
                              double tolerance);
