// Evaluation of an existing slab at the thickness the user typed.
#include "analysis/slab_evaluation.h"

Outcome EvaluateSlab(const ProgramState& state, const std::string& typed, MixDamage& mix) {
  double thicknessIn = 0;
  if (Outcome read = ReadSlabThickness(typed, state.IsMetric(), thicknessIn); !read) return read;
  const PreparedDesign design = PrepareDesign(state);
  if (!design.outcome) return design.outcome;
  mix = EvaluateMixDamage(design, thicknessIn);
  return Outcome::Success();
}
