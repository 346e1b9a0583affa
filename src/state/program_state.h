// The main window's whole state: library tables, traffic mix, unit flags, input texts, the last design.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "state/design_record.h"

inline constexpr int kFieldCount = 9;  // fields 1..9 of an aircraft record

// Library fields of an aircraft record (index into an acdata row).
enum Field : int {
  kFieldName = 1,
  kFieldGrossWeight = 2,
  kFieldDepartures = 3,
  kFieldGearLoadPct = 4,
  kFieldTirePressure = 5,
  kFieldWheelCount = 6,
  kFieldDualSpacing = 7,
  kFieldTandemSpacing = 8,
  kFieldContactWidth = 9,
};

using LibraryRow = std::array<std::string, kFieldCount + 1>;
using LibraryTable = std::array<LibraryRow, kMaxAircraft + 1>;

struct ProgramState {
  // Aircraft library (element 0 of every table is never used). The strings start empty without braces;
  // clang 14 crashes on the value-initialisation of this nested array of strings.
  LibraryTable acdata;
  LibraryRow achead{};
  int16_t account = 0;

  // Traffic mix: position p holds a library row, 0 = empty; mix count is mixnext - 1.
  std::array<int16_t, kMaxAircraft + 1> mixlist{};
  int16_t mixnext = 0;

  // Unit system: exactly one flag is 1.
  int16_t EngFlag = 1;
  int16_t SIFlag = 0;

  // Texts of the material input boxes and the caption of the thickness label.
  std::string TxtE = "4000000";
  std::string TxtSc = "650";
  std::string Txtk = "200";
  std::string lbh;

  // Unit labels beside the inputs and the thickness.
  std::string LbunitE = "psi";
  std::string LbunitSc = "psi";
  std::string Lbunitk = "pci";
  std::string Lbunith = "in";

  // Unit word above grid column i - 1 (elements 3, 4 and 6 stay empty).
  LibraryRow unitword{};

  DesignResult designResult;  // the last design; a file read or reset keeps it

  // The input data file the data were read from or saved to last, and its title line (its first
  // line); both empty while the data were neither read from nor saved to a file.
  std::string inputFile;
  std::string inputTitle;
  // What a design of the data would compute with as the file held them when it was read or saved
  // (nothing when they could not be designed), and whether it was saved: a design whose basis differs
  // was made from data changed since.
  std::optional<DesignBasis> inputFileBasis;
  bool inputFileSaved = false;

  bool IsMetric() const { return EngFlag != 1 && SIFlag == 1; }
  // The stored results belong to the inputs and mix shown while the thickness caption shows them:
  // every change of what a design reads clears lbh.
  bool HasCurrentDesign() const { return !lbh.empty(); }
  int MixCount() const;  // mixnext - 1, never below 0
};
