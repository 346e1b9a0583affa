// The analysis menu: "Damage &Chart...", "&Evaluate Thickness..." and "Export &Report...".
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "analysis/slab_evaluation.h"
#include "document/document_pdf.h"
#include "report/report_export.h"
#include "state/program_title.h"
#include "ui/analysis/analysis_keeper.h"
#include "ui/analysis/damage_charts.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/analysis/rating_view.h"
#include "ui/default_page_size.h"
#include "ui/frm_aircraft.h"

void frmAircraft::CreateAnalysisMenu() {
  analysis_ = std::make_unique<AnalysisKeeper>(services_.files, services_.messages, this);
  // After "&Design Structure" (and the hidden titles behind it), before "&Help". Its access key is N:
  // the menu bar claims A for "&Aircraft Data", which the "&Add" button shares already.
  menus_.mnuAnalysis = new QMenu(tr("A&nalysis"), this);
  menus_.mnuAnalysis->setObjectName("mnuAnalysis");
  menuBar()->insertMenu(menus_.mnuHelp->menuAction(), menus_.mnuAnalysis);
  const auto addItem = [this](const char* name, const QString& caption, void (frmAircraft::*handler)()) {
    QAction* item = menus_.mnuAnalysis->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, handler);
    return item;
  };
  menus_.mnuDamageChart = addItem("mnuDamageChart", tr("Damage &Chart..."), &frmAircraft::mnuDamageChart_Click);
  menus_.mnuEvaluateThickness =
      addItem("mnuEvaluateThickness", tr("&Evaluate Thickness..."), &frmAircraft::mnuEvaluateThickness_Click);
  menus_.mnuExportReport = addItem("mnuExportReport", tr("Export &Report..."), &frmAircraft::mnuExportReport_Click);
}

void frmAircraft::ShowAnalysisState() {
  menus_.mnuDamageChart->setEnabled(state_.HasCurrentDesign());
  analysis_->Follow(state_);
}

void frmAircraft::mnuDamageChart_Click() {
  if (state_.HasCurrentDesign()) analysis_->Open(state_);
}

// The slab is evaluated against the data as they are now; the design shown and lbh stay as they are.
void frmAircraft::mnuEvaluateThickness_Click() {
  const std::string unit = ThicknessUnit(state_.IsMetric()).toStdString();
  // Offers the thickness designed last, as the main window shows it.
  const std::optional<std::string> typed = services_.messages.InputBox(
      "Thickness of the existing slab (" + unit + "):", "RIPADES - Evaluate Thickness", state_.lbh);
  if (!typed) return;
  MixDamage mix;
  if (const Outcome evaluated = EvaluateSlab(state_, *typed, mix); !evaluated) {
    services_.messages.MsgBox(evaluated.message, kMsgOk, kProgramName);
    return;
  }
  frmAnalysis* window = analysis_->Open(state_);
  window->ShowEvaluation(mix, state_.IsMetric());
  window->RateEvaluation(PrepareDesign(state_), mix.thicknessIn, state_.IsMetric());
}

void frmAircraft::mnuExportReport_Click() {
  if (!DesignShownOrAsk()) return;
  FileDialogRequest request;
  request.filter = kReportExportFilter;
  request.initialName = "report";
  request.overwritePrompt = true;
  request.addFilterSuffix = true;
  const std::optional<std::string> path = services_.files.ShowSave(request);
  if (!path) return;
  // The document's title block is asked for first, offering what was entered last in this session.
  if (IsPdfName(*path)) {
    const std::optional<DocumentDetails> details = services_.details.AskDetails(documentDetails_);
    if (!details) return;
    documentDetails_ = *details;
  }
  Outcome saved;
  {
    BusyScope busy(services_.busy);
    if (IsPdfName(*path)) {
      // The design, its curve, shares and sensitivity as the analysis window shows them, and its rating.
      saved = SaveDesignPdf(*path, state_, analysis_->SensitivityShown(state_), documentDetails_,
                            RateDesignWhileWaiting(state_.designResult), DefaultPageSize());
    } else {
      std::vector<std::string> lines;
      saved = ReportLinesFromFile(lines);
      if (saved) saved = SaveReportText(*path, lines);
    }
  }
  if (!saved) services_.messages.MsgBox(saved.message, kMsgOk, kProgramName);
}
