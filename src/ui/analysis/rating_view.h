// The rating view of the analysis window: the PCR of the design's slab and of the evaluated slab, side by
// side, each computed off the window's thread.
#pragma once

#include <QGroupBox>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "rating/pavement_rating.h"

class QLabel;
class QProgressBar;
class QTableWidget;

// One slab's rating: the code in large type, its figures and a table of the mix aircraft. A rating is
// made on the thread pool once the panel is shown (a tab never looked at costs nothing); until it ends
// the panel says so with a busy bar, and a rating asked for later (or a Clear) drops the one waiting or
// running, whose result is never shown.
class RatingPanel : public QGroupBox {
  Q_OBJECT

 public:
  // `name` prefixes the object names of its controls: LbRating<name>Code, GridRating<name> ...
  RatingPanel(const QString& title, const QString& name, QWidget* parent = nullptr);

  void Rate(std::function<PavementRating()> work, bool metric);
  // Shows the rating in the unit system, or shows the work still running.
  void SetMetric(bool metric);
  // Drops the rating (and the one running) and shows the note instead.
  void Clear(const QString& note);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Start();
  void Show();

  std::function<PavementRating()> waiting_;     // the rating to make once shown
  std::shared_ptr<std::atomic<bool>> dropped_;  // of the rating running, if any
  std::optional<PavementRating> rating_;
  bool metric_ = false;
  QLabel* LbCode = nullptr;
  QProgressBar* barBusy = nullptr;
  QLabel* LbFigures = nullptr;
  QTableWidget* GridRating = nullptr;
};

// Rates the design's slab on the thread pool while the window keeps painting (user input waits), and
// returns the rating: for a command that needs it at once, such as the design document's export.
PavementRating RateDesignWhileWaiting(const DesignResult& design);

class RatingView : public QWidget {
  Q_OBJECT

 public:
  explicit RatingView(QWidget* parent = nullptr);

  // Rates the design's slab unless this design (by its number) is rated or being rated already; in
  // both cases shows it in the unit system.
  void ShowDesign(const DesignResult& design, bool metric);
  // Rates a slab evaluated at hIn with the data it was evaluated against, beside the design.
  void ShowEvaluation(const DesignBasis& basis, double hIn, bool metric);
  // No design: neither slab is rated.
  void Clear();
  // The evaluated slab's data have changed: only the design stays rated.
  void ClearEvaluation();

 private:
  std::optional<int> designNumber_;
  RatingPanel* fraRatingDesign = nullptr;
  RatingPanel* fraRatingEvaluation = nullptr;
};
