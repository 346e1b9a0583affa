// The default printer's paper, or the locale's when there is no printer.
#include "ui/default_page_size.h"

#include <QLocale>
#include <QPrinterInfo>

QPageSize DefaultPageSize() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull() && printer.defaultPageSize().isValid()) return printer.defaultPageSize();
  return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}
