// The main window's keyboard ways, standard shortcuts, file drops, tooltips and help window.
#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>
#include <functional>

#include "aircraft/mix_grid.h"
#include "ui/frm_aircraft.h"
#include "ui/frm_help.h"
#include "ui/help_tips.h"
#include "ui/input_file_drops.h"

namespace {

// The tooltips of the grid's heading and unit rows, which are cells, not a header of the table.
class GridHeadingTips : public QObject {
 public:
  GridHeadingTips(QTableWidget* grid, std::function<QString(int)> tip)
      : QObject(grid), grid_(grid), tip_(std::move(tip)) {
    grid->viewport()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex cell = grid_->indexAt(help->pos());
    const QString text = cell.isValid() && cell.row() < kGridFirstMixRow ? tip_(cell.column()) : QString();
    if (text.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), text, grid_->viewport(), grid_->visualRect(cell));
    return true;
  }

 private:
  QTableWidget* grid_;
  std::function<QString(int)> tip_;
};

}  // namespace

void frmAircraft::AddKeyboardAndHelp() {
  // Tab goes on to Add, Remove and Remove ALL; the arrow keys still walk the cells.
  aircraftView_.Grid1->setTabKeyNavigation(false);
  // The design view opens ready for typing E.
  connect(menus_.mnuPvmtStru, &QAction::triggered, this, [this] {
    designView_.TxtE->setFocus(Qt::TabFocusReason);
    designView_.TxtE->selectAll();
  });
  for (QLineEdit* box : {designView_.TxtE, designView_.TxtSc, designView_.Txtk})
    connect(box, &QLineEdit::returnPressed, designView_.cmdDesign, &QPushButton::click);

  const std::pair<QAction*, QKeySequence> shortcuts[] = {{menus_.FileLoad, QKeySequence(Qt::CTRL | Qt::Key_O)},
                                                         {menus_.FileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
                                                         {menus_.mnuPrintReport, QKeySequence(Qt::CTRL | Qt::Key_P)},
                                                         {menus_.FileExit, QKeySequence(Qt::CTRL | Qt::Key_Q)}};
  for (const auto& [item, keys] : shortcuts) item->setShortcut(keys);

  menus_.mnuHelpTopics = new QAction(tr("&Help Topics"), this);
  menus_.mnuHelpTopics->setObjectName("mnuHelpTopics");
  menus_.mnuHelpTopics->setShortcut(QKeySequence(Qt::Key_F1));
  menus_.mnuHelp->insertAction(menus_.mnuAbout, menus_.mnuHelpTopics);
  connect(menus_.mnuHelpTopics, &QAction::triggered, this, &frmAircraft::mnuHelpTopics_Click);

  new InputFileDrops(this, [this](const QString& path) { OpenInputFile(path.toStdString()); });
  new GridHeadingTips(aircraftView_.Grid1, [this](int column) {
    if (column < 0 || column >= kGridColumns) return QString();
    return GridColumnTip(column, QString::fromStdString(state_.unitword[static_cast<std::size_t>(column) + 1]));
  });
}

void frmAircraft::ShowHelpTips() {
  const bool metric = state_.IsMetric();
  const auto unit = [](const std::string& label) { return QString::fromStdString(label).trimmed(); };
  designView_.TxtE->setToolTip(MaterialInputTip(MaterialInput::kE, metric, unit(state_.LbunitE)));
  designView_.TxtSc->setToolTip(MaterialInputTip(MaterialInput::kSc, metric, unit(state_.LbunitSc)));
  designView_.Txtk->setToolTip(MaterialInputTip(MaterialInput::kK, metric, unit(state_.Lbunitk)));
  designView_.lbh->setToolTip(ThicknessTip(metric, unit(state_.Lbunith)));
}

// Modeless, as the about box: an open window is brought to the front. Asked from a material input, it
// opens at the inputs.
void frmAircraft::mnuHelpTopics_Click() {
  const bool atInput = designView_.TxtE->hasFocus() || designView_.TxtSc->hasFocus() || designView_.Txtk->hasFocus();
  auto* window = qobject_cast<frmHelp*>(helpWindow.data());
  if (!window) {
    window = new frmHelp(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    helpWindow = window;
  }
  window->ShowSection(atInput ? QStringLiteral("inputs") : QString());
  window->show();
  window->raise();
  window->activateWindow();
}
