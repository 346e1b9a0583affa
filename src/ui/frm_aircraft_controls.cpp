// Building the main window's controls: the top-level controls, the design section inside Picture1.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "report/report_printing.h"
#include "state/program_title.h"
#include "ui/access_keys.h"
#include "ui/design_fonts.h"
#include "ui/form_setup.h"
#include "ui/frm_aircraft.h"
#include "ui/twips.h"

namespace {

const QColor kWindowGrey(192, 192, 192);
const QColor kCyan(0, 255, 255);
const QColor kLightYellow(255, 255, 192);
const QColor kDarkBlue(0, 0, 192);

// A control of the window: named as the program names it, placed at its design position in twips.
template <class Control>
Control* Make(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* control = new Control(parent);
  control->setObjectName(name);
  control->setGeometry(TwipsRect(left, top, width, height, parent));
  return control;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height) {
  auto* label = Make<QLabel>(parent, name, left, top, width, height);
  label->setText(caption);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                        int height) {
  auto* button = Make<QPushButton>(parent, name, left, top, width, height);
  button->setText(caption);
  return button;
}

void Paint(QWidget* widget, const QColor& background, QPalette::ColorRole role = QPalette::Window) {
  QPalette palette = widget->palette();
  palette.setColor(role, background);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  widget->setPalette(palette);
}

}  // namespace

void frmAircraft::CreateControls() {
  SetUpForm(*this, kProgramName);
  auto* client = new QWidget(this);
  client->setObjectName("client");
  Paint(client, kWindowGrey);
  setCentralWidget(client);

  // Created bottommost first: a later control lies above an earlier one where they overlap.
  aircraftView_.Grid1 = Make<QTableWidget>(client, "Grid1", 2100, 360, 4995, 4155);
  aircraftView_.Grid1->horizontalHeader()->hide();
  aircraftView_.Grid1->verticalHeader()->hide();
  aircraftView_.Grid1->verticalHeader()->setMinimumSectionSize(1);
  aircraftView_.Grid1->verticalHeader()->setDefaultSectionSize(TwipsToPixels(255, aircraftView_.Grid1));
  aircraftView_.Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  aircraftView_.Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
  aircraftView_.Grid1->setWordWrap(true);
  aircraftView_.Grid1->setRowCount(2);
  aircraftView_.Grid1->setColumnCount(2);
  aircraftView_.Grid1->installEventFilter(this);

  aircraftView_.ListAircraft = Make<QListWidget>(client, "ListAircraft", 120, 360, 1815, 4155);
  aircraftView_.ListAircraft->setSelectionMode(QAbstractItemView::SingleSelection);

  titleView_.Picture1 = Make<QFrame>(client, "Picture1", 0, 0, 7140, 5220);
  Paint(titleView_.Picture1, kCyan);
  CreateDesignSection();

  aircraftView_.cmdAdd = MakeButton(client, "cmdAdd", tr("&Add"), 240, 4680, 1215, 375);
  aircraftView_.cmdDel = MakeButton(client, "cmdDel", tr("&Remove"), 2220, 4680, 1335, 375);
  aircraftView_.cmddelall = MakeButton(client, "cmddelall", tr("Remove A&LL"), 3780, 4680, 1335, 375);

  designView_.txtReports = Make<QPlainTextEdit>(client, "txtReports", 0, 0, 7215, 5295);
  designView_.txtReports->setFont(DesignFont("Fixedsys", 9));
  designView_.txtReports->setLineWrapMode(QPlainTextEdit::NoWrap);
  designView_.txtReports->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  designView_.txtReports->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  new ButtonAccessKeys(this, {aircraftView_.cmdAdd, aircraftView_.cmdDel, aircraftView_.cmddelall});

  setTabOrder(aircraftView_.ListAircraft, aircraftView_.Grid1);
  setTabOrder(aircraftView_.Grid1, aircraftView_.cmdAdd);
  setTabOrder(aircraftView_.cmdAdd, aircraftView_.cmdDel);
  setTabOrder(aircraftView_.cmdDel, aircraftView_.cmddelall);
}

// The design view is a cross-section: the concrete slab with "PCC", E, Sc and the thickness above the
// light-yellow subgrade with k; the title view's two labels lie at the bottom of the stack.
void frmAircraft::CreateDesignSection() {
  QWidget* p = titleView_.Picture1;
  const QColor buttonFace = palette().color(QPalette::Button);

  titleView_.LbTitle1 = MakeLabel(p, "LbTitle1", kProgramName, 720, 720, 5505, 1335);
  titleView_.LbTitle1->setFont(DesignFont("Times New Roman", 60, true, true));
  titleView_.LbTitle1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Paint(titleView_.LbTitle1, kCyan);
  SetTextColor(titleView_.LbTitle1, kDarkBlue);
  titleView_.LbTitle2 = MakeLabel(p, "LbTitle2", kProgramTitle, 0, 2520, 6945, 1170);
  titleView_.LbTitle2->setFont(DesignFont("Times New Roman", 20.25, true, true));
  titleView_.LbTitle2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  titleView_.LbTitle2->setWordWrap(true);
  Paint(titleView_.LbTitle2, kCyan);

  designView_.LbSlab = MakeLabel(p, "LbSlab", {}, 720, 720, 5655, 1335);
  Paint(designView_.LbSlab, buttonFace);
  designView_.LbPcc = MakeLabel(p, "LbPcc", "PCC", 1320, 1200, 975, 375);
  designView_.LbPcc->setFont(DesignFont("Times New Roman", 12));
  Paint(designView_.LbPcc, buttonFace.darker(115));  // the colour of an active window border
  designView_.LbE = MakeLabel(p, "LbE", "E", 2760, 840, 1575, 255);
  designView_.LbE->setFont(DesignFont("Times New Roman", 9.75));
  designView_.LbThickness = MakeLabel(p, "LbThickness", "Thickness", 5040, 840, 1215, 255);
  designView_.LbSoil = MakeLabel(p, "LbSoil", {}, 720, 2040, 5655, 1095);
  Paint(designView_.LbSoil, kLightYellow);
  designView_.LbSubgrade = MakeLabel(p, "LbSubgrade", "Subgrade", 1320, 2520, 1215, 495);
  designView_.LbSubgrade->setFont(DesignFont("Times New Roman", 12));
  Paint(designView_.LbSubgrade, kLightYellow);
  designView_.Lbk = MakeLabel(p, "Lbk", "k", 2760, 2160, 1575, 375);
  Paint(designView_.Lbk, kLightYellow);
  designView_.lbSc = MakeLabel(p, "lbSc", "Sc", 3840, 840, 975, 375);

  const QFont unitFont = DesignFont(kFixedPitchFont, 9.75);
  designView_.LbunitE = MakeLabel(p, "LbunitE", {}, 2760, 1680, 855, 255);
  designView_.LbunitSc = MakeLabel(p, "LbunitSc", {}, 3900, 1680, 855, 255);
  designView_.Lbunith = MakeLabel(p, "Lbunith", {}, 5040, 1680, 855, 255);
  designView_.Lbunitk = MakeLabel(p, "Lbunitk", {}, 2760, 2880, 855, 255);
  Paint(designView_.Lbunitk, kLightYellow);
  for (QLabel* unit : {designView_.LbunitE, designView_.LbunitSc, designView_.Lbunith, designView_.Lbunitk})
    unit->setFont(unitFont);

  designView_.lbh = MakeLabel(p, "lbh", {}, 5040, 1200, 855, 375);
  designView_.lbh->setFont(DesignFont(kFixedPitchFont, 12));
  designView_.lbh->setFrameStyle(QFrame::Box | QFrame::Plain);
  Paint(designView_.lbh, buttonFace);

  designView_.TxtE = Make<QLineEdit>(p, "TxtE", 2760, 1200, 855, 375);
  designView_.Txtk = Make<QLineEdit>(p, "Txtk", 2760, 2520, 855, 375);
  designView_.cmdDesign = MakeButton(p, "cmdDesign", "Design Thickness", 1200, 3720, 1575, 375);
  designView_.TxtSc = Make<QLineEdit>(p, "TxtSc", 3840, 1200, 975, 375);
  designView_.cmdReport = MakeButton(p, "cmdReport", "Report", 4260, 3720, 1575, 375);
  // The boxes and buttons draw their frames from the window colour: keep the system's, not the cyan.
  const QColor systemWindow = QApplication::palette().color(QPalette::Window);
  for (QWidget* control : std::initializer_list<QWidget*>{designView_.TxtE, designView_.Txtk, designView_.TxtSc,
                                                          designView_.cmdDesign, designView_.cmdReport}) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, systemWindow);
    control->setPalette(palette);
  }

  setTabOrder(designView_.TxtE, designView_.TxtSc);
  setTabOrder(designView_.TxtSc, designView_.Txtk);
  setTabOrder(designView_.Txtk, designView_.cmdDesign);
  setTabOrder(designView_.cmdDesign, designView_.cmdReport);
}
