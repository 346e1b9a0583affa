// The analysis window: the two charts of a design, their redraw, the tooltip, the evaluation panel, Escape.
#include "ui/analysis/frm_analysis.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHelpEvent>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>

#include "analysis_fixture.h"
#include "golden/example_states.h"
#include "support/scripted_services.h"
#include "ui/analysis/damage_curve_view.h"
#include "units/number_text.h"

namespace {

class FrmAnalysisTest : public DesignedMixTest {
 protected:
  ScriptedServices services;
  frmAnalysis window{services.files, services.messages};

  void SetUp() override {
    DesignedMixTest::SetUp();
    window.show();
  }

  QChart* Chart(const char* name) { return window.findChild<QChartView*>(name)->chart(); }
  QLineSeries* Line(int index) { return static_cast<QLineSeries*>(Chart("chtDamage")->series().at(index)); }
  QBarSet* Bars() {
    const QList<QAbstractSeries*> series = Chart("chtShares")->series();
    EXPECT_EQ(series.size(), 1);
    return static_cast<QHorizontalBarSeries*>(series.front())->barSets().front();
  }
  QStringList Categories() {
    return static_cast<QBarCategoryAxis*>(Chart("chtShares")->axes(Qt::Vertical).front())->categories();
  }
  QString Label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
};

TEST_F(FrmAnalysisTest, TheCurveChartHoldsTheCurveTheLimitAndTheDesignMarkerInTheUnitInForce) {
  for (const bool metric : {false, true}) {
    window.ShowDesign(state.designResult, metric, "12.3");
    const double unit = metric ? 2.54 : 1;
    const double designShown = DesignIn() * unit;
    const double thickest = std::min(2 * DesignIn(), 30.0) * unit;  // the mix needs more than 15 in
    ASSERT_EQ(Chart("chtDamage")->series().size(), 3);
    EXPECT_EQ(Line(0)->count(), kCurvePoints + 1);  // every point of this mix damages the slab
    EXPECT_DOUBLE_EQ(Line(0)->at(0).x(), designShown / 2);
    EXPECT_EQ(Line(1)->points(), (QList<QPointF>{{designShown / 2, 1}, {thickest, 1}}));
    ASSERT_EQ(Line(2)->count(), 2);
    EXPECT_EQ(Line(2)->at(0).x(), designShown);
    EXPECT_EQ(Line(2)->at(1).x(), designShown);
    EXPECT_EQ(Line(2)->name(), metric ? "Design thickness 12.3 cm" : "Design thickness 12.3 in");

    const auto* damageAxis = qobject_cast<QLogValueAxis*>(Chart("chtDamage")->axes(Qt::Vertical).front());
    ASSERT_NE(damageAxis, nullptr);
    EXPECT_LE(damageAxis->min(), Line(0)->at(kCurvePoints - 1).y());
    EXPECT_GE(damageAxis->max(), Line(0)->at(0).y());
    const QString title = Chart("chtDamage")->axes(Qt::Horizontal).front()->titleText();
    EXPECT_EQ(title, metric ? "Slab thickness (cm)" : "Slab thickness (in)");
  }
}

// The window explains the design the report prints: the bars are the report's damage ratios (the
// golden report of this mix: 57.96, 13.75, 11.78, 9.18, 7.27 and 0.01 %), and the curve passes through
// the design thickness at the design's own D.
TEST_F(FrmAnalysisTest, TheChartsShowTheReportsDamageRatiosAndTheDesignsOwnDamage) {
  state = EnglishMixedFleet();
  ASSERT_TRUE(DesignThickness(state).ok);
  ASSERT_EQ(state.lbh, "17.9");
  window.ShowDesign(state.designResult, false, state.lbh);
  QBarSet* bars = Bars();
  ASSERT_EQ(bars->count(), 6);
  // The first category is drawn at the bottom: the largest ratio comes last.
  const std::pair<const char*, const char*> expected[] = {{"Embraer E190", "0.01"}, {"A320neo", "7.27"},
                                                          {"A330-300", "9.18"},     {"B737-800", "11.78"},
                                                          {"B777-300ER", "13.75"},  {"B787-9", "57.96"}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(Categories()[i].startsWith(QString(expected[i].first) + " (")) << Categories()[i].toStdString();
    EXPECT_EQ(FormatDecimals(bars->at(i), 2), expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(bars->selectedBars(), QList<int>{5});
  EXPECT_TRUE(Chart("chtShares")->title().contains("B787-9"));

  float designDamage = 0;  // D as the design's last pass summed it, in mix order
  for (int p = 1; p <= state.MixCount(); ++p)
    designDamage += state.designResult.damageRatioPct[state.mixlist[p]] / 100.0f;
  const QList<QPointF> curve = Line(0)->points();
  const auto designPoint = std::find_if(curve.begin(), curve.end(),
                                        [&](const QPointF& p) { return p.x() == state.designResult.thicknessIn; });
  ASSERT_NE(designPoint, curve.end());
  EXPECT_EQ(designPoint->y(), static_cast<double>(designDamage));
  EXPECT_NEAR(designPoint->y(), 0.9995, 0.0004);  // the report's ratios add up to 99.95 %
}

TEST_F(FrmAnalysisTest, ANewDesignRedrawsBothChartsAndClearingEmptiesThem) {
  window.ShowDesign(state.designResult, false, state.lbh);
  Design({"B777-300ER"});
  window.ShowDesign(state.designResult, false, state.lbh);
  EXPECT_EQ(Bars()->count(), 1);
  EXPECT_EQ(Categories(), QStringList{"B777-300ER (99.96 %)"});
  EXPECT_EQ(Line(2)->at(0).x(), DesignIn());

  window.ClearDesign();
  EXPECT_TRUE(Chart("chtDamage")->series().isEmpty());
  EXPECT_TRUE(Chart("chtShares")->series().isEmpty());
}

TEST_F(FrmAnalysisTest, AnEmptyMixDrawsNoCurveOnTheLogarithmicAxis) {
  Design({});
  window.ShowDesign(state.designResult, false, state.lbh);
  EXPECT_EQ(Line(0)->count(), 0);
  EXPECT_EQ(Bars()->count(), 0);
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

TEST_F(FrmAnalysisTest, TheTooltipShowsTheCurveInsideThePlotAreaOnly) {
  window.ShowDesign(state.designResult, false, state.lbh);
  auto* view = window.findChild<DamageCurveView*>("chtDamage");
  const QPoint centre = view->mapFromScene(view->chart()->mapToScene(view->chart()->plotArea().center()));
  const std::optional<QString> inside = view->TooltipAt(centre);
  ASSERT_TRUE(inside.has_value());
  EXPECT_TRUE(inside->startsWith("Thickness ")) << inside->toStdString();
  EXPECT_EQ(view->TooltipAt(QPoint(1, 1)), std::nullopt);

  // Moving the mouse there shows it, and the toolkit's own tooltip request when the mouse rests keeps it.
  QTest::mouseMove(view->viewport(), centre);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QToolTip::text() == *inside; }));
  QHelpEvent rest(QEvent::ToolTip, centre, view->viewport()->mapToGlobal(centre));
  QApplication::sendEvent(view->viewport(), &rest);
  QTest::qWait(500);  // a tooltip asked to hide goes after 300 ms
  EXPECT_EQ(QToolTip::text(), *inside);
}

// A number shown in fixed decimals: at most four significant digits, `value` rounded to its last decimal.
void ExpectFixed(const QString& shown, double value) {
  bool number = false;
  const double read = shown.toDouble(&number);
  ASSERT_TRUE(number) << shown.toStdString();
  const qsizetype point = shown.indexOf('.');
  const double halfStep = 0.5 * std::pow(10.0, point < 0 ? 0 : -(shown.size() - point - 1));
  EXPECT_NEAR(read, value, halfStep * (1 + 1e-9)) << shown.toStdString();
  QString digits = shown;
  digits.remove('.');
  while (digits.startsWith('0')) digits.remove(0, 1);
  EXPECT_LE(digits.size(), 4) << shown.toStdString();
}

TEST_F(FrmAnalysisTest, TheEvaluationShowsDamageLifeAndEachAircraftAndMarksTheCurve) {
  window.ShowDesign(state.designResult, false, "16.6");
  const MixDamage mix = EvaluateMixDamage(state.designResult.basis, 16);
  window.ShowEvaluation(mix, false);
  EXPECT_EQ(Label("LbEvalThickness"), "Slab thickness: 16 in");
  ASSERT_TRUE(Label("LbEvalDamage").startsWith("Cumulative damage D: "));
  ExpectFixed(Label("LbEvalDamage").mid(21), mix.damage);
  // The evaluated slab on the curve: a line at 16 in named with its damage, and the point (16, D).
  const QList<QAbstractSeries*> series = Chart("chtDamage")->series();
  ASSERT_EQ(series.size(), 5);
  EXPECT_EQ(series.at(3)->name(), "Evaluated thickness 16 in (D = " + Label("LbEvalDamage").mid(21) + ")");
  EXPECT_EQ(static_cast<QXYSeries*>(series.at(3))->at(0).x(), 16);
  EXPECT_EQ(static_cast<QXYSeries*>(series.at(4))->at(0), QPointF(16, mix.damage));
  EXPECT_EQ(Label("LbEvalLife"), "Structural life left: " + QString::fromStdString(LifeText(mix.damage)));
  auto* grid = window.findChild<QTableWidget*>("GridEvaluation");
  ASSERT_EQ(grid->rowCount(), 4);
  EXPECT_EQ(grid->item(0, 0)->text(), "B737-800");
  EXPECT_EQ(grid->item(3, 0)->text(), "Bombardier CRJ900");
  ExpectFixed(grid->item(1, 1)->text(), mix.aircraft[1].damageRatioPct);
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Edge stress (psi)");

  window.ShowEvaluation(EvaluateMixDamage(state.designResult.basis, 25.4 / 2.54), true);
  EXPECT_EQ(Label("LbEvalThickness"), "Slab thickness: 25.4 cm");
  window.ShowDesign(state.designResult, true, "42.2");  // redrawn in metric units: the mark follows
  EXPECT_DOUBLE_EQ(static_cast<QXYSeries*>(Chart("chtDamage")->series().at(3))->at(0).x(), 25.4);
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Edge stress (kPa)");
}

TEST_F(FrmAnalysisTest, EscapeClosesTheWindow) {
  ASSERT_TRUE(window.isVisible());
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
