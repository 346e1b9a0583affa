// The report into a text file (made whole, then saved over the target), and the PDF choice: its name and paper.
#include "ui/analysis/report_export.h"

#include <QLocale>
#include <QPrinterInfo>
#include <QString>

#include "project/text_file.h"
#include "report/report_file.h"

bool IsPdfName(const std::string& path) {
  return QString::fromStdString(path).endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

Outcome SaveReportText(const std::string& path, const std::vector<std::string>& lines) {
  return WriteTextFileAtomically(path, WithLineEnds(lines));
}

QPageSize DefaultPageSize() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull() && printer.defaultPageSize().isValid()) return printer.defaultPageSize();
  return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}
