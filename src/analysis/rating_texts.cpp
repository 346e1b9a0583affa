// The texts of a slab's rating in the unit in force.
#include "analysis/rating_texts.h"

#include "units/number_text.h"
#include "units/unit_system.h"

namespace {

constexpr int kFirstAcrColumn = 2;

}  // namespace

RatingTexts RatingInUnits(const PavementRating& rating, bool metric) {
  RatingTexts texts;
  if (!rating.outcome) {
    texts.code = rating.outcome.message;
    return texts;
  }
  const UnitSystem& units = UnitSystemOf(metric);
  const std::string weightUnit = units.forceWord;
  texts.code = rating.hasPcr ? rating.code : rating.noPcr;
  texts.figures = {
      {"Slab thickness", units.ThicknessWithUnit(rating.thicknessIn)},
      {"Subgrade category", std::string(1, SubgradeLetter(rating.category)) +
                                " (E = " + FormatDecimals(rating.subgradeModulusMpa, 1) + " MPa from k)"},
      {"Critical aircraft", rating.criticalName},
      {"Equivalent annual departures", FormatDecimals(rating.equivalentDepartures, 1)},
      {"Maximum allowable gross weight",
       rating.hasPcr ? units.WeightText(rating.maxGrossWeightLb) + " " + weightUnit : rating.noPcr},
  };

  texts.slabColumn = kFirstAcrColumn + static_cast<int>(rating.category);
  texts.headings = {"Aircraft", "Gross weight (" + weightUnit + ")"};
  for (SubgradeCategory category : kSubgradeCategories)
    texts.headings.push_back(std::string("ACR ") + SubgradeLetter(category) +
                             (category == rating.category ? " (slab)" : ""));
  texts.headings.push_back("Within the PCR");
  texts.headings.push_back("Largest weight for the PCR (" + weightUnit + ")");
  for (const RatedAircraft& a : rating.aircraft) {
    std::vector<std::string> row{a.name, units.WeightText(a.grossWeightLb)};
    for (double acr : a.acr.acr) row.push_back(a.acr.ok ? FormatDecimals(acr, 0) : "");
    if (!a.acr.ok) {
      row[kFirstAcrColumn] = "no ACR: " + a.acr.error;
      row.insert(row.end(), {"", ""});
    } else if (!rating.hasPcr) {
      row.insert(row.end(), {"", ""});
    } else {
      // The unrounded ACR and PCR are compared: "no" can stand beside an ACR that rounds to the PCR,
      // so it says by how much the ACR exceeds it.
      const double excess = a.acr.acr[static_cast<std::size_t>(rating.category)] - rating.pcr;
      row.push_back(a.withinPcr ? "yes" : "no, " + FixedText(excess, 2) + " above");
      row.push_back(a.weightForPcrLb ? units.WeightText(*a.weightForPcrLb) : a.weightError);
    }
    texts.rows.push_back(std::move(row));
  }
  return texts;
}
