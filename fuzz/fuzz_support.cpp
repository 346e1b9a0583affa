// Shared fuzz helpers: invariant failures, the shipped library, the answering message box.
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "aircraft/library_reader.h"
#include "state_invariants.h"

void Require(bool holds, const std::string& what) {
  if (holds) return;
  std::fprintf(stderr, "\nbroken: %s\n", what.c_str());
  std::abort();
}

void RequireIntact(const ProgramState& state, const char* after) {
  const std::string problem = StateProblem(state);
  Require(problem.empty(), std::string("after ") + after + ": " + problem);
}

// Built on the heap: clang 14 crashes when it meets a default-initialized ProgramState variable (it tries
// to evaluate the 660 library strings as a constant).
ProgramState BlankState() { return *std::make_unique<ProgramState>(); }

const ProgramState& ShippedLibraryState() {
  static const ProgramState state = [] {
    ProgramState s = BlankState();
    const Outcome read = ReadLibrary(s, RIPADES_LIBRARY_PATH);
    Require(read.ok, "the shipped library reads: " + read.message);
    s.mixnext = 1;
    return s;
  }();
  return state;
}

MsgBoxAnswer AnsweringMessageBox::Show(const std::string& text, int style, const std::string& title) {
  ++shown;
  Require(!text.empty() && !title.empty(), "a message box has a text and a title");
  if (style == kMsgYesNo) return yes_ ? MsgBoxAnswer::kYes : MsgBoxAnswer::kNo;
  return MsgBoxButtons(style).front();
}
