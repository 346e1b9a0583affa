// Checks of a layered structure and the stress invariants used by its users.
#include "layered/layered_structure.h"

#include <cmath>

std::string StructureError(const LayeredStructure& structure) {
  const std::vector<ElasticLayer>& layers = structure.layers;
  if (layers.empty()) return "a structure needs at least one layer";
  if (structure.interfaces.size() + 1 != layers.size())
    return "a structure needs one interface between each two layers";
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const ElasticLayer& layer = layers[i];
    const std::string name = "layer " + std::to_string(i + 1);
    if (!(layer.modulus > 0) || !std::isfinite(layer.modulus)) return name + ": the modulus must be above 0";
    if (!(layer.poisson >= 0 && layer.poisson < 0.5))
      return name + ": Poisson's ratio must be at least 0 and below 0.5";
    if (i + 1 < layers.size() && (!(layer.thickness > 0) || !std::isfinite(layer.thickness)))
      return name + ": the thickness must be above 0";
  }
  return {};
}

double LayerTop(const LayeredStructure& structure, std::size_t layer) {
  double depth = 0;
  for (std::size_t i = 0; i < layer && i < structure.layers.size(); ++i) depth += structure.layers[i].thickness;
  return depth;
}

double MaxHorizontalPrincipal(const StressTensor& s) {
  const double mean = (s.xx + s.yy) / 2;
  const double half = (s.xx - s.yy) / 2;
  return mean + std::sqrt(half * half + s.xy * s.xy);
}
