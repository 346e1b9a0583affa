// A layered elastic system: layers on a half-space, their interfaces, circular loads and stress points.
#pragma once

#include <string>
#include <vector>

// One elastic layer; the last layer of a structure is a half-space and its thickness is not used.
struct ElasticLayer {
  double modulus = 0;  // E, any stress unit (the stresses come out in the loads' pressure unit)
  double poisson = 0;  // ν, 0 <= ν < 0.5
  double thickness = 0;
};

// How a layer rests on the one below: bonded (stresses and displacements continuous) or frictionless
// (vertical stress and displacement continuous, no shear on either face).
enum class Interface { kBonded, kFrictionless };

// Layers from the surface down; interfaces[i] joins layers[i] and layers[i + 1].
struct LayeredStructure {
  std::vector<ElasticLayer> layers;
  std::vector<Interface> interfaces;
};

// A uniform vertical pressure on a circle of the surface, centred at (x, y); a positive pressure pushes down.
struct CircularLoad {
  double x = 0;
  double y = 0;
  double pressure = 0;
  double radius = 0;
};

// A point of the structure; z is the depth below the surface (lengths in the loads' unit). A point on
// an interface belongs to the layer above it.
struct StressPoint {
  double x = 0;
  double y = 0;
  double z = 0;
};

// Stresses at a point, tension positive, in the loads' pressure unit.
struct StressTensor {
  double xx = 0;
  double yy = 0;
  double zz = 0;
  double xy = 0;
  double xz = 0;
  double yz = 0;
};

// Why the structure cannot be analysed (no layer, an interface count that does not fit, a modulus or
// thickness that is not above 0, a Poisson's ratio outside [0, 0.5)), or an empty text.
std::string StructureError(const LayeredStructure& structure);

// The depth of the top of layer i, the sum of the thicknesses above it.
double LayerTop(const LayeredStructure& structure, std::size_t layer);

// The largest principal stress in the horizontal plane, (σx+σy)/2 + √(((σx−σy)/2)² + τxy²).
double MaxHorizontalPrincipal(const StressTensor& stress);
