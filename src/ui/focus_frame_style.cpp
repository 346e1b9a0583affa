// The focus frame of push buttons.
#include "ui/focus_frame_style.h"

#include <QPainter>
#include <QStyleOptionButton>

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
  constexpr int kInset = 3, kWidth = 2;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(QPen(option->palette.color(QPalette::ButtonText), kWidth));
  painter->setBrush(Qt::NoBrush);
  // The pen is centred on the rectangle: move it in by half the pen so both pixels lie inside.
  painter->drawRect(
      option->rect.adjusted(kInset + kWidth / 2, kInset + kWidth / 2, -kInset - kWidth, -kInset - kWidth));
  painter->restore();
}
