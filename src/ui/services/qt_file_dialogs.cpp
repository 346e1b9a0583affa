// File dialogs: the "shown|pattern" filter pairs become the toolkit's name filters.
#include "ui/services/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace {

// "(*.inp)|*.inp" lists "(*.inp)" and matches *.inp: the toolkit takes the pattern in parentheses
// after the shown text, and hides it again in the list.
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
  return filters;
}

std::optional<std::string> Run(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(!save && request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  dialog.setNameFilters(NameFilters(request.filter));
  if (!request.initialName.empty()) dialog.selectFile(QString::fromStdString(request.initialName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::ShowOpen(const FileDialogRequest& request) { return Run(request, false); }

std::optional<std::string> QtFileDialogs::ShowSave(const FileDialogRequest& request) { return Run(request, true); }
