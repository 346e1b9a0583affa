// Coefficient sets of the gear-factor and edge-offset models.
#include "engine/mdlR.h"

namespace {

using Inputs = RidgeModel::Inputs;

const RidgeModel kDual = {
    .lo1 = 0,
    .hi1 = 4,
    .lo2 = 0.05f,
    .hi2 = 0.4f,
    .inputs = Inputs::kProduct,
    .oneAtZeroP1 = false,
    .direction = {{{-0.7919f, 0.60762f, 0.06072f}, {0.01799f, -0.88168f, 0.4715f}, {}}},
    .knot = {-2, 0, 0},
    .lowerPiece = {{{-0.043f, 0.452f, 0.075f}, {-1.461f, -4.46f, 392.524f, 2955.995f, 4914.455f}, {}}},
    .upperPiece = {{{2.997f, 6.278f, 4.122f, 0.964f}, {-1.425f, 45.24f, -309.329f, 832.054f, -765.888f}, {}}},
    .b0 = 0.56197f,
    .weight = {0.09313f, 0.0065f, 0},
};

const RidgeModel kTandem = {
    .lo1 = 0,
    .hi1 = 4,
    .lo2 = 0.05f,
    .hi2 = 0.4f,
    .inputs = Inputs::kProductQuotient,
    .oneAtZeroP1 = false,
    .direction = {{{-0.51308f, 0.85264f, 0.08604f, -0.04849f}, {-0.07313f, -0.93937f, 0.33502f, 0.00055f}, {}}},
    .knot = {-1, -0.2f, 0},
    .lowerPiece = {{{0.159f, 1.604f, 0.82f, 0.135f}, {2.151f, 11.02f, -2.894f}, {}}},
    .upperPiece = {{{1.319f, 4.509f, 1.76f, -0.914f}, {2.21f, 11.77f, -16.209f, -70.589f}, {}}},
    .b0 = 0.58306f,
    .weight = {0.19316f, 0.06236f, 0},
};

const RidgeModel kTripleTandem = {
    .lo1 = 0,
    .hi1 = 3,
    .lo2 = 0.05f,
    .hi2 = 0.4f,
    .inputs = Inputs::kProductQuotient,
    .oneAtZeroP1 = false,
    .direction = {{{-0.54456f, 0.83346f, -0.09349f, -0.00724f}, {0.05007f, 0.87037f, -0.48983f, 0.00362f}, {}}},
    .knot = {-1, 0.12f, 0},
    .lowerPiece = {{{0.23f, 1.078f, 0.177f}, {-1.754f, 11.049f, 8.611f}, {}}},
    .upperPiece = {{{2.48f, 6.329f, 3.363f}, {-2.398f, 20.152f, -15.813f}, {}}},
    .b0 = 0.44485f,
    .weight = {0.17726f, 0.02072f, 0},
};

const RidgeModel kEdgeOffset = {
    .lo1 = 0,
    .hi1 = 2,
    .lo2 = 0.1f,
    .hi2 = 0.4f,
    .inputs = Inputs::kQuotient,
    .oneAtZeroP1 = true,
    .direction = {{{-0.98868f, -0.12214f, -0.08717f}, {0.19802f, 0.98019f, 0.00305f}, {}}},
    .knot = {-2.5f, 0.5f, 0},
    .lowerPiece = {{{0.693f, 1.279f, 0.369f, 0.037f}, {-2.285f, 5.921f, -6.001f, 7.743f}, {}}},
    .upperPiece = {{{2.839f, 8.234f, 8.158f, 3.608f, 0.576f}, {-3.008f, 4.693f, 4.334f, -2.167f}, {}}},
    .b0 = 0.61711f,
    .weight = {0.15373f, 0.02504f, 0},
};

}  // namespace

float DualFactor(float sdOverL, float aOverL) { return EvaluateRidgeModel(kDual, sdOverL, aOverL); }
float TandemFactor(float stOverL, float aOverL) { return EvaluateRidgeModel(kTandem, stOverL, aOverL); }
float TripleTandemFactor(float twoStOverL, float aOverL) {
  return EvaluateRidgeModel(kTripleTandem, twoStOverL, aOverL);
}
float EdgeOffsetRatio(float xOverL, float aOverL) { return EvaluateRidgeModel(kEdgeOffset, xOverL, aOverL); }
