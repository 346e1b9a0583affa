// The modal "Document Details" dialog: its lines are named after the details' keys ("pavement area").
#include "ui/services/qt_details_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <vector>

namespace {

// Long enough for any title block; notes of this length still fit on the document's first page.
constexpr int kMaxDetailLength = 1000;

}  // namespace

std::optional<DocumentDetails> QtDetailsDialog::AskDetails(const DocumentDetails& offered) {
  QDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(QObject::tr("Document Details"));
  dialog.setWindowModality(Qt::ApplicationModal);
  auto* form = new QFormLayout(&dialog);
  std::vector<QLineEdit*> lines;
  for (const DocumentDetailField& field : kDocumentDetailFields) {
    auto* line = new QLineEdit(QString::fromStdString(offered.*(field.value)), &dialog);
    line->setObjectName(QString::fromLatin1(field.key));
    line->setMinimumWidth(320);
    line->setMaxLength(kMaxDetailLength);
    form->addRow(QObject::tr(field.label) + QStringLiteral(":"), line);
    lines.push_back(line);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  DocumentDetails details;
  for (std::size_t i = 0; i < lines.size(); ++i)
    details.*(kDocumentDetailFields[i].value) = lines[i]->text().toStdString();
  return details;
}
