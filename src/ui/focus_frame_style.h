// The style of the program's windows: the platform's, with a clear frame around the focused button.
#pragma once

#include <QProxyStyle>

// Draws a two-pixel frame in the text colour inside a push button that has the keyboard focus; the
// platform's own focus mark is often a faint tint that is hard to find.
class FocusFrameStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};
