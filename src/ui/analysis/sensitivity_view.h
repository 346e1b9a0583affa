// The sensitivity view of the analysis window: the thickness for each scaled input as a chart and a table.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "analysis/sensitivity.h"

class QChart;
class QChartView;
class QTableWidget;

// Name of the chart's line at the design thickness, by which the view and its tests find it.
inline constexpr const char* kDesignLineName = "Design thickness";

// One line per input over the factor (on a logarithmic axis, so that x 0.5 and x 2 lie as far from
// x 1 as each other), through the design thickness at x 1, thickness in the unit in force; a dashed
// line marks the design thickness. A case without a thickness leaves a gap. The chart belongs to the
// caller.
QChart* SensitivityChart(const Sensitivity& sensitivity);

// The table's cells, row by row: the input, "x 0.8", the thickness as lbh shows it (or "no thickness")
// and its change from the design thickness in the unit in force, one decimal, signed.
QList<QStringList> SensitivityRows(const Sensitivity& sensitivity);

class SensitivityView : public QWidget {
  Q_OBJECT

 public:
  explicit SensitivityView(QWidget* parent = nullptr);

  void ShowSensitivity(const Sensitivity& sensitivity);
  // Empties chart and table: there is no design.
  void Clear();

  QChartView* ChartView() const { return chtSensitivity; }

 private:
  QChartView* chtSensitivity = nullptr;
  QTableWidget* GridSensitivity = nullptr;
};
