// The rigid standard structure of the classification rating and its constants, in inches and psi.
#pragma once

#include "layered/layered_structure.h"
#include "rating/aircraft_classification.h"
#include "units/si_factors.h"

inline constexpr double kAcrStressPsi = 2.75 * kPsiPerMpa;            // the slab's allowable stress
inline constexpr double kSingleWheelPressurePsi = 1.50 * kPsiPerMpa;  // the derived single wheel's tire

// Concrete slab of the given thickness (frictionless on the base), 200 mm base (bonded to the subgrade),
// and the category's subgrade as a half-space.
LayeredStructure AcrStructure(SubgradeCategory category, double slabThicknessIn);
