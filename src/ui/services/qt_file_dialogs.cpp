// File dialogs: the "shown|pattern" filter pairs become the toolkit's name filters.
#include "ui/services/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace {

// "(*.inp)|*.inp" lists "(*.inp)" and matches *.inp: the toolkit takes the pattern in parentheses
// after the shown text, and hides it again in the list.
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
  return filters;
}

// "pdf" for the name filter "PDF (*.pdf) (*.pdf)": the suffix of its last pattern.
QString FilterSuffix(const QString& nameFilter) {
  static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+)\)$)"));
  return pattern.match(nameFilter).captured(1);
}

std::optional<std::string> Run(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(!save && request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  dialog.setNameFilters(NameFilters(request.filter));
  if (!request.initialName.empty()) dialog.selectFile(QString::fromStdString(request.initialName));
  if (save && request.addFilterSuffix) {
    dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::ShowOpen(const FileDialogRequest& request) { return Run(request, false); }

std::optional<std::string> QtFileDialogs::ShowSave(const FileDialogRequest& request) { return Run(request, true); }
