// The design view's command: "Design Thickness" checks the three inputs and designs.
#include <QAction>

#include "engine/design_command.h"
#include "state/program_title.h"
#include "ui/analysis/analysis_keeper.h"
#include "ui/frm_aircraft.h"

void frmAircraft::cmdDesign_Click() {
  // Stays a failure unless a design runs and succeeds; then it holds what that design computed with.
  PreparedDesign used;
  used.outcome = Outcome::Failure("no design");
  // The ranges follow the check mark of the English item, which the unit commands keep with the flags.
  const Outcome outcome = CheckInputsAndDesign(
      state_, menus_.EnglishOption->isChecked(), services_.messages, [this] { ShowInputs(); }, &used);
  if (used.outcome) analysis_->DesignMade(std::move(used));
  ShowInputs();
  if (!outcome) services_.messages.MsgBox(outcome.message, kMsgOk, kProgramName);
}
