// The computation module: plain functions of the rigid-pavement design, English units throughout.
#pragma once

#include <array>

// One projection-pursuit regression model with piecewise-polynomial ridge functions.
struct RidgeModel {
  enum class Inputs {
    kProduct,          // X = p1, p2, p1*p2
    kProductQuotient,  // X = p1, p2, p1*p2, p1/p2
    kQuotient,         // X = p1, p2, p1/p2
  };
  static constexpr int kMaxRidges = 3;
  static constexpr int kMaxInputs = 17;
  static constexpr int kTerms = 6;  // Y^0 .. Y^5

  float lo1, hi1, lo2, hi2;  // domains of p1 and p2
  Inputs inputs;
  bool oneAtZeroP1;  // the edge-offset rule: p1 = 0 gives exactly 1
  std::array<std::array<float, kMaxInputs>, kMaxRidges> direction;
  std::array<float, kMaxRidges> knot;
  std::array<std::array<float, kTerms>, kMaxRidges> lowerPiece;  // used when Y <= knot
  std::array<std::array<float, kTerms>, kMaxRidges> upperPiece;  // used when Y > knot
  float b0;
  std::array<float, kMaxRidges> weight;  // b1, b2, b3
};

float ClampRange(float x, float lo, float hi);
float EvaluateRidgeModel(const RidgeModel& model, float p1, float p2);

float DualFactor(float sdOverL, float aOverL);
float TandemFactor(float stOverL, float aOverL);
float TripleTandemFactor(float twoStOverL, float aOverL);
float EdgeOffsetRatio(float xOverL, float aOverL);

// Gear factor Fg of a gear with dual spacing sd, tandem spacing st and n wheels (lengths in inches).
float GearFactor(double a, double l, double sd, double st, double n);

// Wander factor F3: equivalent stress over the tire width under normal wander, divided by the edge stress.
double FactorF3(double sc, double l, double alpha, float sigmaWe, double w, float fg);

// The constants of the method, each defined here once.
inline constexpr double kPoisson = 0.15;             // Poisson's ratio of the concrete
inline constexpr double kPi = 3.14;                  // the design's value of pi in the contact radius and edge stress
inline constexpr double kDesignLifeYears = 20;       // the design period the departures repeat over
inline constexpr double kWanderDeviationIn = 30.5;   // standard deviation of the traffic's lateral wander
inline constexpr double kLoadTransferFactor = 0.75;  // the free-edge stress reduced for load transfer
// The concrete's fatigue line: Sc / stress = kFatigueIntercept + kFatigueSlope * log10(coverages).
inline constexpr double kFatigueIntercept = 0.59;
inline constexpr double kFatigueSlope = 0.2952;

// Radius of relative stiffness l of a slab of thickness h (in).
double RadiusOfRelativeStiffness(double h, double e, double mu, double k);
// Radius of the circular print of one tire carrying wheelLoad (lb) at pressure p (psi).
double ContactRadius(double wheelLoad, double p);
// Westergaard edge stress of the whole gear load on one tire's contact circle (psi).
double WestergaardEdgeStress(double h, double e, double mu, double k, double w, double pct, double p, double n);

// Pass-to-coverage ratio of a gear with dual spacing sd and tire contact width w; sd at most 100 in.
double PassToCoverageRatio(double sd, double w);
inline constexpr double kMaxDualSpacingIn = 100;  // the pass-to-coverage table holds whole inches 0..100

// Allowable coverages of the concrete at design stress sigma (psi); infinite when beyond a double.
double AllowableCoverages(double sc, double sigma);
