// The texts of a search that ended at the cap or with no damage at all.
#include "analysis/design_verdict.h"

#include "analysis/mix_analysis.h"
#include "units/unit_system.h"

namespace {

// "30.0 in", "76.2 cm": a thickness as the Thickness box and its unit word show it.
std::string ShownThickness(double inches, bool metric) { return UnitSystemOf(metric).ThicknessWithUnit(inches); }

}  // namespace

std::string VerdictHeadline(const DesignResult& design, bool metric) {
  switch (VerdictOf(design)) {
    case DesignVerdict::kNotCarried:
      return "No slab up to " + ShownThickness(kMaxThicknessIn, metric) + " carries this traffic mix";
    case DesignVerdict::kNoDamage:
      return "This traffic mix does no damage at any thickness";
    case DesignVerdict::kCarried:
      break;
  }
  return {};
}

std::string VerdictWarning(const DesignResult& design, bool metric) {
  switch (VerdictOf(design)) {
    case DesignVerdict::kNotCarried:
      return VerdictHeadline(design, metric) + ": at " + ShownThickness(design.thicknessIn, metric) +
             " its cumulative damage is " + DamageText(design.damage) +
             ", and it must not exceed 1. Raise the concrete's flexural strength or reduce the traffic.";
    case DesignVerdict::kNoDamage:
      return VerdictHeadline(design, metric) + " (no aircraft has departures): there is no thickness to design.";
    case DesignVerdict::kCarried:
      break;
  }
  return {};
}

std::string VerdictMark(const DesignResult& design, bool metric) {
  switch (VerdictOf(design)) {
    case DesignVerdict::kNotCarried:
      return "not carried: D = " + DamageText(design.damage) + " at " + ShownThickness(design.thicknessIn, metric);
    case DesignVerdict::kNoDamage:
      return std::string(kNoThickness) + ": the traffic mix does no damage";
    case DesignVerdict::kCarried:
      break;
  }
  return {};
}

std::string VerdictCaption(DesignVerdict verdict, double thicknessIn, bool metric) {
  switch (verdict) {
    case DesignVerdict::kNotCarried:
      return "over " + ShownThickness(kMaxThicknessIn, metric);
    case DesignVerdict::kNoDamage:
      return kNoThickness;
    case DesignVerdict::kCarried:
      break;
  }
  return UnitSystemOf(metric).ThicknessCaption(thicknessIn);
}
