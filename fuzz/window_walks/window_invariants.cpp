// The invariants of the window: whatever shows a thickness or a damage equals a fresh design or
// evaluation of the inputs shown, computed here from the state without the window, or shows nothing;
// and the process stays small.
#include "window_walks/window_invariants.h"

#include <unistd.h>

#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <fstream>

#include "analysis/design_verdict.h"
#include "analysis/slab_evaluation.h"
#include "report/design_report.h"
#include "ui/analysis/damage_charts.h"
#include "ui/frm_aircraft.h"
#include "units/number_text.h"
#include "units/unit_switch.h"
#include "units/unit_system.h"

namespace {

constexpr long kMemoryLimitMb = kSanitized ? 1500 : 300;

template <class Control>
Control* Shown(frmAircraft& window, const char* name) {
  auto* control = window.findChild<Control*>(name);
  return control && control->isVisible() ? control : nullptr;
}

std::string TextOf(frmAircraft& window, const char* name) {
  QObject* control = window.findChild<QObject*>(name);
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text().toStdString();
  if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text().toStdString();
  return {};
}

// The state the window holds, with the input texts its boxes show (a box shows the state's bytes as
// text when they are not UTF-8: those bytes are what it shows).
ProgramState StateShown(frmAircraft& window) {
  ProgramState state = window.State();
  for (auto [name, text] : {std::pair("TxtE", &state.TxtE), {"TxtSc", &state.TxtSc}, {"Txtk", &state.Txtk}})
    if (const std::string box = TextOf(window, name); QString::fromStdString(*text).toStdString() != box) *text = box;
  return state;
}

// The designs of the inputs shown, made afresh: in the unit in force, and in the other unit system (the
// inputs converted there as a unit switch converts them, the result brought back and its thickness
// rounded once), since a unit switch keeps the design made before it. None when they cannot be designed.
std::vector<ProgramState> FreshDesigns(frmAircraft& window) {
  std::vector<ProgramState> designs;
  ProgramState state = StateShown(window);
  const bool metric = state.IsMetric();
  if (ProgramState here = state; DesignThickness(here)) designs.push_back(here);
  metric ? ConvertToEnglish(state) : ConvertToMetric(state);
  if (!DesignThickness(state)) return designs;
  metric ? ConvertToMetric(state) : ConvertToEnglish(state);
  state.lbh = UnitSystemOf(metric).ThicknessCaption(state.designResult.thicknessIn);
  designs.push_back(state);
  return designs;
}

std::optional<std::string> ProcessStaysUnder300Mb(frmAircraft&) {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  const long mb = resident * sysconf(_SC_PAGESIZE) / (1024 * 1024);
  if (mb > kMemoryLimitMb) return std::to_string(mb) + " MB resident";
  return std::nullopt;
}

std::optional<std::string> ThicknessBoxIsTheDesignOfTheInputsShown(frmAircraft& window) {
  const std::string shown = TextOf(window, "lbh");
  if (shown.empty()) return std::nullopt;
  const std::vector<ProgramState> fresh = FreshDesigns(window);
  if (fresh.empty()) return "shows " + shown + ", but the inputs shown cannot be designed";
  for (const ProgramState& design : fresh)
    if (design.lbh == shown) return std::nullopt;
  return "shows " + shown + ", a design of the inputs shown gives " + fresh.front().lbh;
}

std::optional<std::string> ReportBoxIsTheReportOfTheInputsShown(frmAircraft& window) {
  const auto* box = Shown<QPlainTextEdit>(window, "txtReports");
  if (!box) return std::nullopt;
  const QStringList shown = box->toPlainText().trimmed().split('\n');
  std::optional<std::string> difference = "shows a report of inputs that cannot be designed";
  for (const ProgramState& design : FreshDesigns(window)) {
    std::string report;
    if (!BuildReport(design, report)) continue;
    const QStringList lines = QString::fromStdString(report).remove('\r').trimmed().split('\n');
    if (lines == shown) return std::nullopt;
    for (qsizetype line = 0; line < std::max(lines.size(), shown.size()) && difference->starts_with("shows"); ++line)
      if (lines.value(line) != shown.value(line))
        difference = "line " + std::to_string(line + 1) + " reads \"" + shown.value(line).simplified().toStdString() +
                     "\", a design of the inputs shown gives \"" + lines.value(line).simplified().toStdString() + "\"";
  }
  return difference;
}

// The damage chart's line at the design names the design the Thickness box shows ("Design thickness
// 16.6 in"), or the mark of a search that found no design ("Not carried: D = 15.93 at 30.0 in"); there
// is none when the box is empty.
std::optional<std::string> AnalysisChartShowsTheDesignShown(frmAircraft& window) {
  auto* analysis = window.findChild<QWidget*>("frmAnalysis");
  if (!analysis || !analysis->isVisible()) return std::nullopt;
  const std::string shown = TextOf(window, "lbh");
  const bool metric = window.State().IsMetric();
  std::vector<std::string> wanted;
  if (!shown.empty())
    for (const ProgramState& design : FreshDesigns(window))
      if (design.lbh == shown) {
        const std::string mark = VerdictMark(design.designResult, metric);
        wanted.push_back(mark.empty() ? "Design thickness " + shown + " " + ThicknessUnit(metric).toStdString()
                                      : char(std::toupper(mark.front())) + mark.substr(1));
      }
  std::string line;
  for (const QAbstractSeries* series : analysis->findChild<QChartView*>("chtDamage")->chart()->series())
    for (const char* start : {"Design thickness", "Not carried", "No thickness"})
      if (series->name().startsWith(start))
        line = QTextDocumentFragment::fromHtml(series->name()).toPlainText().toStdString();
  if (std::find(wanted.begin(), wanted.end(), line) == wanted.end() && !(wanted.empty() && line.empty()))
    return "the damage chart shows \"" + line + "\" while the Thickness box shows \"" + shown + "\"";
  return std::nullopt;
}

double Number(const std::string& text) {
  try {
    return std::stod(text);
  } catch (const std::exception&) {
    return -1;
  }
}

// "Slab thickness: 17.8711 in" holds D and life of the inputs shown at that thickness, in the unit in force.
std::optional<std::string> EvaluationPanelIsAnEvaluationOfTheInputsShown(frmAircraft& window) {
  auto* panel = window.findChild<QGroupBox*>("fraEvaluation");
  if (!panel || !panel->isVisible()) return std::nullopt;
  const QStringList thickness = QString::fromStdString(TextOf(window, "LbEvalThickness")).split(' ');
  const bool metric = window.State().IsMetric();
  if (thickness.size() != 4 || thickness[3] != ThicknessUnit(metric))
    return "the panel shows \"" + thickness.join(' ').toStdString() + "\" in a unit not in force";
  MixDamage mix;
  const ProgramState state = StateShown(window);
  const std::string damage = TextOf(window, "LbEvalDamage");
  if (const Outcome evaluated = EvaluateSlab(state, thickness[2].toStdString(), mix); !evaluated)
    return "the panel shows \"" + damage + "\" for inputs that cannot be evaluated: " + evaluated.message;
  const std::string fresh = "Cumulative damage D: " + DamageText(mix.damage);
  const double shownD = Number(damage.substr(damage.rfind(' ') + 1)), freshD = mix.damage;
  // The thickness shown has six digits: D may differ in its last digit from that at the slab typed.
  if (damage != fresh && !(shownD > 0 && std::abs(shownD - freshD) <= 0.01 * freshD))
    return "the panel shows \"" + damage + "\", the inputs shown at " + thickness[2].toStdString() + " give \"" +
           fresh + "\"";
  return std::nullopt;
}

// No text shown reads NaN or infinity: every number shown is one.
std::optional<std::string> NothingShownIsNotANumber(frmAircraft& window) {
  static const QRegularExpression kNotANumber(R"(\b(nan|inf|infinity)\b)", QRegularExpression::CaseInsensitiveOption);
  for (const auto& [name, text] : WhatTheWindowShows(window))
    if (QString::fromStdString(text).contains(kNotANumber)) return name + " shows \"" + text.substr(0, 200) + "\"";
  return std::nullopt;
}

}  // namespace

std::vector<Finding> StateFindings(frmAircraft& window) {
  using Invariant = std::optional<std::string> (*)(frmAircraft&);
  static const std::pair<const char*, Invariant> kInvariants[] = {
      {"process-stays-under-300-mb", ProcessStaysUnder300Mb},
      {"thickness-box-is-the-design-of-the-inputs-shown", ThicknessBoxIsTheDesignOfTheInputsShown},
      {"report-box-is-the-report-of-the-inputs-shown", ReportBoxIsTheReportOfTheInputsShown},
      {"analysis-chart-shows-the-design-shown", AnalysisChartShowsTheDesignShown},
      {"evaluation-panel-is-an-evaluation-of-the-inputs-shown", EvaluationPanelIsAnEvaluationOfTheInputsShown},
      {"nothing-shown-is-not-a-number", NothingShownIsNotANumber}};
  std::vector<Finding> findings;
  for (const auto& [name, invariant] : kInvariants)
    if (std::optional<std::string> detail = invariant(window)) findings.push_back({name, *detail});
  return findings;
}

std::optional<std::string> NoDesignIsShownWithoutItsWarning(frmAircraft& window,
                                                            const std::vector<std::string>& boxes) {
  const std::string shown = TextOf(window, "lbh");
  if (shown.empty()) return std::nullopt;
  ProgramState design = StateShown(window);
  if (!DesignThickness(design) || design.lbh != shown) return std::nullopt;  // the thickness invariant's finding
  const std::string warning = VerdictWarning(design.designResult, design.IsMetric());
  if (warning.empty() || std::find(boxes.begin(), boxes.end(), warning) != boxes.end()) return std::nullopt;
  return "the Thickness box shows " + shown + " without the warning \"" + warning.substr(0, warning.find('\n')) + "\"";
}

ShownTexts WhatTheWindowShows(frmAircraft& window) {
  ShownTexts shown;
  for (const char* name : {"TxtE", "TxtSc", "Txtk", "LbunitE", "LbunitSc", "Lbunitk", "Lbunith", "lbh",
                           "LbEvalThickness", "LbEvalDamage", "LbEvalLife"})
    shown[name] = TextOf(window, name);
  for (const char* name : {"Grid1", "TxtE", "txtReports", "LbTitle1", "frmAnalysis", "fraEvaluation"})
    if (auto* control = window.findChild<QWidget*>(name))
      shown[std::string("shown ") + name] = control->isVisible() ? "yes" : "no";
  if (const auto* box = Shown<QPlainTextEdit>(window, "txtReports"))
    shown["txtReports"] = box->toPlainText().toStdString();
  const auto* grid = window.findChild<QTableWidget*>("Grid1");
  for (int row = 0; row < grid->rowCount(); ++row)
    for (int column = 0; column < grid->columnCount(); ++column)
      if (const QTableWidgetItem* item = grid->item(row, column))
        shown["Grid1 " + std::to_string(row) + " " + std::to_string(column)] = item->text().toStdString();
  return shown;
}

ShownTexts InputsAndMix(const ShownTexts& shown) {
  ShownTexts inputs;
  for (const auto& [name, text] : shown)
    if (name.starts_with("Txt") || name.starts_with("Lbunit") || name.starts_with("Grid1 ")) inputs[name] = text;
  return inputs;
}

std::optional<std::string> FirstDifference(const ShownTexts& before, const ShownTexts& after) {
  for (const auto& [name, text] : before)
    if (!after.contains(name) || after.at(name) != text)
      return name + " showed \"" + text + "\", then \"" + (after.contains(name) ? after.at(name) : "nothing") + "\"";
  for (const auto& [name, text] : after)
    if (!before.contains(name)) return name + " showed nothing, then \"" + text + "\"";
  return std::nullopt;
}
