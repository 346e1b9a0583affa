// The window program: the main window on the toolkit's services, the library beside the executable.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "command_line.h"
#include "ui/focus_frame_style.h"
#include "ui/frm_aircraft.h"
#include "ui/services/qt_busy_pointer.h"
#include "ui/services/qt_details_dialog.h"
#include "ui/services/qt_file_dialogs.h"
#include "ui/services/qt_message_box.h"
#include "ui/services/qt_printer.h"

namespace {

// The command line is read before the window system is opened, so that --help and --version answer
// without a display.
CommandLine ReadArguments(int argc, char* argv[]) {
  QCoreApplication reader(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ripades"));
  QCoreApplication::setApplicationVersion(QStringLiteral(RIPADES_VERSION));
  return ReadCommandLine(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char* argv[]) {
  const CommandLine command = ReadArguments(argc, argv);
  switch (command.action) {
    case CommandLine::Action::kPrintHelp:
    case CommandLine::Action::kPrintVersion:
      std::fputs(command.text.toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLine::Action::kWrongUsage:
      std::fprintf(stderr, "ripades: %s (see --help)\n", command.text.toLocal8Bit().constData());
      return 64;
    case CommandLine::Action::kOpenWindow:
      break;
  }

  QApplication app(argc, argv);
  app.setWindowIcon(QIcon(":/icons/ripades.png"));
  QApplication::setStyle(new FocusFrameStyle);
  QtMessageBox messages;
  QtBusyPointer busy;
  QtFileDialogs files;
  QtPrinter printer;
  QtDetailsDialog details;
  frmAircraft window({messages, busy, files, printer, details}, QCoreApplication::applicationDirPath().toStdString());
  window.show();
  // Opened once the window is up, so that its message stands over the window.
  if (!command.inputFile.isEmpty())
    QTimer::singleShot(0, &window, [&window, file = command.inputFile] { window.OpenInputFile(file.toStdString()); });
  return app.exec();
}
