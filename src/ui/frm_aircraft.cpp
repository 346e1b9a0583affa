// The main window's start-up, activation, closing and the state shown in its input controls.
#include "ui/frm_aircraft.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "aircraft/initial_state.h"
#include "aircraft/library_reader.h"
#include "aircraft/mix_grid.h"
#include "state/program_title.h"
#include "ui/analysis/analysis_keeper.h"
#include "ui/frm_about.h"
#include "ui/frm_changedata.h"

frmAircraft::frmAircraft(PlatformServices services, std::string programDirectory, QWidget* parent)
    : QMainWindow(parent), services_(services), programDirectory_(std::move(programDirectory)) {
  CreateControls();
  CreateMenus();
  CreateAnalysisMenu();
  ConnectHandlers();
  Form_Initialize();
  Form_Load();
  AddKeyboardAndHelp();
}

frmAircraft::~frmAircraft() = default;

void frmAircraft::Form_Initialize() {
  Outcome library;
  {
    BusyScope busy(services_.busy);
    library = InitializeState(state_, LibraryPath());
  }
  ShowInitialState();
  // The window still opens, with the aircraft that were read; a warning is told once, here, and not again
  // when a file read reads the library anew.
  if (!library.message.empty()) services_.messages.MsgBox(library.message, kMsgOk, kProgramName);
}

void frmAircraft::Form_Load() { ApplyLayout(false); }

void frmAircraft::Form_Activate() {
  aircraftView_.Grid1->setColumnCount(kGridColumns);
  if (state_.mixnext == 0) {
    state_.mixnext = 1;
    BuildGridHeader();
  }
  if (!aircraftListFilled_) {
    FillAircraftList();
    aircraftListFilled_ = true;
  }
}

void frmAircraft::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void frmAircraft::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ApplyLayout(true);
}

void frmAircraft::closeEvent(QCloseEvent* event) {
  if (Form_Unload()) {
    event->ignore();
    return;
  }
  if (changeDialog) changeDialog->close();
  if (aboutBox) aboutBox->close();
  if (helpWindow) helpWindow->close();
  analysis_->Close();
  event->accept();
}

void frmAircraft::FileExit_Click() { close(); }

// Modeless: an open box is brought to the front, a closed one is built anew.
void frmAircraft::mnuAbout_Click() {
  if (!aboutBox) aboutBox = new frmAbout(this);
  aboutBox->show();
  aboutBox->raise();
  aboutBox->activateWindow();
}

std::string frmAircraft::LibraryPath() const { return programDirectory_ + "/" + kLibraryFileName; }

void frmAircraft::ShowInitialState() {
  analysis_->DropEvaluation();
  ShowTitleView();
  ShowInputsAndRefreshAnalysis();
  // The unit items follow the flags, so a reset always shows them English.
  ShowUnitItems(state_.IsMetric());
}

void frmAircraft::DesignOutdated() {
  state_.lbh.clear();
  analysis_->DropEvaluation();
  ShowInputsAndRefreshAnalysis();
}

void frmAircraft::ShowInputsAndRefreshAnalysis() {
  // Only changed texts are replaced, so the cursor of a box the user is typing in stays put.
  const auto setText = [](QLineEdit* box, const std::string& text) {
    const QString wanted = QString::fromStdString(text);
    if (box->text() != wanted) box->setText(wanted);
  };
  setText(designView_.TxtE, state_.TxtE);
  setText(designView_.TxtSc, state_.TxtSc);
  setText(designView_.Txtk, state_.Txtk);
  designView_.lbh->setText(QString::fromStdString(state_.lbh));
  designView_.LbunitE->setText(QString::fromStdString(state_.LbunitE));
  designView_.LbunitSc->setText(QString::fromStdString(state_.LbunitSc));
  designView_.Lbunitk->setText(QString::fromStdString(state_.Lbunitk));
  designView_.Lbunith->setText(QString::fromStdString(state_.Lbunith));
  ShowHelpTips();
  ShowAnalysisState();
}
