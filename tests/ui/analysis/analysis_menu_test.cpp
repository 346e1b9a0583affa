// The analysis menu on the main window: its place and keys, the chart window following the design,
// "&Evaluate Thickness..." and "Export &Report...".
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "export_checks.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/window_fixture.h"

namespace {

class AnalysisMenuTest : public WindowTest {
 protected:
  QTemporaryDir folder;

  void AddAircraft(std::initializer_list<const char*> names) {
    Item("mnuAircraft")->trigger();
    for (const char* name : names) ChooseAircraft(name);
    Item("mnuPvmtStru")->trigger();
  }
  void Load(const char* example) {
    services.files.answers.push_back(std::string(RIPADES_SOURCE_DIR "/examples/") + example);
    Item("FileLoad")->trigger();
  }
  bool ChartEnabled() { return Item("mnuDamageChart")->isEnabled(); }
  frmAnalysis* AnalysisWindow() { return window->findChild<frmAnalysis*>("frmAnalysis"); }
  QChart* Chart(const char* name) { return AnalysisWindow()->findChild<QChartView*>(name)->chart(); }
  int Bars() { return static_cast<QHorizontalBarSeries*>(Chart("chtShares")->series().front())->barSets()[0]->count(); }
  QLineSeries* Marker() { return static_cast<QLineSeries*>(Chart("chtDamage")->series().at(2)); }
  std::string ExportReport(const QString& name) {
    const std::string path = folder.filePath(name).toStdString();
    services.files.answers.push_back(path);
    Item("mnuExportReport")->trigger();
    return path;
  }
};

TEST_F(AnalysisMenuTest, TheMenuStandsBeforeHelpWithAccessKeysNothingElseClaims) {
  QStringList shown, items;
  QList<QKeySequence> claimed;  // the menu bar claims hidden titles' keys too
  for (QAction* title : window->menuBar()->actions()) {
    if (title->isVisible()) shown << title->text();
    if (title->text() != "A&nalysis") claimed << QKeySequence::mnemonic(title->text());
  }
  EXPECT_EQ(shown, (QStringList{"&File", "&Aircraft Data", "&Design Structure", "A&nalysis", "&Help"}));
  for (QPushButton* button : window->findChildren<QPushButton*>()) claimed << QKeySequence::mnemonic(button->text());
  EXPECT_FALSE(claimed.contains(QKeySequence::mnemonic("A&nalysis")));
  for (QAction* item : Find<QMenu>("mnuAnalysis")->actions()) items << item->text();
  EXPECT_EQ(items, (QStringList{"Damage &Chart...", "&Evaluate Thickness...", "Export &Report..."}));
}

// The example designs 16.6 in; the sensitivity rows are those of ripades-batch --sensitivity on it.
TEST_F(AnalysisMenuTest, TheChartWindowIsOfferedWhileADesignIsShownAndFollowsItInTheUnitInForce) {
  EXPECT_FALSE(ChartEnabled());
  Load("single_aircraft.inp");
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  ASSERT_EQ(LabelText("lbh"), "16.6");
  Item("mnuEvaluateThickness")->trigger();  // cancelled, after offering the design thickness
  EXPECT_EQ(services.messages.offered.back(), "16.6");
  Item("mnuDamageChart")->trigger();
  ASSERT_NE(AnalysisWindow(), nullptr);
  EXPECT_TRUE(AnalysisWindow()->isVisible());
  EXPECT_EQ(Marker()->at(0).x(), window->State().designResult.thicknessIn);
  auto* grid = AnalysisWindow()->findChild<QTableWidget*>("GridSensitivity");
  const auto row = [&](int r) {
    QStringList cells;
    for (int column = 0; column < 4; ++column) cells << grid->item(r, column)->text();
    return cells;
  };
  ASSERT_EQ(grid->rowCount(), 15);
  EXPECT_EQ(row(8), (QStringList{"Sc", "\u00d7 1.2", "14.3", "-2.3"}));
  EXPECT_EQ(row(9), (QStringList{"k", "\u00d7 0.8", "17.4", "+0.8"}));

  // The unit switch converts the design's thicknesses and the caption they are named by (16.6 in becomes
  // 42.2 cm; its thickness of 16.56 in would show 42.1).
  Item("MetricOption")->trigger();
  EXPECT_TRUE(ChartEnabled());
  EXPECT_DOUBLE_EQ(Marker()->at(0).x(), window->State().designResult.thicknessIn * 2.54);
  EXPECT_EQ(Marker()->name(), "Design thickness 42.2 cm");
  EXPECT_EQ(Chart("chtDamage")->axes(Qt::Horizontal).front()->titleText(), "Slab thickness (cm)");
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Thickness (cm)");
  EXPECT_EQ(row(0), (QStringList{"as designed", "\u00d7 1", "42.2", "0.0"}));
  EXPECT_EQ(grid->item(9, 2)->text(), "44.2");
  Item("mnuEvaluateThickness")->trigger();
  EXPECT_EQ(services.messages.prompts.back().text, "Thickness of the existing slab (cm):");

  Item("mnuAircraft")->trigger();
  EXPECT_TRUE(ChartEnabled());  // the caption stays while the aircraft view is shown
  ChooseAircraft("A320-200");
  Item("mnuPvmtStru")->trigger();  // the design view clears the caption, and the window its charts
  EXPECT_FALSE(ChartEnabled());
  EXPECT_TRUE(Chart("chtDamage")->series().isEmpty() && Chart("chtShares")->series().isEmpty());
  EXPECT_EQ(grid->rowCount(), 0);
  Press("cmdDesign");
  EXPECT_EQ(Bars(), 2);
  EXPECT_EQ(grid->item(0, 2)->text(), LabelText("lbh"));  // the new design's sensitivity
  // Reading a file replaces what the design was made of: its caption and charts go with it.
  Load("english_mixed_fleet.inp");
  EXPECT_EQ(LabelText("lbh"), "");
  EXPECT_FALSE(ChartEnabled());
  EXPECT_TRUE(Chart("chtDamage")->series().isEmpty() && grid->rowCount() == 0);
  EXPECT_TRUE(Item("mnuEvaluateThickness")->isEnabled() && Item("mnuExportReport")->isEnabled());
  services.messages.Answer({MsgBoxAnswer::kNo});  // no saving before closing
  window->close();
  EXPECT_FALSE(AnalysisWindow()->isVisible());
}

// ripades-batch --evaluate 16 on the example prints damage 6.0338 and life 3.3 years.
TEST_F(AnalysisMenuTest, EvaluateThicknessRefusesBadTextsAndDataAndShowsDamageAndLifeLeft) {
  Load("english_mixed_fleet.inp");
  services.messages.asked.clear();  // "Loaded!"
  const ProgramState before = window->State();
  window->State().acdata[before.mixlist[1]][kFieldTirePressure] = "0";
  services.messages.typed = {"abc", std::nullopt, "16", "16"};
  for (int i = 0; i < 3; ++i) Item("mnuEvaluateThickness")->trigger();  // a bad text, cancelled, bad data
  EXPECT_EQ(services.messages.prompts[0].title, "RIPADES - Evaluate Thickness");
  ASSERT_EQ(services.messages.asked.size(), 2u);
  EXPECT_EQ(services.messages.asked[0].text, "The slab thickness must be a number above 0 and at most 30 in.");
  EXPECT_EQ(services.messages.asked[0].title + " " + std::to_string(services.messages.asked[0].style), "RIPADES 0");
  EXPECT_EQ(services.messages.Last().text.rfind("Cannot design: the tire pressure of \"B737-800\"", 0), 0u);
  EXPECT_EQ(AnalysisWindow(), nullptr);
  window->State().acdata = before.acdata;
  Item("mnuEvaluateThickness")->trigger();
  ASSERT_NE(AnalysisWindow(), nullptr);
  EXPECT_EQ(AnalysisWindow()->findChild<QLabel*>("LbEvalLife")->text(), "Structural life left: 3.3 years");
  EXPECT_TRUE(Chart("chtDamage")->series().isEmpty());  // no design was made, so nothing to mark either
  EXPECT_EQ(window->State().lbh, before.lbh);
}

// Before a design the menu asks for one as "Report" does (see the report commands' tests).
TEST_F(AnalysisMenuTest, ExportReportSavesTheShownReportAsTextOrTheDesignDocumentAsPdf) {
  AddAircraft({"B737-800", "B777-300ER", "Bombardier CRJ900"});
  Press("cmdDesign");
  Press("cmdReport");
  const QString shown = Find<QPlainTextEdit>("txtReports")->toPlainText();
  const int busy = services.busy.timesBusy;
  EXPECT_EQ(FileText(ExportReport("report.txt")), QString(shown).replace("\n", "\r\n").toStdString());
  EXPECT_EQ(services.busy.timesBusy, busy + 1);
  ASSERT_EQ(services.files.asked.size(), 1u);
  const FileDialogRequest& asked = services.files.asked[0].request;
  EXPECT_TRUE(services.files.asked[0].save && asked.overwritePrompt && asked.addFilterSuffix);
  EXPECT_EQ(asked.filter, "Text (*.txt)|*.txt|PDF (*.pdf)|*.pdf");

  // The document of the window's unsaved data and its design, dated today.
  std::string document;
  for (const std::string& page : PdfPages(ExportReport("design.PDF"))) document += page + " ";
  for (const std::string& text :
       {std::string("Input data: unsaved input data"), "Design thickness: " + LabelText("lbh").toStdString() + " in",
        "Date of the design: " + QDate::currentDate().toString(Qt::ISODate).toStdString()})
    EXPECT_NE(document.find(text), std::string::npos) << text;
  EXPECT_TRUE(services.messages.asked.empty());
  EXPECT_FALSE(QFile::exists(programDir.filePath("tmp.tmp")));

  // A failed PDF export is shown (the text's failures are those of the project's atomic file writes).
  ExpectFailedSave("design.pdf", [&](const std::string& path) {
    services.files.answers.push_back(path);
    Item("mnuExportReport")->trigger();
    if (services.messages.asked.size() != 1) return Outcome::Success();
    EXPECT_EQ(services.messages.Last().title, "RIPADES");
    return Outcome::Failure(services.messages.Last().text);
  });
}

}  // namespace
