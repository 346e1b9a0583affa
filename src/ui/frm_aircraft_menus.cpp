// The main window's menu bar, and the wiring of every control and menu item to its handler.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <utility>

#include "ui/frm_aircraft.h"
#include "ui/twips.h"

namespace {

QAction* AddItem(QWidget* menu, QObject* owner, const char* name, const QString& caption) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(name);
  menu->addAction(action);
  return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(name);
  return menu;
}

void AddSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(name); }

}  // namespace

void frmAircraft::CreateMenus() {
  QMenuBar* bar = menuBar();
  File = AddMenu(bar, "File", tr("&File"));
  mnuDefaultOptions = File->addMenu(tr("&Default Options"));
  mnuDefaultOptions->setObjectName("mnuDefaultOptions");
  MetricOption = AddItem(mnuDefaultOptions, this, "MetricOption", tr("&Metric System"));
  MetricOption->setCheckable(true);
  EnglishOption = AddItem(mnuDefaultOptions, this, "EnglishOption", tr("&English System"));
  EnglishOption->setCheckable(true);
  EnglishOption->setChecked(true);
  EnglishOption->setEnabled(false);
  AddSeparator(File, "line0");
  FileLoad = AddItem(File, this, "FileLoad", tr("&Read Data From File..."));
  FileSave = AddItem(File, this, "FileSave", tr("&Save Input Data..."));
  AddSeparator(File, "line0b");
  mnuSaveReport = AddItem(File, this, "mnuSaveReport", tr("S&ave Report..."));
  mnuSaveReport->setVisible(false);
  mnuPrintReport = AddItem(File, this, "mnuPrintReport", tr("&Print Report..."));
  AddSeparator(File, "line1");
  FileExit = AddItem(File, this, "FileExit", tr("E&xit"));

  mnuAircraft = AddItem(bar, this, "mnuAircraft", tr("&Aircraft Data"));
  mnuPvmtStru = AddItem(bar, this, "mnuPvmtStru", tr("&Design Structure"));

  // Items of the designed menu that are never shown.
  mnuLink = AddMenu(bar, "mnuLink", tr("&Link"));
  AddItem(mnuLink, this, "mnuz805era", tr("&Z805ERA"));
  AddItem(mnuLink, this, "mnuZIRARI", tr("&ZIRARI"));
  mnuLink->menuAction()->setVisible(false);
  mnuReport = AddItem(bar, this, "mnuReport", tr("&Report"));
  mnuReport->setVisible(false);

  mnuHelp = AddMenu(bar, "mnuHelp", tr("&Help"));
  mnuAbout = AddItem(mnuHelp, this, "mnuAbout", tr("&About"));

  // The designed client area, below the menu bar.
  resize(TwipsToPixels(7260, this), TwipsToPixels(5340, this) + bar->sizeHint().height());
}

void frmAircraft::ConnectHandlers() {
  using Handler = void (frmAircraft::*)();
  const std::pair<QAction*, Handler> items[] = {{MetricOption, &frmAircraft::MetricOption_Click},
                                                {EnglishOption, &frmAircraft::EnglishOption_Click},
                                                {FileLoad, &frmAircraft::FileLoad_Click},
                                                {FileSave, &frmAircraft::FileSave_Click},
                                                {mnuPrintReport, &frmAircraft::mnuPrintReport_Click},
                                                {FileExit, &frmAircraft::FileExit_Click},
                                                {mnuAircraft, &frmAircraft::mnuAircraft_Click},
                                                {mnuPvmtStru, &frmAircraft::mnuPvmtStru_Click},
                                                {mnuReport, &frmAircraft::mnuReport_Click},
                                                {mnuAbout, &frmAircraft::mnuAbout_Click}};
  for (const auto& [item, handler] : items) connect(item, &QAction::triggered, this, handler);

  const std::pair<QPushButton*, Handler> buttons[] = {{cmdDesign, &frmAircraft::cmdDesign_Click},
                                                      {cmdReport, &frmAircraft::cmdReport_Click},
                                                      {cmdAdd, &frmAircraft::cmdAdd_Click},
                                                      {cmdDel, &frmAircraft::cmdDel_Click},
                                                      {cmddelall, &frmAircraft::cmddelall_Click}};
  for (const auto& [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);

  // Enter on a list item adds it, as a double-click does.
  connect(ListAircraft, &QListWidget::itemActivated, this, &frmAircraft::ListAircraft_DblClick);
  connect(Grid1, &QTableWidget::cellClicked, this, &frmAircraft::Grid1_Click);
  connect(Grid1, &QTableWidget::cellDoubleClicked, this, &frmAircraft::Grid1_DblClick);

  // The state holds the input texts as the user types them. The window only ever shows the state's
  // own text, so a text that differs from it is the user's change, and the design shown is no longer
  // the design of the inputs shown.
  const std::pair<QLineEdit*, std::string ProgramState::*> boxes[] = {
      {TxtE, &ProgramState::TxtE}, {TxtSc, &ProgramState::TxtSc}, {Txtk, &ProgramState::Txtk}};
  for (const auto& [box, text] : boxes)
    connect(box, &QLineEdit::textChanged, this, [this, member = text](const QString& typed) {
      // A text the box only shows keeps the state's bytes, so a file's text that is not UTF-8 is saved
      // back unchanged instead of as replacement characters.
      if (typed == QString::fromStdString(state_.*member)) return;
      state_.*member = typed.toStdString();
      DesignOutdated();
    });
}
