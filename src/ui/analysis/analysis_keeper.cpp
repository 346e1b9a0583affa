// Keeping the analysis window in step with the design shown on the main window.
#include "ui/analysis/analysis_keeper.h"

#include "ui/analysis/frm_analysis.h"
#include "ui/analysis/window_placement.h"

AnalysisKeeper::AnalysisKeeper(FileDialogs& files, MessageBox& messages, QWidget* owner)
    : files_(files), messages_(messages), owner_(owner) {}

void AnalysisKeeper::Follow(const ProgramState& state) {
  if (!window_) return;
  // The design number tells a new design from the one drawn; a file read keeps the record and its number.
  const Drawn wanted{state.HasCurrentDesign() ? std::optional(state.designResult.number) : std::nullopt,
                     state.IsMetric()};
  if (wanted == drawn_) return;
  // A slab is evaluated against the data the window shows: another design, or none, takes it away.
  if (drawn_ && wanted.design != drawn_->design) window_->ClearEvaluation();
  if (wanted.design) {
    window_->ShowDesign(state.designResult, state.IsMetric(), state.lbh);
    window_->ShowSensitivity(SensitivityShown(state));
  } else
    window_->ClearDesign();
  window_->ShowEvaluationIn(state.IsMetric());
  drawn_ = wanted;
}

void AnalysisKeeper::DropEvaluation() {
  if (window_) window_->ClearEvaluation();
}

Sensitivity AnalysisKeeper::SensitivityShown(const ProgramState& state) {
  // A unit switch shows the design's thicknesses in the new unit, as it shows the caption, rather than
  // designing the converted inputs again.
  return InUnit(SensitivityOf(state), state.IsMetric());
}

const Sensitivity& AnalysisKeeper::SensitivityOf(const ProgramState& state) {
  // The state shows the design, so its inputs are those designed: the sensitivity scales them.
  const int number = state.designResult.number;
  if (!sensitivity_ || sensitivity_->first != number) sensitivity_.emplace(number, DesignSensitivity(state));
  return sensitivity_->second;
}

frmAnalysis* AnalysisKeeper::Open(const ProgramState& state) {
  if (!window_) {
    window_ = new frmAnalysis(files_, messages_, owner_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    drawn_.reset();  // a new window shows no design
    OpenBesideOwner(window_, owner_->window(), window_->size());
  }
  Follow(state);
  window_->show();
  window_->raise();
  window_->activateWindow();
  return window_;
}

void AnalysisKeeper::Close() {
  if (window_) window_->close();
}
