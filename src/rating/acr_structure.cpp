// The layers of the rigid rating structure for each subgrade category.
#include "rating/acr_structure.h"

#include <array>

namespace {

constexpr double kSlabModulusPsi = 4000000;  // 27,579 MPa
constexpr double kSlabPoisson = 0.15;
constexpr double kBaseModulusPsi = 500 * kPsiPerMpa;
constexpr double kBasePoisson = 0.35;
constexpr double kBaseThicknessIn = 200 / kMmPerIn;
constexpr std::array<double, 4> kSubgradeModulusMpa{200, 120, 80, 50};
constexpr double kSubgradePoisson = 0.40;

}  // namespace

char SubgradeLetter(SubgradeCategory category) { return static_cast<char>('A' + static_cast<int>(category)); }

LayeredStructure AcrStructure(SubgradeCategory category, double slabThicknessIn) {
  const double subgrade = kSubgradeModulusMpa[static_cast<int>(category)] * kPsiPerMpa;
  return {{{kSlabModulusPsi, kSlabPoisson, slabThicknessIn},
           {kBaseModulusPsi, kBasePoisson, kBaseThicknessIn},
           {subgrade, kSubgradePoisson, 0}},
          {Interface::kFrictionless, Interface::kBonded}};
}
