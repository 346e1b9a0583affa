// Sizes, fonts and colours shared by the design document's pages and charts.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

// Millimetres and fonts on the device a document is drawn on.
class DocumentStyle {
 public:
  explicit DocumentStyle(QPaintDevice* device) : device_(device), unitsPerMm_(device->logicalDpiX() / 25.4) {}

  double Mm(double millimetres) const { return millimetres * unitsPerMm_; }
  QFont Font(double points, bool bold = false) const {
    // Liberation Sans comes with the program's package; DejaVu Sans with most systems.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    // Any letter spacing keeps the shaper from joining "fi" or "fl" into one glyph, which a reader
    // searching the PDF's text for a file name would not find.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
  }
  QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, device_); }
  QPen Pen(const QColor& colour, double widthMm, Qt::PenStyle style = Qt::SolidLine) const {
    QPen pen(colour, Mm(widthMm), style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
  }

 private:
  QPaintDevice* device_;
  double unitsPerMm_;
};

inline const QColor kRuleColour(150, 150, 150);
inline const QColor kCurveColour(31, 119, 180);
inline const QColor kLimitColour(90, 90, 90);
inline const QColor kDesignColour(214, 39, 40);
inline const QColor kBarColour(120, 160, 200);
inline const QColor kGoverningColour(214, 39, 40);
inline const QColor kGridColour(220, 220, 220);
