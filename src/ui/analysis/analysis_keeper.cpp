// Keeping the analysis window in step with the design shown on the main window.
#include "ui/analysis/analysis_keeper.h"

#include "ui/analysis/frm_analysis.h"
#include "ui/analysis/window_placement.h"
#include "ui/document/document_pdf.h"

AnalysisKeeper::AnalysisKeeper(FileDialogs& files, MessageBox& messages, QWidget* owner)
    : files_(files), messages_(messages), owner_(owner) {}

void AnalysisKeeper::DesignMade(PreparedDesign used) {
  design_ = std::move(used);
  designDate_ = DocumentDate();
  ++designNumber_;
}

bool AnalysisKeeper::HasDesign(const ProgramState& state) const { return design_ && state.HasCurrentDesign(); }

void AnalysisKeeper::Follow(const ProgramState& state) {
  if (!window_) return;
  std::optional<std::pair<int, bool>> wanted;
  if (HasDesign(state)) wanted = std::pair(designNumber_, state.IsMetric());
  if (wanted == drawn_) return;
  if (wanted) {
    window_->ShowDesign(*design_, state.designResult, state.IsMetric(), state.lbh);
    window_->ShowSensitivity(SensitivityShown(state));
  } else
    window_->ClearDesign();
  drawn_ = wanted;
}

Sensitivity AnalysisKeeper::SensitivityShown(const ProgramState& state) {
  // A unit switch converts the design's thicknesses, as it converts the caption, rather than
  // designing the converted inputs again.
  Sensitivity shown = InUnit(SensitivityOf(state), state.IsMetric());
  shown.designCaption = state.lbh;
  return shown;
}

const Sensitivity& AnalysisKeeper::SensitivityOf(const ProgramState& state) {
  // The state shows the design, so its inputs are those designed: the sensitivity scales them.
  if (!sensitivity_ || sensitivity_->first != designNumber_)
    sensitivity_.emplace(designNumber_, DesignSensitivity(state));
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
