// Twips (1440 per inch, 15 per pixel at 96 dpi) to pixels of the screen a widget is on, and back.
#pragma once

#include <QRect>

class QWidget;

int TwipsToPixels(double twips, const QWidget* widget);
double PixelsToTwips(int pixels, const QWidget* widget);
QRect TwipsRect(double left, double top, double width, double height, const QWidget* widget);
