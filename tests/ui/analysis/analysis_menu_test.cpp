// The analysis menu on the main window: its place and keys, the chart window following the design,
// "&Evaluate Thickness..." and "Export &Report...".
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDir>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "analysis/slab_evaluation.h"
#include "export_checks.h"
#include "report/report_file.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/window_fixture.h"
#include "units/number_text.h"

namespace {

class AnalysisMenuTest : public WindowTest {
 protected:
  QTemporaryDir folder;

  void AddAircraft(std::initializer_list<const char*> names) {
    Item("mnuAircraft")->trigger();
    for (const char* name : names) ChooseAircraft(name);
    Item("mnuPvmtStru")->trigger();
  }
  void Design(std::initializer_list<const char*> names) {
    AddAircraft(names);
    Press("cmdDesign");
    ASSERT_FALSE(LabelText("lbh").isEmpty());
  }
  bool ChartEnabled() { return Item("mnuDamageChart")->isEnabled(); }
  frmAnalysis* AnalysisWindow() { return window->findChild<frmAnalysis*>("frmAnalysis"); }
  QChart* Chart(const char* name) { return AnalysisWindow()->findChild<QChartView*>(name)->chart(); }
  qsizetype SeriesPoints(int index) {
    return static_cast<QLineSeries*>(Chart("chtDamage")->series().at(index))->count();
  }
  int Bars() { return static_cast<QHorizontalBarSeries*>(Chart("chtShares")->series().front())->barSets()[0]->count(); }
  double MarkerThickness() { return static_cast<QLineSeries*>(Chart("chtDamage")->series().at(2))->at(0).x(); }
  QString EvaluationText(const char* label) { return AnalysisWindow()->findChild<QLabel*>(label)->text(); }

  std::string ExportReport(const QString& name) {
    const std::string path = folder.filePath(name).toStdString();
    services.files.answers.push_back(path);
    Item("mnuExportReport")->trigger();
    return path;
  }
};

TEST_F(AnalysisMenuTest, TheMenuStandsBeforeHelpWithAccessKeysNothingElseClaims) {
  QStringList shown;
  QList<QKeySequence> claimed;  // the menu bar claims hidden titles' keys too
  for (QAction* title : window->menuBar()->actions()) {
    if (title->isVisible()) shown << title->text();
    if (title->text() != "A&nalysis") claimed << QKeySequence::mnemonic(title->text());
  }
  EXPECT_EQ(shown, (QStringList{"&File", "&Aircraft Data", "&Design Structure", "A&nalysis", "&Help"}));
  for (QPushButton* button : window->findChildren<QPushButton*>()) claimed << QKeySequence::mnemonic(button->text());
  EXPECT_FALSE(claimed.contains(QKeySequence::mnemonic("A&nalysis")));

  QStringList items;
  QList<QKeySequence> keys;
  for (QAction* item : Find<QMenu>("mnuAnalysis")->actions()) {
    items << item->text();
    keys << QKeySequence::mnemonic(item->text());
  }
  EXPECT_EQ(items, (QStringList{"Damage &Chart...", "&Evaluate Thickness...", "Export &Report..."}));
  EXPECT_EQ(QSet<QKeySequence>(keys.begin(), keys.end()).size(), 3);
  EXPECT_FALSE(Item("mnuSaveReport")->isVisible());

  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto* menu = Find<QMenu>("mnuAnalysis");
  QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
  menu->close();
}

TEST_F(AnalysisMenuTest, DamageChartIsEnabledWhileTheThicknessCaptionShowsADesign) {
  EXPECT_FALSE(ChartEnabled());
  Design({"B737-800"});
  EXPECT_TRUE(ChartEnabled());
  Item("mnuAircraft")->trigger();
  EXPECT_TRUE(ChartEnabled());  // the caption stays while the aircraft view is shown
  Item("mnuPvmtStru")->trigger();
  EXPECT_FALSE(ChartEnabled());  // the design view clears it
  Press("cmdDesign");
  Item("MetricOption")->trigger();
  EXPECT_TRUE(ChartEnabled());
  // Reading a file replaces what the design was made of: its caption and chart go with it.
  services.files.answers.push_back(RIPADES_SOURCE_DIR "/examples/english_mixed_fleet.inp");
  Item("FileLoad")->trigger();
  EXPECT_EQ(LabelText("lbh"), "");
  EXPECT_FALSE(ChartEnabled());
  EXPECT_TRUE(Item("mnuEvaluateThickness")->isEnabled());
  EXPECT_TRUE(Item("mnuExportReport")->isEnabled());
}

TEST_F(AnalysisMenuTest, TheChartWindowShowsTheDesignAndFollowsANewDesignAndTheUnits) {
  Design({"B737-800", "B777-300ER"});
  Item("mnuEvaluateThickness")->trigger();  // cancelled, after offering the design thickness
  EXPECT_EQ(services.messages.offered.back(), "16.0");
  Item("mnuDamageChart")->trigger();
  ASSERT_NE(AnalysisWindow(), nullptr);
  EXPECT_TRUE(AnalysisWindow()->isVisible());
  EXPECT_EQ(SeriesPoints(0), kCurvePoints + 1);  // with the design's own point
  EXPECT_EQ(SeriesPoints(1), 2);
  EXPECT_EQ(SeriesPoints(2), 2);
  EXPECT_EQ(Bars(), 2);
  EXPECT_EQ(MarkerThickness(), window->State().designResult.thicknessIn);

  AddAircraft({"A320-200"});  // back on the design view: no design is shown any more
  EXPECT_TRUE(Chart("chtDamage")->series().isEmpty());
  Press("cmdDesign");
  EXPECT_EQ(Bars(), 3);
  Item("MetricOption")->trigger();
  EXPECT_DOUBLE_EQ(MarkerThickness(), window->State().designResult.thicknessIn * 2.54);
  EXPECT_EQ(Chart("chtDamage")->axes(Qt::Horizontal).front()->titleText(), "Slab thickness (cm)");
  // The marker is named as the caption shows the thickness, converted from the caption of the design.
  EXPECT_EQ(Chart("chtDamage")->series().at(2)->name(), "Design thickness " + LabelText("lbh") + " cm");

  services.messages.Answer({MsgBoxAnswer::kNo});  // no saving before closing
  window->close();
  EXPECT_FALSE(AnalysisWindow()->isVisible());
}

// The thicknesses are those of ripades-batch --sensitivity on the example.
TEST_F(AnalysisMenuTest, TheSensitivityViewFollowsTheDesignInTheUnitInForce) {
  services.files.answers.push_back(RIPADES_SOURCE_DIR "/examples/single_aircraft.inp");
  Item("FileLoad")->trigger();
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  Item("mnuDamageChart")->trigger();
  auto* grid = AnalysisWindow()->findChild<QTableWidget*>("GridSensitivity");
  ASSERT_EQ(grid->rowCount(), 15);
  const std::pair<int, const char*> shown[] = {{0, "16.6"}, {8, "14.3"}, {9, "17.4"}, {14, "17.4"}};
  for (const auto& [row, caption] : shown) EXPECT_EQ(grid->item(row, 2)->text(), caption) << row;
  EXPECT_EQ(grid->item(9, 0)->text() + grid->item(9, 1)->text(), "k\u00d7 0.8");

  // The unit switch converts the thicknesses (16.6 in becomes 42.2 cm, its thickness of 16.56 in would show 42.1).
  Item("MetricOption")->trigger();
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Thickness (cm)");
  EXPECT_EQ(grid->item(0, 2)->text(), "42.2");
  EXPECT_EQ(grid->item(9, 2)->text(), "44.2");
  Item("mnuAircraft")->trigger();
  Item("mnuPvmtStru")->trigger();  // clears the design
  EXPECT_EQ(grid->rowCount(), 0);
}

TEST_F(AnalysisMenuTest, EvaluateThicknessRefusesBadTextsAndShowsDamageAndLifeLeft) {
  services.messages.typed = {"abc", std::nullopt, "16"};
  Item("mnuEvaluateThickness")->trigger();
  ASSERT_EQ(services.messages.prompts.size(), 1u);
  EXPECT_EQ(services.messages.prompts[0].text, "Thickness of the existing slab (in):");
  EXPECT_EQ(services.messages.prompts[0].title, "RIPADES - Evaluate Thickness");
  EXPECT_EQ(services.messages.offered[0], "");  // no design shown
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text, "The slab thickness must be a number above 0 and at most 30 in.");
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_EQ(services.messages.Last().style, 0);
  EXPECT_EQ(AnalysisWindow(), nullptr);

  Item("mnuEvaluateThickness")->trigger();  // cancelled
  EXPECT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(AnalysisWindow(), nullptr);

  AddAircraft({"B737-800", "B777-300ER"});
  const ProgramState before = window->State();
  Item("mnuEvaluateThickness")->trigger();
  ASSERT_NE(AnalysisWindow(), nullptr);
  MixDamage mix;
  ASSERT_TRUE(EvaluateSlab(before, "16", mix).ok);
  const double life = 20 / static_cast<double>(mix.damage);
  EXPECT_EQ(EvaluationText("LbEvalLife"),
            QString::fromStdString("Structural life left: " + FormatDecimals(life, 1) + " years"));
  ASSERT_TRUE(EvaluationText("LbEvalDamage").startsWith("Cumulative damage D: "));
  EXPECT_NEAR(EvaluationText("LbEvalDamage").mid(21).toDouble(), mix.damage, 0.00005 + 0.0005 * mix.damage);
  EXPECT_TRUE(Chart("chtDamage")->series().isEmpty());  // no design was made, so nothing to mark either
  EXPECT_EQ(window->State().lbh, before.lbh);
  EXPECT_EQ(window->State().acdata, before.acdata);
}

TEST_F(AnalysisMenuTest, EvaluateThicknessRefusesDataThatCannotBeDesigned) {
  AddAircraft({"B737-800"});
  window->State().acdata[window->State().mixlist[1]][kFieldTirePressure] = "0";
  services.messages.typed = {"16"};
  Item("mnuEvaluateThickness")->trigger();
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text, PrepareDesign(window->State()).outcome.message);
  EXPECT_EQ(AnalysisWindow(), nullptr);
}

TEST_F(AnalysisMenuTest, ExportReportBeforeADesignAnswersAsReportDoes) {
  Item("mnuExportReport")->trigger();
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text, "Plesae click \"Design Thickness\" button, First !  ");
  EXPECT_EQ(services.messages.Last().style, 6);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_TRUE(services.files.asked.empty());
}

TEST_F(AnalysisMenuTest, ExportReportSavesTheShownReportAsTextOrTheDesignDocumentAsPdf) {
  Design({"B737-800", "B777-300ER", "Bombardier CRJ900"});
  Press("cmdReport");
  const std::string shown = Find<QPlainTextEdit>("txtReports")->toPlainText().replace("\n", "\r\n").toStdString();
  EXPECT_EQ(FileText(ExportReport("report.txt")), shown);
  ASSERT_EQ(services.files.asked.size(), 1u);
  EXPECT_TRUE(services.files.asked[0].save);
  EXPECT_EQ(services.files.asked[0].request.filter, "Text (*.txt)|*.txt|PDF (*.pdf)|*.pdf");
  EXPECT_TRUE(services.files.asked[0].request.overwritePrompt);
  EXPECT_TRUE(services.files.asked[0].request.addFilterSuffix);

  // The document of the window's unsaved data, dated today, holds the report's fatigue rows as they are.
  const std::string document = PdfText(ExportReport("design.pdf"));
  for (const std::string& text :
       std::vector<std::string>{"unsaved input data", "Input data: unsaved input data",
                                "Date of the design: " + QDate::currentDate().toString(Qt::ISODate).toStdString(),
                                "Design thickness: " + LabelText("lbh").toStdString() + " in",
                                "None (the design) 1 " + LabelText("lbh").toStdString()})
    EXPECT_NE(document.find(text), std::string::npos) << text;
  const std::vector<std::string> report = SplitReportLines(shown);
  ExpectLinesInOrder({report.end() - 3, report.end()}, document);
  EXPECT_TRUE(services.messages.asked.empty());
  EXPECT_FALSE(QFile::exists(programDir.filePath("tmp.tmp")));
  EXPECT_FALSE(services.busy.busy);
}

TEST_F(AnalysisMenuTest, AFailedExportIsShownAndKeepsTheOldFile) {
  Design({"B737-800"});
  const std::string old(4096, 'x');  // larger than the report text, smaller than its PDF
  const std::string path = folder.filePath("report.pdf").toStdString();
  std::ofstream(path, std::ios::binary) << old;
  {
    FileSizeLimit full(old.size());
    ExportReport("report.pdf");
  }
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_NE(services.messages.Last().text.find(path), std::string::npos) << services.messages.Last().text;
  EXPECT_EQ(FileText(path), old);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
