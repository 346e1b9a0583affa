// Runs a command line through the shell and gives its exit status and what it wrote on standard output.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

struct ProgramRun {
  int status = -1;  // the exit status; -1 when the program could not be run or did not exit by itself
  std::string out;
};

inline ProgramRun RunProgram(const std::string& commandLine) {
  ProgramRun run;
  FILE* pipe = popen(commandLine.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}
