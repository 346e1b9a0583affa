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
  menus_.File = AddMenu(bar, "File", tr("&File"));
  menus_.mnuDefaultOptions = menus_.File->addMenu(tr("&Default Options"));
  menus_.mnuDefaultOptions->setObjectName("mnuDefaultOptions");
  menus_.MetricOption = AddItem(menus_.mnuDefaultOptions, this, "MetricOption", tr("&Metric System"));
  menus_.MetricOption->setCheckable(true);
  menus_.EnglishOption = AddItem(menus_.mnuDefaultOptions, this, "EnglishOption", tr("&English System"));
  menus_.EnglishOption->setCheckable(true);
  menus_.EnglishOption->setChecked(true);
  menus_.EnglishOption->setEnabled(false);
  AddSeparator(menus_.File, "line0");
  menus_.FileLoad = AddItem(menus_.File, this, "FileLoad", tr("&Read Data From File..."));
  menus_.FileSave = AddItem(menus_.File, this, "FileSave", tr("&Save Input Data..."));
  AddSeparator(menus_.File, "line0b");
  menus_.mnuSaveReport = AddItem(menus_.File, this, "mnuSaveReport", tr("S&ave Report..."));
  menus_.mnuSaveReport->setVisible(false);
  menus_.mnuPrintReport = AddItem(menus_.File, this, "mnuPrintReport", tr("&Print Report..."));
  AddSeparator(menus_.File, "line1");
  menus_.FileExit = AddItem(menus_.File, this, "FileExit", tr("E&xit"));

  menus_.mnuAircraft = AddItem(bar, this, "mnuAircraft", tr("&Aircraft Data"));
  menus_.mnuPvmtStru = AddItem(bar, this, "mnuPvmtStru", tr("&Design Structure"));

  // Items of the designed menu that are never shown.
  menus_.mnuLink = AddMenu(bar, "mnuLink", tr("&Link"));
  AddItem(menus_.mnuLink, this, "mnuz805era", tr("&Z805ERA"));
  AddItem(menus_.mnuLink, this, "mnuZIRARI", tr("&ZIRARI"));
  menus_.mnuLink->menuAction()->setVisible(false);
  menus_.mnuReport = AddItem(bar, this, "mnuReport", tr("&Report"));
  menus_.mnuReport->setVisible(false);

  menus_.mnuHelp = AddMenu(bar, "mnuHelp", tr("&Help"));
  menus_.mnuAbout = AddItem(menus_.mnuHelp, this, "mnuAbout", tr("&About"));

  // The designed client area, below the menu bar.
  resize(TwipsToPixels(7260, this), TwipsToPixels(5340, this) + bar->sizeHint().height());
}

void frmAircraft::ConnectHandlers() {
  using Handler = void (frmAircraft::*)();
  const std::pair<QAction*, Handler> items[] = {{menus_.MetricOption, &frmAircraft::MetricOption_Click},
                                                {menus_.EnglishOption, &frmAircraft::EnglishOption_Click},
                                                {menus_.FileLoad, &frmAircraft::FileLoad_Click},
                                                {menus_.FileSave, &frmAircraft::FileSave_Click},
                                                {menus_.mnuPrintReport, &frmAircraft::mnuPrintReport_Click},
                                                {menus_.FileExit, &frmAircraft::FileExit_Click},
                                                {menus_.mnuAircraft, &frmAircraft::mnuAircraft_Click},
                                                {menus_.mnuPvmtStru, &frmAircraft::mnuPvmtStru_Click},
                                                {menus_.mnuReport, &frmAircraft::mnuReport_Click},
                                                {menus_.mnuAbout, &frmAircraft::mnuAbout_Click}};
  for (const auto& [item, handler] : items) connect(item, &QAction::triggered, this, handler);

  const std::pair<QPushButton*, Handler> buttons[] = {{designView_.cmdDesign, &frmAircraft::cmdDesign_Click},
                                                      {designView_.cmdReport, &frmAircraft::cmdReport_Click},
                                                      {aircraftView_.cmdAdd, &frmAircraft::cmdAdd_Click},
                                                      {aircraftView_.cmdDel, &frmAircraft::cmdDel_Click},
                                                      {aircraftView_.cmddelall, &frmAircraft::cmddelall_Click}};
  for (const auto& [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);

  // Enter on a list item adds it, as a double-click does.
  connect(aircraftView_.ListAircraft, &QListWidget::itemActivated, this, &frmAircraft::ListAircraft_DblClick);
  connect(aircraftView_.Grid1, &QTableWidget::cellClicked, this, &frmAircraft::Grid1_Click);
  connect(aircraftView_.Grid1, &QTableWidget::cellDoubleClicked, this, &frmAircraft::Grid1_DblClick);

  // The state holds the input texts as the user types them. The window only ever shows the state's
  // own text, so a text that differs from it is the user's change, and the design shown is no longer
  // the design of the inputs shown.
  const std::pair<QLineEdit*, std::string ProgramState::*> boxes[] = {{designView_.TxtE, &ProgramState::TxtE},
                                                                      {designView_.TxtSc, &ProgramState::TxtSc},
                                                                      {designView_.Txtk, &ProgramState::Txtk}};
  for (const auto& [box, text] : boxes)
    connect(box, &QLineEdit::textChanged, this, [this, member = text](const QString& typed) {
      // A text the box only shows keeps the state's bytes, so a file's text that is not UTF-8 is saved
      // back unchanged instead of as replacement characters.
      if (typed == QString::fromStdString(state_.*member)) return;
      state_.*member = typed.toStdString();
      DesignOutdated();
    });
}
