// The change-data dialog: modeless; OK stores a checked value, anything else leaves the data alone.
#include "ui/frm_changedata.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/form_setup.h"
#include "ui/twips.h"

frmChangedata::frmChangedata(ProgramState& state, MessageBox& messages, QWidget* parent)
    : QDialog(parent), state_(state), messages_(messages) {
  setObjectName("frmChangedata");
  SetUpDialog(*this, tr("Change Data"), 5325, 1965);

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(TwipsRect(480, 240, 4215, 855, this));
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setWordWrap(true);
  Text1 = new QLineEdit(this);
  Text1->setObjectName("Text1");
  Text1->setGeometry(TwipsRect(720, 1320, 1575, 375, this));
  LbUnit = new QLabel(this);
  LbUnit->setObjectName("LbUnit");
  LbUnit->setGeometry(TwipsRect(2520, 1320, 1095, 375, this));
  cmdOk = new QPushButton(tr("OK"), this);
  cmdOk->setObjectName("cmdOk");
  cmdOk->setGeometry(TwipsRect(3960, 1320, 855, 375, this));
  cmdOk->setDefault(true);  // Enter in Text1 presses OK
  setTabOrder(Text1, cmdOk);

  connect(cmdOk, &QPushButton::clicked, this, &frmChangedata::cmdOk_Click);
}

void frmChangedata::Begin(const CellEdit& edit) {
  edit_ = edit;
  Text1->setText(QString::fromStdString(edit.tempdata));
  LbUnit->setText(QString::fromStdString(edit.unit));
}

void frmChangedata::ShowCentered(const QString& prompt) {
  const QRect screen = (parentWidget() ? parentWidget()->screen() : this->screen())->geometry();
  move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
  show();
  raise();
  activateWindow();
  Label1->setText(prompt);
  Text1->selectAll();
  Text1->setFocus();
}

void frmChangedata::DropPendingChange() {
  edit_.reset();
  hide();
}

void frmChangedata::cmdOk_Click() {
  if (!edit_) {
    hide();
    return;
  }
  std::string text = Text1->text().toStdString();
  const bool stored = AcceptCellEdit(state_, *edit_, text, messages_);
  Text1->setText(QString::fromStdString(text));
  if (!stored) return;
  edit_.reset();
  hide();
  emit ValueStored();
}
