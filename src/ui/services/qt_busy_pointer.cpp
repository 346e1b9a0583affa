// The hourglass pointer over every window of the program.
#include "ui/services/qt_busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

QtBusyPointer::~QtBusyPointer() {
  while (depth_ > 0) SetBusy(false);
}

void QtBusyPointer::SetBusy(bool busy) {
  if (busy) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++depth_;
  } else if (depth_ > 0) {
    QGuiApplication::restoreOverrideCursor();
    --depth_;
  }
}
