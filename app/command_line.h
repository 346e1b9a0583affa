// What the command line of the window program asks for: a window, perhaps with an input data file to
// open, or only the help or version text.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
  enum class Action { kOpenWindow, kPrintHelp, kPrintVersion, kWrongUsage };
  Action action = Action::kOpenWindow;
  QString inputFile;  // kOpenWindow: the file to open at start, empty for none
  QString text;       // kPrintHelp, kPrintVersion: what to print; kWrongUsage: what is wrong
};

// Reads `arguments` (the program's own name first). The window system's options (-platform, -style
// and the like) are accepted and left to the toolkit.
CommandLine ReadCommandLine(const QStringList& arguments);
