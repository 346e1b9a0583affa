// The main gear of an aircraft as circular wheel loads, the loading of its classification rating.
#pragma once

#include <string>
#include <vector>

#include "layered/layered_structure.h"
#include "state/design_record.h"

struct AcrGear {
  std::vector<CircularLoad> wheels;  // inches, psi
  std::string error;                 // the faulty field and why, when the values make no gear
};

// The gear a library record describes: gross weight × gear load percentage / 100 shared equally by its
// wheels, each a circle of the tire pressure. Wheels (x across, y along the aircraft; Sd, St the dual
// and tandem spacing): 1 at (0, 0); 2 at (±Sd/2, 0), or (0, 0) and (0, St) when Sd is 0; 4 at
// (±Sd/2, 0) and (±Sd/2, St); 6 at (±Sd/2, −St), (±Sd/2, 0) and (±Sd/2, St).
AcrGear GearOf(const AircraftData& aircraft);

// The radius of a circle carrying `load` at `pressure` (with π itself, not the design method's 3.14).
double ContactCircleRadius(double load, double pressure);
