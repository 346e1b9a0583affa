// Chart views rendered into a PNG image or an SVG drawing in memory, then saved over the target.
#include "ui/analysis/chart_export.h"

#include <QBuffer>
#include <QChartView>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "project/text_file.h"

namespace {

constexpr int kPngScale = 2;  // the saved image stays sharp when printed or zoomed

QSize PictureSize(const QList<QChartView*>& views) {
  QSize size;
  for (const QChartView* view : views) {
    size.setWidth(size.width() + static_cast<int>(view->sceneRect().width()));
    size.setHeight(std::max(size.height(), static_cast<int>(view->sceneRect().height())));
  }
  return size;
}

void DrawCharts(QPainter& painter, const QList<QChartView*>& views) {
  double x = 0;
  for (QChartView* view : views) {
    const QRectF source = view->sceneRect();
    view->scene()->render(&painter, QRectF(QPointF(x, 0), source.size()), source);
    x += source.width();
  }
}

bool DrawSvg(QBuffer& buffer, const QList<QChartView*>& views) {
  const QSize size = PictureSize(views);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QStringLiteral("RIPADES damage charts"));
  QPainter painter(&svg);
  DrawCharts(painter, views);
  return painter.end();
}

bool DrawPng(QBuffer& buffer, const QList<QChartView*>& views) {
  QImage image(PictureSize(views) * kPngScale, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(kPngScale, kPngScale);
  DrawCharts(painter, views);
  return painter.end() && image.save(&buffer, "PNG");
}

}  // namespace

bool IsSvgPath(const QString& path) { return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive); }

Outcome SaveCharts(const QString& path, const QList<QChartView*>& views) {
  // The whole picture is made in memory, so that only a complete one is ever written to the disk.
  QByteArray picture;
  QBuffer buffer(&picture);
  buffer.open(QIODevice::WriteOnly);
  if (!(IsSvgPath(path) ? DrawSvg(buffer, views) : DrawPng(buffer, views)))
    return Outcome::Failure("The charts could not be drawn; nothing was saved to \"" + path.toStdString() + "\".");
  return WriteFileAtomically(path.toStdString(), picture.toStdString());
}
