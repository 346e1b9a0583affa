// The window program's command line: what it reads, and --help and --version answered without a display.
#include "command_line.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct CommandRun {
  int status = -1;
  std::string out;
};

// Runs the program with no display to open: a window would make it fail.
CommandRun RunWithoutDisplay(const std::string& arguments) {
  const std::string command =
      "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '" RIPADES_PATH "' " + arguments + " 2>&1";
  CommandRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
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
    const CommandRun run = RunWithoutDisplay(c.arguments);
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
