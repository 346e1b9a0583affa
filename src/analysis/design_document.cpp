// Gathering the design document's texts and numbers from the state and the design.
#include "analysis/design_document.h"

#include <algorithm>
#include <filesystem>

#include "aircraft/mix_grid.h"
#include "engine/mdlR.h"
#include "project/input_file_origin.h"
#include "report/design_report.h"
#include "state/program_title.h"
#include "units/number_text.h"
#include "units/unit_system.h"

namespace {

// The input data file's name, and whether the design's data are still what the file holds.
std::string InputName(const ProgramState& state) {
  if (state.inputFile.empty()) return kUnsavedInputData;
  std::string name = std::filesystem::path(state.inputFile).filename().string();
  if (!DesignIsOfInputFile(state)) name += state.inputFileSaved ? kChangedAfterSave : kChangedAfterRead;
  return name;
}

std::vector<DocumentFact> TitleBlock(const ProgramState& state, const DocumentDetails& details,
                                     const std::string& date) {
  std::vector<DocumentFact> facts;
  for (const DocumentDetailField& field : kDocumentDetailFields)
    if (field.value != &DocumentDetails::notes) facts.push_back({field.label, details.*(field.value)});
  std::string program = kProgramName;
  program.append(" ").append(RIPADES_VERSION).append(" - ").append(kProgramTitle);
  facts.push_back({"Program", program});
  if (state.inputFile.empty()) {
    facts.push_back({"Input data", kUnsavedInputData});
  } else {
    facts.push_back({"Input data file", InputName(state)});
    facts.push_back({"Title line", state.inputTitle});
  }
  facts.push_back({"Date of the design", date});
  if (!details.notes.empty()) facts.push_back({"Notes", details.notes});
  return facts;
}

std::string WithUnit(const std::string& number, const std::string& unit) { return number + " " + unit; }

// The material inputs as the report reads them: the number each text begins with.
std::vector<DocumentFact> Inputs(const ProgramState& state) {
  return {{"Elastic modulus of concrete E", WithUnit(NumberText(LeadingNumber(state.TxtE)), state.LbunitE)},
          {"Flexural strength of concrete Sc", WithUnit(NumberText(LeadingNumber(state.TxtSc)), state.LbunitSc)},
          {"Modulus of subgrade reaction k", WithUnit(NumberText(LeadingNumber(state.Txtk)), state.Lbunitk)},
          {"Poisson's ratio of concrete", NumberText(kPoisson)},
          {"Design period", NumberText(kDesignLifeYears) + " years"}};
}

// The grid's headings and unit words; the units the grid leaves blank are named here.
DocumentTable Traffic(const ProgramState& state) {
  DocumentTable table;
  const LibraryRow& h = state.achead;
  const LibraryRow& u = state.unitword;
  table.headings = {{h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8], h[9]},
                    {u[1], u[2], "per year", "%", u[5], u[6], u[7], u[8], u[9]}};
  table.numeric.assign(kFieldCount, true);
  table.numeric[0] = false;
  for (int p = 1; p <= std::min(state.MixCount(), kMaxAircraft); ++p) {
    std::vector<std::string> row;
    for (int column = 0; column < kGridColumns; ++column)
      row.push_back(MixCellText(state.acdata, state.mixlist[p], column));
    table.rows.push_back(std::move(row));
  }
  return table;
}

DocumentTable Fatigue(const ProgramState& state, const std::vector<int>& rows) {
  const char* stressUnit = UnitSystemOf(state).stressWord;
  DocumentTable table;
  table.headings = {
      {"Aircraft", "Pass/Year", "Max. Stress", "P/C", "F3", "Total Actual", "Allow", "Fatigue"},
      {"", "", "of Edge", "", "", "Coverages", "Coverages", "Damage Ratio"},
      {"", "", stressUnit, "", "", "", "", "%"},
  };
  table.numeric = {false, true, true, true, true, true, true, true};
  for (int row : rows) {
    const FatigueRow cells = FatigueRowCells(state, row);
    table.rows.emplace_back(cells.begin(), cells.end());
  }
  return table;
}

// The design's thickness, damage and governing aircraft; a search that found no design states no
// design thickness (its statement stands boxed above these facts instead).
std::vector<DocumentFact> Result(const ProgramState& state, const MixDamage& atDesign,
                                 const std::vector<AircraftShare>& shares) {
  std::string governing = "none: no aircraft damages the slab";
  if (!shares.empty() && shares.front().damageRatioPct > 0)
    governing = shares.front().name + " (damage ratio " + PercentWithSign(shares.front().damageRatioPct) + ")";
  switch (VerdictOf(state.designResult)) {
    case DesignVerdict::kNotCarried:
      return {{"Cumulative damage D at " + WithUnit(state.lbh, state.Lbunith), DamageText(atDesign.damage)},
              {"Governing aircraft", governing}};
    case DesignVerdict::kNoDamage:
      return {{"Governing aircraft", governing}};
    case DesignVerdict::kCarried:
      break;
  }
  return {{"Design thickness", WithUnit(state.lbh, state.Lbunith)},
          {"Cumulative damage D at the design thickness", DamageText(atDesign.damage)},
          {"Governing aircraft", governing}};
}

// The case's input with its unit, as the window names it.
std::string ScaledInputName(SensitivityInput input) {
  switch (input) {
    case SensitivityInput::kE:
      return "E, elastic modulus";
    case SensitivityInput::kSc:
      return "Sc, flexural strength";
    case SensitivityInput::kK:
      return "k, subgrade modulus";
    case SensitivityInput::kDepartures:
      return "Annual departures";
  }
  return "";
}

// The input's value in the case: the scaled text with its unit, or the departures' factor.
std::string ScaledValue(const ProgramState& state, const SensitivityCase& c) {
  switch (c.input) {
    case SensitivityInput::kE:
      return WithUnit(ScaledText(state.TxtE, c.factor), state.LbunitE);
    case SensitivityInput::kSc:
      return WithUnit(ScaledText(state.TxtSc, c.factor), state.LbunitSc);
    case SensitivityInput::kK:
      return WithUnit(ScaledText(state.Txtk, c.factor), state.Lbunitk);
    case SensitivityInput::kDepartures:
      return "each aircraft's x " + NumberText(c.factor);
  }
  return "";
}

void AddSensitivity(const ProgramState& state, const Sensitivity& sensitivity, DesignDocument& document) {
  if (!sensitivity.outcome) {
    document.sensitivityNote =
        "The inputs cannot be designed, so neither can their scaled cases: " + sensitivity.outcome.message;
    return;
  }
  const std::string unit = state.Lbunith;
  const UnitSystem& units = UnitSystemOf(sensitivity.metric);
  DocumentTable& table = document.sensitivity;
  table.headings = {{"Input", "Scaled by", "Scaled value", "Design thickness", "Change"}, {"", "", "", unit, unit}};
  table.numeric = {false, true, false, true, true};
  const double base = LeadingNumber(sensitivity.designCaption);
  // A change, and a line through x 1, need the unscaled search to have found a design.
  const bool designed = sensitivity.verdict == DesignVerdict::kCarried;
  table.rows.push_back({"None (the design)", "1", "", sensitivity.designCaption, ""});
  for (const SensitivityCase& c : sensitivity.cases) {
    std::string change;
    if (designed && IsDesign(c)) {
      const double delta = LeadingNumber(c.caption) - base;
      change = FormatDecimals(delta, 1);
      if (delta > 0) change.insert(0, 1, '+');
    }
    table.rows.push_back({ScaledInputName(c.input), NumberText(c.factor), ScaledValue(state, c), c.caption, change});
    if (document.sensitivitySeries.empty() || document.sensitivitySeries.back().name != ScaledInputName(c.input))
      document.sensitivitySeries.push_back({ScaledInputName(c.input), {}});
    SensitivitySeries& series = document.sensitivitySeries.back();
    if (designed && series.points.empty()) series.points.emplace_back(1, units.Length(sensitivity.designIn));
    if (IsDesign(c)) series.points.emplace_back(c.factor, units.Length(c.thicknessIn));
  }
  for (SensitivitySeries& series : document.sensitivitySeries) std::sort(series.points.begin(), series.points.end());
}

}  // namespace

Outcome BuildDesignDocument(const ProgramState& state, const Sensitivity& sensitivity, DesignDocument& document,
                            const DocumentDetails& details) {
  std::vector<int> rows;
  if (Outcome o = FatigueTableRows(state, rows); !o) return o;
  const bool metric = state.IsMetric();
  const DesignResult& design = state.designResult;
  const double designIn = design.thicknessIn;
  const MixDamage atDesign = EvaluateMixDamage(design.basis, designIn);

  document = DesignDocument{};
  document.inputName = InputName(state);
  document.titleBlock = TitleBlock(state, details, design.date);
  document.details = details;
  document.inputs = Inputs(state);
  document.traffic = Traffic(state);
  document.shares = DamageShares(design);  // the report's damage ratios
  document.resultStatement = VerdictWarning(design, metric);
  document.result = Result(state, atDesign, document.shares);
  document.fatigue = Fatigue(state, rows);
  document.curve = DamageCurve(design, metric);
  document.designThickness = UnitSystemOf(metric).Length(designIn);
  document.designLineName = VerdictOf(design) == DesignVerdict::kCarried
                                ? "Design thickness " + WithUnit(state.lbh, state.Lbunith)
                                : VerdictMark(design, metric);
  document.thicknessUnit = UnitSystemOf(metric).lengthWord;
  AddSensitivity(state, sensitivity, document);
  return Outcome::Success();
}
