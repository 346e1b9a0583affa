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
  SetShown({aircraftView_.ListAircraft, aircraftView_.cmdAdd, aircraftView_.cmdDel, aircraftView_.cmddelall,
            aircraftView_.Grid1, designView_.txtReports},
           false);
  menus_.mnuAircraft->setEnabled(true);
  menus_.mnuPvmtStru->setEnabled(true);
  SetShown({titleView_.Picture1, titleView_.LbTitle1, titleView_.LbTitle2}, true);
  SetShown({designView_.cmdDesign, designView_.cmdReport, designView_.LbE, designView_.Lbk, designView_.LbSlab,
            designView_.LbSoil, designView_.LbSubgrade, designView_.LbThickness, designView_.LbunitE,
            designView_.Lbunith, designView_.Lbunitk, designView_.LbunitSc, designView_.LbPcc, designView_.lbh,
            designView_.lbSc, designView_.TxtE, designView_.Txtk, designView_.TxtSc},
           false);
}

void frmAircraft::mnuAircraft_Click() {
  SetShown({titleView_.Picture1, titleView_.LbTitle1, titleView_.LbTitle2, designView_.txtReports}, false);
  // The rest of the design section keeps its state, hidden with Picture1.
  SetShown({designView_.cmdDesign, designView_.cmdReport, designView_.LbunitE, designView_.Lbunith, designView_.Lbunitk,
            designView_.LbunitSc},
           false);
  SetShown({aircraftView_.ListAircraft, aircraftView_.cmdAdd, aircraftView_.cmdDel, aircraftView_.cmddelall,
            aircraftView_.Grid1},
           true);
  menus_.mnuAircraft->setEnabled(false);
  menus_.mnuPvmtStru->setEnabled(true);
}

void frmAircraft::mnuPvmtStru_Click() {
  SetShown({aircraftView_.ListAircraft, aircraftView_.cmdAdd, aircraftView_.cmdDel, aircraftView_.cmddelall,
            aircraftView_.Grid1, designView_.txtReports, titleView_.LbTitle1, titleView_.LbTitle2},
           false);
  SetShown({titleView_.Picture1, designView_.cmdDesign, designView_.cmdReport, designView_.LbE, designView_.Lbk,
            designView_.LbSlab, designView_.LbSoil, designView_.LbSubgrade, designView_.TxtE, designView_.lbh,
            designView_.Txtk, designView_.LbPcc, designView_.LbThickness, designView_.lbSc, designView_.LbunitE,
            designView_.Lbunith, designView_.Lbunitk, designView_.LbunitSc, designView_.TxtSc},
           true);
  menus_.mnuAircraft->setEnabled(true);
  menus_.mnuPvmtStru->setEnabled(false);
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

  titleView_.Picture1->setGeometry(0, 0, px(0.999f * w), px(0.999f * h));
  // The report box covers the client area, not 0.99 of the outer size: sized by the outer height it
  // would reach below the window and hide its horizontal scroll bar and last lines.
  designView_.txtReports->setGeometry(centralWidget()->rect());
  const float pictureWidth = tw(titleView_.Picture1->width());
  const float pictureHeight = tw(titleView_.Picture1->height());
  const float titleWidth = 0.8f * pictureWidth;
  titleView_.LbTitle1->setGeometry(px((pictureWidth - titleWidth) / 2), px(0.2f * h), px(titleWidth),
                                   px(0.4f * pictureHeight));
  titleView_.LbTitle2->setGeometry(px((pictureWidth - titleWidth) / 2), px(0.5f * h), px(titleWidth),
                                   px(0.4f * pictureHeight));

  aircraftView_.ListAircraft->resize(aircraftView_.ListAircraft->width(), px(0.7f * h));
  if (resizing) aircraftView_.Grid1->resize(px(0.6f * w), px(0.7f * h));
  const auto below = [&](const QWidget* above) { return px(tw(above->y() + above->height()) + 100); };
  aircraftView_.cmdAdd->move(aircraftView_.cmdAdd->x(), below(aircraftView_.ListAircraft));
  if (resizing) {
    aircraftView_.cmdDel->move(aircraftView_.cmdDel->x(), below(aircraftView_.Grid1));
    aircraftView_.cmddelall->move(aircraftView_.cmddelall->x(), below(aircraftView_.Grid1));
  }
}
