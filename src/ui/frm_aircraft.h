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

  // The program's state, for the commands that later windows and files add.
  ProgramState& State() { return state_; }
  // Copies the input texts, the thickness caption and the unit labels from the state into the controls.
  void ShowInputs();

  // Start-up and closing.
  void Form_Initialize();
  void Form_Load();
  void Form_Activate();
  bool Form_Unload();  // true cancels the closing

  // Menu commands.
  void mnuAircraft_Click();
  void mnuPvmtStru_Click();
  void FileExit_Click();
  void mnuAbout_Click();
  void MetricOption_Click();
  void EnglishOption_Click();
  void FileLoad_Click();
  void FileSave_Click();
  void mnuPrintReport_Click();
  void mnuReport_Click();
  void mnuDamageChart_Click();
  void mnuEvaluateThickness_Click();
  void mnuExportReport_Click();

  // Opens an input data file as "&Read Data From File..." opens the file chosen in its dialog: the
  // file named on the command line and a file dropped on the window.
  void OpenInputFile(const std::string& path);
  // "&Help Topics" (F1): the help window, modeless.
  void mnuHelpTopics_Click();

  // The design view.
  void cmdDesign_Click();
  void cmdReport_Click();
  // Builds the report into txtReports and shows the box; false (with a message) when it cannot.
  bool ShowReport();

  // The aircraft view and the traffic mix.
  void cmdAdd_Click();
  void ListAircraft_DblClick();
  void cmdDel_Click();
  void cmddelall_Click();
  void Grid1_Click();
  void Grid1_DblClick();
  void BuildGridHeader();
  // Rebuilds the mix rows; any change waiting in the change-data dialog is dropped with them.
  void FillMixGrid(const MixList& list, int count);
  void FillAircraftList();
  int List_sel() const;
  void ShowChangeDialog(const QString& prompt);

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateDesignSection();
  void CreateMenus();
  void CreateAnalysisMenu();
  void ConnectHandlers();
  void ShowTitleView();
  void ApplyLayout(bool resizing);
  void SetGridCell(int row, int column, const std::string& text);
  std::string LibraryPath() const;
  // The window after its data was reset: title view, inputs, labels and unit items from the state.
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
  // longer current, and the analysis window follows.
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

  // Controls, named as the program names them (and found by these names).
  QPlainTextEdit* txtReports = nullptr;
  QPushButton* cmddelall = nullptr;
  QPushButton* cmdDel = nullptr;
  QPushButton* cmdAdd = nullptr;
  QFrame* Picture1 = nullptr;
  QListWidget* ListAircraft = nullptr;
  QTableWidget* Grid1 = nullptr;

  QPushButton* cmdReport = nullptr;
  QLineEdit* TxtSc = nullptr;
  QPushButton* cmdDesign = nullptr;
  QLineEdit* Txtk = nullptr;
  QLineEdit* TxtE = nullptr;
  QLabel* lbh = nullptr;
  QLabel* Lbunitk = nullptr;
  QLabel* Lbunith = nullptr;
  QLabel* LbunitSc = nullptr;
  QLabel* LbunitE = nullptr;
  QLabel* lbSc = nullptr;
  QLabel* Lbk = nullptr;
  QLabel* LbSubgrade = nullptr;
  QLabel* LbSoil = nullptr;
  QLabel* LbThickness = nullptr;
  QLabel* LbE = nullptr;
  QLabel* LbPcc = nullptr;
  QLabel* LbSlab = nullptr;
  QLabel* LbTitle2 = nullptr;
  QLabel* LbTitle1 = nullptr;

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

  frmChangedata* changeDialog = nullptr;  // created at its first use, then only hidden
  QPointer<frmAbout> aboutBox;            // deleted when closed, so each opening builds it anew
  QPointer<QWidget> helpWindow;           // the same
  // The last design's analysis and its window.
  std::unique_ptr<AnalysisKeeper> analysis_;
};
