// The report commands: "Report" shows the report in txtReports, "&Print Report..." prints it.
#include <QAction>
#include <QPlainTextEdit>

#include "report/report_file.h"
#include "report/report_printing.h"
#include "state/program_title.h"
#include "ui/frm_aircraft.h"

bool frmAircraft::DesignShownOrAsk() {
  if (state_.HasCurrentDesign()) return true;
  services_.messages.MsgBox("Plesae click \"Design Thickness\" button, First !  ", kMsgCancelTryAgainContinue,
                            kProgramName);
  return false;
}

void frmAircraft::cmdReport_Click() {
  if (!DesignShownOrAsk()) return;
  // "&Design Structure" is the way back from the report to the design view.
  if (ShowReport()) menus_.mnuPvmtStru->setEnabled(true);
}

// The temporary file goes as soon as its lines are read.
Outcome frmAircraft::ReportLinesFromFile(std::vector<std::string>& lines) const {
  TemporaryReportFile file(programDirectory_);
  Outcome built = file.Write(state_);
  if (built) built = file.ReadLines(lines);
  return built;
}

void frmAircraft::mnuReport_Click() {
  if (state_.HasCurrentDesign()) ShowReport();
}

bool frmAircraft::ShowReport() {
  std::vector<std::string> lines;
  Outcome shown;
  {
    BusyScope busy(services_.busy);
    shown = ReportLinesFromFile(lines);
  }
  if (!shown) {
    services_.messages.MsgBox(shown.message, kMsgOk, kProgramName);
    return false;
  }
  // The box turns every CR LF into a line break of its own.
  designView_.txtReports->setPlainText(QString::fromStdString(WithLineEnds(lines)));
  designView_.txtReports->setVisible(true);
  return true;
}

// The report is built once, whatever the number of copies; the temporary file goes with the command.
// As "Report" does, it asks for a design first: a report of no current design would print results that
// belong to other inputs.
void frmAircraft::mnuPrintReport_Click() {
  if (!DesignShownOrAsk()) return;
  const std::optional<int> copies = services_.printer.ShowPrintDialog();
  if (!copies) return;
  Outcome printed;
  {
    BusyScope busy(services_.busy);
    // The temporary file stays while the copies are printed, and goes with the command.
    TemporaryReportFile file(programDirectory_);
    std::vector<std::string> lines;
    printed = file.Write(state_);
    if (printed) printed = file.ReadLines(lines);
    if (printed) printed = PrintCopies(services_.printer, lines, *copies);
  }
  if (!printed) services_.messages.MsgBox(printed.message, kMsgOk, kProgramName);
}
