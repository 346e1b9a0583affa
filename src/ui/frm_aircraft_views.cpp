// The three views of the main window (title, aircraft data, design structure) and its layout rules.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "ui/frm_aircraft.h"
#include "ui/twips.h"

namespace {

void SetShown(std::initializer_list<QWidget*> controls, bool shown) {
  for (QWidget* control : controls) control->setVisible(shown);
}

}  // namespace

void frmAircraft::ShowTitleView() {
  SetShown({ListAircraft, cmdAdd, cmdDel, cmddelall, Grid1, txtReports}, false);
  mnuAircraft->setEnabled(true);
  mnuPvmtStru->setEnabled(true);
  SetShown({Picture1, LbTitle1, LbTitle2}, true);
  SetShown({cmdDesign, cmdReport, LbE, Lbk, LbSlab, LbSoil, LbSubgrade, LbThickness, LbunitE, Lbunith, Lbunitk,
            LbunitSc, LbPcc, lbh, lbSc, TxtE, Txtk, TxtSc},
           false);
}

void frmAircraft::mnuAircraft_Click() {
  SetShown({Picture1, LbTitle1, LbTitle2, txtReports}, false);
  // The rest of the design section keeps its state, hidden with Picture1.
  SetShown({cmdDesign, cmdReport, LbunitE, Lbunith, Lbunitk, LbunitSc}, false);
  SetShown({ListAircraft, cmdAdd, cmdDel, cmddelall, Grid1}, true);
  mnuAircraft->setEnabled(false);
  mnuPvmtStru->setEnabled(true);
}

void frmAircraft::mnuPvmtStru_Click() {
  SetShown({ListAircraft, cmdAdd, cmdDel, cmddelall, Grid1, txtReports, LbTitle1, LbTitle2}, false);
  SetShown({Picture1, cmdDesign, cmdReport, LbE, Lbk, LbSlab, LbSoil, LbSubgrade, TxtE, lbh, Txtk, LbPcc, LbThickness,
            lbSc, LbunitE, Lbunith, Lbunitk, LbunitSc, TxtSc},
           true);
  mnuAircraft->setEnabled(true);
  mnuPvmtStru->setEnabled(false);
  // A thickness shown before belongs to inputs that may have changed since.
  DesignOutdated();
}

// W and H are the window's outer size in twips; widths are set before the lefts that depend on them
// and the heights of the list and the grid before the tops of the buttons below them.
void frmAircraft::ApplyLayout(bool resizing) {
  const QSize outer = frameGeometry().size();
  const float w = static_cast<float>(PixelsToTwips(outer.width(), this));
  const float h = static_cast<float>(PixelsToTwips(outer.height(), this));
  const auto px = [this](float twips) { return TwipsToPixels(twips, this); };
  const auto tw = [this](int pixels) { return static_cast<float>(PixelsToTwips(pixels, this)); };

  Picture1->setGeometry(0, 0, px(0.999f * w), px(0.999f * h));
  // The report box covers the client area, not 0.99 of the outer size: sized by the outer height it
  // would reach below the window and hide its horizontal scroll bar and last lines.
  txtReports->setGeometry(centralWidget()->rect());
  const float pictureWidth = tw(Picture1->width());
  const float pictureHeight = tw(Picture1->height());
  const float titleWidth = 0.8f * pictureWidth;
  LbTitle1->setGeometry(px((pictureWidth - titleWidth) / 2), px(0.2f * h), px(titleWidth), px(0.4f * pictureHeight));
  LbTitle2->setGeometry(px((pictureWidth - titleWidth) / 2), px(0.5f * h), px(titleWidth), px(0.4f * pictureHeight));

  ListAircraft->resize(ListAircraft->width(), px(0.7f * h));
  if (resizing) Grid1->resize(px(0.6f * w), px(0.7f * h));
  const auto below = [&](const QWidget* above) { return px(tw(above->y() + above->height()) + 100); };
  cmdAdd->move(cmdAdd->x(), below(ListAircraft));
  if (resizing) {
    cmdDel->move(cmdDel->x(), below(Grid1));
    cmddelall->move(cmddelall->x(), below(Grid1));
  }
}
