// Reading the window program's command line with the toolkit's parser.
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The toolkit reads these itself once the window system is opened; the parser only has to let them by.
void AcceptToolkitOptions(QCommandLineParser& parser) {
  for (const char* name :
       {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
        "session", "style", "stylesheet", "display", "geometry", "qmljsdebugger"}) {
    QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // "-platform offscreen" is one option, as the toolkit reads it, not the letters p, l, a ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Designs the concrete slab thickness of a rigid airfield pavement for a traffic mix of aircraft.\n"
                     "Given an input data file (.inp), the window opens it as \"Read Data From File...\" does."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  AcceptToolkitOptions(parser);
  parser.addPositionalArgument(QStringLiteral("FILE.inp"), QStringLiteral("An input data file to open at start."),
                               QStringLiteral("[FILE.inp]"));

  CommandLine command;
  if (!parser.parse(arguments)) {
    command.action = CommandLine::Action::kWrongUsage;
    command.text = parser.errorText();
  } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    command.action = CommandLine::Action::kPrintHelp;
    command.text = parser.helpText();
  } else if (parser.isSet(version)) {
    command.action = CommandLine::Action::kPrintVersion;
    command.text =
        QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
  } else if (parser.positionalArguments().size() > 1) {
    command.action = CommandLine::Action::kWrongUsage;
    command.text = QStringLiteral("Give one input data file, not %1.").arg(parser.positionalArguments().size());
  } else if (!parser.positionalArguments().isEmpty()) {
    command.inputFile = parser.positionalArguments().front();
  }
  return command;
}
