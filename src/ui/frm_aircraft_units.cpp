// The unit switch: the two items of "&Default Options", their check marks and the window after a switch.
#include <QAction>
#include <QPlainTextEdit>

#include "state/program_title.h"
#include "ui/analysis/analysis_keeper.h"
#include "ui/frm_aircraft.h"
#include "units/number_text.h"
#include "units/unit_switch.h"

void frmAircraft::MetricOption_Click() { SwitchUnits(true); }

void frmAircraft::EnglishOption_Click() { SwitchUnits(false); }

// The items first, then the confirmation, then the conversion; the inputs, the labels and the grid
// then show the converted values (rebuilding the mix rows also closes the change-data dialog). A switch
// keeps the design, so a report shown is rebuilt as that design's report in the new unit; one that
// cannot be built leaves the box empty rather than in the other unit.
void frmAircraft::SwitchUnits(bool metric) {
  ShowUnitItems(metric);
  services_.messages.MsgBox(metric ? "Metric System Selected" : "English System Selected", kMsgOkSecondDefault,
                            kProgramName);
  // An input that is not a number stays as it is: a leading number it begins with ("1e3x") then counts in
  // the other unit, so an evaluation made with it no longer belongs to the inputs shown.
  for (const std::string* input : {&state_.TxtE, &state_.TxtSc, &state_.Txtk})
    if (!IsNumber(*input) && LeadingNumber(*input) != 0) analysis_->DropEvaluation();
  if (metric)
    ConvertToMetric(state_);
  else
    ConvertToEnglish(state_);
  ShowInputsAndRefreshAnalysis();
  BuildGridHeader();
  FillMixGrid(state_.mixlist, state_.MixCount());
  if (!designView_.txtReports->isHidden() && !(state_.HasCurrentDesign() && ShowReport()))
    designView_.txtReports->clear();
}

void frmAircraft::ShowUnitItems(bool metric) {
  menus_.EnglishOption->setChecked(!metric);
  menus_.MetricOption->setChecked(metric);
  menus_.EnglishOption->setEnabled(metric);
  menus_.MetricOption->setEnabled(!metric);
}
