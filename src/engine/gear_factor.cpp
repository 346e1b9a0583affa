// The gear factor: the real gear's edge stress over that of its load on one tire print.
#include "engine/mdlR.h"

float GearFactor(double a, double l, double sd, double st, double n) {
  const float alpha = static_cast<float>(a / l);
  const bool dual = sd != 0;
  const bool tandem = st != 0;
  if (dual && tandem && n == 6)
    return DualFactor(static_cast<float>(sd / l), alpha) * TripleTandemFactor(static_cast<float>(2 * st / l), alpha);
  if (dual && tandem)
    return DualFactor(static_cast<float>(sd / l), alpha) * TandemFactor(static_cast<float>(st / l), alpha);
  if (tandem) return TandemFactor(static_cast<float>(st / l), alpha);
  if (dual) return DualFactor(static_cast<float>(sd / l), alpha);
  return 1;
}
