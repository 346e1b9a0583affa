// The subgrade's elastic modulus from k and the category it falls in.
#include "rating/subgrade_category.h"

#include <cmath>

double SubgradeModulusMpa(double kPci) { return 26 * std::pow(kPci, 1.284) / kPsiPerMpa; }

SubgradeCategory CategoryOfModulus(double eMpa) {
  if (eMpa >= 150) return SubgradeCategory::kA;
  if (eMpa >= 100) return SubgradeCategory::kB;
  if (eMpa >= 60) return SubgradeCategory::kC;
  return SubgradeCategory::kD;
}
