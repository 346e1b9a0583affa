// The designs of the inputs with E, Sc, k or the departures scaled, each made on a copy of the state.
#include "analysis/sensitivity.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/design_thickness.h"
#include "engine/side_by_side.h"
#include "units/number_text.h"

const char* SensitivityInputName(SensitivityInput input) {
  switch (input) {
    case SensitivityInput::kE:
      return "E";
    case SensitivityInput::kSc:
      return "Sc";
    case SensitivityInput::kK:
      return "k";
    case SensitivityInput::kDepartures:
      return "departures";
  }
  return "";
}

std::string ScaledText(const std::string& text, double factor) { return NumberText(LeadingNumber(text) * factor); }

namespace {

// Scales the text in place; false when the product is beyond a double.
bool Scale(std::string& text, double factor) {
  if (!std::isfinite(LeadingNumber(text) * factor)) return false;
  text = ScaledText(text, factor);
  return true;
}

}  // namespace

std::optional<ProgramState> ScaledState(const ProgramState& state, SensitivityInput input, double factor) {
  ProgramState scaled = state;
  bool finite = true;
  switch (input) {
    case SensitivityInput::kE:
      finite = Scale(scaled.TxtE, factor);
      break;
    case SensitivityInput::kSc:
      finite = Scale(scaled.TxtSc, factor);
      break;
    case SensitivityInput::kK:
      finite = Scale(scaled.Txtk, factor);
      break;
    case SensitivityInput::kDepartures: {
      // The mix names each row once; a row named twice all the same is scaled once.
      std::array<bool, kMaxAircraft + 1> done{};
      for (int p = 1; p <= state.MixCount() && p <= kMaxAircraft; ++p) {
        const int row = state.mixlist[p];
        if (row < 1 || row > kMaxAircraft || done[row]) continue;
        done[row] = true;
        finite = Scale(scaled.acdata[row][kFieldDepartures], factor) && finite;
      }
      break;
    }
  }
  if (!finite) return std::nullopt;
  return scaled;
}

namespace {

SensitivityCase DesignCase(const ProgramState& state, SensitivityInput input, double factor) {
  SensitivityCase c;
  c.input = input;
  c.inputName = SensitivityInputName(input);
  c.factor = factor;
  c.caption = kNoThickness;
  std::optional<ProgramState> scaled = ScaledState(state, input, factor);
  if (!scaled) {
    c.failure =
        input == SensitivityInput::kDepartures
            ? "Cannot design: departures scaled by " + NumberText(factor) + " are beyond the largest number."
            : "Cannot design: " + c.inputName + " scaled by " + NumberText(factor) + " is beyond the largest number.";
    return c;
  }
  if (const Outcome designed = DesignThickness(*scaled); !designed) {
    c.failure = designed.message;
    return c;
  }
  c.designed = true;
  c.verdict = VerdictOf(scaled->designResult);
  c.thicknessIn = scaled->designResult.thicknessIn;
  c.caption = VerdictCaption(c.verdict, c.thicknessIn, scaled->IsMetric());
  return c;
}

}  // namespace

Sensitivity DesignSensitivity(const ProgramState& state) {
  struct Task {
    SensitivityInput input;
    double factor;
  };
  std::vector<Task> tasks;
  for (SensitivityInput input : {SensitivityInput::kE, SensitivityInput::kSc, SensitivityInput::kK})
    for (double factor : kMaterialFactors) tasks.push_back({input, factor});
  for (double factor : kDepartureFactors) tasks.push_back({SensitivityInput::kDepartures, factor});

  Sensitivity s;
  s.metric = state.IsMetric();
  s.cases.resize(tasks.size());
  ProgramState base = state;
  Outcome baseDesigned;
  // The designs are independent, each on its own copy of the state, so they run side by side on the
  // processor's cores; the unscaled design is the first task. Each result has its own slot.
  RunSideBySide(tasks.size() + 1, [&](std::size_t i) {
    if (i == 0)
      baseDesigned = DesignThickness(base);
    else
      s.cases[i - 1] = DesignCase(state, tasks[i - 1].input, tasks[i - 1].factor);
  });

  if (!(s.outcome = baseDesigned)) {
    s.cases.clear();
    return s;
  }
  s.verdict = VerdictOf(base.designResult);
  s.designIn = base.designResult.thicknessIn;
  s.designCaption = VerdictCaption(s.verdict, s.designIn, s.metric);
  return s;
}

Sensitivity InUnit(const Sensitivity& sensitivity, bool metric) {
  Sensitivity shown = sensitivity;
  shown.metric = metric;
  if (!shown.outcome) return shown;
  shown.designCaption = VerdictCaption(shown.verdict, shown.designIn, metric);
  for (SensitivityCase& c : shown.cases)
    if (c.designed) c.caption = VerdictCaption(c.verdict, c.thicknessIn, metric);
  return shown;
}
