// The design the analysis explains and the analysis window that shows it, kept up with the main window.
#pragma once

#include <QPointer>
#include <optional>
#include <utility>

#include "analysis/sensitivity.h"
#include "services/file_dialogs.h"
#include "services/message_box.h"
#include "state/program_state.h"

class QWidget;
class frmAnalysis;

class AnalysisKeeper {
 public:
  AnalysisKeeper(FileDialogs& files, MessageBox& messages, QWidget* owner);

  // The sensitivity of the state's design as the window shows it: in the unit in force, the design's
  // own caption that of the state.
  Sensitivity SensitivityShown(const ProgramState& state);
  // Brings an open window up to the state: the design shown in the unit in force, or no design. An
  // evaluation goes when the design it was made with goes or is replaced, and is converted by a unit
  // switch.
  void Follow(const ProgramState& state);
  // What a design reads has changed, or was read anew: the evaluation of the data as they were goes.
  void DropEvaluation();
  // Opens the window (or brings it to the front) showing the state's design.
  frmAnalysis* Open(const ProgramState& state);
  void Close();

 private:
  // The sensitivity of the state's design, made from the state that shows it when first drawn.
  const Sensitivity& SensitivityOf(const ProgramState& state);

  FileDialogs& files_;
  MessageBox& messages_;
  QWidget* owner_;
  QPointer<frmAnalysis> window_;  // deleted when closed, so that each opening builds it anew
  // What the window shows: the number of the design drawn (none without a design) and the unit system.
  struct Drawn {
    std::optional<int> design;
    bool metric = false;
    bool operator==(const Drawn&) const = default;
  };
  std::optional<Drawn> drawn_;                              // nothing in a window just built
  std::optional<std::pair<int, Sensitivity>> sensitivity_;  // by design number
};
