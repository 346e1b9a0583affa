// A guided bracket and TOMS 748 for the rating's thickness and load searches.
#include "rating/root_search.h"

#include <algorithm>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <exception>

namespace {

constexpr int kMaxBracketSteps = 64;
constexpr std::uintmax_t kMaxSolverSteps = 200;
constexpr double kLeastStep = 1.05;

}  // namespace

RootSearch FindIncreasingRoot(const std::function<double(double)>& f, double x0,
                              const std::function<double(double, double)>& guess, double least, double most,
                              double tolerance) {
  x0 = std::clamp(x0, least, most);
  double f0 = f(x0);
  if (!std::isfinite(f0)) return {};
  if (f0 == 0) return {RootFailure::kNone, x0};
  // Towards the root: down while f is above 0, up while below.
  const bool down = f0 > 0;
  double x1 = guess(x0, f0);
  if (!std::isfinite(x1) || (down ? x1 >= x0 : x1 <= x0)) x1 = down ? x0 / kLeastStep : x0 * kLeastStep;
  x1 = std::clamp(x1, least, most);
  double factor = down ? x0 / x1 : x1 / x0;
  double f1 = f(x1);
  for (int step = 0; std::isfinite(f1) && f1 != 0 && (f1 > 0) == down; ++step) {
    if ((down ? x1 <= least : x1 >= most) || step == kMaxBracketSteps)
      return {down ? RootFailure::kBelowLeast : RootFailure::kAboveMost, 0};
    x0 = x1;
    f0 = f1;
    factor = std::clamp(factor * factor, kLeastStep, 1e3);
    x1 = down ? std::max(x1 / factor, least) : std::min(x1 * factor, most);
    f1 = f(x1);
  }
  if (!std::isfinite(f1)) return {};
  if (f1 == 0) return {RootFailure::kNone, x1};
  const bool ascending = x0 < x1;
  try {
    std::uintmax_t steps = kMaxSolverSteps;
    const auto [a, b] = boost::math::tools::toms748_solve(
        f, ascending ? x0 : x1, ascending ? x1 : x0, ascending ? f0 : f1, ascending ? f1 : f0,
        [tolerance](double u, double v) { return std::abs(v - u) <= tolerance; }, steps);
    const double root = (a + b) / 2;
    return {std::isfinite(root) ? RootFailure::kNone : RootFailure::kNotFinite, root};
  } catch (const std::exception&) {  // a value that is not finite inside the bracket
    return {};
  }
}
