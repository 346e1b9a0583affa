// The record of the last design: what it computed with and what it found, kept in the program state.
#pragma once

#include <array>
#include <string>
#include <vector>

inline constexpr int kMaxAircraft = 65;  // library rows and mix positions run 1..65

// Material inputs of a design, English units (psi, psi, pci).
struct DesignInputs {
  double e = 0;   // elastic modulus of concrete
  double sc = 0;  // flexural strength of concrete
  double k = 0;   // modulus of subgrade reaction
  double mu = 0;  // Poisson's ratio of the concrete, set by the design from the engine's

  bool operator==(const DesignInputs&) const = default;
};

// One aircraft's library values as numbers, English units (lb, psi, in).
struct AircraftData {
  double grossWeight = 0;    // W
  double departures = 0;     // N, passes per year
  double gearLoadPct = 0;    // pct of W on the gear
  double tirePressure = 0;   // p
  double wheelCount = 0;     // n
  double dualSpacing = 0;    // Sd
  double tandemSpacing = 0;  // St
  double contactWidth = 0;   // w

  bool operator==(const AircraftData&) const = default;
};

// One aircraft of the mix, in English units, ready to be evaluated at any thickness.
struct MixAircraft {
  int row = 0;  // library row
  std::string name;
  AircraftData data;
  double passToCoverage = 0;

  bool operator==(const MixAircraft&) const = default;
};

// What a design computes with: the material inputs and the mix aircraft in mix order, English units.
struct DesignBasis {
  DesignInputs inputs;
  std::vector<MixAircraft> mix;

  bool operator==(const DesignBasis&) const = default;
};

// The last design, kept until the next one: its thickness, its results per library row (rows 0..65;
// only rows of the mix are written) and the inputs and mix it computed with. The analysis (damage curve,
// shares, evaluation, sensitivity, rating) computes from this record alone. The report and the design
// document take their results from it but print the live input texts and mix beside them (BuildReport
// reads TxtE, TxtSc, Txtk and acdata): those are the design's own, because typing an input, changing
// the mix or reading a file clears the design (the thickness caption), and both then refuse to print;
// a unit switch keeps it and converts the texts with it.
struct DesignResult {
  double thicknessIn = 0;  // design thickness, inches
  float damage = 0;        // cumulative damage D at thicknessIn, as the search's last pass summed it
  std::array<float, kMaxAircraft + 1> sigmaWe{};         // Westergaard edge stress, psi
  std::array<float, kMaxAircraft + 1> gearFactor{};      // Fg
  std::array<float, kMaxAircraft + 1> wanderFactor{};    // F3
  std::array<float, kMaxAircraft + 1> passToCoverage{};  // P/C
  std::array<double, kMaxAircraft + 1> allowableCoverages{};
  std::array<float, kMaxAircraft + 1> damageRatioPct{};  // percent

  DesignBasis basis;
  int number = 0;    // 1 for the first design of the state, one more for each design after it
  std::string date;  // the day it was made ("2026-12-06"), stamped by the command that made it
};
