// The report's lines, column by column.
#include "report/design_report.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "engine/mdlR.h"
#include "project/text_file.h"
#include "report/report_columns.h"
#include "state/program_title.h"
#include "units/number_text.h"
#include "units/unit_system.h"

namespace {

constexpr int kMargin = 5;
constexpr int kBannerWidth = 54;  // framed banner lines, "*" in the first and last column
constexpr int kBannerInside = kBannerWidth - 2;
constexpr int kTitleIndent = 5;
constexpr int kTableWidth = 94;

static_assert(std::string_view(kProgramTitleFirstPart).size() + kTitleIndent <= kBannerInside);
static_assert(std::string_view(kProgramTitleSecondPart).size() <= kBannerInside);

std::string Framed(const std::string& inside) {
  std::string line = "*" + inside;
  line.resize(kBannerWidth - 1, ' ');
  return line + "*";
}

void WriteBanner(ReportLines& out) {
  const std::string second = kProgramTitleSecondPart;
  const std::string centred = std::string((kBannerInside - second.size()) / 2, ' ') + second;
  out.EmptyLines(3);
  out.Spc(kMargin).Text(std::string(kBannerWidth, '*')).EndLine();
  out.Spc(kMargin).Text(Framed(std::string(kTitleIndent, ' ') + kProgramTitleFirstPart)).EndLine();
  out.Spc(kMargin).Text(Framed(centred)).EndLine();
  out.Spc(kMargin).Text("*                RIPADES Detial Report                *").EndLine();
  out.Spc(kMargin).Text(std::string(kBannerWidth, '*')).EndLine();
}

void WriteProperty(ReportLines& out, const char* label, double value, const char* unit) {
  out.Spc(kMargin).Text(label).NextZone().PlainNumber(value);
  if (unit) out.NextZone().Text(unit);
  out.EndLine();
}

void WriteProperties(ReportLines& out, const ProgramState& state, const UnitSystem& units) {
  out.EmptyLines(2);
  out.Spc(kMargin).Text("            Pavement Material Properties").EndLine();
  out.Spc(kMargin).Text(std::string(kBannerWidth, '=')).EndLine();
  WriteProperty(out, "Elastic Modulus of Concrete", LeadingNumber(state.TxtE), units.stressWord);
  WriteProperty(out, "Concrete Flexural Strength", LeadingNumber(state.TxtSc), units.stressWord);
  WriteProperty(out, "Poisson Ratio of Concrete", kPoisson, nullptr);
  WriteProperty(out, "Modulus of Subgrade Reaction,k", LeadingNumber(state.Txtk), units.subgradeWord);
}

void WriteThickness(ReportLines& out, const ProgramState& state, const UnitSystem& units) {
  // A caption that is not a number (none before a design) is printed as it stands.
  const std::string caption = IsNumber(state.lbh) ? FixedFormat(LeadingNumber(state.lbh), 1) : state.lbh;
  out.EmptyLines(2);
  out.Spc(kMargin).Text("         Pavement Thickness Design Results").EndLine();
  out.Spc(kMargin).Text(std::string(kBannerWidth, '=')).EndLine();
  out.EndLine();
  out.Spc(kMargin)
      .Text("Design Thickness :")
      .NextZone()
      .Spc(10)
      .NextZone()
      .Text(caption + " " + units.reportLengthWord)
      .EndLine();
}

void WriteTableHead(ReportLines& out, const UnitSystem& units) {
  out.EmptyLines(2);
  out.Spc(kMargin).Text("                    Fatigue Analysis").EndLine();
  out.Spc(kMargin).Text(std::string(kTableWidth, '=')).EndLine();
  out.Spc(kMargin).Text("Aircraft").Tab(25).Text("Pass/Year").Tab(35).Text("Max. Stress").Tab(48).Text("P/C");
  out.Tab(55).Text("F3").Tab(61).Text("Total Actual").Tab(75).Text("Allow").Tab(86).Text("Fatigue").EndLine();
  out.Tab(35)
      .Text("of Edge")
      .Tab(61)
      .Text("Coverages")
      .Tab(75)
      .Text("Coverages")
      .Tab(86)
      .Text("Damage Ratio")
      .EndLine();
  out.Tab(35).Text(units.stressWord).Tab(86).Text("%").EndLine();
  out.Spc(kMargin).Text(std::string(kTableWidth, '-')).EndLine();
}

void WriteAircraftRow(ReportLines& out, const FatigueRow& cells) {
  out.Spc(kMargin).Text(cells[0]);
  out.Tab(25).Text(cells[1]);
  out.Tab(35).Text(cells[2]);
  out.Tab(48).Text(cells[3]);
  out.Tab(55).Text(cells[4]);
  out.Tab(61).Text(cells[5]);
  out.Tab(75).Text(cells[6]);
  out.Tab(86).Text(RightAligned(cells[7])).EndLine();
}

}  // namespace

constexpr double kUnlimitedCoverages = 100000000;

FatigueRow FatigueRowCells(const ProgramState& state, int row) {
  const DesignResult& r = state.designResult;
  const double departures = LeadingNumber(state.acdata[row][kFieldDepartures]);
  // The free-edge stress of the gear, without the 0.75 and F3 of the coverage computation: in English
  // units the single-precision product as the design holds it, in metric units its double product converted.
  const std::string stress =
      state.IsMetric()
          ? FixedFormat(UnitSystemOf(true).Stress(static_cast<double>(r.sigmaWe[row]) * r.gearFactor[row]), 0, 3)
          : FixedFormat(r.sigmaWe[row] * r.gearFactor[row], 0, 3);
  const double actualCoverages = departures * 20 / r.passToCoverage[row];
  const double allowable = r.allowableCoverages[row];
  return {state.acdata[row][kFieldName],
          ScientificFormat(departures),
          stress,
          FixedFormat(r.passToCoverage[row], 2),
          FixedFormat(r.wanderFactor[row], 2),
          ScientificFormat(actualCoverages),
          allowable >= kUnlimitedCoverages ? "Unlimited" : ScientificFormat(allowable),
          FixedFormat(r.damageRatioPct[row], 2)};
}

Outcome FatigueTableRows(const ProgramState& state, std::vector<int>& rows) {
  rows.clear();
  const int count = std::min(state.MixCount(), kMaxAircraft);
  for (int p = 1; p <= count; ++p) {
    const int row = state.mixlist[p];
    if (row < 1 || row > kMaxAircraft)
      return Outcome::Failure("The report cannot be written: mix position " + std::to_string(p) +
                              " names no library row.");
    if (!(state.designResult.passToCoverage[row] > 0))
      return Outcome::Failure("The report cannot be written: \"" + state.acdata[row][kFieldName] +
                              "\" has no design results. Please click \"Design Thickness\" first.");
    rows.push_back(row);
  }
  return Outcome::Success();
}

Outcome BuildReport(const ProgramState& state, std::string& text) {
  text.clear();
  std::vector<int> rows;
  if (Outcome o = FatigueTableRows(state, rows); !o) return o;
  const bool metric = state.IsMetric();
  const UnitSystem& units = UnitSystemOf(metric);
  ReportLines out;
  WriteBanner(out);
  WriteProperties(out, state, units);
  WriteThickness(out, state, units);
  WriteTableHead(out, units);
  for (int row : rows) WriteAircraftRow(out, FatigueRowCells(state, row));
  text = out.Str();
  return Outcome::Success();
}

Outcome PrintToFile(const ProgramState& state, const std::string& path) {
  std::string text;
  if (Outcome o = BuildReport(state, text); !o) return o;
  return WriteFileAtomically(path, text);
}
