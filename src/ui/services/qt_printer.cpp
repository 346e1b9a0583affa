// Printing text lines: a document starts with its first line and ends with EndDoc.
#include "ui/services/qt_printer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPrintDialog>

#include "ui/design_fonts.h"

namespace {
constexpr double kPrinterFontPoints = 10;  // the report sets only the font name, not its size
}

std::optional<int> QtPrinter::ShowPrintDialog() {
  QPrintDialog dialog(&printer_, QApplication::activeWindow());
  dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const int copies = printer_.copyCount();
  // Each copy is printed as a document of its own, so the printer itself prints one.
  printer_.setCopyCount(1);
  return copies;
}

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
