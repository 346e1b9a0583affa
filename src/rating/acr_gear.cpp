// The wheel layout and contact circles of an aircraft's main gear.
#include "rating/acr_gear.h"

#include <cmath>
#include <numbers>

namespace {

std::string FieldError(const AircraftData& a) {
  const auto positive = [](double v) { return v > 0 && std::isfinite(v); };
  if (!positive(a.grossWeight)) return "the gross weight must be a number above 0";
  if (!positive(a.gearLoadPct)) return "the gear load percentage must be a number above 0";
  if (!positive(a.tirePressure)) return "the tire pressure must be a number above 0";
  const double n = a.wheelCount;
  if (n != 1 && n != 2 && n != 4 && n != 6) return "the wheels per gear must be 1, 2, 4 or 6";
  if (!(a.dualSpacing >= 0) || !std::isfinite(a.dualSpacing)) return "the dual spacing must be a number of 0 or more";
  if (!(a.tandemSpacing >= 0) || !std::isfinite(a.tandemSpacing))
    return "the tandem spacing must be a number of 0 or more";
  return {};
}

}  // namespace

double ContactCircleRadius(double load, double pressure) { return std::sqrt(load / (std::numbers::pi * pressure)); }

AcrGear GearOf(const AircraftData& a) {
  AcrGear gear;
  gear.error = FieldError(a);
  if (!gear.error.empty()) return gear;
  const int n = static_cast<int>(a.wheelCount);
  const double wheelLoad = a.grossWeight * a.gearLoadPct / 100 / n;
  const double radius = ContactCircleRadius(wheelLoad, a.tirePressure);
  if (!std::isfinite(wheelLoad) || !(radius > 0) || !std::isfinite(radius)) {
    gear.error = "the gross weight and tire pressure give no contact area";
    return gear;
  }
  const double half = a.dualSpacing / 2;
  const double st = a.tandemSpacing;
  std::vector<std::pair<double, double>> at;
  if (n == 1) at = {{0, 0}};
  if (n == 2)
    at = half > 0 ? std::vector<std::pair<double, double>>{{-half, 0}, {half, 0}}
                  : std::vector<std::pair<double, double>>{{0, 0}, {0, st}};
  if (n == 4) at = {{-half, 0}, {half, 0}, {-half, st}, {half, st}};
  if (n == 6) at = {{-half, -st}, {half, -st}, {-half, 0}, {half, 0}, {-half, st}, {half, st}};
  for (const auto& [x, y] : at) gear.wheels.push_back({x, y, a.tirePressure, radius});
  return gear;
}
