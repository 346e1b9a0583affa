// The design view's command: "Design Thickness" checks the three inputs and designs.
#include <QAction>

#include "engine/input_check.h"
#include "state/program_title.h"
#include "ui/frm_aircraft.h"

void frmAircraft::cmdDesign_Click() {
  // The ranges follow the check mark of the English item, which the unit commands keep with the flags.
  const Outcome outcome =
      CheckInputsAndDesign(state_, EnglishOption->isChecked(), services_.messages, [this] { ShowInputs(); });
  ShowInputs();
  if (!outcome) services_.messages.MsgBox(outcome.message, kMsgOk, kProgramName);
}
