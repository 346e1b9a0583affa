// Printing text lines: a document starts with its first line and ends with EndDoc.
#include "ui/services/qt_printer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPrintDialog>
#include <QPrintEngine>

#include "ui/design_fonts.h"

namespace {

constexpr double kPrinterFontPoints = 10;  // the report sets only the font name, not its size
// The print engine's list of job options (name, value, name, value ...) that go with the job to the
// print server; the page choices a platform dialog offers on its own end up there.
constexpr auto kJobOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
const QStringList kPageChoices = {"page-set", "page-ranges", "outputorder", "OutputOrder"};

// The report is always printed whole, first page first: whatever page range, page set or order the
// platform's dialog still offered is undone.
void PrintWhole(QPrinter& printer) {
  printer.setPrintRange(QPrinter::AllPages);
  printer.setPageRanges(QPageRanges());
  printer.setPageOrder(QPrinter::FirstPageFirst);
  QPrintEngine* engine = printer.printEngine();
  const QStringList options = engine->property(kJobOptions).toStringList();
  QStringList kept;
  for (qsizetype i = 0; i + 1 < options.size(); i += 2)
    if (!kPageChoices.contains(options[i])) kept << options[i] << options[i + 1];
  if (kept != options) engine->setProperty(kJobOptions, kept);
}

}  // namespace

// Only the printer and the number of copies mean something for the report: every option a program may
// switch off is off (no page range, current page, selection, print to file, and no collation, since
// each copy is a job of its own).
std::optional<int> QtPrinter::ShowPrintDialog() {
  QPrintDialog dialog(&printer_, QApplication::activeWindow());
  dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
  if (RunPrintDialog(dialog) != QDialog::Accepted) return std::nullopt;
  PrintWhole(printer_);
  const int copies = printer_.copyCount();
  // Each copy is printed as a document of its own, so the printer itself prints one.
  printer_.setCopyCount(1);
  return copies;
}

int QtPrinter::RunPrintDialog(QPrintDialog& dialog) { return dialog.exec(); }

void QtPrinter::SetFontName(const std::string& name) { fontName_ = QString::fromStdString(name); }

bool QtPrinter::PrintLine(const std::string& line) {
  if (!painter_.isActive()) {
    if (!painter_.begin(&printer_)) return false;
    y_ = 0;
  }
  painter_.setFont(DesignFont(fontName_, kPrinterFontPoints));
  const QFontMetrics metrics(painter_.font(), &printer_);
  if (y_ > 0 && y_ + metrics.lineSpacing() > painter_.viewport().height()) {
    if (!printer_.newPage()) return false;
    y_ = 0;
  }
  painter_.drawText(0, y_ + metrics.ascent(), QString::fromStdString(line));
  y_ += metrics.lineSpacing();
  return true;
}

bool QtPrinter::EndDoc() { return !painter_.isActive() || painter_.end(); }

void QtPrinter::AbortDoc() {
  if (!painter_.isActive()) return;
  printer_.abort();
  painter_.end();
}
