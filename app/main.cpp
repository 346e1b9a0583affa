// The window program: the main window on the toolkit's services, the library beside the executable.
#include <QApplication>
#include <QIcon>

#include "ui/frm_aircraft.h"
#include "ui/services/qt_busy_pointer.h"
#include "ui/services/qt_file_dialogs.h"
#include "ui/services/qt_message_box.h"
#include "ui/services/qt_printer.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setWindowIcon(QIcon(":/icons/ripades.png"));
  QtMessageBox messages;
  QtBusyPointer busy;
  QtFileDialogs files;
  QtPrinter printer;
  frmAircraft window({messages, busy, files, printer}, QCoreApplication::applicationDirPath().toStdString());
  window.show();
  return app.exec();
}
