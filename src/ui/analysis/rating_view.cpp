// The rating view: each slab rated on the thread pool, then shown in the unit in force.
#include "ui/analysis/rating_view.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>

#include "analysis/rating_texts.h"

namespace {

constexpr double kCodeScale = 2;  // the code's type size over the window's

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The rating, or, should making it fail (memory, threads), no rating and why: nothing thrown on the pool
// reaches the window.
PavementRating Guarded(const std::function<PavementRating()>& work) {
  try {
    return work();
  } catch (const std::exception& e) {
    PavementRating failed;
    failed.outcome = Outcome::Failure(std::string("no rating: ") + e.what());
    return failed;
  }
}

}  // namespace

RatingPanel::RatingPanel(const QString& title, const QString& name, QWidget* parent) : QGroupBox(title, parent) {
  setObjectName("fraRating" + name);
  LbCode = new QLabel;
  LbCode->setObjectName("LbRating" + name + "Code");
  LbCode->setWordWrap(true);
  LbCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont large = LbCode->font();
  large.setPointSizeF(large.pointSizeF() * kCodeScale);
  large.setBold(true);
  LbCode->setFont(large);
  barBusy = new QProgressBar;
  barBusy->setObjectName("barRating" + name + "Busy");
  barBusy->setRange(0, 0);  // no measure of the work: the bar just moves
  barBusy->setTextVisible(false);
  barBusy->hide();
  LbFigures = new QLabel;
  LbFigures->setObjectName("LbRating" + name + "Figures");
  LbFigures->setTextInteractionFlags(Qt::TextSelectableByMouse);
  GridRating = new QTableWidget;
  GridRating->setObjectName("GridRating" + name);
  GridRating->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GridRating->verticalHeader()->hide();
  GridRating->verticalHeader()->setDefaultSectionSize(GridRating->fontMetrics().height() + 6);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LbCode);
  layout->addWidget(barBusy);
  layout->addWidget(LbFigures);
  layout->addWidget(GridRating, 1);
}

void RatingPanel::Rate(std::function<PavementRating()> work, bool metric) {
  if (dropped_) *dropped_ = true;
  dropped_.reset();
  rating_.reset();
  metric_ = metric;
  waiting_ = std::move(work);
  if (isVisible()) Start();
  Show();
}

void RatingPanel::showEvent(QShowEvent* event) {
  QGroupBox::showEvent(event);
  if (waiting_) Start();
}

void RatingPanel::Start() {
  dropped_ = std::make_shared<std::atomic<bool>>(false);
  // A rating dropped before its turn on the pool is not made at all.
  const auto dropped = dropped_;
  auto* watcher = new QFutureWatcher<std::optional<PavementRating>>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, dropped] {
    watcher->deleteLater();
    if (*dropped) return;
    rating_ = watcher->result();
    dropped_.reset();
    Show();
  });
  watcher->setFuture(QtConcurrent::run([work = std::move(waiting_), dropped]() -> std::optional<PavementRating> {
    if (*dropped) return std::nullopt;
    return Guarded(work);
  }));
  waiting_ = nullptr;
}

void RatingPanel::SetMetric(bool metric) {
  metric_ = metric;
  Show();
}

void RatingPanel::Clear(const QString& note) {
  if (dropped_) *dropped_ = true;
  dropped_.reset();
  waiting_ = nullptr;
  rating_.reset();
  Show();
  LbCode->setText(note);
}

void RatingPanel::Show() {
  const bool running = dropped_ != nullptr || waiting_ != nullptr;
  barBusy->setVisible(running);
  GridRating->clear();
  GridRating->setRowCount(0);
  GridRating->setColumnCount(0);
  LbFigures->clear();
  if (running) {
    LbCode->setText(tr("Rating the slab..."));
    return;
  }
  if (!rating_) return;
  const RatingTexts texts = RatingInUnits(*rating_, metric_);
  LbCode->setText(Text(texts.code));
  QStringList figures;
  for (const RatingFigure& f : texts.figures) figures << Text(f.label) + ": " + Text(f.value);
  LbFigures->setText(figures.join('\n'));
  GridRating->setColumnCount(static_cast<int>(texts.headings.size()));
  QStringList headings;
  for (const std::string& h : texts.headings) headings << Text(h);
  GridRating->setHorizontalHeaderLabels(headings);
  GridRating->setRowCount(static_cast<int>(texts.rows.size()));
  for (int row = 0; row < GridRating->rowCount(); ++row) {
    const std::vector<std::string>& cells = texts.rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
      auto* item = new QTableWidgetItem(Text(cells[static_cast<std::size_t>(column)]));
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (column == texts.slabColumn) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      GridRating->setItem(row, column, item);
    }
  }
  GridRating->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

PavementRating RateDesignWhileWaiting(const DesignResult& design) {
  QFutureWatcher<PavementRating> watcher;
  QEventLoop loop;
  QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
  watcher.setFuture(QtConcurrent::run([design] { return Guarded([&design] { return RateDesign(design); }); }));
  if (!watcher.isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  return watcher.result();
}

RatingView::RatingView(QWidget* parent) : QWidget(parent) {
  fraRatingDesign = new RatingPanel(tr("The design's slab"), "Design");
  fraRatingEvaluation = new RatingPanel(tr("The evaluated slab"), "Evaluation");
  fraRatingEvaluation->hide();  // until a slab is evaluated
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(fraRatingDesign, 1);
  layout->addWidget(fraRatingEvaluation, 1);
  Clear();
}

void RatingView::ShowDesign(const DesignResult& design, bool metric) {
  if (designNumber_ == design.number) {
    fraRatingDesign->SetMetric(metric);
  } else {
    designNumber_ = design.number;
    fraRatingDesign->Rate([design] { return RateDesign(design); }, metric);
  }
  if (fraRatingEvaluation->isVisibleTo(this)) fraRatingEvaluation->SetMetric(metric);
}

void RatingView::ShowEvaluation(const DesignBasis& basis, double hIn, bool metric) {
  fraRatingEvaluation->show();
  fraRatingEvaluation->Rate([basis, hIn] { return RateSlab(basis, hIn); }, metric);
}

void RatingView::Clear() {
  designNumber_.reset();
  fraRatingDesign->Clear(tr("No design to rate: press \"Design Thickness\" first"));
  ClearEvaluation();
}

void RatingView::ClearEvaluation() {
  fraRatingEvaluation->Clear({});
  fraRatingEvaluation->hide();
}
