// The aircraft view: the aircraft list, the traffic mix grid and its buttons, and the change of a value.
#include <QKeyEvent>
#include <QListWidget>
#include <QTableWidget>
#include <algorithm>

#include "aircraft/change_data.h"
#include "aircraft/mix_grid.h"
#include "aircraft/traffic_mix.h"
#include "ui/frm_aircraft.h"
#include "ui/frm_changedata.h"
#include "ui/twips.h"
#include "units/unit_system.h"

namespace {

constexpr int kNameColumnTwips = 1300;
constexpr int kValueColumnTwips = 1200;
constexpr int kHeadingRowTwips = 500;

}  // namespace

void frmAircraft::FillAircraftList() {
  for (int r = 1; r <= state_.account; ++r)
    aircraftView_.ListAircraft->addItem(QString::fromStdString(state_.acdata[r][kFieldName]));
}

// With several items selected the last one wins.
int frmAircraft::List_sel() const {
  int row = 0;
  for (int k = 0; k < state_.account && k < aircraftView_.ListAircraft->count(); ++k)
    if (aircraftView_.ListAircraft->item(k)->isSelected()) row = k + 1;
  return row;
}

void frmAircraft::SetGridCell(int row, int column, const std::string& text) {
  QTableWidgetItem* item = aircraftView_.Grid1->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    const bool heading = row < kGridFirstMixRow;
    item->setTextAlignment(heading       ? Qt::AlignCenter
                           : column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                         : Qt::AlignRight | Qt::AlignVCenter);
    if (heading) item->setBackground(palette().color(QPalette::Button));
    aircraftView_.Grid1->setItem(row, column, item);
  }
  item->setText(QString::fromStdString(text));
}

void frmAircraft::BuildGridHeader() {
  if (aircraftView_.Grid1->columnCount() < kGridColumns) aircraftView_.Grid1->setColumnCount(kGridColumns);
  if (aircraftView_.Grid1->rowCount() < kGridFirstMixRow) aircraftView_.Grid1->setRowCount(kGridFirstMixRow);
  aircraftView_.Grid1->setColumnWidth(0, TwipsToPixels(kNameColumnTwips, aircraftView_.Grid1));
  for (int c = 1; c < kGridColumns; ++c)
    aircraftView_.Grid1->setColumnWidth(c, TwipsToPixels(kValueColumnTwips, aircraftView_.Grid1));
  aircraftView_.Grid1->setRowHeight(kGridHeadingRow, TwipsToPixels(kHeadingRowTwips, aircraftView_.Grid1));
  SetUnitWords(state_);
  for (int c = 0; c < kGridColumns; ++c) {
    SetGridCell(kGridHeadingRow, c, state_.achead[c + 1]);
    SetGridCell(kGridUnitRow, c, state_.unitword[c + 1]);
  }
}

void frmAircraft::FillMixGrid(const MixList& list, int count) {
  // The change waiting in the dialog names a mix position, which may now hold another aircraft.
  if (changeDialog) changeDialog->DropPendingChange();
  count = std::clamp(count, 0, kMaxAircraft);
  aircraftView_.Grid1->setRowCount(count + kGridFirstMixRow);
  for (int p = 1; p <= count; ++p)
    for (int c = 0; c < aircraftView_.Grid1->columnCount() && c < kGridColumns; ++c)
      SetGridCell(p + 1, c, MixCellText(state_.acdata, list[p], c));
}

// Every change of the mix or of an aircraft's value changes what a design reads, so the design shown
// goes with it.
void frmAircraft::cmdAdd_Click() {
  if (!AddToMix(state_, List_sel())) return;
  FillMixGrid(state_.mixlist, state_.MixCount());
  DesignOutdated();
}

void frmAircraft::ListAircraft_DblClick() { cmdAdd_Click(); }

void frmAircraft::cmdDel_Click() {
  if (!RemoveFromMix(state_, selrow_, services_.messages)) return;
  FillMixGrid(state_.mixlist, state_.MixCount());
  DesignOutdated();
}

void frmAircraft::cmddelall_Click() {
  const bool emptied = state_.MixCount() > 0;
  RemoveAllFromMix(state_, selrow_);
  FillMixGrid(state_.mixlist, 0);
  if (emptied) DesignOutdated();
}

void frmAircraft::Grid1_Click() { selrow_ = aircraftView_.Grid1->currentRow(); }

void frmAircraft::Grid1_DblClick() {
  const std::optional<CellEdit> edit =
      BeginCellEdit(state_, aircraftView_.Grid1->currentRow(), aircraftView_.Grid1->currentColumn());
  if (!edit) return;
  if (!changeDialog) {
    changeDialog = new frmChangedata(state_, services_.messages, this);
    connect(changeDialog, &frmChangedata::ValueStored, this, [this] {
      FillMixGrid(state_.mixlist, state_.MixCount());
      DesignOutdated();
      activateWindow();
    });
  }
  changeDialog->Begin(*edit);
  ShowChangeDialog(QString::fromStdString(edit->prompt));
}

void frmAircraft::ShowChangeDialog(const QString& prompt) {
  BusyScope busy(services_.busy);
  changeDialog->ShowCentered(prompt);
}

// The grid answers the keyboard as it does the mouse: moving the current cell is a click, Enter a
// double-click.
bool frmAircraft::eventFilter(QObject* watched, QEvent* event) {
  if (watched == aircraftView_.Grid1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Grid1_DblClick();
      return true;
    }
  }
  if (watched == aircraftView_.Grid1 && event->type() == QEvent::KeyRelease) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Home:
      case Qt::Key_End:
        Grid1_Click();
        break;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}
