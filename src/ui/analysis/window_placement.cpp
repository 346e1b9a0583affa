// Placing a secondary window within the available area of its owner's screen.
#include "ui/analysis/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QRect PlaceBesideOwner(const QRect& available, const QRect& owner, QSize wanted, QSize minimum, QMargins frame) {
  const int frameWidth = frame.left() + frame.right(), frameHeight = frame.top() + frame.bottom();
  const int height = std::max(minimum.height(), std::min(wanted.height(), available.height() - frameHeight));
  const int roomRight = available.right() - owner.right() - frameWidth;
  const int roomLeft = owner.left() - available.left() - frameWidth;
  // Squeezed much below the width it wants, the window is of less use beside the owner than over it.
  const int besideWidth = std::max(minimum.width(), wanted.width() * 2 / 3);
  int width = 0, left = 0;  // client width; left edge of the frame
  if (roomRight >= besideWidth) {
    width = std::min(wanted.width(), roomRight);
    left = owner.right() + 1;
  } else if (roomLeft >= besideWidth) {
    width = std::min(wanted.width(), roomLeft);
    left = owner.left() - width - frameWidth;
  } else {
    width = std::max(minimum.width(), std::min(wanted.width(), available.width() - frameWidth));
    left = std::max(available.left(), available.right() + 1 - width - frameWidth);
  }
  const int lowestTop = available.bottom() + 1 - height - frameHeight;
  const int top = std::max(available.top(), std::min(owner.top(), lowestTop));
  return {left + frame.left(), top + frame.top(), width, height};
}

void OpenBesideOwner(QWidget* window, const QWidget* owner, QSize wanted) {
  const QRect ownerFrame = owner->frameGeometry();
  const QScreen* screen = QGuiApplication::screenAt(ownerFrame.center());
  if (!screen) screen = owner->screen();
  // The window has no frame before it is first shown: take the owner's, which the same system draws.
  const QRect ownerClient = owner->geometry();
  const QMargins frame(ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
                       ownerFrame.right() - ownerClient.right(), ownerFrame.bottom() - ownerClient.bottom());
  window->setGeometry(PlaceBesideOwner(screen->availableGeometry(), ownerFrame, wanted,
                                       window->minimumSizeHint().expandedTo(window->minimumSize()), frame));
}
