// The window program's command line: what it reads, and --help and --version answered without a display.
#include "command_line.h"

#include <gtest/gtest.h>

#include "support/run_program.h"

namespace {

TEST(CommandLine, HelpAndVersionPrintAndEndWithoutADisplay) {
  const struct {
    const char* arguments;
    int status;
    const char* printed;
  } cases[] = {
      {"--version", 0, "ripades " RIPADES_VERSION "\n"},
      {"--help", 0, "[FILE.inp]"},
      {"--help-all", 0, "[FILE.inp]"},
      {"--frobnicate", 64, "Unknown option 'frobnicate'"},
      {"a.inp b.inp", 64, "Give one input data file, not 2."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    // With no display to open: a window would make the program fail.
    const ProgramRun run = RunProgram("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '" RIPADES_PATH "' " +
                                      std::string(c.arguments) + " 2>&1");
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
