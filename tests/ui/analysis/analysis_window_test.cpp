// The analysis window on its own: the charts of the golden mix's design and their texts, the tooltip,
// the evaluation panel, the sensitivity view, and the export of the charts and of the report.
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHelpEvent>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>

#include "export_checks.h"
#include "golden/example_states.h"
#include "support/scripted_services.h"
#include "ui/analysis/damage_charts.h"
#include "ui/analysis/damage_curve_view.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/analysis/report_export.h"
#include "ui/analysis/sensitivity_view.h"

namespace {

QStringList Categories(QChart* chart) {
  return static_cast<QBarCategoryAxis*>(chart->axes(Qt::Vertical).front())->categories();
}
QBarSet* Bars(QChart* chart) { return static_cast<QHorizontalBarSeries*>(chart->series().front())->barSets().front(); }

TEST(ChartTexts, EachShareIsNamedOnceInFixedDecimals) {
  // Largest first in, drawn bottom up; a blank or repeated name gets its library row.
  const std::unique_ptr<QChart> chart(
      DamageShareChart({{3, "A380-800", 120.004}, {5, "B737-800", 0.008346}, {7, " ", 1e-41}, {9, "B737-800", 0}}));
  EXPECT_EQ(Categories(chart.get()), (QStringList{"B737-800 (row 9) (0 %)", "  (row 7) (< 0.01 %)",
                                                  "B737-800 (< 0.01 %)", "A380-800 (120.0 %)"}));
  EXPECT_EQ(chart->title(), "Governing aircraft: A380-800 (damage ratio 120.0 % at the design thickness)");
  EXPECT_EQ(Bars(chart.get())->selectedBars(), QList<int>{3});
  EXPECT_EQ(static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front())->max(), 120.004);
  const std::unique_ptr<QChart> none(DamageShareChart({{1, "B737-800", 0}}));
  EXPECT_EQ(none->title(), "No aircraft damages the slab at the design thickness");
  EXPECT_TRUE(Bars(none.get())->selectedBars().isEmpty());
  EXPECT_EQ(static_cast<QValueAxis*>(none->axes(Qt::Horizontal).front())->max(), 100);
}

TEST(CurveTooltip, NamesThePointNearestInThickness) {
  const std::vector<CurvePoint> points = {{10, 5}, {11, 2}, {12, 0.5}};
  const std::pair<double, const char*> cases[] = {{9, "Thickness 10.00 in\nD = 5.000"},
                                                  {10.4, "Thickness 10.00 in\nD = 5.000"},
                                                  {10.6, "Thickness 11.00 in\nD = 2.000"},
                                                  {40, "Thickness 12.00 in\nD = 0.5000"}};
  for (const auto& [thickness, text] : cases) EXPECT_EQ(CurveTooltip(points, thickness, false), text) << thickness;
  EXPECT_EQ(CurveTooltip(points, 11, true), "Thickness 11.00 cm\nD = 2.000");
  EXPECT_EQ(CurveTooltip({}, 11, false), std::nullopt);
}

// The golden mix designs 17.87109375 in (17.9); its report's damage ratios are 57.96 (B787-9), 13.75,
// 11.78, 9.18, 7.27 and 0.01 %, and D at the design thickness is 0.99945.
class AnalysisWindowTest : public testing::Test {
 protected:
  ProgramState state = EnglishMixedFleet();
  ScriptedServices services;
  frmAnalysis window{services.files, services.messages};
  QTemporaryDir folder;

  void SetUp() override {
    ASSERT_TRUE(DesignThickness(state).ok);
    ASSERT_EQ(state.designResult.thicknessIn, 17.87109375);
    window.ShowDesign(state.designResult, false, state.lbh);
    window.show();
  }
  QChart* Chart(const char* name) { return window.findChild<QChartView*>(name)->chart(); }
  QXYSeries* Series(int index) { return static_cast<QXYSeries*>(Chart("chtDamage")->series().at(index)); }
  QString Label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
  std::string Export(const QString& name) {
    const std::string path = folder.filePath(name).toStdString();
    services.files.answers.push_back(path);
    window.findChild<QPushButton*>("cmdExport")->click();
    return path;
  }
};

TEST_F(AnalysisWindowTest, TheChartsShowTheReportsRatiosAndTheCurveInTheUnitInForce) {
  EXPECT_EQ(Categories(Chart("chtShares")),
            (QStringList{"Embraer E190 (< 0.01 %)", "A320neo (7.27 %)", "A330-300 (9.18 %)", "B737-800 (11.78 %)",
                         "B777-300ER (13.75 %)", "B787-9 (57.96 %)"}));
  EXPECT_EQ(Bars(Chart("chtShares"))->selectedBars(), QList<int>{5});
  const double ratios[] = {0.01, 7.27, 9.18, 11.78, 13.75, 57.96};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(Bars(Chart("chtShares"))->at(i), ratios[i], 0.005) << i;
  const struct {
    bool metric;
    double half, design, thickest;
    const char* unit;
  } units[] = {{false, 8.935546875, 17.87109375, 30, "in"}, {true, 22.6962890625, 45.392578125, 76.2, "cm"}};
  for (const auto& u : units) {
    SCOPED_TRACE(u.unit);
    window.ShowDesign(state.designResult, u.metric, "17.9");
    ASSERT_EQ(Chart("chtDamage")->series().size(), 3);
    const QList<QPointF> curve = Series(0)->points();
    EXPECT_EQ(curve.size(), kCurvePoints + 1);  // every point of this mix damages the slab
    EXPECT_DOUBLE_EQ(curve.front().x(), u.half);
    const auto design =
        std::find_if(curve.begin(), curve.end(), [&](QPointF p) { return std::abs(p.x() - u.design) < 1e-9; });
    ASSERT_NE(design, curve.end());
    EXPECT_NEAR(design->y(), 0.99945, 0.000005);
    EXPECT_EQ(Series(1)->points(), (QList<QPointF>{{u.half, 1}, {u.thickest, 1}}));
    EXPECT_DOUBLE_EQ(Series(2)->at(0).x(), u.design);
    EXPECT_EQ(Series(2)->name(), QString("Design thickness 17.9 ") + u.unit);
    EXPECT_EQ(Chart("chtDamage")->axes(Qt::Horizontal).front()->titleText(),
              QString("Slab thickness (") + u.unit + ")");
    const auto* damage = static_cast<QLogValueAxis*>(Chart("chtDamage")->axes(Qt::Vertical).front());
    const auto [low, high] =
        std::minmax_element(curve.begin(), curve.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    EXPECT_LE(damage->min(), low->y());
    EXPECT_GE(damage->max(), high->y());
  }
}

TEST_F(AnalysisWindowTest, ANewDesignRedrawsBothChartsClearingEmptiesThemAndEscapeCloses) {
  SetMix(state, {RowNamed(state, "B777-300ER")});
  ASSERT_TRUE(DesignThickness(state).ok);
  window.ShowDesign(state.designResult, false, state.lbh);
  EXPECT_EQ(Categories(Chart("chtShares")), QStringList{"B777-300ER (100.0 %)"});
  EXPECT_EQ(Series(2)->at(0).x(), state.designResult.thicknessIn);
  SetMix(state, {});  // an empty mix draws no curve on the logarithmic axis, and no bar
  ASSERT_TRUE(DesignThickness(state).ok);
  window.ShowDesign(state.designResult, false, state.lbh);
  EXPECT_EQ(Series(0)->count(), 0);
  EXPECT_EQ(Bars(Chart("chtShares"))->count(), 0);
  window.ClearDesign();
  EXPECT_TRUE(Chart("chtDamage")->series().isEmpty());
  EXPECT_TRUE(Chart("chtShares")->series().isEmpty());
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(AnalysisWindowTest, TheTooltipShowsTheCurveInsideThePlotAreaAlsoWhenTheMouseRests) {
  auto* view = window.findChild<DamageCurveView*>("chtDamage");
  const auto at = [&](double across) {
    const QRectF plot = view->chart()->plotArea();
    return view->mapFromScene(view->chart()->mapToScene({plot.left() + across * plot.width(), plot.center().y()}));
  };
  const std::optional<QString> middle = view->TooltipAt(at(0.5)), left = view->TooltipAt(at(0.1));
  ASSERT_TRUE(middle && left);
  EXPECT_TRUE(middle->startsWith("Thickness ") && *middle != *left) << middle->toStdString();
  EXPECT_EQ(view->TooltipAt(QPoint(1, 1)), std::nullopt);
  QTest::mouseMove(view->viewport(), at(0.5));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QToolTip::text() == *middle; }));
  QHelpEvent rest(QEvent::ToolTip, at(0.1), view->viewport()->mapToGlobal(at(0.1)));
  QApplication::sendEvent(view->viewport(), &rest);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QToolTip::text() == *left; }));
}

TEST_F(AnalysisWindowTest, TheEvaluationShowsDamageLifeAndEachAircraftAndMarksTheCurve) {
  window.ShowEvaluation(EvaluateMixDamage(state.designResult.basis, 17.87109375), false);
  EXPECT_EQ(Label("LbEvalThickness"), "Slab thickness: 17.8711 in");
  EXPECT_EQ(Label("LbEvalDamage"), "Cumulative damage D: 0.9994");
  EXPECT_EQ(Label("LbEvalLife"), "Structural life left: 20.0 years");
  auto* grid = window.findChild<QTableWidget*>("GridEvaluation");
  QStringList rows;
  for (int row = 0; row < grid->rowCount(); ++row)
    rows << grid->item(row, 0)->text() + " " + grid->item(row, 1)->text();
  EXPECT_EQ(rows, (QStringList{"B737-800 11.78", "A320neo 7.27", "Embraer E190 < 0.01", "B787-9 57.96",
                               "B777-300ER 13.75", "A330-300 9.18"}));
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Edge stress (psi)");
  ASSERT_EQ(Chart("chtDamage")->series().size(), 5);
  EXPECT_EQ(Series(3)->name(), "Evaluated thickness 17.8711 in (D = 0.9994)");
  EXPECT_EQ(Series(3)->at(0).x(), 17.87109375);
  EXPECT_EQ(Series(4)->at(0).x(), 17.87109375);
  EXPECT_NEAR(Series(4)->at(0).y(), 0.99945, 0.000005);

  // 5 in, below the curve's half of the design: the redrawn metric chart widens its axis to 12.7 cm.
  window.ShowEvaluation(EvaluateMixDamage(state.designResult.basis, 5), true);
  EXPECT_EQ(Label("LbEvalThickness"), "Slab thickness: 12.7 cm");
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Edge stress (kPa)");
  window.ShowDesign(state.designResult, true, "45.4");
  EXPECT_DOUBLE_EQ(Series(3)->at(0).x(), 12.7);
  EXPECT_DOUBLE_EQ(static_cast<QValueAxis*>(Chart("chtDamage")->axes(Qt::Horizontal).front())->min(), 12.7);
}

// english_mixed_fleet as ripades-batch --sensitivity designs it, with one case that failed.
TEST(SensitivityView, TheTableAndChartShowEachCaseAgainstTheDesignAsShown) {
  Sensitivity s;
  s.designIn = 17.87109375;
  s.designCaption = "17.9";
  s.cases = {{SensitivityInput::kE, "E", 1.2, true, 18.7554931640625, "18.8", ""},
             {SensitivityInput::kK, "k", 0.8, true, 18.8873291015625, "18.9", ""},
             {SensitivityInput::kSc, "Sc", 1.2, true, 16.23, "16.2", ""},
             {SensitivityInput::kDepartures, "departures", 2, false, 0, kNoThickness, "Cannot design: ..."}};
  EXPECT_EQ(SensitivityRows(s), (QList<QStringList>{{"as designed", "\u00d7 1", "17.9", "0.0"},
                                                    {"E", "\u00d7 1.2", "18.8", "+0.9"},
                                                    {"k", "\u00d7 0.8", "18.9", "+1.0"},
                                                    {"Sc", "\u00d7 1.2", "16.2", "-1.7"},
                                                    {"departures", "\u00d7 2", "no thickness", ""}}));
  const std::unique_ptr<QChart> chart(SensitivityChart(s));
  const QList<QAbstractSeries*> series = chart->series();
  ASSERT_EQ(series.size(), 5);
  const auto points = [&](int i) { return static_cast<QLineSeries*>(series[i])->points(); };
  EXPECT_EQ(series[0]->name(), "E");
  EXPECT_EQ(points(0), (QList<QPointF>{{0, 17.87109375}, {std::log2(1.2), 18.7554931640625}}));
  EXPECT_EQ(points(2), (QList<QPointF>{{std::log2(0.8), 18.8873291015625}, {0, 17.87109375}}));
  EXPECT_EQ(points(3), (QList<QPointF>{{0, 17.87109375}}));  // the failed case leaves a gap
  EXPECT_EQ(series[4]->name(), "Design thickness 17.9 in");
  EXPECT_EQ(points(4), (QList<QPointF>{{-1, 17.87109375}, {1, 17.87109375}}));

  s.metric = true;  // the thicknesses in centimetres
  const std::unique_ptr<QChart> cm(SensitivityChart(s));
  EXPECT_EQ(static_cast<QLineSeries*>(cm->series()[0])->at(1).y(), 18.7554931640625 * 2.54);
  EXPECT_EQ(cm->series()[4]->name(), "Design thickness 17.9 cm");
  SensitivityView view;
  view.ShowSensitivity(s);
  auto* grid = view.findChild<QTableWidget*>("GridSensitivity");
  EXPECT_EQ(grid->rowCount(), 5);
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Thickness (cm)");
  s.outcome = Outcome::Failure("Cannot design: the subgrade modulus k must be a number above 0.");
  view.ShowSensitivity(s);
  EXPECT_EQ(grid->rowCount(), 0);
  EXPECT_TRUE(view.ChartView()->chart()->series().isEmpty());
}

TEST_F(AnalysisWindowTest, ExportSavesBothChartsAsPngOrSvgOrNothingAndAFailedSaveKeepsTheOldFile) {
  const QImage image(QString::fromStdString(Export("charts.png")));
  ASSERT_EQ(services.files.asked.size(), 1u);
  const FileDialogRequest& asked = services.files.asked[0].request;
  EXPECT_TRUE(services.files.asked[0].save && asked.overwritePrompt && asked.addFilterSuffix);
  EXPECT_EQ(asked.filter, "PNG image|*.png|SVG drawing|*.svg");
  EXPECT_EQ(asked.initialName, "damage_charts");
  // Both charts side by side at twice their size on the screen (a scene may be a pixel short of its view).
  const QWidget* curve = window.findChild<QWidget*>("chtDamage");
  const QWidget* shares = window.findChild<QWidget*>("chtShares");
  EXPECT_NEAR(image.width(), 2 * (curve->width() + shares->width()), 4);
  EXPECT_NEAR(image.height(), 2 * std::max(curve->height(), shares->height()), 4);
  // Drawn, not blank: the curve's blue on the left, the governing aircraft's red bar on the right.
  const auto holds = [&](int from, int to, QColor colour) {
    for (int x = from; x < to; ++x)
      for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour) return true;
    return false;
  };
  EXPECT_EQ(image.pixelColor(0, 0), Qt::white);
  EXPECT_TRUE(holds(0, 2 * curve->width(), QColor(31, 119, 180)));
  EXPECT_TRUE(holds(2 * curve->width(), image.width(), QColor(214, 39, 40)));

  const std::string svg = FileText(Export("charts.SVG"));
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  for (const char* text : {"Slab thickness (in)", "Governing aircraft: B787-9"})
    EXPECT_NE(svg.find(text), std::string::npos) << text;
  EXPECT_TRUE(services.messages.asked.empty());

  QDir(folder.path()).removeRecursively();
  QDir().mkpath(folder.path());
  window.cmdExport_Click();  // cancelled
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  for (const char* name : {"charts.png", "charts.svg"}) {
    ExpectFailedSaveKeepsOldFile(folder, name, [&](const std::string& path) {
      services.messages.asked.clear();
      services.files.answers.push_back(path);
      window.cmdExport_Click();
      if (services.messages.asked.size() != 1) return Outcome::Success();
      EXPECT_EQ(services.messages.Last().title, "RIPADES");
      return Outcome::Failure(services.messages.Last().text);
    });
    std::filesystem::remove(folder.filePath(name).toStdString());
  }
}

TEST_F(AnalysisWindowTest, TheReportIsSavedAsTextWithItsLineEndsOrAsPdfByTheNamesEnding) {
  EXPECT_TRUE(IsPdfName("design.PDF"));
  EXPECT_FALSE(IsPdfName("design.pdf.txt"));
  const std::string path = folder.filePath("report.txt").toStdString();
  ASSERT_TRUE(SaveReportText(path, {"", "     Design Thickness :", "last"}).ok);
  EXPECT_EQ(FileText(path), "\r\n     Design Thickness :\r\nlast\r\n");
  ExpectFailedSaveKeepsOldFile(folder, "report.txt", [&](const std::string& to) {
    return SaveReportText(to, std::vector<std::string>(20, "a line of the report"));
  });
  QTemporaryDir own;
  ExpectFailedSaveKeepsOldFile(own, "report.pdf", [&](const std::string& to) {
    return SaveDesignPdf(to, state, Sensitivity{}, QPageSize(QPageSize::A4));
  });
}

// 65 aircraft (the shipped library repeated) run the traffic mix, the fatigue table and the shares
// over several pages: each page that continues one begins with its headings again.
TEST_F(AnalysisWindowTest, TablesRunningOntoNewPagesRepeatTheirHeadingsAndEveryPageIsNumbered) {
  const int shipped = state.account;
  for (int r = shipped + 1; r <= kMaxAircraft; ++r) {
    state.acdata[r] = state.acdata[r - shipped];
    state.acdata[r][kFieldName] = "Copy " + std::to_string(r);
  }
  state.account = kMaxAircraft;
  for (int p = 1; p <= kMaxAircraft; ++p) state.mixlist[p] = static_cast<int16_t>(p);
  state.mixnext = kMaxAircraft + 1;
  ASSERT_TRUE(DesignThickness(state).ok);
  const std::string path = folder.filePath("full.pdf").toStdString();
  ASSERT_TRUE(SaveDesignPdf(path, state, DesignSensitivity(state), QPageSize(QPageSize::Letter)).ok);
  const std::vector<std::string> pages = PdfPages(path);
  ASSERT_GE(pages.size(), 4u);
  int continued[3] = {0, 0, 0};
  const char* headings[3] = {"Departures", "Pass/Year Max. Stress P/C F3", "20 % 40 % 60 %"};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].rfind("unsaved input data RIPADES design document", 0), 0u) << pages[i].substr(0, 80);
    EXPECT_NE(pages[i].find("Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size())),
              std::string::npos);
    const std::size_t row = pages[i].find("Copy 60 ");  // a table's row stands below its headings
    bool headed = row == std::string::npos;
    for (int t = 0; t < 3; ++t) {
      const std::size_t heading = pages[i].find(headings[t]);
      continued[t] += heading != std::string::npos;
      headed = headed || heading < row;
    }
    EXPECT_TRUE(headed) << pages[i];
  }
  for (int t = 0; t < 3; ++t) EXPECT_GE(continued[t], 2) << headings[t];
  QProcess pdfinfo;
  pdfinfo.start(QString(RIPADES_PDFTOTEXT).replace("pdftotext", "pdfinfo"), {QString::fromStdString(path)});
  ASSERT_TRUE(pdfinfo.waitForFinished());
  EXPECT_TRUE(pdfinfo.readAllStandardOutput().contains("612 x 792 pts (letter)"));
}

}  // namespace
