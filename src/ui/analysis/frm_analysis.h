// The analysis window: the damage curve and the damage shares of a design, the evaluation of an
// existing slab, and the design's sensitivity to E, Sc, k and the traffic.
#pragma once

#include <QDialog>
#include <optional>

#include "analysis/mix_analysis.h"
#include "analysis/sensitivity.h"
#include "services/file_dialogs.h"
#include "services/message_box.h"

class DamageCurveView;
class QChartView;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;
class RatingView;
class SensitivityView;

// Modeless; Escape closes it. The charts show the design handed in last and the evaluation panel the
// last evaluation, until it is cleared; each is replaced as a whole. Thicknesses and stresses appear in
// the unit in force.
class frmAnalysis : public QDialog {
  Q_OBJECT

 public:
  frmAnalysis(FileDialogs& files, MessageBox& messages, QWidget* parent = nullptr);

  // Draws the charts of the design (its curve from the inputs and mix it computed with, its stored
  // damage ratios); `caption` is its thickness as the main window shows it.
  void ShowDesign(const DesignResult& design, bool metric, const std::string& caption);
  // Empties the charts: there is no design to explain.
  void ClearDesign();
  // Fills the sensitivity view with the designs of the scaled inputs of the design shown.
  void ShowSensitivity(const Sensitivity& sensitivity);
  // Shows the damage of a slab, each aircraft's damage ratio and the structural life left, and marks
  // the slab on the curve.
  void ShowEvaluation(const MixDamage& mix, bool metric);
  // Shows the evaluation again in the unit system given, and marks it on the curve drawn since.
  void ShowEvaluationIn(bool metric);
  // Takes the evaluation and its mark away: the data it was made of have changed.
  void ClearEvaluation();
  // Rates the evaluated slab, of thickness hIn, for the data it was evaluated against.
  void RateEvaluation(const DesignBasis& basis, double hIn, bool metric);

  // "Export...": saves the charts of the view shown (damage or sensitivity) as one PNG or SVG picture.
  void cmdExport_Click();

 private:
  void CreateControls();

  FileDialogs& files_;
  MessageBox& messages_;
  std::optional<MixDamage> evaluated_;  // the slab evaluated last, marked on the curve

  DamageCurveView* chtDamage = nullptr;
  QChartView* chtShares = nullptr;
  QGroupBox* fraEvaluation = nullptr;
  QLabel* LbEvalThickness = nullptr;
  QLabel* LbEvalDamage = nullptr;
  QLabel* LbEvalLife = nullptr;
  QTableWidget* GridEvaluation = nullptr;
  QTabWidget* tabViews = nullptr;
  SensitivityView* viewSensitivity = nullptr;
  RatingView* viewRating = nullptr;
  QPushButton* cmdExport = nullptr;
  QPushButton* cmdClose = nullptr;
};
