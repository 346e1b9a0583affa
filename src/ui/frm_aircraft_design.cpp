// The design view's command: "Design Thickness" checks the three inputs and designs.
#include <QAction>
#include <array>

#include "analysis/design_verdict.h"
#include "document/document_pdf.h"
#include "engine/design_command.h"
#include "state/program_title.h"
#include "ui/frm_aircraft.h"

void frmAircraft::cmdDesign_Click() {
  const int designsBefore = state_.designResult.number;
  const std::array inputsBefore{state_.TxtE, state_.TxtSc, state_.Txtk};
  // The ranges follow the check mark of the English item, which the unit commands keep with the flags.
  const Outcome outcome = CheckInputsAndDesign(state_, menus_.EnglishOption->isChecked(), services_.messages,
                                               [this] { ShowInputsAndRefreshAnalysis(); });
  const bool designed = state_.designResult.number != designsBefore;
  if (designed) state_.designResult.date = DocumentDate();
  // A limit taken at a question changes an input: when no design follows, the design and the evaluation
  // made of the inputs before go, as after typing.
  if (!designed && inputsBefore != std::array{state_.TxtE, state_.TxtSc, state_.Txtk}) DesignOutdated();
  ShowInputsAndRefreshAnalysis();
  if (!outcome) services_.messages.MsgBox(outcome.message, kMsgOk, kProgramName);
  // The search has no failure exit: a thickness it ends at that is no design is shown with a warning.
  if (const std::string warning = VerdictWarning(state_.designResult, state_.IsMetric()); designed && !warning.empty())
    services_.messages.MsgBox(warning, kMsgOkWarning, kProgramName);
}
