// The main window: title, aircraft and design views, the menu bar, start-up and closing.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "services/platform_services.h"
#include "state/outcome.h"
#include "state/program_state.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class AnalysisKeeper;
class frmAbout;
class frmChangedata;

using MixList = std::array<int16_t, kMaxAircraft + 1>;

class frmAircraft : public QMainWindow {
  Q_OBJECT

 public:
  // The library is read from programDirectory/fly.dll; every message, dialog and the printer go
  // through `services`.
  frmAircraft(PlatformServices services, std::string programDirectory, QWidget* parent = nullptr);
  ~frmAircraft() override;

  // The program's state, read by the window tests to check what the window shows against it.
  const ProgramState& State() const { return state_; }
  // Copies the input texts, the thickness caption and the unit labels from the state into the controls,
  // then refreshes the help tips and the analysis window, which follows the design shown (and so starts
  // the sensitivity designs of a new design).
  void ShowInputsAndRefreshAnalysis();
  void Form_Activate();
  // Opens an input data file as "&Read Data From File..." opens the file chosen in its dialog: the
  // file named on the command line and a file dropped on the window.
  void OpenInputFile(const std::string& path);

 public slots:
  // The commands a user gives that are also given from outside, as a script gives them.
  void mnuAircraft_Click();
  void mnuPvmtStru_Click();
  void mnuAbout_Click();
  void mnuPrintReport_Click();
  void mnuDamageChart_Click();
  void cmdDesign_Click();
  void cmdReport_Click();
  void cmdAdd_Click();
  void ListAircraft_DblClick();
  void cmdDel_Click();
  void Grid1_Click();

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void FileExit_Click();
  void MetricOption_Click();
  void EnglishOption_Click();
  void FileLoad_Click();
  void FileSave_Click();
  void mnuReport_Click();
  void mnuEvaluateThickness_Click();
  void mnuExportReport_Click();
  // "&Help Topics" (F1): the help window, modeless.
  void mnuHelpTopics_Click();
  void cmddelall_Click();
  void Grid1_DblClick();

 private:
  // The title view; Picture1 is also the ground the design view is drawn on.
  struct TitleView {
    QFrame* Picture1 = nullptr;
    QLabel* LbTitle1 = nullptr;
    QLabel* LbTitle2 = nullptr;
  };
  // The aircraft view: the library list and the traffic mix grid.
  struct AircraftView {
    QListWidget* ListAircraft = nullptr;
    QTableWidget* Grid1 = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmddelall = nullptr;
  };
  // The design view: the inputs, the thickness, their units and labels, and the report box over them.
  struct DesignView {
    QPlainTextEdit* txtReports = nullptr;
    QPushButton* cmdDesign = nullptr;
    QPushButton* cmdReport = nullptr;
    QLineEdit* TxtE = nullptr;
    QLineEdit* TxtSc = nullptr;
    QLineEdit* Txtk = nullptr;
    QLabel* lbh = nullptr;
    QLabel* LbunitE = nullptr;
    QLabel* LbunitSc = nullptr;
    QLabel* Lbunitk = nullptr;
    QLabel* Lbunith = nullptr;
    QLabel* LbE = nullptr;
    QLabel* lbSc = nullptr;
    QLabel* Lbk = nullptr;
    QLabel* LbPcc = nullptr;
    QLabel* LbSlab = nullptr;
    QLabel* LbSubgrade = nullptr;
    QLabel* LbSoil = nullptr;
    QLabel* LbThickness = nullptr;
  };
  struct Menus {
    QMenu* File = nullptr;
    QMenu* mnuDefaultOptions = nullptr;
    QAction* MetricOption = nullptr;
    QAction* EnglishOption = nullptr;
    QAction* FileLoad = nullptr;
    QAction* FileSave = nullptr;
    QAction* mnuSaveReport = nullptr;
    QAction* mnuPrintReport = nullptr;
    QAction* FileExit = nullptr;
    QAction* mnuAircraft = nullptr;
    QAction* mnuPvmtStru = nullptr;
    QMenu* mnuLink = nullptr;
    QAction* mnuReport = nullptr;
    QMenu* mnuAnalysis = nullptr;
    QAction* mnuDamageChart = nullptr;
    QAction* mnuEvaluateThickness = nullptr;
    QAction* mnuExportReport = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuHelpTopics = nullptr;
  };

  // Start-up and closing.
  void Form_Initialize();
  void Form_Load();
  bool Form_Unload();  // true cancels the closing

  void CreateControls();
  void CreateDesignSection();
  void CreateMenus();
  void CreateAnalysisMenu();
  void ConnectHandlers();
  void ShowTitleView();
  void ApplyLayout(bool resizing);
  // Builds the report into txtReports and shows the box; false (with a message) when it cannot.
  bool ShowReport();
  void BuildGridHeader();
  // Rebuilds the mix rows; any change waiting in the change-data dialog is dropped with them.
  void FillMixGrid(const MixList& list, int count);
  void FillAircraftList();
  int List_sel() const;
  void ShowChangeDialog(const QString& prompt);
  void SetGridCell(int row, int column, const std::string& text);
  std::string LibraryPath() const;
  // The window after its data was reset: title view, inputs, labels and unit items from the state; an
  // evaluation of the data before goes.
  void ShowInitialState();
  // The item of the unit system named is checked and disabled, the other unchecked and enabled.
  void ShowUnitItems(bool metric);
  void SwitchUnits(bool metric);
  // The file dialog component: one setup for opening and saving, offering the name chosen last.
  FileDialogRequest CommonDialog1() const;
  bool SaveInputData();  // true when the file was written
  // True while a design is shown; otherwise asks for one as "Report" does.
  bool DesignShownOrAsk();
  // The report of the state, line by line, written to the temporary report file and read back, as the
  // report commands show and print it (the core's BuildReport gives the text without the file).
  Outcome ReportLinesFromFile(std::vector<std::string>& lines) const;
  // "Damage &Chart..." and an open analysis window follow the design shown in lbh.
  void ShowAnalysisState();
  // What a design reads has changed: the thickness caption is cleared, so the stored results are no
  // longer current, and the analysis window follows, its evaluation of the data before taken away.
  void DesignOutdated();
  // The keyboard's ways through the window, its standard shortcuts, file drops, tooltips and help.
  void AddKeyboardAndHelp();
  void ShowHelpTips();

  PlatformServices services_;
  std::string programDirectory_;
  ProgramState state_;
  int selrow_ = 0;                    // grid row of the last click in the grid
  bool aircraftListFilled_ = false;   // the list is filled once per run
  std::string commonDialogFileName_;  // the input data file chosen last
  DocumentDetails documentDetails_;   // entered last in "Document Details", for this session only

  // Controls, named as the program names them (and found by these names), by view.
  TitleView titleView_;
  AircraftView aircraftView_;
  DesignView designView_;
  Menus menus_;

  frmChangedata* changeDialog = nullptr;  // created at its first use, then only hidden
  QPointer<frmAbout> aboutBox;            // deleted when closed, so each opening builds it anew
  QPointer<QWidget> helpWindow;           // the same
  // The last design's analysis and its window.
  std::unique_ptr<AnalysisKeeper> analysis_;
};
