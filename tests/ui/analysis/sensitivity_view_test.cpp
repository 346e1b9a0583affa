// The sensitivity view: its table and chart drawn from a sensitivity, in either unit.
#include "ui/analysis/sensitivity_view.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLineSeries>
#include <QTableWidget>
#include <cmath>

namespace {

// english_mixed_fleet as ripades-batch --sensitivity designs it, with one case that failed.
Sensitivity EnglishFleet() {
  Sensitivity s;
  s.designIn = 17.87109375;
  s.designCaption = "17.9";
  s.cases = {
      {SensitivityInput::kE, "E", 1.2, true, 18.7554931640625, "18.8", ""},
      {SensitivityInput::kK, "k", 0.8, true, 18.8873291015625, "18.9", ""},
      {SensitivityInput::kSc, "Sc", 1.2, true, 16.23, "16.2", ""},
      {SensitivityInput::kDepartures, "departures", 2, false, 0, kNoThickness, "Cannot design: ..."},
  };
  return s;
}

TEST(SensitivityView, TheTableListsEachCaseWithItsChangeFromTheDesignAsShown) {
  const QList<QStringList> rows = SensitivityRows(EnglishFleet());
  const QList<QStringList> expected{
      {"as designed", "\u00d7 1", "17.9", "0.0"},
      {"E", "\u00d7 1.2", "18.8", "+0.9"},
      {"k", "\u00d7 0.8", "18.9", "+1.0"},
      {"Sc", "\u00d7 1.2", "16.2", "-1.7"},
      {"departures", "\u00d7 2", "no thickness", ""},
  };
  EXPECT_EQ(rows, expected);

  Sensitivity metric;  // metric_regional
  metric.metric = true;
  metric.designIn = 19.833984375;
  metric.designCaption = "50.4";
  metric.cases = {{SensitivityInput::kK, "k", 1.2, true, 19.456787109375, "49.4", ""}};
  EXPECT_EQ(SensitivityRows(metric).back(), (QStringList{"k", "\u00d7 1.2", "49.4", "-1.0"}));

  SensitivityView view;
  view.ShowSensitivity(metric);
  auto* grid = view.findChild<QTableWidget*>("GridSensitivity");
  ASSERT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Thickness (cm)");
  EXPECT_EQ(grid->item(1, 2)->text(), "49.4");
  metric.outcome = Outcome::Failure("Cannot design: the subgrade modulus k must be a number above 0.");
  view.ShowSensitivity(metric);
  EXPECT_EQ(grid->rowCount(), 0);
  EXPECT_TRUE(view.ChartView()->chart()->series().isEmpty());
}

TEST(SensitivityView, TheChartHasALinePerInputThroughTheDesignAndMarksTheDesign) {
  std::unique_ptr<QChart> chart(SensitivityChart(EnglishFleet()));
  const QList<QAbstractSeries*> series = chart->series();
  ASSERT_EQ(series.size(), 5);
  const auto points = [&](int i) { return static_cast<QLineSeries*>(series[i])->points(); };
  EXPECT_EQ(series[0]->name(), "E");
  EXPECT_EQ(points(0), (QList<QPointF>{{0, 17.87109375}, {std::log2(1.2), 18.7554931640625}}));
  EXPECT_EQ(points(2), (QList<QPointF>{{std::log2(0.8), 18.8873291015625}, {0, 17.87109375}}));
  EXPECT_EQ(points(3), (QList<QPointF>{{0, 17.87109375}}));  // the failed case leaves a gap
  EXPECT_EQ(series[4]->name(), "Design thickness 17.9 in");
  EXPECT_EQ(points(4), (QList<QPointF>{{-1, 17.87109375}, {1, 17.87109375}}));

  Sensitivity metric = EnglishFleet();
  metric.metric = true;
  std::unique_ptr<QChart> cm(SensitivityChart(metric));
  EXPECT_EQ(static_cast<QLineSeries*>(cm->series()[0])->at(1).y(), 18.7554931640625 * 2.54);
  EXPECT_EQ(cm->series()[4]->name(), "Design thickness 17.9 cm");
}

}  // namespace
