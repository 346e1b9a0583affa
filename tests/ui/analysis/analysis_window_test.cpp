// The analysis window on its own: the charts of the golden mix's design and their texts, the tooltip,
// the evaluation panel, the sensitivity view, and the export of the charts and of the design document.
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
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
#include "ui/document/document_pdf.h"

namespace {

QStringList Categories(QChart* chart) {
  return static_cast<QBarCategoryAxis*>(chart->axes(Qt::Vertical).front())->categories();
}
QBarSet* Bars(QChart* chart) { return static_cast<QHorizontalBarSeries*>(chart->series().front())->barSets().front(); }
QValueAxis* Across(QChart* chart) { return static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front()); }

TEST(ChartTexts, EachShareIsNamedOnceInFixedDecimalsAndTheTooltipNamesTheNearestPoint) {
  // Largest first in, drawn bottom up; a blank or repeated name gets its library row.
  const std::unique_ptr<QChart> chart(
      DamageShareChart({{3, "A380-800", 120.004}, {5, "B737-800", 0.008346}, {7, " ", 1e-41}, {9, "B737-800", 0}}));
  EXPECT_EQ(Categories(chart.get()), (QStringList{"B737-800 (row 9) (0 %)", "  (row 7) (< 0.01 %)",
                                                  "B737-800 (< 0.01 %)", "A380-800 (120.0 %)"}));
  EXPECT_EQ(chart->title(), "Governing aircraft: A380-800 (damage ratio 120.0 % at the design thickness)");
  EXPECT_EQ(Bars(chart.get())->selectedBars(), QList<int>{3});
  EXPECT_EQ(Across(chart.get())->max(), 120.004);
  const std::unique_ptr<QChart> none(DamageShareChart({{1, "B737-800", 0}}));
  EXPECT_EQ(none->title(), "No aircraft damages the slab at the design thickness");
  EXPECT_TRUE(Bars(none.get())->selectedBars().isEmpty());
  EXPECT_EQ(Across(none.get())->max(), 100);

  const std::vector<CurvePoint> points = {{10, 5}, {11, 2}, {12, 0.5}};
  const std::pair<double, const char*> cases[] = {{9, "10.00 in\nD = 5.000"},
                                                  {10.4, "10.00 in\nD = 5.000"},
                                                  {10.6, "11.00 in\nD = 2.000"},
                                                  {40, "12.00 in\nD = 0.5000"}};
  for (const auto& [h, text] : cases) EXPECT_EQ(CurveTooltip(points, h, false), QString("Thickness ") + text) << h;
  EXPECT_EQ(CurveTooltip(points, 11, true), "Thickness 11.00 cm\nD = 2.000");
  EXPECT_EQ(CurveTooltip({}, 11, false), std::nullopt);
}

// The golden mix designs 17.87109375 in (17.9); its report's damage ratios are 57.96 (B787-9), 13.75,
// 11.78, 9.18, 7.27 and 0.01 %, B787-9's edge stress 624 psi, and D at the design thickness is 0.99945.
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

// In centimetres: the curve from half the design (22.69... cm) to 30 in (76.2 cm), D = 1 and the design's marker
// (its name and the axis's title are checked through the menu).
TEST_F(AnalysisWindowTest, TheChartsShowTheReportsRatiosAndTheCurveInTheUnitInForce) {
  EXPECT_EQ(Categories(Chart("chtShares")).back(), "B787-9 (57.96 %)");  // six, the largest on top
  EXPECT_EQ(Bars(Chart("chtShares"))->count(), 6);
  EXPECT_NEAR(Bars(Chart("chtShares"))->at(5), 57.96, 0.005);
  window.ShowDesign(state.designResult, true, "45.4");
  const QList<QPointF> curve = Series(0)->points();
  EXPECT_EQ(curve.size(), kCurvePoints + 1);  // every point of this mix damages the slab
  EXPECT_DOUBLE_EQ(curve.front().x(), 22.6962890625);
  EXPECT_EQ(Series(1)->points(), (QList<QPointF>{{22.6962890625, 1}, {76.2, 1}}));
  EXPECT_DOUBLE_EQ(Series(2)->at(0).x(), 45.392578125);
  const auto* damage = static_cast<QLogValueAxis*>(Chart("chtDamage")->axes(Qt::Vertical).front());
  for (QPointF p : curve) EXPECT_TRUE(damage->min() <= p.y() && p.y() <= damage->max()) << p.y();

  SetMix(state, {});  // an empty mix draws no curve on the logarithmic axis, and no bar
  ASSERT_TRUE(DesignThickness(state).ok);
  window.ShowDesign(state.designResult, false, state.lbh);
  EXPECT_EQ(Series(0)->count(), 0);
  EXPECT_EQ(Bars(Chart("chtShares"))->count(), 0);
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
  EXPECT_EQ(
      QStringList({Label("LbEvalThickness"), Label("LbEvalDamage"), Label("LbEvalLife")}),
      (QStringList{"Slab thickness: 17.8711 in", "Cumulative damage D: 0.9994", "Structural life left: 20.0 years"}));
  auto* grid = window.findChild<QTableWidget*>("GridEvaluation");
  ASSERT_EQ(grid->rowCount(), 6);
  EXPECT_EQ(grid->item(3, 0)->text() + " " + grid->item(3, 1)->text() + " " + grid->item(3, 2)->text(),
            "B787-9 57.96 624");
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Edge stress (psi)");
  ASSERT_EQ(Chart("chtDamage")->series().size(), 5);
  EXPECT_EQ(Series(3)->name(), "Evaluated thickness 17.8711 in (D = 0.9994)");
  EXPECT_EQ(Series(3)->at(0).x(), 17.87109375);
  EXPECT_NEAR(Series(4)->at(0).y(), 0.99945, 0.000005);

  // 5 in, below the curve's half of the design: the redrawn metric chart widens its axis to 12.7 cm.
  window.ShowEvaluation(EvaluateMixDamage(state.designResult.basis, 5), true);
  EXPECT_EQ(Label("LbEvalThickness"), "Slab thickness: 12.7 cm");
  ASSERT_EQ(Chart("chtDamage")->series().size(), 4);  // the new mark replaced the old one; D is off the axis
  EXPECT_EQ(Series(3)->name().toStdString(), "Evaluated thickness 12.7 cm (D = 150388)");
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Edge stress (kPa)");
  window.ShowDesign(state.designResult, true, "45.4");
  EXPECT_DOUBLE_EQ(Series(3)->at(0).x(), 12.7);
  EXPECT_DOUBLE_EQ(Across(Chart("chtDamage"))->min(), 12.7);
}

// english_mixed_fleet as ripades-batch --sensitivity designs it, with one case that failed.
TEST(SensitivityView, TheTableAndChartShowEachCaseAgainstTheDesignAsShownAndAFailureClearsThem) {
  Sensitivity s;
  s.designIn = 17.87109375;
  s.designCaption = "17.9";
  s.cases = {{SensitivityInput::kE, "E", 1.2, true, 18.7554931640625, "18.8", ""},
             {SensitivityInput::kK, "k", 0.8, true, 18.8873291015625, "18.9", ""},
             {SensitivityInput::kSc, "Sc", 1.2, true, 16.23, "16.2", ""},
             {SensitivityInput::kDepartures, "departures", 2, false, 0, kNoThickness, "Cannot design: ..."}};
  // The menu's test checks the rows of cases designed.
  EXPECT_EQ(SensitivityRows(s).back(), (QStringList{"departures", "\u00d7 2", "no thickness", ""}));
  const std::unique_ptr<QChart> chart(SensitivityChart(s));
  const auto points = [&](int i) { return static_cast<QLineSeries*>(chart->series()[i])->points(); };
  ASSERT_EQ(chart->series().size(), 5);
  EXPECT_EQ(chart->series()[0]->name(), "E");
  EXPECT_EQ(points(0), (QList<QPointF>{{0, 17.87109375}, {std::log2(1.2), 18.7554931640625}}));
  EXPECT_EQ(points(2), (QList<QPointF>{{std::log2(0.8), 18.8873291015625}, {0, 17.87109375}}));
  EXPECT_EQ(points(3), (QList<QPointF>{{0, 17.87109375}}));  // the failed case leaves a gap
  EXPECT_EQ(points(4), (QList<QPointF>{{-1, 17.87109375}, {1, 17.87109375}}));
  s.metric = true;  // the thicknesses in centimetres
  const std::unique_ptr<QChart> cm(SensitivityChart(s));
  EXPECT_EQ(static_cast<QLineSeries*>(cm->series()[0])->at(1).y(), 18.7554931640625 * 2.54);
  EXPECT_EQ(cm->series()[4]->name(), "Design thickness 17.9 cm");

  SensitivityView view;
  view.ShowSensitivity(s);
  s.outcome = Outcome::Failure("Cannot design: the subgrade modulus k must be a number above 0.");
  view.ShowSensitivity(s);
  EXPECT_EQ(view.findChild<QTableWidget*>("GridSensitivity")->rowCount(), 0);
  EXPECT_TRUE(view.ChartView()->chart()->series().isEmpty());
}

TEST_F(AnalysisWindowTest, ExportSavesBothChartsAsPngOrSvgOrNothingAndSaysWhenASaveFails) {
  const QImage image(QString::fromStdString(Export("charts.png")));
  ASSERT_EQ(services.files.asked.size(), 1u);
  const FileDialogRequest& asked = services.files.asked[0].request;
  EXPECT_TRUE(services.files.asked[0].save && asked.overwritePrompt && asked.addFilterSuffix);
  EXPECT_EQ(asked.filter, "PNG image|*.png|SVG drawing|*.svg");
  EXPECT_EQ(asked.initialName, "damage_charts");
  // Both charts side by side at twice their size on the screen (a scene may be a pixel short of its view),
  // drawn: the curve's blue on the left, the governing aircraft's red bar on the right.
  const int curve = window.findChild<QWidget*>("chtDamage")->width();
  EXPECT_NEAR(image.width(), 2 * (curve + window.findChild<QWidget*>("chtShares")->width()), 4);
  const auto holds = [&](int from, int to, QColor colour) {
    for (int x = from; x < to; ++x)
      for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour) return true;
    return false;
  };
  EXPECT_TRUE(holds(0, 2 * curve, QColor(31, 119, 180)));
  EXPECT_TRUE(holds(2 * curve, image.width(), QColor(214, 39, 40)));
  const std::string svg = FileText(Export("charts.SVG"));
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("Governing aircraft: B787-9"), std::string::npos);
  window.cmdExport_Click();  // cancelled
  EXPECT_TRUE(services.messages.asked.empty());
  ExpectFailedSave("charts.png", [&](const std::string& path) {
    services.files.answers.push_back(path);
    window.cmdExport_Click();
    if (services.messages.asked.size() != 1) return Outcome::Success();
    EXPECT_EQ(services.messages.Last().title, "RIPADES");
    return Outcome::Failure(services.messages.Last().text);
  });
  window.findChild<QPushButton*>("cmdClose")->click();
  EXPECT_FALSE(window.isVisible());
}

// 65 aircraft (the shipped library repeated) run the traffic mix, the fatigue table and the shares over
// several Letter pages: each table starts again on a further page with its headings.
TEST_F(AnalysisWindowTest, TablesRunningOntoNewPagesRepeatTheirHeadingsOnPagesOfTheSizeAskedFor) {
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
  for (const char* heading : {"Departures", "Pass/Year Max. Stress P/C F3", "20 % 40 % 60 %"})
    EXPECT_GE(std::count_if(pages.begin(), pages.end(),
                            [&](const std::string& page) { return page.find(heading) != std::string::npos; }),
              2)
        << heading;
  QProcess pdfinfo;
  pdfinfo.start(QString(RIPADES_PDFTOTEXT).replace("pdftotext", "pdfinfo"), {QString::fromStdString(path)});
  ASSERT_TRUE(pdfinfo.waitForFinished());
  EXPECT_TRUE(pdfinfo.readAllStandardOutput().contains("612 x 792 pts (letter)"));
}

}  // namespace
