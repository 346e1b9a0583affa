// Twips and pixels: the window is designed in twips; the screen's logical dpi scales them.
#include "ui/twips.h"

#include <QWidget>
#include <cmath>

namespace {

constexpr double kTwipsPerInch = 1440;

double LogicalDpi(const QWidget* widget) { return widget ? widget->logicalDpiX() : 96.0; }

}  // namespace

int TwipsToPixels(double twips, const QWidget* widget) {
  return static_cast<int>(std::lround(twips * LogicalDpi(widget) / kTwipsPerInch));
}

double PixelsToTwips(int pixels, const QWidget* widget) { return pixels * kTwipsPerInch / LogicalDpi(widget); }

QRect TwipsRect(double left, double top, double width, double height, const QWidget* widget) {
  return {TwipsToPixels(left, widget), TwipsToPixels(top, widget), TwipsToPixels(width, widget),
          TwipsToPixels(height, widget)};
}
