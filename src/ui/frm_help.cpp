// The help window: a browser over the help text shipped inside the program.
#include "ui/frm_help.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
  setObjectName("frmHelp");
  setWindowTitle(tr("RIPADES Help"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  txtHelp = new QTextBrowser;
  txtHelp->setObjectName("txtHelp");
  txtHelp->setOpenExternalLinks(false);
  txtHelp->setSource(QUrl(QString::fromLatin1(kHelpDocument)));
  auto* back = new QPushButton(tr("&Back"));
  back->setObjectName("cmdBack");
  back->setAutoDefault(false);
  back->setEnabled(false);
  auto* close = new QPushButton(tr("&Close"));
  close->setObjectName("cmdClose");
  close->setAutoDefault(false);
  connect(back, &QPushButton::clicked, txtHelp, &QTextBrowser::backward);
  connect(txtHelp, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtHelp, 1);
  layout->addLayout(buttons);
  // About eighty characters wide and thirty lines high, in the window's own font.
  const QFontMetrics metrics(txtHelp->font());
  resize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 32);
  txtHelp->setFocus();
}

void frmHelp::ShowSection(const QString& anchor) {
  if (anchor.isEmpty())
    txtHelp->setSource(QUrl(QString::fromLatin1(kHelpDocument)));
  else
    txtHelp->scrollToAnchor(anchor);
}
