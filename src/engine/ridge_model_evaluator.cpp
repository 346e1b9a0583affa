// The generic evaluator of the ridge regression models.
#include <cmath>

#include "engine/mdlR.h"

float ClampRange(float x, float lo, float hi) {
  if (!(x >= lo)) return lo;  // also catches a value that is not a number
  if (x <= hi) return x;
  return hi;
}

float EvaluateRidgeModel(const RidgeModel& model, float p1, float p2) {
  p2 = ClampRange(p2, model.lo2, model.hi2);
  p1 = ClampRange(p1, model.lo1, model.hi1);
  if (model.oneAtZeroP1 && p1 == 0) return 1;

  // Derived inputs are rounded to single precision as they are formed.
  std::array<float, RidgeModel::kMaxInputs> x{};
  x[0] = p1;
  x[1] = p2;
  const float product = static_cast<float>(static_cast<double>(p1) * p2);
  const float quotient = static_cast<float>(static_cast<double>(p1) / p2);
  switch (model.inputs) {
    case RidgeModel::Inputs::kProduct:
      x[2] = product;
      break;
    case RidgeModel::Inputs::kProductQuotient:
      x[2] = product;
      x[3] = quotient;
      break;
    case RidgeModel::Inputs::kQuotient:
      x[2] = quotient;
      break;
  }

  // Absent inputs, unused ridges and zero coefficients add exact zeros to their sums: they are skipped.
  const int inputCount = model.inputs == RidgeModel::Inputs::kProductQuotient ? 4 : 3;
  double result = model.b0;
  for (int i = 0; i < RidgeModel::kMaxRidges; ++i) {
    if (model.weight[i] == 0) continue;
    // Each product and term is formed in double; each partial sum is held in single precision.
    float y = 0;
    for (int j = 0; j < inputCount; ++j) y = static_cast<float>(y + static_cast<double>(model.direction[i][j]) * x[j]);
    const auto& piece = y > model.knot[i] ? model.upperPiece[i] : model.lowerPiece[i];
    float z = static_cast<float>(piece[0]);  // Y^0 = 1, also for Y = 0
    if (piece[1] != 0) z = static_cast<float>(z + static_cast<double>(piece[1]) * y);
    for (int k = 2; k < RidgeModel::kTerms; ++k)
      if (piece[k] != 0)
        z = static_cast<float>(z + static_cast<double>(piece[k]) * std::pow(static_cast<double>(y), k));
    result += static_cast<double>(model.weight[i]) * z;
  }
  return static_cast<float>(result);
}
