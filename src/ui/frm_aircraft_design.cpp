// The design view's command: "Design Thickness" checks the three inputs and designs.
#include <QAction>

#include "engine/design_command.h"
#include "state/program_title.h"
#include "ui/document/document_pdf.h"
#include "ui/frm_aircraft.h"

void frmAircraft::cmdDesign_Click() {
  const int designsBefore = state_.designResult.number;
  // The ranges follow the check mark of the English item, which the unit commands keep with the flags.
  const Outcome outcome =
      CheckInputsAndDesign(state_, menus_.EnglishOption->isChecked(), services_.messages, [this] { ShowInputs(); });
  if (state_.designResult.number != designsBefore) state_.designResult.date = DocumentDate();
  ShowInputs();
  if (!outcome) services_.messages.MsgBox(outcome.message, kMsgOk, kProgramName);
}
