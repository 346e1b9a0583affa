// The about box: its controls, the page toggle of "More Info", and "OK".
#include "ui/frm_about.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/about_texts.h"
#include "ui/design_fonts.h"
#include "ui/form_setup.h"
#include "ui/twips.h"

namespace {

constexpr const char* kEmblem = ":/icons/ripades.png";  // a slab with its subgrade under a wheel
constexpr double kCreditsPoints = 10;
constexpr double kInformationPoints = 12;

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setAttribute(Qt::WA_DeleteOnClose);
  SetUpDialog(*this, tr("About RIPADES Program"), 8400, 6000);

  Picture1 = new QLabel(this);
  Picture1->setObjectName("Picture1");
  Picture1->setGeometry(TwipsRect(240, 240, 1440, 1440, this));
  Picture1->setPixmap(QPixmap(kEmblem).scaled(Picture1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  Text1 = new QTextEdit(this);
  Text1->setObjectName("Text1");
  Text1->setGeometry(TwipsRect(1920, 240, 6240, 4920, this));
  Text1->setReadOnly(true);
  cmdAddInfo = new QPushButton(tr("More Info"), this);
  cmdAddInfo->setObjectName("cmdAddInfo");
  cmdAddInfo->setGeometry(TwipsRect(1920, 5400, 1335, 375, this));
  cmdOK = new QPushButton(tr("OK"), this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setGeometry(TwipsRect(6825, 5400, 1335, 375, this));
  cmdOK->setDefault(true);

  connect(cmdAddInfo, &QPushButton::clicked, this, &frmAbout::cmdAddInfo_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  Form_Load();
}

void frmAbout::Form_Load() {
  credits_ = AboutCreditsText();
  information_ = AboutInformationText();
  current_.clear();
  ShowPage(credits_, Qt::AlignHCenter, kCreditsPoints, true);
}

void frmAbout::cmdAddInfo_Click() {
  if (current_ == information_) {
    ShowPage(credits_, Qt::AlignHCenter, kCreditsPoints, true);
    current_ = credits_;
  } else {
    ShowPage(information_, Qt::AlignLeft, kInformationPoints, false);
    current_ = information_;
  }
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::ShowPage(const std::string& text, Qt::Alignment alignment, double points, bool bold) {
  Text1->setFont(DesignFont("Times New Roman", points, bold));
  // Every CR LF becomes a paragraph of its own; the alignment is set on all of them.
  Text1->setPlainText(QString::fromStdString(text));
  QTextCursor all(Text1->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat format;
  format.setAlignment(alignment);
  all.mergeBlockFormat(format);
}
