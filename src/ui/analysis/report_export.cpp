// The report into a text file or, through QPdfWriter, a PDF; each made whole, then saved over the target.
#include "ui/analysis/report_export.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "project/text_file.h"
#include "report/report_file.h"

namespace {

constexpr double kMarginMm = 15;

// The font at its own size, or smaller so that the widest line fits the page width.
QFont FittedFont(QFont font, const QStringList& lines, QPaintDevice* device, double pageWidth) {
  const QFontMetricsF metrics(font, device);
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  if (widest > pageWidth) font.setPointSizeF(font.pointSizeF() * pageWidth / widest);
  return font;
}

// Lays the lines out one below the other, a new page when one is full; false when the writer fails.
bool DrawLines(QPdfWriter& writer, const QStringList& lines, const QFont& font) {
  QPainter painter(&writer);
  if (!painter.isActive()) return false;
  const QRect page = painter.viewport();
  painter.setFont(FittedFont(font, lines, &writer, page.width()));
  const QFontMetricsF metrics(painter.font(), &writer);
  double y = 0;
  for (const QString& line : lines) {
    if (y > 0 && y + metrics.lineSpacing() > page.height()) {
      if (!writer.newPage()) return false;
      y = 0;
    }
    painter.drawText(QPointF(0, y + metrics.ascent()), line);
    y += metrics.lineSpacing();
  }
  return painter.end();
}

}  // namespace

Outcome SaveReportPdf(const std::string& path, const std::vector<std::string>& lines, QFont font) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  // The whole document is made in memory, so that only a complete one is ever written to the disk.
  QByteArray document;
  QBuffer buffer(&document);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setTitle(QStringLiteral("RIPADES report"));
  writer.setCreator(QStringLiteral("RIPADES"));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
  if (!DrawLines(writer, text, font))
    return Outcome::Failure("The report could not be laid out as a PDF; nothing was saved to \"" + path + "\".");
  return WriteTextFileAtomically(path, document.toStdString());
}

Outcome SaveReport(const std::string& path, const std::vector<std::string>& lines, const QFont& printerFont) {
  if (QString::fromStdString(path).endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
    return SaveReportPdf(path, lines, printerFont);
  return WriteTextFileAtomically(path, WithLineEnds(lines));
}
