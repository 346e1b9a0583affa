// Where a secondary window opens: on the screen of its owner, beside the owner when there is room.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// The client rectangle of a window that would like `wanted` and needs at least `minimum` (client
// sizes), with a frame of `frame` around it, placed inside `available` (the screen's free area) beside
// `owner` (the owner's frame): on its right, else on its left, narrowed to the room there when that
// holds two thirds of the wanted width and the minimum; else over the owner, as large as `available`
// allows. Always inside `available`, unless `minimum` itself does not fit.
QRect PlaceBesideOwner(const QRect& available, const QRect& owner, QSize wanted, QSize minimum, QMargins frame);

// Places `window` so, beside `owner` on the screen that holds the owner's centre.
void OpenBesideOwner(QWidget* window, const QWidget* owner, QSize wanted);
