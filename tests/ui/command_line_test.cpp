// The window program's command line: what it reads, and --help and --version answered without a display.
#include "command_line.h"

#include <gtest/gtest.h>

#include "support/run_program.h"

namespace {

// Runs the program with no display to open: a window would make it fail.
ProgramRun RunWithoutDisplay(const std::string& arguments) {
  return RunProgram("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '" RIPADES_PATH "' " + arguments + " 2>&1");
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithoutADisplay) {
  const struct {
    const char* arguments;
    int status;
    const char* printed;
  } cases[] = {
      {"--version", 0, "ripades " RIPADES_VERSION "\n"},
      {"-v", 0, "ripades " RIPADES_VERSION "\n"},
      {"--help", 0, "[FILE.inp]"},
      {"--help-all", 0, "[FILE.inp]"},
      {"--frobnicate", 64, "Unknown option 'frobnicate'"},
      {"a.inp b.inp", 64, "Give one input data file, not 2."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const ProgramRun run = RunWithoutDisplay(c.arguments);
    EXPECT_EQ(run.status, c.status) << run.out;
    EXPECT_NE(run.out.find(c.printed), std::string::npos) << run.out;
  }
}

TEST(CommandLine, AFileOpensTheWindowWithItAndTheToolkitsOptionsPassThrough) {
  const struct {
    QStringList arguments;
    QString file;
  } cases[] = {
      {{"ripades"}, ""},
      {{"ripades", "mix.inp"}, "mix.inp"},
      {{"ripades", "-platform", "offscreen", "/data/my mix.inp"}, "/data/my mix.inp"},
      {{"ripades", "-style", "fusion", "-reverse"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const CommandLine command = ReadCommandLine(c.arguments);
    EXPECT_EQ(command.action, CommandLine::Action::kOpenWindow) << command.text.toStdString();
    EXPECT_EQ(command.inputFile, c.file);
  }
}

}  // namespace
