// The standard subgrade category of a subgrade, from its modulus of subgrade reaction k.
#pragma once

#include "rating/aircraft_classification.h"
#include "units/si_factors.h"

// The subgrade's elastic modulus in MPa by the usual correlation E = 26 k^1.284 (E in psi, k in pci).
double SubgradeModulusMpa(double kPci);

// A when E >= 150 MPa, B when 100 <= E < 150, C when 60 <= E < 100, D below 60 (and for a modulus that
// is not a number).
SubgradeCategory CategoryOfModulus(double eMpa);
