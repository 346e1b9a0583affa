// Taking the design's inputs and mix aircraft from the program state, and checking them.
#include "engine/prepared_design.h"

#include <cmath>
#include <string>

#include "engine/mdlR.h"
#include "units/number_text.h"
#include "units/unit_system.h"

namespace {

struct FieldRule {
  int field;
  const char* what;
  bool zeroAllowed;
};

constexpr FieldRule kFieldRules[] = {
    {kFieldGrossWeight, "gross weight", false},         {kFieldDepartures, "annual departures", true},
    {kFieldGearLoadPct, "gear load percentage", false}, {kFieldTirePressure, "tire pressure", false},
    {kFieldWheelCount, "wheel count", false},           {kFieldDualSpacing, "dual spacing", true},
    {kFieldTandemSpacing, "tandem spacing", true},      {kFieldContactWidth, "tire contact width", false},
};

bool Usable(double v, bool zeroAllowed) { return std::isfinite(v) && (zeroAllowed ? v >= 0 : v > 0); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

Outcome CheckInput(double value, const char* what) {
  if (Usable(value, false)) return Outcome::Success();
  return Outcome::Failure(std::string("Cannot design: the ") + what + " must be a number above 0.");
}

// Checks one mix aircraft; `shown` is its row as the user sees it (in the unit system in force).
Outcome CheckAircraft(const LibraryRow& english, const LibraryRow& shown, bool metric) {
  const std::string name = Quoted(shown[kFieldName]);
  for (const FieldRule& rule : kFieldRules) {
    const double v = LeadingNumber(english[rule.field]);
    if (!Usable(v, rule.zeroAllowed))
      return Outcome::Failure("Cannot design: the " + std::string(rule.what) + " of " + name + " is " +
                              Quoted(shown[rule.field]) + "; it must be a number " +
                              (rule.zeroAllowed ? "of 0 or more." : "above 0."));
  }
  if (LeadingNumber(english[kFieldDualSpacing]) > kMaxDualSpacingIn)
    return Outcome::Failure("Cannot design: the dual spacing of " + name + " is " + Quoted(shown[kFieldDualSpacing]) +
                            "; it must not exceed " + NumberText(UnitSystemOf(metric).Length(kMaxDualSpacingIn)) + " " +
                            UnitSystemOf(metric).lengthWord + ".");
  return Outcome::Success();
}

}  // namespace

AircraftData ReadAircraft(const LibraryRow& r) {
  AircraftData a;
  a.grossWeight = LeadingNumber(r[kFieldGrossWeight]);
  a.departures = LeadingNumber(r[kFieldDepartures]);
  a.gearLoadPct = LeadingNumber(r[kFieldGearLoadPct]);
  a.tirePressure = LeadingNumber(r[kFieldTirePressure]);
  a.wheelCount = LeadingNumber(r[kFieldWheelCount]);
  a.dualSpacing = LeadingNumber(r[kFieldDualSpacing]);
  a.tandemSpacing = LeadingNumber(r[kFieldTandemSpacing]);
  a.contactWidth = LeadingNumber(r[kFieldContactWidth]);
  return a;
}

PreparedDesign PrepareDesign(const ProgramState& state) {
  PreparedDesign d;
  const bool metric = state.IsMetric();
  const UnitSystem& units = UnitSystemOf(metric);
  d.inputs.e = units.Psi(LeadingNumber(state.TxtE));
  d.inputs.k = units.Pci(LeadingNumber(state.Txtk));
  d.inputs.sc = units.Psi(LeadingNumber(state.TxtSc));
  d.inputs.mu = kPoisson;

  if (!(d.outcome = CheckInput(d.inputs.e, "elastic modulus E"))) return d;
  if (!(d.outcome = CheckInput(d.inputs.sc, "flexural strength Sc"))) return d;
  if (!(d.outcome = CheckInput(d.inputs.k, "subgrade modulus k"))) return d;

  d.englishLibrary = state.acdata;
  units.LibraryInEnglish(d.englishLibrary);

  const int count = state.MixCount();
  if (count > kMaxAircraft) {
    d.outcome = Outcome::Failure("Cannot design: the traffic mix holds more than 65 aircraft.");
    return d;
  }
  for (int p = 1; p <= count; ++p) {
    const int row = state.mixlist[p];
    if (row < 1 || row > kMaxAircraft) {
      d.outcome = Outcome::Failure("Cannot design: mix position " + std::to_string(p) + " names no library row.");
      return d;
    }
    if (!(d.outcome = CheckAircraft(d.englishLibrary[row], state.acdata[row], metric))) return d;
    MixAircraft m;
    m.row = row;
    m.name = d.englishLibrary[row][kFieldName];
    m.data = ReadAircraft(d.englishLibrary[row]);
    m.passToCoverage = PassToCoverageRatio(m.data.dualSpacing, m.data.contactWidth);
    d.mix.push_back(m);
  }
  return d;
}
