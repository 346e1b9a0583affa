// The design the analysis explains and the analysis window that shows it, kept up with the main window.
#pragma once

#include <QPointer>
#include <optional>
#include <string>
#include <utility>

#include "analysis/sensitivity.h"
#include "engine/design_thickness.h"
#include "services/file_dialogs.h"
#include "services/message_box.h"
#include "state/program_state.h"

class QWidget;
class frmAnalysis;

class AnalysisKeeper {
 public:
  AnalysisKeeper(FileDialogs& files, MessageBox& messages, QWidget* owner);

  // A design was made: `used` is what it computed with, its thickness the state's design result.
  void DesignMade(PreparedDesign used);
  // True while the state shows a design (the thickness caption is not empty) that is kept here.
  bool HasDesign(const ProgramState& state) const;
  // What the design kept here computed with; null before the first design.
  const PreparedDesign* Design() const { return design_ ? &*design_ : nullptr; }
  // The day the design kept here was made (2026-12-06).
  const std::string& DesignDate() const { return designDate_; }
  // The sensitivity of the design kept here as the window shows it: in the unit in force, the
  // design's own caption that of the state.
  Sensitivity SensitivityShown(const ProgramState& state);
  // Brings an open window up to the state: the design shown in the unit in force, or no design.
  void Follow(const ProgramState& state);
  // Opens the window (or brings it to the front) showing the state's design.
  frmAnalysis* Open(const ProgramState& state);
  void Close();

 private:
  // The sensitivity of the design kept here, made from the state that shows it when first drawn.
  const Sensitivity& SensitivityOf(const ProgramState& state);

  FileDialogs& files_;
  MessageBox& messages_;
  QWidget* owner_;
  std::optional<PreparedDesign> design_;
  std::string designDate_;
  int designNumber_ = 0;                       // counts the designs, so that the window knows when it shows an old one
  QPointer<frmAnalysis> window_;               // deleted when closed, so that each opening builds it anew
  std::optional<std::pair<int, bool>> drawn_;  // design number and metric flag the window shows
  std::optional<std::pair<int, Sensitivity>> sensitivity_;  // by design number
};
