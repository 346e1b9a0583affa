// The report into a text file or the design document into a PDF; each made whole, then saved over the target.
#include "ui/analysis/report_export.h"

#include <QLocale>
#include <QPrinterInfo>
#include <QString>

#include "analysis/design_document.h"
#include "project/text_file.h"
#include "report/report_file.h"
#include "ui/document/document_pdf.h"

bool IsPdfName(const std::string& path) {
  return QString::fromStdString(path).endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

Outcome SaveReportText(const std::string& path, const std::vector<std::string>& lines) {
  return WriteTextFileAtomically(path, WithLineEnds(lines));
}

Outcome SaveDesignPdf(const std::string& path, const ProgramState& state, const Sensitivity& sensitivity,
                      const QPageSize& pageSize) {
  DesignDocument document;
  const Outcome built = BuildDesignDocument(state, sensitivity, document);
  if (!built) return built;
  return SaveDesignDocument(path, document, pageSize);
}

QPageSize DefaultPageSize() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull() && printer.defaultPageSize().isValid()) return printer.defaultPageSize();
  return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}
