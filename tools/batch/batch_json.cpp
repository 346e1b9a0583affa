// Building the JSON array of a batch run with Qt's JSON classes.
#include "batch_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QJsonValue Number(double value) { return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null); }

QJsonArray AircraftResults(const ProgramState& state) {
  const DesignResult& r = state.designResult;
  QJsonArray aircraft;
  for (int p = 1; p <= state.MixCount(); ++p) {
    const int row = state.mixlist[p];
    aircraft.append(QJsonObject{
        {"row", row},
        {"name", Text(state.acdata[row][kFieldName])},
        {"sigma_we", Number(r.sigmaWe[row])},
        {"fg", Number(r.gearFactor[row])},
        {"f3", Number(r.wanderFactor[row])},
        {"pc", Number(r.passToCoverage[row])},
        {"allowable_coverages", Number(r.allowableCoverages[row])},
        {"damage_ratio_pct", Number(r.damageRatioPct[row])},
    });
  }
  return aircraft;
}

QJsonObject Evaluation(const BatchDesign& d) {
  const MixDamage& e = *d.evaluation;
  QJsonArray aircraft;
  for (const AircraftDamage& a : e.aircraft)
    aircraft.append(
        QJsonObject{{"row", a.row}, {"name", Text(a.name)}, {"damage_ratio_pct", Number(a.damageRatioPct)}});
  return QJsonObject{
      {"thickness_in", Number(e.thicknessIn)},
      {"damage", Number(e.damage)},
      {"life_years", Number(RemainingLifeYears(e.damage))},
      {"aircraft", aircraft},
  };
}

// Each case's thickness in inches and caption in the file's unit; a case that is no design has no
// thickness (null): one that could not be designed the caption "no thickness" and the reason as
// "error", one whose search found no design the caption "over 30.0 in" or "no thickness".
QJsonArray SensitivityCases(const Sensitivity& sensitivity) {
  QJsonArray cases;
  for (const SensitivityCase& c : sensitivity.cases) {
    QJsonObject item{
        {"input", Text(c.inputName)},
        {"factor", c.factor},
        {"thickness_in", IsDesign(c) ? Number(c.thicknessIn) : QJsonValue(QJsonValue::Null)},
        {"caption", Text(c.caption)},
    };
    if (!c.designed) item["error"] = Text(c.failure);
    cases.append(item);
  }
  return cases;
}

// Each mix aircraft's ACR on the four subgrades, unrounded, or null and the reason.
void AddRatings(QJsonArray& aircraft, const std::vector<AircraftRating>& ratings) {
  for (qsizetype i = 0; i < aircraft.size() && i < static_cast<qsizetype>(ratings.size()); ++i) {
    QJsonObject item = aircraft[i].toObject();
    const AcrSet& set = ratings[static_cast<std::size_t>(i)].set;
    if (set.ok) {
      QJsonObject acr;
      for (SubgradeCategory c : kSubgradeCategories)
        acr[QString(QChar(SubgradeLetter(c)))] = Number(set.acr[static_cast<std::size_t>(c)]);
      item["acr"] = acr;
    } else {
      item["acr"] = QJsonValue(QJsonValue::Null);
      item["acr_error"] = Text(set.error);
    }
    aircraft[i] = item;
  }
}

QJsonValue NumberOrNull(bool present, double value) { return present ? Number(value) : QJsonValue(QJsonValue::Null); }

// The rating of the slab, and each mix aircraft's ACR on its category against the PCR.
void AddRating(const PavementRating& rating, QJsonObject& result) {
  if (!rating.outcome) {
    result["rating"] = QJsonValue(QJsonValue::Null);
    result["rating_error"] = Text(rating.outcome.message);
    return;
  }
  result["rating"] = QJsonObject{
      {"thickness_in", Number(rating.thicknessIn)},
      {"subgrade_category", QString(QChar(SubgradeLetter(rating.category)))},
      {"subgrade_modulus_mpa", Number(rating.subgradeModulusMpa)},
      {"critical", QJsonObject{{"row", rating.criticalRow}, {"name", Text(rating.criticalName)}}},
      {"equivalent_departures", Number(rating.equivalentDepartures)},
      {"max_gross_weight_lb", NumberOrNull(rating.hasPcr, rating.maxGrossWeightLb)},
      {"pcr", rating.hasPcr ? QJsonValue(static_cast<qint64>(std::llround(rating.pcr))) : QJsonValue(QJsonValue::Null)},
      {"pcr_exact", NumberOrNull(rating.hasPcr, rating.pcr)},
      {"code", Text(rating.hasPcr ? rating.code : rating.noPcr)},
  };
  QJsonArray aircraft = result["aircraft"].toArray();
  const auto category = static_cast<std::size_t>(rating.category);
  for (qsizetype i = 0; i < aircraft.size() && i < static_cast<qsizetype>(rating.aircraft.size()); ++i) {
    const RatedAircraft& a = rating.aircraft[static_cast<std::size_t>(i)];
    QJsonObject item = aircraft[i].toObject();
    const bool rated = rating.hasPcr && a.acr.ok;
    item["acr"] = NumberOrNull(a.acr.ok, a.acr.acr[category]);
    if (!a.acr.ok) item["acr_error"] = Text(a.acr.error);
    item["within_pcr"] = rated ? QJsonValue(a.withinPcr) : QJsonValue(QJsonValue::Null);
    item["max_weight_for_pcr_lb"] = NumberOrNull(rated && a.weightForPcrLb, a.weightForPcrLb.value_or(0));
    aircraft[i] = item;
  }
  result["aircraft"] = aircraft;
}

}  // namespace

QByteArray DesignsToJson(const std::vector<BatchDesign>& designs) {
  QJsonArray array;
  for (const BatchDesign& d : designs) {
    if (d.status != kBatchOk) {
      QJsonObject failed{{"file", Text(d.file)}, {"error", Text(d.error)}};
      if (d.ratings && !d.ratings->empty()) {
        // The file was read: its aircraft are rated though not designed.
        QJsonArray aircraft;
        for (const AircraftRating& r : *d.ratings) aircraft.append(QJsonObject{{"row", r.row}, {"name", Text(r.name)}});
        AddRatings(aircraft, *d.ratings);
        failed["aircraft"] = aircraft;
      }
      array.append(failed);
      continue;
    }
    QJsonObject result{
        {"file", Text(d.file)},
        {"caption", Text(d.state.lbh)},
        {"unit", Text(d.state.Lbunith)},
        {"thickness_in", Number(d.state.designResult.thicknessIn)},
        {"carried", VerdictOf(d.state.designResult) == DesignVerdict::kCarried},
    };
    if (!result["carried"].toBool()) result["damage_at_thickness"] = Number(d.state.designResult.damage);
    QJsonArray aircraft = AircraftResults(d.state);
    if (d.ratings) AddRatings(aircraft, *d.ratings);
    result["aircraft"] = aircraft;
    if (d.evaluation) result["evaluation"] = Evaluation(d);
    if (d.sensitivity) result["sensitivity"] = SensitivityCases(*d.sensitivity);
    if (d.pavementRating) AddRating(*d.pavementRating, result);
    array.append(result);
  }
  return QJsonDocument(array).toJson(QJsonDocument::Indented);
}
